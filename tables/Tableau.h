// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// Rows and columns of a size number 0..7 (0 exists only on printed sheets).
struct DimensionsTableau {
    int NbLignes = 0;
    int NbColonnes = 0;
};

inline constexpr int TailleMin = 0;
inline constexpr int TailleMax = 7;

bool TailleValide(int taille);
// Out-of-range sizes give 0 x 0, a table on which nothing is drawn.
DimensionsTableau DimensionsTaille(int taille);
// "Taille 1 (3 x 4)", the label of every size chooser.
QString LibelleTaille(int taille);

// The one double-entry table of the program: headers, cell values and which cells are shown.
// Cell (c, r): column c = 0..NbColonnes, row r = 0..NbLignes; column 0 holds the row headers,
// row 0 the column headers, (0, 0) is the corner. Grids are 12 x 12 whatever the size.
struct Tableau {
    static constexpr int Dim = 12;
    using Grille = std::array<std::array<quint8, Dim>, Dim>; // [c][r]
    using Marques = std::array<quint8, 11>;                  // indices 0..10

    int NbColonnes = 0;
    int NbLignes = 0;
    std::array<quint8, Dim> EnteteColonne{};
    std::array<quint8, Dim> EnteteLigne{};
    Grille Valeurs{};
    Grille CaseRemplie{}; // 1 = shown (given, or answered in play)
    Grille CaseDonnee{};  // the cells given when a game table was set up
    Marques EnteteDonneColonne{};
    Marques EnteteDonneLigne{};
    std::array<quint8, Dim> ValeurPriseColonne{};
    std::array<quint8, Dim> ValeurPriseLigne{};
    std::array<quint8, Dim> LigneAssociee{};
    std::array<quint8, Dim> NbColonnesParLigne{};
    Marques ColonneAtteinte{};
    Marques LigneAtteinte{};
    quint8 NbTotal = 0;
    quint8 NbTotalHaut = 0;
    quint8 NbTotalGauche = 0;

    // Sets NbLignes and NbColonnes; false (and nothing changed) for a size outside 0..7.
    bool DefinirTaille(int taille);

    // The set-ups refuse other shapes rather than loop forever: at most 7 columns (11 header
    // values, up to 3 barred) and never more rows than columns (no pairing for exercise 2).
    bool DimensionsValides() const { return NbLignes >= 1 && NbLignes <= NbColonnes && NbColonnes <= 7; }

    // Counts over the used part of the grid, corner and headers included.
    int CasesATrouver() const;
    int CasesATrouverHaut() const;
    int CasesATrouverGauche() const;
    int CasesMontreesValantZero() const;

    bool EstEnTete(int c, int r) const { return c == 0 || r == 0; }
};
