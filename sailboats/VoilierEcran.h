// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QSize>

class QPainter;

// Draws a boat on the bitmap of a picture on screen, in proportion to the picture control's
// current size (the bitmap may be larger): black outlines drawn without antialiasing, then
// flood fills of the regions they close. An outline can be drawn alone and coloured later,
// which is how pupils colour boats.
class VoilierEcran {
  public:
    // `marge` is the table's Marge: the fill seeds lie that far from the mast and the deck line.
    VoilierEcran(QImage& image, QSize taille, int marge);

    // The deck line of a picture of that height: clicks above it are on the sails.
    static int LigneFlottaison(int hauteur) { return 5 * (hauteur / 7); }

    // Fills the picture's area with colour number n (1..16; other numbers do nothing).
    void EffacerImage(int numeroCouleur);

    // Each outline routine first turns a fresh (white) background silver. ContourVoiles returns
    // the deck line of this picture.
    int ContourVoiles();
    void ContourCoque();
    int ContourVoilier();

    void ColorierVoiles(QRgb couleur);
    void ColorierCoque(QRgb couleur);
    void ColorierVoilier(QRgb coque, QRgb voiles);

    void DessinerVoiles(QRgb couleur);
    void DessinerCoque(QRgb couleur);
    void DessinerVoilier(QRgb coque, QRgb voiles);

    QPoint GraineGrandVoile() const;
    QPoint GraineFoc() const;
    QPoint GraineCoque() const;

    // The jib's ellipse, and the angle on it (in degrees, as QPainter's arcs take them) of its
    // point on the ray from the centre through `p`.
    QRectF EllipseFoc() const;
    static double AngleSurEllipse(const QRectF& ellipse, QPointF p);

  private:
    void PreparerContour();
    void TracerPont(QPainter& p) const;
    void TracerFoc(QPainter& p) const;
    int HautDuMat() const;

    QImage& image;
    int W;
    int H;
    int marge;
};
