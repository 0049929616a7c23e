// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Echelle.h"

#include <cmath>

#include <algorithm>

double RapportEchelle(QSize ecran, int pixelsParPouce) {
    if (ecran.width() <= 0 || pixelsParPouce <= 0) return 1.0;
    const double parLaLargeur = (ecran.width() * 96.0) / (pixelsParPouce * 800.0);
    if (ecran.height() <= 0) return parLaLargeur;
    return std::min(parLaLargeur, (ecran.height() * 96.0) / (pixelsParPouce * 600.0));
}

int AEchelle(int longueur, double rapport) {
    return static_cast<int>(std::lround(longueur * rapport));
}

QRect RectangleAEchelle(const QRect& r, double rapport) {
    return {AEchelle(r.x(), rapport), AEchelle(r.y(), rapport), AEchelle(r.width(), rapport),
            AEchelle(r.height(), rapport)};
}

QFont PoliceAEchelle(QFont police, double rapport) {
    if (police.pixelSize() > 0)
        police.setPixelSize(std::max(1, AEchelle(police.pixelSize(), rapport)));
    else if (police.pointSizeF() > 0)
        police.setPointSizeF(police.pointSizeF() * rapport);
    return police;
}
