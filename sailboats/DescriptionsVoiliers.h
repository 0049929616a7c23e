// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a screen reader says of each picture of a sailboat table, in the words a sighted pupil
// would use for what the picture shows. Colour numbers as in the colour table; 0 stands for a
// part drawn in outline and not coloured yet.
namespace DescriptionsVoiliers {

// "Voiles de la colonne 3 : jaunes", "... : pas encore coloriées".
QString EnteteVoiles(int colonne, int couleur);
// "Coque de la ligne 2 : rouge", "... : pas encore coloriée".
QString EnteteCoque(int ligne, int couleur);
// Exercise 1: "Ligne 2, colonne 3 : vide" or "... : bateau à coque rouge et voiles jaunes".
QString CaseARemplir(int ligne, int colonne, int coque, int voiles);
// Exercises 2 and 3: "Ligne 2, colonne 3 : voiles jaunes, coque pas encore coloriée"; a sample
// boat says it is one.
QString CaseAColorier(int ligne, int colonne, int coque, int voiles, bool modele);
// The boat beside the table: "Bateau à placer : coque rouge, voiles jaunes"; before the game,
// "Bateau à placer : aucun pour l'instant".
QString BateauAPlacer(int coque, int voiles);

} // namespace DescriptionsVoiliers
