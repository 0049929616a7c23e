#pragma once

#include <QFont>

// The windows give their text sizes in pixels at the 800 x 600 design; scaling follows.
inline QFont Arial(int pixels, bool gras) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}
