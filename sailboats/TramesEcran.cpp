// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/TramesEcran.h"

#include "sailboats/Couleurs.h"
#include "sailboats/VoilierFeuille.h"

#include <algorithm>

namespace {

// The 8 x 8 stencil of a stored hatch style, as the sheets print it.
void AjouterCouche(std::array<std::array<bool, 8>, 8>& motif, int numeroStocke) {
    const QImage tuile = VoilierFeuille::BrosseTrame(numeroStocke, nullptr).textureImage();
    if (tuile.isNull()) return;
    for (int y = 0; y < 8 && y < tuile.height(); ++y)
        for (int x = 0; x < 8 && x < tuile.width(); ++x)
            if (tuile.pixelIndex(x, y) == 1) motif[y][x] = true;
}

// Colours where a black line would hardly show.
bool Sombre(QRgb couleur) {
    return qGray(couleur) < 100;
}

// The colour number of a pixel, 0 for none of the table.
int Numero(QRgb pixel) {
    for (int n = 1; n <= ParCouleur<int>::Nombre; ++n)
        if (Couleurs[n] == (pixel | 0xff000000u)) return n;
    return 0;
}

} // namespace

TramesEcran::TramesEcran(int echelle) : echelle(std::max(1, echelle)) {
    for (int n = 1; n <= ParCouleur<int>::Nombre; ++n) {
        if (n == SansCouleur || n == Argent) continue;
        AjouterCouche(motifs[n], TramesNB[n].Premiere);
        AjouterCouche(motifs[n], TramesNB[n].Seconde);
    }
}

bool TramesEcran::Trait(int n, int x, int y) const {
    if (n < 1 || n > ParCouleur<int>::Nombre) return false;
    return motifs[n][(y / echelle) % 8][(x / echelle) % 8];
}

QImage TramesEcran::Tramer(const QImage& image, QRect zone) const {
    QImage copie = image.copy(zone.intersected(image.rect())).convertToFormat(QImage::Format_RGB32);
    const QPoint origine = zone.intersected(image.rect()).topLeft();
    QRgb dernier = 0;
    int numero = 0;
    for (int y = 0; y < copie.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(copie.scanLine(y));
        for (int x = 0; x < copie.width(); ++x) {
            // Boats are flat colours: a run of one colour is looked up once.
            if (ligne[x] != dernier) {
                dernier = ligne[x];
                numero = Numero(dernier);
            }
            if (numero && Trait(numero, origine.x() + x, origine.y() + y))
                ligne[x] = Sombre(Couleurs[numero]) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }
    return copie;
}

void TramesEcran::Tramer(QImage& image) const {
    image = Tramer(image, image.rect());
}
