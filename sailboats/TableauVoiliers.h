// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

class Hasard;

// The colours of one sailboat table: one hull colour per row, one sail colour per column, and
// for exercise 3 and its sheets the row of the sample boat of each column. A plain value: each
// exercise window and the sheet window own theirs, and the results window prints a copy.
//
// Rows (1..5), columns (1..7) and colour numbers (1..16) index the arrays as they are; index 0
// is never used.
struct TableauVoiliers {
    static constexpr int LignesMax = 5;
    static constexpr int ColonnesMax = 7;
    using ParLigne = std::array<quint8, LignesMax + 1>;
    using ParColonne = std::array<quint8, ColonnesMax + 1>;
    using ParNumero = std::array<quint8, 17>;

    quint8 NbTotalGauche = 0; // rows: hull headers at the left
    quint8 NbTotalHaut = 0;   // columns: sail headers on top
    ParLigne CouleursCoques{};
    ParColonne CouleursVoiles{};
    ParNumero CoquesExclues{};     // barred for hulls, or already taken by a row
    ParNumero VoilesExclues{};     // barred for sails, or already taken by a column
    ParNumero CouleursUtilisees{}; // by a hull or the sails of this table
    ParColonne LigneModele{};      // row of the sample boat of each column
    ParLigne LigneCouverte{};      // work flags of the sample draw

    // Size number 0..7 of the size choosers ("Taille 0 (2 x 3)" .. "Taille 7 (5 x 7)"): exercises
    // use 1..7, sheets 0..7 (their index 1..8 minus one). False, and nothing changed, outside.
    bool DefinirTaille(int taille);
    // The draws need every row to find a colour and a sample among the columns.
    bool DimensionsValides() const;

    // The colours and the sample rows of a new table (exercises 1 and 3, sheets). Nothing is
    // drawn, and false returned, when the dimensions are not valid.
    bool TirerCouleurs(Hasard& hasard);
    // The colours alone (exercise 2); exercise 3 then adds the samples.
    bool TirerCoquesEtVoiles(Hasard& hasard);
    bool TirerLignesModeles(Hasard& hasard);

    bool EstModele(int ligne, int colonne) const {
        return LigneModele[static_cast<size_t>(colonne)] == ligne;
    }

  private:
    void Effacer();
    quint8 TirerCouleurLibre(Hasard& hasard, ParNumero& exclues);
    void TirerUnModeleParColonne(Hasard& hasard);
    bool ToutesLignesCouvertes() const;
};
