// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The teacher's settings, stored whole as the 1392-byte preferences file. Strings are held as
// one length byte and a fixed number of 8-bit Windows-1252 characters.
struct Preferences {
    static constexpr int TailleFichier = 1392;
    static constexpr int NbImages = 5;
    static constexpr int LongueurImage = 255; // characters of each ImagesPref entry
    static constexpr int LongueurListeClasse = 100;
    static constexpr int TailleJeuMin = 1, TailleJeuMax = 7, TailleJeuParDefaut = 3;

    std::array<QString, NbImages> ImagesPref; // 0: main menu tile, 1: exercise pages; 2..4 kept, unused
    quint8 EnregistrerBilans = 0;
    quint8 BilansIndividuels = 0;
    quint8 ImprimerResultats = 0;
    quint8 ImprimerExercice = 0;
    quint8 PrefNoirEtBlanc = 0;
    QString ListeClasse;
    quint8 ChoixModifiable1 = 1;
    quint8 ChoixModifiable2 = 0;
    quint8 ChoixModifiable3 = 0;
    quint8 TailleJeu1 = 3;
    quint8 TailleJeu2 = 3;
    quint8 TailleJeu3 = 3;

    // The record as last read from the file (empty before): the bytes that no field explains,
    // such as those after a string's length, go back to the file as they came.
    QByteArray Brut;

    // The size of exercise numJeu (1..3), read and changed during play.
    quint8& TailleJeu(int numJeu);
    quint8 TailleJeu(int numJeu) const;
    // The "Modifier les choix pendant le jeu" flag of exercise numJeu (1..3).
    quint8& ChoixModifiable(int numJeu);
    quint8 ChoixModifiable(int numJeu) const;

    // The record held in the bytes of a file. Fewer than 1392 bytes give the defaults, more
    // are cut to the first 1392; a string length above its field is cut to the field, a flag
    // other than 0 reads as 1, and a size outside 1..7 becomes 3.
    static Preferences Lire(const QByteArray& octets);
    // The 1392 bytes of the record: what was read, with every field that changed written over.
    QByteArray Octets() const;

    // What "Annuler" puts back: every field but ListeClasse, which the results window owns.
    void CopierSaufListeClasse(const Preferences& source);
};

// Defaults, then the file over them. False when there is no readable, whole record (the
// defaults stay). A missing or short file is the normal first run and says nothing; when the name
// holds what cannot be read as the preferences (a link, a pipe, a folder, a file this account may
// not read), alerte says in French what was found, otherwise it is emptied.
bool ChargerPreferences(Preferences& prefs, const QString& fichier, QString& alerte);

// Writes the whole record at once: on failure the previous file stays as it was, and raison
// says why in French.
bool EnregistrerPreferences(const Preferences& prefs, const QString& fichier, QString& raison);
