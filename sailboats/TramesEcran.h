// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <array>

// Hatches laid over the colours of a picture on screen, for pupils who cannot tell some colours
// apart: each pixel of a boat colour takes the lines of that colour's black-and-white hatches
// (the patterns of the sheets, both layers), black on light colours and white on dark ones, so
// that the lines show on every colour. The silver background and the black outlines take none.
class TramesEcran {
  public:
    // Lines `echelle` pixels wide and 8 x echelle apart.
    explicit TramesEcran(int echelle = 1);

    // The pixels of `zone` of the picture, hatched.
    QImage Tramer(const QImage& image, QRect zone) const;
    // The same on the picture itself.
    void Tramer(QImage& image) const;

    // Lines that grow with the screen, as everything else on it: 1 pixel up to 1199 pixels high.
    static int Echelle(int hauteurEcran) { return hauteurEcran >= 1200 ? 2 : 1; }
    // Whether a hatch line is drawn at (x, y) over colour n (1..16).
    bool Trait(int numeroCouleur, int x, int y) const;

  private:
    using Motif = std::array<std::array<bool, 8>, 8>;
    std::array<Motif, 17> motifs{}; // by colour number, 0 unused
    int echelle;
};
