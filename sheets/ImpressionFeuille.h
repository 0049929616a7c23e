// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DessinFeuille.h"
#include "sheets/SerieFeuilles.h"

#include <vector>

class Hasard;

// Carrelis's sheets as the prints of SerieFeuilles take them (ImprimerFeuille, ImprimerCorrige,
// ImprimerSerie), and the table of a game.

// One or four tables fill a landscape page; two, three and "3 diff." are stacked on a portrait one.
QPageLayout::Orientation OrientationPages(const FeuilleTableaux& feuille);

// A class set: `nombre` sheets with the settings of `modele`, each with new tables of its own,
// all different from one another.
std::vector<FeuilleTableaux> TirerSerie(const FeuilleTableaux& modele, int nombre, Hasard& hasard);

// The results window's "Imprimer l'exercice": the table as the game left it (its given cells,
// not the pupil's answers), alone on a landscape page.
bool ImprimerExercice(const Destination& vers, const ContenuTableau& contenu);
