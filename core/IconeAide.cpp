// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/IconeAide.h"

#include <QPainter>
#include <QPixmap>

QIcon IconeAide() {
    QIcon icone;
    for (int cote : {16, 24, 32, 48}) {
        QPixmap image(cote, cote);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(QColor(0, 128, 0));
        peintre.drawEllipse(QRectF(0.5, 0.5, cote - 1.0, cote - 1.0));
        QFont police(QStringLiteral("Arial"));
        police.setPixelSize(cote * 3 / 4);
        police.setBold(true);
        peintre.setFont(police);
        peintre.setPen(Qt::white);
        peintre.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("?"));
        icone.addPixmap(image);
    }
    return icone;
}
