// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"
#include "core/Tirage.h"

#include <QtGlobal>

#include <functional>

// A pupil's name as the results files and the class lists keep it.
constexpr int LongueurNomEleve = 50;

// The exercise chosen in the menu, handed to the exercise window when it opens.
struct ChoixExercice {
    int NumJeu = 1; // 1..3
    Operation Op = Operation::Addition;
};

// The counts of one game. Left and top counts are shown and recorded for exercise 3 only.
struct CompteursResultat {
    int NbBonnes = 0;
    int NbErreurs = 0;
    int NbBonnesGauche = 0;
    int NbErreursGauche = 0;
    int NbBonnesHaut = 0;
    int NbErreursHaut = 0;
    quint8 NbTotal = 0;
    quint8 NbTotalGauche = 0;
    quint8 NbTotalHaut = 0;

    // Exercise 3's results show and record the counts of the left column and the top row.
    static bool DetailGaucheHaut(int numJeu) { return numJeu > 2; }
};

// What an exercise window hands to the results window at the end of a game.
struct ResultatPartie {
    int NumJeu = 1;
    CompteursResultat Compteurs;
    // Prints the table just played, alone on a page ("Imprimer l'exercice"); false when the page
    // refused it. Empty when there is nothing to print.
    std::function<bool(const Destination& vers)> ImprimerExercice;
};
