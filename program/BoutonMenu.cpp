// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/BoutonMenu.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QTimer>

namespace {

// What a face depends on: the buttons of a row share their size, and all but the one with the
// keyboard their colours.
struct CleFace {
    QSize Taille;
    qreal Ratio;
    QRgb Fond;
    QRgb Bord;
    int Epaisseur;
    bool operator==(const CleFace&) const = default;
};

size_t qHash(const CleFace& cle, size_t graine = 0) {
    return qHashMulti(graine, cle.Taille.width(), cle.Taille.height(), cle.Ratio, cle.Fond, cle.Bord,
                      cle.Epaisseur);
}

// The faces drawn during one paint of the menu. They are let go as soon as the paint is over:
// kept, each would hold a quarter of a megabyte for a picture drawn again in a moment.
QHash<CleFace, QImage>& FacesDeLaPeinture() {
    static QHash<CleFace, QImage> faces;
    if (faces.isEmpty()) QTimer::singleShot(0, QCoreApplication::instance(), [] { faces.clear(); });
    return faces;
}

} // namespace

// Hovered, the button is painted again in its lit blue.
BoutonMenu::BoutonMenu(const QString& libelle, QWidget* parent) : QPushButton(libelle, parent) {
    setAttribute(Qt::WA_Hover);
}

// The translucent fill and its ring, on a layer of the button's size that is then laid over what
// lies under the button. Qt's raster engine blends a large translucent shape by handing slices of
// it to its thread pool and waiting for them, so that the menu's first paint would start threads
// and wait for them to be scheduled, several milliseconds on a busy machine; written over an empty
// layer, the fill blends nothing and stays on this thread. The menu's buttons of one size and
// state share one face: it is drawn once per paint and laid on each of them.
const QImage& BoutonMenu::Face(const QColor& fond, const QColor& bord, int epaisseur) const {
    const qreal ratio = devicePixelRatioF();
    const CleFace cle{size(), ratio, fond.rgba(), bord.rgba(), epaisseur};
    QHash<CleFace, QImage>& faces = FacesDeLaPeinture();
    if (const auto trouvee = faces.constFind(cle); trouvee != faces.cend()) return *trouvee;
    QImage face((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter peintre(&face);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre =
        QRectF(rect()).adjusted(epaisseur / 2.0, epaisseur / 2.0, -epaisseur / 2.0, -epaisseur / 2.0);
    const qreal rayon = height() / 6.0;
    peintre.setCompositionMode(QPainter::CompositionMode_Source);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(fond);
    peintre.drawRoundedRect(cadre, rayon, rayon);
    peintre.setCompositionMode(QPainter::CompositionMode_SourceOver);
    peintre.setPen(QPen(bord, epaisseur));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRoundedRect(cadre, rayon, rayon);
    peintre.end();
    return *faces.insert(cle, face);
}

void BoutonMenu::paintEvent(QPaintEvent*) {
    const bool actif = isEnabled();
    const QColor fond = !actif         ? QColor(110, 110, 130, 235)
                        : isDown()     ? QColor(10, 25, 100)
                        : underMouse() ? QColor(30, 70, 190, 245)
                                       : QColor(16, 40, 140, 235);
    const int epaisseur = hasFocus() ? 3 : 2;
    const QColor bord = !actif ? QColor(176, 176, 176) : hasFocus() ? QColor(Qt::white) : QColor(245, 196, 0);
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.drawImage(QPointF(0, 0), Face(fond, bord, epaisseur));
    peintre.setPen(actif ? QColor(255, 235, 59) : QColor(232, 232, 232));
    peintre.setFont(font());
    peintre.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
