#pragma once

#include <QRect>
#include <QSize>

// Where the sailboat table lies on the screen: its cell size follows the screen height and the
// number of rows, so that a table always takes the same share of the screen.
struct GeometrieVoiliers {
    int A = 0;     // cell height
    int W = 0;     // cell width
    int Marge = 0; // margin around the table, also the offset of the fill seeds from the mast
    int Lignes = 0;
    int Colonnes = 0;

    static GeometrieVoiliers Calculer(int hauteurEcran, int lignes, int colonnes);

    QSize Panneau() const;
    // Sail header of column c (1..7), hull header of row r (1..5), cell (r, c).
    QRect EnteteVoiles(int c) const { return Case(0, c); }
    QRect EnteteCoque(int r) const { return Case(r, 0); }
    QRect Case(int r, int c) const { return QRect(c * W + Marge, r * A + Marge, W, A); }
};
