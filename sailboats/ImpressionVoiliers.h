// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/DessinFeuilleVoiliers.h"
#include "sheets/SerieFeuilles.h"

#include <vector>

class Hasard;

// Navirelle's sheets as the prints of SerieFeuilles take them (ImprimerFeuille, ImprimerCorrige,
// ImprimerSerie), and the table of a game.

// Always on landscape pages.
QPageLayout::Orientation OrientationPages(const FeuilleVoiliers& feuille);

// A class set: `nombre` sheets like `modele`, each with new colours, all different.
std::vector<FeuilleVoiliers> TirerSerie(const FeuilleVoiliers& modele, int nombre, Hasard& hasard);

// The results window's "Imprimer l'exercice": the table a game of exercise numJeu left, in
// black and white as the teacher's preferences say, under the program's instruction.
bool ImprimerExerciceVoiliers(const Destination& vers, const TableauVoiliers& tableau, int numJeu,
                              bool noirEtBlanc, const QString& consigne);
