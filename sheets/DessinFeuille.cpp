// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/DessinFeuille.h"

#include <QFontMetrics>
#include <QPainter>

DessinFeuille::DessinFeuille(QPainter& peintre, QSize surface, SurfaceFeuille genre)
    : p(peintre), surface(surface), genre(genre) {}

QFont DessinFeuille::PoliceConsigne() {
    return QFont(QStringLiteral("Times New Roman"), 12, QFont::Bold);
}

QFont DessinFeuille::PoliceNombres(int taille) {
    QFont police(QStringLiteral("Arial"));
    police.setPointSize(taille);
    return police;
}

QFont DessinFeuille::PoliceTitre() {
    return QFont(QStringLiteral("Times New Roman"), 16, QFont::Bold);
}

DispositionFeuille DessinFeuille::DessinerFeuille(const FeuilleTableaux& feuille,
                                                  const MarquesPage& marques) {
    Commencer();
    if (!marques.Titre.isEmpty()) EcrireTitre(marques.Titre);
    if (feuille.TroisDifferents()) return DessinerTroisTableaux(feuille, marques.Corrige);
    return DessinerCopies(feuille.Reglages.NbExAImprimer,
                          ContenuTableau{feuille.Copie, feuille.Op, feuille.Reglages.JeuImprime,
                                         feuille.Reglages.Consigne, marques.Corrige});
}

// The title is centred in a band twice its height; the tables are laid out under it.
void DessinFeuille::EcrireTitre(const QString& titre) {
    p.save();
    p.setFont(PoliceTitre());
    const QFontMetrics mesure = p.fontMetrics();
    const QString texte = mesure.elidedText(titre, Qt::ElideRight, surface.width());
    Ecrire((surface.width() - mesure.horizontalAdvance(texte)) / 2, mesure.height() / 2, texte);
    haut = 2 * mesure.height();
    p.restore();
}

void DessinFeuille::Descendre(DispositionFeuille& feuille) const {
    for (PlaceTableau& place : feuille.Places)
        place.Origine.ry() += haut;
}

DispositionFeuille DessinFeuille::DessinerCopies(int disposition, const ContenuTableau& contenu) {
    Commencer();
    const DimensionsTableau dimensions{contenu.tableau.NbLignes, contenu.tableau.NbColonnes};
    DispositionFeuille feuille = DispositionFeuille::Copies(
        disposition, Zone(), dimensions, DispositionFeuille::HauteurConsigne(contenu.Consigne, HauteurG()));
    Descendre(feuille);
    feuille.TaillePolice = TaillePolice(feuille.TailleCaseImp);
    for (const PlaceTableau& place : feuille.Places)
        DessinerTableau(feuille, place, contenu);
    return feuille;
}

DispositionFeuille DessinFeuille::DessinerTroisTableaux(const FeuilleTableaux& feuille, bool corrige) {
    Commencer();
    std::array<DimensionsTableau, 3> dimensions;
    std::array<int, 3> hauteurs;
    for (size_t i = 0; i < 3; ++i) {
        dimensions[i] = {feuille.Trois[i].NbLignes, feuille.Trois[i].NbColonnes};
        hauteurs[i] =
            DispositionFeuille::HauteurConsigne3D(feuille.Reglages.ConsigneN(int(i) + 1), HauteurG());
    }
    DispositionFeuille disposition = DispositionFeuille::TroisTableaux(Zone(), dimensions, hauteurs);
    Descendre(disposition);
    disposition.TaillePolice = TaillePolice(disposition.TailleCaseImp);
    for (size_t i = 0; i < 3; ++i)
        DessinerTableau(disposition, disposition.Places[i],
                        ContenuTableau{feuille.Trois[i], feuille.Op, int(i) + 1,
                                       feuille.Reglages.ConsigneN(int(i) + 1), corrige});
    return disposition;
}

void DessinFeuille::DessinerTableau(const DispositionFeuille& feuille, const PlaceTableau& place,
                                    const ContenuTableau& contenu) {
    // A surface too small for a table leaves no cell to draw in; a table without rows or
    // columns has nothing to ask.
    const int s = feuille.TailleCaseImp;
    if (s <= 0 || place.Dimensions.NbLignes < 1 || place.Dimensions.NbColonnes < 1) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    EcrireConsigne(place, contenu.Consigne);
    TracerGrille(place, s);
    p.setFont(PoliceNombres(feuille.TaillePolice));
    EcrireNombres(place, s, contenu);
    p.restore();
}

