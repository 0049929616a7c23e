// SPDX-License-Identifier: GPL-3.0-or-later
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

GeometrieVoiliers GeometrieVoiliers::DansLaPlace(int hauteurEcran, int lignes, int colonnes, QSize place,
                                                 const std::function<int(int)>& aCote) {
    GeometrieVoiliers g = Calculer(hauteurEcran, lignes, colonnes);
    auto tient = [&] {
        const QSize panneau = g.Panneau();
        return panneau.width() + (aCote ? aCote(g.W) : 0) <= place.width() &&
               panneau.height() <= place.height();
    };
    while (g.A > 1 && !tient()) {
        --g.A;
        g.W = g.A * 6 / 7;
    }
    return g;
}

QPoint GeometrieVoiliers::Voisine(QPoint p, Direction direction) const {
    QPoint v = p;
    switch (direction) {
    case Direction::Gauche:
        v.rx() -= 1;
        break;
    case Direction::Droite:
        v.rx() += 1;
        break;
    case Direction::Haut:
        v.ry() -= 1;
        break;
    case Direction::Bas:
        v.ry() += 1;
        break;
    }
    const bool dedans = v.x() >= 0 && v.x() <= Colonnes && v.y() >= 0 && v.y() <= Lignes;
    return dedans && !(v.x() == 0 && v.y() == 0) ? v : p;
}
