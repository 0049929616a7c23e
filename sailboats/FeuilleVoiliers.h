// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/TableauVoiliers.h"

#include <QString>

class Hasard;

// What one sailboat sheet shows: the colours of its table, the kind of exercise (1 headers in
// colour and empty cells, 2 headers in colour and boats to colour, 3 uncoloured headers and one
// coloured sample boat per column), colour or black-and-white hatches, and the instruction.
// A plain value: the sheet window owns one, the preview and the page are drawn from it, and the
// results window prints the table a game left as one.
struct FeuilleVoiliers {
    TableauVoiliers Tableau;
    int NumJeu = 1;
    bool NoirEtBlanc = true;
    QString Consigne; // empty = no instruction

    // New colours (and samples) for the table's size.
    void TirerCouleurs(Hasard& hasard) { Tableau.TirerCouleurs(hasard); }
    // Whether two sheets show the same colours where they show colours.
    bool MemesCouleurs(const FeuilleVoiliers& autre) const;
};

// The sheet in words, for a screen reader.
QString DescriptionFeuille(const FeuilleVoiliers& feuille);
