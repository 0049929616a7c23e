// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/LectureBilans.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct ProfilProgramme;

// Every game of a program found in its folder, each given to its pupil: the general results file
// and the pupils' own files read back (never written), the class lists, and what could not be
// read, in French. Built in two steps so that the long one can run away from the window: the
// inventory lists the folder, the reading reads and sorts out what it listed.
namespace ReleveBilans {

// Larger than this, a file is no results file of a school (a class's year is about a megabyte):
// it is refused before it is read, since its games would take some five times its size in memory.
constexpr qint64 TailleMax = qint64(100) * 1024 * 1024;

struct FichierBilans {
    QString Nom;    // in the program folder
    QString Classe; // the class of an individual file, or "individuel"; empty: the general file
    QString Eleve;  // the pupil part of an individual file's name
    qint64 Taille = 0;
};

struct Classe {
    QString Nom;        // the class list's name without ".elv"
    QStringList Eleves; // its pupils, as the list holds them
    QString Probleme;   // why the list could not be read, in French; empty when it was
};

struct Inventaire {
    QString Dossier;
    QList<Classe> Classes; // in French order
    QList<FichierBilans> Fichiers;
};

// One game of this program, and the pupil it is counted for.
struct Partie {
    QString Classe; // a class of the folder, or "individuel"
    QString Eleve;  // as the class list writes the pupil, otherwise as the results file does
    LectureBilans::PartieLue Lue;
    QString Fichier; // where it was read (the individual file when both files hold it)
    int Ordre = 0;   // the reading order: files one after the other, entries as they come
};

struct Releve {
    QList<Classe> Classes;
    QList<Partie> Parties; // each game once, the older first (a game without a date after the one
                           // written before it in its file)
    QStringList Remarques; // what was left out and why, one French sentence per file
    bool Annule = false;
};

// The folder's class lists and results files: the general file of the program and the
// individual files that the report chooser offers.
Inventaire Inventorier(const QString& dossier, const ProfilProgramme& profil);

// Told the bytes read so far out of the total; false stops the reading.
using Avancement = std::function<bool(qint64 lus, qint64 total)>;

// Reads what the inventory lists. A game that the general and an individual file both hold
// (same name, title, date line and counts) counts once; the other program's entries in the
// shared individual files are left out.
Releve Lire(const Inventaire& inventaire, const ProfilProgramme& profil, const Avancement& avancer = {});

// The one place a results file is opened here: its whole content read at once, with nothing
// held (sousVerrou false), or under the appends' lock (true), which is then held no longer than the
// read. False with the reason when it cannot be read, or when the lock cannot be had soon (a
// folder that is read only, a save that keeps it): a pupil's save is never kept waiting long.
bool LireFichier(const QString& chemin, bool sousVerrou, QByteArray& octets, QString& raison);

// "1,5 Mo", "2,0 Go": a file's size for a French message.
QString TailleLisible(qint64 octets);

} // namespace ReleveBilans
