#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The teacher's settings, stored whole as the 1392-byte preferences file. Strings are held as
// one length byte and a fixed number of 8-bit Windows-1252 characters.
struct Preferences {
    static constexpr int TailleFichier = 1392;

    std::array<QString, 5> ImagesPref; // 0: main menu tile, 1: exercise pages; 2..4 kept, unused
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

    // The size of exercise numJeu (1..3), read and changed during play.
    quint8& TailleJeu(int numJeu);
    quint8 TailleJeu(int numJeu) const;
};
