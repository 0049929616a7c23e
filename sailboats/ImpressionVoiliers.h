// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/FeuilleVoiliers.h"
#include "sheets/SerieFeuilles.h"

#include <vector>

class Hasard;

// Printing sailboat sheets on a paged device (a QPrinter chosen in the print dialog, or a
// QPdfWriter), always on landscape pages. False when the job could not start (no printer,
// unwritable file) or did not end well.

// The sheet window's "Imprimer": the colours of the preview.
bool ImprimerFeuilleVoiliers(const Destination& vers, const FeuilleVoiliers& feuille);
// Its answer key: every header and every boat in colour, or in hatches with the legend.
bool ImprimerCorrigeVoiliers(const Destination& vers, const FeuilleVoiliers& feuille);

// A class set: `nombre` sheets like `modele`, each with new colours, all different.
std::vector<FeuilleVoiliers> TirerSerieVoiliers(const FeuilleVoiliers& modele, int nombre, Hasard& hasard);
// The class set in one job, each sheet followed by its key if asked.
bool ImprimerSerieVoiliers(const Destination& vers, const FeuilleVoiliers& modele, const ChoixSerie& choix,
                           Hasard& hasard, const Progression& progression = {});

// The results window's "Imprimer l'exercice": the table a game of exercise numJeu left, in
// black and white as the teacher's preferences say, under the program's instruction.
bool ImprimerExerciceVoiliers(const Destination& vers, const TableauVoiliers& tableau, int numJeu,
                              bool noirEtBlanc, const QString& consigne);
