// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// What a black-and-white sheet shows in a part of a boat: the directions of the hatch lines
// crossing a square of side `cote` around `centre`: 'h' horizontal, 'v' vertical, 'd' falling
// from top left to bottom right, 'm' rising. A line counts when it crosses the square unbroken
// (half the side along the diagonals). Two hatch periods make a square that fits in a part.
// A PDF viewer smooths the hatch it enlarges: there, grey counts as ink (seuil 200).
inline QString Directions(const QImage& image, QPoint centre, int cote = 32, int seuil = 128) {
    const QRect c(centre - QPoint(cote / 2, cote / 2), QSize(cote, cote));
    auto noir = [&](int x, int y) { return qGray(image.pixel(x, y)) < seuil; };
    auto droite = [&](int x0, int y0, int dx, int dy, int longueur) {
        for (int i = 0; i < longueur; ++i)
            if (!noir(x0 + i * dx, y0 + i * dy)) return false;
        return true;
    };
    const int demi = cote / 2;
    bool d = false, h = false, m = false, v = false;
    for (int k = 0; k < cote; ++k) {
        h = h || droite(c.left(), c.top() + k, 1, 0, cote);
        v = v || droite(c.left() + k, c.top(), 0, 1, cote);
    }
    for (int k = 0; k <= demi; ++k) {
        d = d || droite(c.left() + k, c.top(), 1, 1, demi) || droite(c.left(), c.top() + k, 1, 1, demi);
        m = m || droite(c.left() + k, c.bottom(), 1, -1, demi) ||
            droite(c.left(), c.bottom() - k, 1, -1, demi);
    }
    QString directions;
    for (auto [present, lettre] : {std::pair{d, 'd'}, {h, 'h'}, {m, 'm'}, {v, 'v'}})
        if (present) directions += QLatin1Char(lettre);
    return directions;
}
