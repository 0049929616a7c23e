// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/Remplissage.h"

#include <QImage>

#include <vector>

namespace {

// A scanline fill. Each segment says: the run [gauche, droite] of row y - dy is painted, look at
// row y beside it. Every run found there is painted, its far side queued in the same direction,
// and only the parts of it that overhang the run it came from are queued back the other way,
// so that a pixel is read about twice. `dedans` must be false for `couleur`.
struct Segment {
    int y, gauche, droite, dy;
};

template <typename Dedans> void Remplir(QImage& image, QPoint graine, QRgb couleur, Dedans dedans) {
    if (!image.rect().contains(graine)) return;
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
    const int largeur = image.width(), hauteur = image.height();
    uchar* const debut = image.bits();
    const qsizetype pas = image.bytesPerLine();
    auto ligne = [=](int y) { return reinterpret_cast<QRgb*>(debut + y * pas); };
    if (!dedans(ligne(graine.y())[graine.x()])) return;

    // Paints the run of row y through x; returns its ends.
    auto peindre = [&](QRgb* pixels, int x) {
        int gauche = x, droite = x;
        while (gauche > 0 && dedans(pixels[gauche - 1]))
            --gauche;
        while (droite < largeur - 1 && dedans(pixels[droite + 1]))
            ++droite;
        std::fill(pixels + gauche, pixels + droite + 1, couleur);
        return std::pair{gauche, droite};
    };
    std::vector<Segment> pile;
    auto empiler = [&](int y, int gauche, int droite, int dy) {
        if (y >= 0 && y < hauteur) pile.push_back({y, gauche, droite, dy});
    };
    const auto [g, d] = peindre(ligne(graine.y()), graine.x());
    empiler(graine.y() + 1, g, d, 1);
    empiler(graine.y() - 1, g, d, -1);
    while (!pile.empty()) {
        const Segment s = pile.back();
        pile.pop_back();
        QRgb* pixels = ligne(s.y);
        for (int x = s.gauche; x <= s.droite; ++x) {
            if (!dedans(pixels[x])) continue;
            const auto [gauche, droite] = peindre(pixels, x);
            empiler(s.y + s.dy, gauche, droite, s.dy);
            if (gauche < s.gauche) empiler(s.y - s.dy, gauche, s.gauche - 1, -s.dy);
            if (droite > s.droite) empiler(s.y - s.dy, s.droite + 1, droite, -s.dy);
            x = droite + 1;
        }
    }
}

// Format_RGB32 keeps 0xff in the alpha byte: colours are compared in that form.
QRgb Opaque(QRgb c) {
    return c | 0xff000000u;
}

} // namespace

void RemplirSurface(QImage& image, QPoint graine, QRgb surface, QRgb couleur) {
    const QRgb s = Opaque(surface), c = Opaque(couleur);
    if (s == c) return;
    Remplir(image, graine, c, [s](QRgb p) { return p == s; });
}

void RemplirJusquAuBord(QImage& image, QPoint graine, QRgb bord, QRgb couleur) {
    const QRgb b = Opaque(bord), c = Opaque(couleur);
    if (b == c) return;
    Remplir(image, graine, c, [b, c](QRgb p) { return p != b && p != c; });
}
