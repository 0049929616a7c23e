// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/DispositionFeuille.h"

#include <QString>

#include <algorithm>

QRect PlaceTableau::Grille(int tailleCase) const {
    return QRect(Origine.x(), HautGrille(), (Dimensions.NbColonnes + 1) * tailleCase,
                 (Dimensions.NbLignes + 1) * tailleCase);
}

namespace {

// Cell side in a region of w x h: a tenth of the region is kept free in each direction.
int TailleCaseRegion(int w, int h, DimensionsTableau d, int hauteurConsigne) {
    return std::min(((w * 9) / 10) / (d.NbColonnes + 1),
                    (((h * 9) / 10) - hauteurConsigne) / (d.NbLignes + 1));
}

// Offset that centres `contenu` in `region`.
int Centrer(int region, int contenu) {
    return (region - contenu) / 2;
}

} // namespace

DispositionFeuille DispositionFeuille::Copies(int disposition, QSize surface, DimensionsTableau dimensions,
                                              int hauteurConsigne) {
    DispositionFeuille feuille;
    if (disposition < 1 || disposition > 4) return feuille;
    const int W = surface.width(), H = surface.height();
    const int colonnes = disposition == 4 ? 2 : 1;
    const int rangees = disposition == 4 ? 2 : disposition;
    const int largeur = W / colonnes, hauteur = H / rangees;
    const int s = TailleCaseRegion(largeur, hauteur, dimensions, hauteurConsigne);
    feuille.TailleCaseImp = s;
    // The table and its instruction band are centred together in the first region.
    const int x = Centrer(largeur, (dimensions.NbColonnes + 1) * s);
    const int y = Centrer(hauteur, (dimensions.NbLignes + 1) * s + hauteurConsigne);
    for (int colonne = 0; colonne < colonnes; ++colonne)
        for (int rangee = 0; rangee < rangees; ++rangee) {
            const int gauche = colonne * largeur;
            const int droite = colonne + 1 == colonnes ? W : gauche + largeur;
            feuille.Places.push_back({QPoint(x + gauche, y + rangee * hauteur), hauteurConsigne,
                                      droite - (x + gauche), dimensions});
        }
    return feuille;
}

DispositionFeuille DispositionFeuille::TroisTableaux(QSize surface,
                                                     const std::array<DimensionsTableau, 3>& dimensions,
                                                     const std::array<int, 3>& hauteursConsigne) {
    DispositionFeuille feuille;
    const int W = surface.width(), H = surface.height();
    int cmax = 0, lignes = 0, bandes = 0;
    for (size_t i = 0; i < 3; ++i) {
        cmax = std::max(cmax, dimensions[i].NbColonnes);
        lignes += dimensions[i].NbLignes;
        bandes += hauteursConsigne[i];
    }
    // Three header rows and two further cells of room; no tenth kept free in height.
    const int s = std::min((H - bandes) / (lignes + 5), ((W * 9) / 10) / (cmax + 1));
    feuille.TailleCaseImp = s;
    const int x = Centrer(W, (cmax + 1) * s);
    int y = s / 5;
    for (size_t i = 0; i < 3; ++i) {
        feuille.Places.push_back({QPoint(x, y), hauteursConsigne[i], W - x, dimensions[i]});
        y += hauteursConsigne[i] + (dimensions[i].NbLignes + 1) * s + s / 2;
    }
    return feuille;
}

int DispositionFeuille::HauteurConsigne(const QString& consigne, int hauteurG) {
    return consigne.isEmpty() ? 0 : 2 * hauteurG;
}

int DispositionFeuille::HauteurConsigne3D(const QString& consigne, int hauteurG) {
    return consigne.isEmpty() ? 0 : (3 * hauteurG) / 2;
}

int DispositionFeuille::ChercherTaillePolice(int tailleCase, const std::function<int(int)>& largeurMille) {
    int taille = 72;
    do {
        --taille;
    } while (taille > 1 && largeurMille(taille) >= tailleCase);
    return taille;
}

int DispositionFeuille::EpaisseurTrait(int pointsParPouce) {
    return std::max(2, (2 * pointsParPouce) / 96);
}
