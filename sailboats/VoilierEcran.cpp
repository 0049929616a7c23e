// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/VoilierEcran.h"

#include "sailboats/Couleurs.h"
#include "sailboats/Remplissage.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr QRgb Noir = Couleurs[SansCouleur];

// Pure black and 2 pixels wide, without antialiasing: a grey pixel would let a fill through
// or be left as a fringe around it.
void PreparerCrayon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(Noir), 2, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

} // namespace

VoilierEcran::VoilierEcran(QImage& image, QSize taille, int marge)
    : image(image), W(taille.width()), H(taille.height()), marge(marge) {
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
}

void VoilierEcran::EffacerImage(int numeroCouleur) {
    if (!NumeroCouleurValide(numeroCouleur)) return;
    const QRect zone = QRect(0, 0, W, H).intersected(image.rect());
    const QRgb couleur = Couleurs[numeroCouleur];
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(ligne + zone.left(), ligne + zone.right() + 1, couleur);
    }
}

void VoilierEcran::PreparerContour() {
    RemplirSurface(image, QPoint(10, 10), Couleurs[Blanc], Couleurs[Argent]);
}

int VoilierEcran::ContourVoiles() {
    PreparerContour();
    const int d = LigneFlottaison(H);
    QPainter p(&image);
    PreparerCrayon(p);
    TracerPont(p);
    p.drawLine(W / 2, d, W / 2, HautDuMat());
    p.drawLine(W / 2, H / 7, W * 20 / 24, d);
    TracerFoc(p);
    return d;
}

void VoilierEcran::ContourCoque() {
    PreparerContour();
    const int d = LigneFlottaison(H), e = 6 * (H / 7);
    QPainter p(&image);
    PreparerCrayon(p);
    TracerPont(p);
    p.drawLine(2 * (W / 24), d, W * 5 / 24, e);
    p.drawLine(W * 22 / 24, d, W * 19 / 24, e);
    p.drawLine(W * 5 / 24, e, W * 19 / 24, e);
}

int VoilierEcran::ContourVoilier() {
    const int d = ContourVoiles();
    ContourCoque();
    return d;
}

void VoilierEcran::TracerPont(QPainter& p) const {
    const int d = LigneFlottaison(H);
    p.drawLine(2 * (W / 24), d, W * 22 / 24, d);
}

QRectF VoilierEcran::EllipseFoc() const {
    // Both far coordinates come from the width: the ellipse is far larger than the picture and
    // only its upper left part is drawn.
    return QRectF(QPointF(2 * (W / 24), 1), QPointF(W * 3 / 2, W * 3 / 2));
}

// QPainter measures an ellipse's angles on the circle it is stretched from, so the direction
// of a ray is divided by the radii before its angle is taken. (y grows downwards.)
double VoilierEcran::AngleSurEllipse(const QRectF& ellipse, QPointF p) {
    const QPointF c = ellipse.center();
    const double x = (p.x() - c.x()) / (ellipse.width() / 2), y = (c.y() - p.y()) / (ellipse.height() / 2);
    return std::atan2(y, x) * 180 / std::numbers::pi;
}

// The arc runs counter-clockwise from the ray through the point just left of the mast's top to
// the ray through the left edge at the deck line. Its end falls a few pixels short of the deck
// line's end on large pictures, so a segment closes the jib there.
void VoilierEcran::TracerFoc(QPainter& p) const {
    const QRectF ellipse = EllipseFoc();
    const int d = LigneFlottaison(H);
    const double debut = AngleSurEllipse(ellipse, QPointF(W / 2 - 1, 0));
    double balayage = AngleSurEllipse(ellipse, QPointF(0, d)) - debut;
    while (balayage <= 0)
        balayage += 360;
    QPainterPath foc;
    foc.arcMoveTo(ellipse, debut);
    foc.arcTo(ellipse, debut, balayage);
    foc.lineTo(2 * (W / 24), d);
    p.drawPath(foc);
}

// The mast stops at H div 14, but on large pictures the arc crosses the mast's line higher up
// (about W / 15 from the top) and would leave the jib open there: the mast then goes up to it.
int VoilierEcran::HautDuMat() const {
    const QRectF ellipse = EllipseFoc();
    const double u = (W / 2 - ellipse.center().x()) / (ellipse.width() / 2);
    if (std::abs(u) >= 1) return H / 14;
    const double croisement = ellipse.center().y() - ellipse.height() / 2 * std::sqrt(1 - u * u);
    return std::min(H / 14, static_cast<int>(std::floor(croisement)));
}

QPoint VoilierEcran::GraineGrandVoile() const {
    return QPoint(W / 2 + marge, LigneFlottaison(H) - marge);
}

QPoint VoilierEcran::GraineFoc() const {
    return QPoint(W / 2 - marge, LigneFlottaison(H) - marge);
}

QPoint VoilierEcran::GraineCoque() const {
    return QPoint(W / 2, LigneFlottaison(H) + marge);
}

void VoilierEcran::ColorierVoiles(QRgb couleur) {
    RemplirJusquAuBord(image, GraineGrandVoile(), Noir, couleur);
    RemplirJusquAuBord(image, GraineFoc(), Noir, couleur);
}

void VoilierEcran::ColorierCoque(QRgb couleur) {
    RemplirJusquAuBord(image, GraineCoque(), Noir, couleur);
}

void VoilierEcran::ColorierVoilier(QRgb coque, QRgb voiles) {
    ColorierVoiles(voiles);
    ColorierCoque(coque);
}

void VoilierEcran::DessinerVoiles(QRgb couleur) {
    ContourVoiles();
    ColorierVoiles(couleur);
}

void VoilierEcran::DessinerCoque(QRgb couleur) {
    ContourCoque();
    ColorierCoque(couleur);
}

void VoilierEcran::DessinerVoilier(QRgb coque, QRgb voiles) {
    DessinerVoiles(voiles);
    DessinerCoque(coque);
}
