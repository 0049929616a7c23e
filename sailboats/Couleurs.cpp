// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/Couleurs.h"

Qt::BrushStyle StyleTrame(int numeroStocke) {
    switch (numeroStocke) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    // Qt's FDiagPattern is the one whose lines fall to the right as they go down the page
    // (the tests draw it and look).
    case 4:
        return Qt::FDiagPattern;
    case 5:
        return Qt::BDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}