// Once per drawing: a title is written before the tables.
void DessinFeuille::Commencer() {
    if (genre != SurfaceFeuille::Apercu || blanchie) return;
    p.fillRect(QRect(QPoint(0, 0), surface), Qt::white);
    blanchie = true;
}

int DessinFeuille::HauteurG() const {
    return QFontMetrics(PoliceConsigne(), p.device()).height();
}

int DessinFeuille::TaillePolice(int tailleCase) const {
    return DispositionFeuille::ChercherTaillePolice(tailleCase, [this](int taille) {
        return QFontMetrics(PoliceNombres(taille), p.device()).horizontalAdvance(QStringLiteral("1000"));
    });
}

void DessinFeuille::EcrireConsigne(const PlaceTableau& place, const QString& consigne) {
    p.setFont(PoliceConsigne());
    if (consigne.isEmpty()) return;
    // A long instruction typed by the teacher is cut short at the edge of its table's region
    // rather than run off the page or over the next table.
    const QString texte = p.fontMetrics().elidedText(consigne, Qt::ElideRight, place.LargeurConsigne);
    Ecrire(place.Origine.x(), place.Origine.y(), texte);
}

void DessinFeuille::TracerGrille(const PlaceTableau& place, int s) {
    const int x = place.Origine.x(), t = place.HautGrille();
    const int C = place.Dimensions.NbColonnes, L = place.Dimensions.NbLignes;
    const int e = DispositionFeuille::EpaisseurTrait(p.device()->logicalDpiY());
    // Each line is a rectangle e wide centred on its coordinate and running e / 2 past its ends,
    // as a square-capped pen would draw it, but rounded the same way across and along: stroked
    // lines of odd width leave a one-dot stub at the corners.
    auto verticale = [&](int xl, int y0, int y1) {
        p.fillRect(xl - e / 2, y0 - e / 2, e, y1 - y0 + e, Qt::black);
    };
    auto horizontale = [&](int y, int x0, int x1) {
        p.fillRect(x0 - e / 2, y - e / 2, x1 - x0 + e, e, Qt::black);
    };
    // The corner cell has no top and no left side: the sign stands outside the grid.
    verticale(x, t + s, t + (L + 1) * s);
    for (int k = 1; k <= C + 1; ++k)
        verticale(x + k * s, t, t + (L + 1) * s);
    horizontale(t, x + s, x + (C + 1) * s);
    for (int k = 1; k <= L + 1; ++k)
        horizontale(t + k * s, x, x + (C + 1) * s);
}

void DessinFeuille::EcrireNombres(const PlaceTableau& place, int s, const ContenuTableau& contenu) {
    const Tableau& tab = contenu.tableau;
    const QFontMetrics mesure = p.fontMetrics();
    const QString signe = Signe(contenu.Op);
    const int x = place.Origine.x();
    const int ty = place.HautGrille() + (s - mesure.height()) / 2;
    const int xSigne = x + (s - mesure.horizontalAdvance(signe)) / 2;
    auto centre = [&](int c, const QString& texte) {
        return x + c * s + (s - mesure.horizontalAdvance(texte)) / 2;
    };
    Ecrire(xSigne, ty, signe);
    if (contenu.NumJeu == 1 && !contenu.Corrige) {
        for (int c = 1; c <= place.Dimensions.NbColonnes; ++c) {
            const QString texte = QString::number(tab.EnteteColonne[c]);
            Ecrire(centre(c, texte), ty, texte);
        }
        // Row headers start where the sign starts, so that their digits line up on the left.
        for (int r = 1; r <= place.Dimensions.NbLignes; ++r)
            Ecrire(xSigne, ty + r * s, QString::number(tab.EnteteLigne[r]));
        return;
    }
    // The corner holds the sign, whatever its given flag says; the key writes every other cell.
    for (int c = 0; c <= place.Dimensions.NbColonnes; ++c)
        for (int r = 0; r <= place.Dimensions.NbLignes; ++r) {
            if ((c == 0 && r == 0) || (!contenu.Corrige && tab.CaseDonnee[c][r] != 1)) continue;
            const QString texte = QString::number(tab.Valeurs[c][r]);
            Ecrire(centre(c, texte), ty + r * s, texte);
        }
}

void DessinFeuille::Ecrire(int x, int y, const QString& texte) {
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), texte);
}

void DessinerSurApercu(QPainter& peintre, QSize surface, const FeuilleTableaux& feuille) {
    DessinFeuille(peintre, surface, SurfaceFeuille::Apercu).DessinerFeuille(feuille);
}

void DessinerSurPage(QPainter& peintre, QSize surface, const FeuilleTableaux& feuille,
                     const MarquesPage& marques) {
    DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerFeuille(feuille, marques);
}
