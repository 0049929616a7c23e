// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/BoutonMenu.h"

#include <QPainter>
#include <QPainterPath>

// Hovered, the button is painted again in its lit blue.
BoutonMenu::BoutonMenu(const QString& libelle, QWidget* parent) : QPushButton(libelle, parent) {
    setAttribute(Qt::WA_Hover);
}

void BoutonMenu::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    const bool actif = isEnabled();
    const QColor fond = !actif         ? QColor(110, 110, 130, 235)
                        : isDown()     ? QColor(10, 25, 100)
                        : underMouse() ? QColor(30, 70, 190, 245)
                                       : QColor(16, 40, 140, 235);
    const int epaisseur = hasFocus() ? 3 : 2;
    const QColor bord = !actif ? QColor(176, 176, 176) : hasFocus() ? QColor(Qt::white) : QColor(245, 196, 0);
    const QRectF cadre =
        QRectF(rect()).adjusted(epaisseur / 2.0, epaisseur / 2.0, -epaisseur / 2.0, -epaisseur / 2.0);
    const qreal rayon = height() / 6.0;
    peintre.setPen(QPen(bord, epaisseur));
    peintre.setBrush(fond);
    peintre.drawRoundedRect(cadre, rayon, rayon);
    peintre.setPen(actif ? QColor(255, 235, 59) : QColor(232, 232, 232));
    peintre.setFont(font());
    peintre.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
