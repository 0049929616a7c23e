// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StyleProgramme.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace {

// Two chevrons pointing to the entries left out, in the colour of the menu bar's text.
class FlecheDebordement final : public QIconEngine {
  public:
    void paint(QPainter* peintre, const QRect& cadre, QIcon::Mode mode, QIcon::State) override {
        const QPalette couleurs = QGuiApplication::palette();
        const QColor encre = couleurs.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                            QPalette::WindowText);
        const QRectF c = QRectF(cadre).adjusted(cadre.width() * 0.2, cadre.height() * 0.25,
                                                -cadre.width() * 0.2, -cadre.height() * 0.25);
        QPainterPath chevrons;
        for (const qreal x : {c.left(), c.center().x()}) {
            chevrons.moveTo(x, c.top());
            chevrons.lineTo(x + c.width() / 2, c.center().y());
            chevrons.lineTo(x, c.bottom());
        }
        peintre->save();
        peintre->setRenderHint(QPainter::Antialiasing);
        peintre->setPen(QPen(encre, std::max(1.0, cadre.height() / 10.0)));
        peintre->drawPath(chevrons);
        peintre->restore();
    }
    QIconEngine* clone() const override { return new FlecheDebordement; }
};

} // namespace

QIcon StyleProgramme::standardIcon(StandardPixmap icone, const QStyleOption* option,
                                   const QWidget* widget) const {
    if (icone == SP_ToolBarHorizontalExtensionButton) return QIcon(new FlecheDebordement);
    return QProxyStyle::standardIcon(icone, option, widget);
}
