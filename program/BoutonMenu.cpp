// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/BoutonMenu.h"

#include <QPainter>
#include <QPainterPath>

// Hovered, the button is painted again in its lit blue.
BoutonMenu::BoutonMenu(const QString& libelle, QWidget* parent) : QPushButton(libelle, parent) {
    setAttribute(Qt::WA_Hover);
}

// The translucent fill, on a layer of the button's size that is then laid over what lies under
// the button: the very pixels a translucent brush gives, but Qt's raster engine blends a large
// translucent shape by handing slices of it to its thread pool and waiting for them, so that the
// menu's first paint would start threads and wait for them to be scheduled, several
// milliseconds on a busy machine. Written over an empty layer, the fill blends nothing and
// stays on this thread.
QImage BoutonMenu::Calque(const QRectF& cadre, qreal rayon, const QColor& fond) const {
    const qreal ratio = devicePixelRatioF();
    QImage calque((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    calque.setDevicePixelRatio(ratio);
    calque.fill(Qt::transparent);
    QPainter peintre(&calque);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setCompositionMode(QPainter::CompositionMode_Source);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(fond);
    peintre.drawRoundedRect(cadre, rayon, rayon);
    return calque;
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
    peintre.drawImage(QPointF(0, 0), Calque(cadre, rayon, fond));
    peintre.setPen(QPen(bord, epaisseur));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRoundedRect(cadre, rayon, rayon);
    peintre.setPen(actif ? QColor(255, 235, 59) : QColor(232, 232, 232));
    peintre.setFont(font());
    peintre.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
