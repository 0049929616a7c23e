#include "sailboats/Remplissage.h"

#include <QImage>

#include <vector>

namespace {

// A scanline fill: each popped seed grows into the whole run of its row, and the rows above and
// below get one new seed per run that touches it. `dedans` must be false for `couleur`, so
// that painted pixels are never visited twice.
template <typename Dedans> void Remplir(QImage& image, QPoint graine, QRgb couleur, Dedans dedans) {
    if (!image.rect().contains(graine)) return;
    if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
    const int largeur = image.width(), hauteur = image.height();
    uchar* const debut = image.bits();
    const qsizetype pas = image.bytesPerLine();
    auto ligne = [=](int y) { return reinterpret_cast<QRgb*>(debut + y * pas); };
    if (!dedans(ligne(graine.y())[graine.x()])) return;

    std::vector<QPoint> graines{graine};
    auto semer = [&](int y, int gauche, int droite) {
        if (y < 0 || y >= hauteur) return;
        const QRgb* pixels = ligne(y);
        for (int x = gauche; x <= droite; ++x)
            if (dedans(pixels[x]) && (x == gauche || !dedans(pixels[x - 1]))) graines.emplace_back(x, y);
    };
    while (!graines.empty()) {
        const QPoint p = graines.back();
        graines.pop_back();
        QRgb* pixels = ligne(p.y());
        if (!dedans(pixels[p.x()])) continue;
        int gauche = p.x(), droite = p.x();
        while (gauche > 0 && dedans(pixels[gauche - 1]))
            --gauche;
        while (droite < largeur - 1 && dedans(pixels[droite + 1]))
            ++droite;
        std::fill(pixels + gauche, pixels + droite + 1, couleur);
        semer(p.y() - 1, gauche, droite);
        semer(p.y() + 1, gauche, droite);
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
