// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <functional>

// The results files read back, for the teacher's follow-up of the class: the general file and
// the pupils' own files as the programs append them, and as time leaves them (an entry torn by a
// crash, lines cut at 50 characters, blank lines added by hand, the entries of the other program
// that shares the folder). It only reads: nothing here knows how to write an entry. One bad
// entry never costs the others; what could not be read is counted, for the window to say so.
namespace LectureBilans {

// The general file names the pupil in every entry; an individual file names him once, at its top.
enum class SorteFichier { General, Individuel };

// Exercise 3's two lines for the left column, or for the top row: the good answers out of the
// cells, then the errors. Each label is kept as written, tab included: it tells the program.
struct Detail {
    QString LibelleBonnes; // empty when the file has no such line
    int Bonnes = 0;
    int Total = 0;
    QString LibelleErreurs; // empty when the file has no such line
    int Erreurs = 0;

    bool AvecBonnes() const { return !LibelleBonnes.isEmpty(); }
    bool AvecErreurs() const { return !LibelleErreurs.isEmpty(); }
};

// One saved game.
struct PartieLue {
    QString Eleve;     // the entry's name line (general file) or the name at the file's top
    QString Titre;     // the exercise's title line as written; empty when the entry has none
    QString Programme; // the program that the title names ("Carrelis"); empty without a title
    int NumJeu = 0;    // 1..3 from the title; 0 when the entry does not say
    QString LigneDate; // the date line as written; empty when the entry has none
    QDate Date;        // invalid when the date line cannot be read
    QTime Heure;       // invalid when the time cannot be read
    int Bonnes = 0;
    int Total = 0;
    int Erreurs = 0;
    std::array<Detail, 2> GaucheHaut; // [0] left, [1] top: exercise 3 only
    int Ligne = 0;                    // where the entry starts in its file, from 1

    bool AvecDetail() const;
};

struct FichierLu {
    QString EnTete; // an individual file's pupil, as its first line gives him
    QList<PartieLue> Parties;
    int EntreesIllisibles = 0;  // entries begun and never finished, or without their counts
    int LignesInconnues = 0;    // lines that belong to no entry
    bool FinIncomplete = false; // the last entry is not whole: torn, or being written right now
    bool Interrompue = false;   // the reader was told to stop before the end
};

// Told how many bytes have been read so far; false stops the reading.
using Avancement = std::function<bool(qsizetype octetsLus)>;

// The entries of a file's bytes: Windows-1252 as the programs write them, or UTF-8 (with its mark
// or without, also before entries the programs appended since) or UTF-16 as another editor may
// have saved the file; lines ended by CR LF, LF or CR.
FichierLu Lire(QByteArrayView octets, SorteFichier sorte, const Avancement& avancer = {});

// The date and time of a date line ("Le 06/12/2002   à  14:35:10"), also in the other short
// forms a machine's settings may have given (06/12/02, 06.12.2002, 2002-12-06, 14:35). Invalid
// parts when the line does not say.
void LireDate(QStringView ligne, QDate& date, QTime& heure);

} // namespace LectureBilans
