// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/Tableau.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <vector>

// Where one table of a sheet goes.
struct PlaceTableau {
    QPoint Origine;          // top-left corner of the instruction band
    int HauteurConsigne = 0; // room kept above the grid for the instruction; 0 without one
    int LargeurConsigne = 0; // room for the instruction up to the edge of the table's region
    DimensionsTableau Dimensions;

    int HautGrille() const { return Origine.y() + HauteurConsigne; }
    // The (C + 1) x (L + 1) cells of side s, headers included.
    QRect Grille(int tailleCase) const;
};

// The places of the tables of a sheet on a surface of W x H device units, in the integer
// arithmetic of the layouts: the preview and the printer page each get their own, so the
// preview is a sketch of the page in the screen's proportions, not a scaled copy.
struct DispositionFeuille {
    int TailleCaseImp = 0;            // side s of a cell; 0 or less when the surface is too small
    int TaillePolice = 1;             // point size of the numbers, one for every table of the sheet
    std::vector<PlaceTableau> Places; // in drawing order

    // Layouts 1 to 4: that many copies of one table of `dimensions`; layout 4 fills the left
    // column first. hauteurConsigne comes from HauteurConsigne.
    static DispositionFeuille Copies(int disposition, QSize surface, DimensionsTableau dimensions,
                                     int hauteurConsigne);
    // Layout 5: three tables stacked, one cell size and one left edge for all three.
    static DispositionFeuille TroisTableaux(QSize surface, const std::array<DimensionsTableau, 3>& dimensions,
                                            const std::array<int, 3>& hauteursConsigne);

    // Instruction band of layouts 1 to 4 (twice the height of "G") and of layout 5 (one and a half).
    static int HauteurConsigne(const QString& consigne, int hauteurG);
    static int HauteurConsigne3D(const QString& consigne, int hauteurG);

    // Largest point size from 71 down, 1 at the lowest, at which "1000" is narrower than a cell;
    // largeurMille gives the width of "1000" at a point size, in the units of the cell.
    static int ChercherTaillePolice(int tailleCase, const std::function<int(int)>& largeurMille);

    // Lines 2 units wide on the 96 dpi preview, and as thick for the eye on a printer page,
    // where 2 printer dots would be a hairline.
    static int EpaisseurTrait(int pointsParPouce);
};
