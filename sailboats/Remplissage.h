// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRgb>

class QImage;

// Flood fills on a picture's pixels, the two kinds the boats need. Both are 4-connected (a
// diagonal step of a line is a wall, not a gap), compare colours exactly and work on
// Format_RGB32 pictures (others are converted first). A seed outside the picture does nothing.

// Replaces by `couleur` the pixels of colour `surface` joined to the seed; nothing when the
// seed is not of that colour.
void RemplirSurface(QImage& image, QPoint graine, QRgb surface, QRgb couleur);

// Paints `couleur` over everything joined to the seed up to pixels of colour `bord`; nothing
// when the seed is on the border or already holds `couleur`.
void RemplirJusquAuBord(QImage& image, QPoint graine, QRgb bord, QRgb couleur);
