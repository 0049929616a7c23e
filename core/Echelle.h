// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Windows are drawn for a screen 800 pixels wide at 96 pixels per inch and grow or shrink with
// the real screen: (screen width x 96) / (pixels per inch x 800). On a screen wider than 4:3 the
// same rule would push the bottom of every window off the screen, so the height bounds the
// ratio too: (screen height x 96) / (pixels per inch x 600) when that is smaller.
double RapportEchelle(QSize ecran, int pixelsParPouce);

// A design length (pixels at 800 x 600, 96 dpi) at the given ratio, rounded to the nearest pixel.
int AEchelle(int longueur, double rapport);
// A design rectangle at the ratio, each of its four numbers rounded as AEchelle does.
QRect RectangleAEchelle(const QRect& rectangle, double rapport);
// A font at the ratio: its pixel size rounded as a length, or its point size multiplied.
QFont PoliceAEchelle(QFont police, double rapport);
