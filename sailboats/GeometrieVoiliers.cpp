#include "sailboats/GeometrieVoiliers.h"

GeometrieVoiliers GeometrieVoiliers::Calculer(int hauteurEcran, int lignes, int colonnes) {
    GeometrieVoiliers g;
    if (lignes < 1 || colonnes < 1) return g;
    // The quotient 420 div (rows + 1) is taken first: the rounding is part of the cell size.
    g.A = hauteurEcran * (420 / (lignes + 1)) / 600;
    g.W = g.A * 6 / 7;
    g.Marge = hauteurEcran * 4 / 600;
    g.Lignes = lignes;
    g.Colonnes = colonnes;
    return g;
}

QSize GeometrieVoiliers::Panneau() const {
    return QSize(W * (Colonnes + 1) + 2 * Marge, A * (Lignes + 1) + 2 * Marge);
}
