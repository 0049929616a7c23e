// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"
#include "sheets/ReglagesFeuille.h"
#include "tables/Tableau.h"

#include <array>

class Hasard;

// What one carrelis sheet shows: its settings, the table that layouts 1 to 4 copy, and the three
// tables of "3 diff.". A plain value: the sheet window owns one, its preview and its printed page
// are both drawn from it, and a class set draws a new one for every pupil. The tables are kept
// with their given cells in CaseDonnee, as the drawing reads them.
struct FeuilleTableaux {
    ReglagesFeuille Reglages;
    Operation Op = Operation::Addition;
    Tableau Copie;                // layouts 1 to 4: of kind Reglages.JeuImprime, size Reglages.TailleImp
    std::array<Tableau, 3> Trois; // "3 diff.": exercises 1, 2 and 3 from top to bottom

    bool TroisDifferents() const { return Reglages.NbExAImprimer == ReglagesFeuille::TroisDifferents; }

    // A new table for layouts 1 to 4, of the settings' kind and size.
    void TirerCopie(Hasard& hasard);
    // Three new tables for "3 diff.", each of its own size.
    void TirerTrois(Hasard& hasard);
    // New tables for the layout in force, the others left as they are.
    void TirerTableaux(Hasard& hasard);

    // Whether the two sheets show the same numbers in the layout in force.
    bool MemesTableaux(const FeuilleTableaux& autre) const;
};

// The same headers, values and given cells over the used part of both tables.
bool MemeContenu(const Tableau& a, const Tableau& b);

// The sheet in words, for a screen reader: the table, the kind of exercise, the layout and the
// instructions.
QString DescriptionFeuille(const FeuilleTableaux& feuille);
