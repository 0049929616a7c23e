// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/VoilierFeuille.h"

#include "sailboats/Couleurs.h"
#include "sheets/DispositionFeuille.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {

// Qt's own hatch drawn once into an 8 x 8 stencil: black lines, transparent between them.
// The PDF engine, which printing also goes through, ignores the transform of Qt's built-in
// hatch styles and would print them 8 printer dots apart, a grey tint at 600 dpi; it scales a
// texture with its brush.
QImage TuileTrame(Qt::BrushStyle style) {
    QImage dessin(8, 8, QImage::Format_RGB32);
    dessin.fill(Qt::white);
    QPainter(&dessin).fillRect(dessin.rect(), QBrush(Qt::black, style));
    QImage tuile(8, 8, QImage::Format_MonoLSB);
    tuile.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0)});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tuile.setPixel(x, y, qGray(dessin.pixel(x, y)) < 128 ? 1 : 0);
    return tuile;
}

QPolygon Polygone(QPoint coin, int u, std::initializer_list<QPoint> points) {
    QPolygon polygone;
    for (QPoint q : points)
        polygone << coin + q * u;
    return polygone;
}

} // namespace

VoilierFeuille::VoilierFeuille(QPainter& peintre, int unite, bool noirEtBlanc)
    : p(peintre), u(unite), noirEtBlanc(noirEtBlanc),
      epaisseur(DispositionFeuille::EpaisseurTrait(peintre.device() ? peintre.device()->logicalDpiY() : 96)) {
}

int VoilierFeuille::CouleurImprimee(int numeroCouleur) {
    int n = numeroCouleur;
    if (n == Blanc) n = Argent;
    if (n == SansCouleur) n = Blanc;
    return n;
}

QBrush VoilierFeuille::BrosseTrame(int numeroStocke, const QPaintDevice* device) {
    const Qt::BrushStyle style = StyleTrame(numeroStocke);
    if (style == Qt::NoBrush || style == Qt::SolidPattern) return QBrush(Qt::black, style);
    QBrush brosse(TuileTrame(style));
    const double echelle = device ? device->logicalDpiX() / 96.0 : 1.0;
    brosse.setTransform(QTransform::fromScale(echelle, echelle));
    return brosse;
}

// Layer 1 or 2 of the part's colour. A colour number outside the table is left uncoloured.
QBrush VoilierFeuille::Brosse(int couche, int numeroCouleur) const {
    const int k = NumeroCouleurValide(numeroCouleur) ? numeroCouleur : SansCouleur;
    if (!noirEtBlanc) return QBrush(QColor(Couleurs[CouleurImprimee(k)]));
    const PaireTrames trames = TramesNB[k];
    return BrosseTrame(couche == 1 ? trames.Premiere : trames.Seconde, p.device());
}

void VoilierFeuille::Commencer(int numeroCouleur) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setBrush(Brosse(1, numeroCouleur));
}

// In colour the jib's sector is outlined in its own colour: its straight sides are the black
// mast and deck line, its curve the black arc drawn last. In black and white the first hatch
// goes under the second, each sector outlined in white.
void VoilierFeuille::VoileFeuille(QPoint coin, int numeroCouleur) {
    p.save();
    Commencer(numeroCouleur);
    if (noirEtBlanc) {
        p.setPen(QPen(Qt::white, epaisseur));
        TracerFoc(coin, true);
        TracerGrandVoile(coin);
        p.setBrush(Brosse(2, numeroCouleur));
    } else {
        p.setPen(QPen(p.brush().color(), epaisseur));
    }
    TracerFoc(coin, true);
    p.setPen(QPen(Qt::black, epaisseur));
    p.drawLine(coin + QPoint(u, 10 * u), coin + QPoint(11 * u, 10 * u));
    p.drawLine(coin + QPoint(7 * u, u), coin + QPoint(7 * u, 10 * u));
    TracerGrandVoile(coin);
    TracerFoc(coin, false);
    p.restore();
}

// The quarter of the ellipse above and left of its centre (x + 7u, y + 10u): on a sheet the
// rays are straight up and straight left, so the angles need no conversion.
void VoilierFeuille::TracerFoc(QPoint coin, bool secteur) {
    const QRectF ellipse(coin + QPoint(u, u), QSizeF(12 * u, 18 * u));
    if (secteur)
        p.drawPie(ellipse, 90 * 16, 90 * 16);
    else
        p.drawArc(ellipse, 90 * 16, 90 * 16);
}

void VoilierFeuille::TracerGrandVoile(QPoint coin) {
    p.drawPolygon(Polygone(coin, u, {{7, 2}, {10, 10}, {7, 10}}));
}

void VoilierFeuille::CoqueFeuille(QPoint coin, int numeroCouleur) {
    p.save();
    Commencer(numeroCouleur);
    p.setPen(QPen(Qt::black, epaisseur));
    const QPolygon coque = Polygone(coin, u, {{1, 10}, {11, 10}, {9, 12}, {3, 12}});
    p.drawPolygon(coque);
    if (noirEtBlanc) {
        p.setBrush(Brosse(2, numeroCouleur));
        p.drawPolygon(coque);
    }
    p.restore();
}
