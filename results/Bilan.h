// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Partie.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

struct ProfilProgramme;

// The result record of one finished game: the lines that the results files receive and that
// the printed report shows. Every line holds at most 50 characters, the date and the time 20.
struct Bilan {
    static constexpr int LongueurLigne = LongueurNomEleve;
    static constexpr int LongueurDateHeure = 20;

    QString NomEleve;
    QString TitreJeu; // empty when no exercise 1..3 was played
    QString LigneDate;
    QString LigneHeure;
    QString LigneBonnes;
    QString LigneBonnesGauche; // the four left/top lines: exercise 3 only, else empty
    QString LigneBonnesHaut;
    QString LigneErreurs;
    QString LigneErreursGauche;
    QString LigneErreursHaut;

    // "Le 06/12/2002   à  14:35:10": the date, two blanks and the time, cut to 22 after the date.
    QString LigneDateHeure() const;
    // The entry of the general results file: an empty line, the pupil, then LignesResultat.
    QStringList EntreeGenerale() const;
    // The entry of an individual results file; a new file first receives the pupil's name.
    QStringList EntreeIndividuelle(bool nouveauFichier) const;
    // What both files hold after the name: title, date and time, good answers, an empty line,
    // errors; the empty left/top lines are left out.
    QStringList LignesResultat() const;
};

// The record of the game of exercise numJeu, saved at maintenant under the name typed or chosen.
// Date and time take the French forms (06/12/2002, 14:35:10) whatever the machine's settings,
// so that the entries of every computer of a classroom look alike.
Bilan ComposerBilan(const ProfilProgramme& profil, int numJeu, const CompteursResultat& compteurs,
                    const QDateTime& maintenant, QStringView nom);

// The same for a finished game.
Bilan ComposerBilan(const ProfilProgramme& profil, const ResultatPartie& resultat,
                    const QDateTime& maintenant, QStringView nom);
