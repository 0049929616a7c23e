// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/DispositionJeu.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

// Where the sailboat table lies on the screen: its cell size follows the screen height and the
// number of rows, so that a table always takes the same share of the screen.
struct GeometrieVoiliers {
    int A = 0;     // cell height
    int W = 0;     // cell width
    int Marge = 0; // margin around the table, also the offset of the fill seeds from the mast
    int Lignes = 0;
    int Colonnes = 0;

    static GeometrieVoiliers Calculer(int hauteurEcran, int lignes, int colonnes);
    // The same table made smaller, when it must, so that its panel and what stands on its right
    // (aCote(W) pixels, for a cell width W) fit in `place`: on a screen narrower than 4:3 or
    // wider than 16:10 the screen's height alone would push the table under its neighbours.
    // The margin, which places the fill seeds, stays as the screen gives it.
    static GeometrieVoiliers DansLaPlace(int hauteurEcran, int lignes, int colonnes, QSize place,
                                         const std::function<int(int)>& aCote = {});

    QSize Panneau() const;
    // Sail header of column c (1..7), hull header of row r (1..5), cell (r, c).
    QRect EnteteVoiles(int c) const { return Case(0, c); }
    QRect EnteteCoque(int r) const { return Case(r, 0); }
    QRect Case(int r, int c) const { return QRect(c * W + Marge, r * A + Marge, W, A); }

    // Keyboard play: the picture next to `position` (x: column 0..Colonnes, y: row 0..Lignes, the
    // headers being row and column 0) in a direction; the same at an edge. The empty corner is
    // never reached.
    QPoint Voisine(QPoint position, Direction direction) const;
};
