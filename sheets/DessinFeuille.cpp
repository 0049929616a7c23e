#include "sheets/DessinFeuille.h"

#include "tables/GenerateurTableau.h"

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

DispositionFeuille DessinFeuille::DessinerFeuille(const ReglagesFeuille& reglages, Tableau& tableau,
                                                  Operation operation, int numJeu, Hasard& hasard) {
    if (reglages.NbExAImprimer == ReglagesFeuille::TroisDifferents)
        return DessinerTroisTableaux(reglages, tableau, operation, hasard);
    return DessinerCopies(reglages.NbExAImprimer,
                          ContenuTableau{tableau, operation, numJeu, reglages.Consigne});
}

DispositionFeuille DessinFeuille::DessinerCopies(int disposition, const ContenuTableau& contenu) {
    Commencer();
    const DimensionsTableau dimensions{contenu.tableau.NbLignes, contenu.tableau.NbColonnes};
    DispositionFeuille feuille = DispositionFeuille::Copies(
        disposition, surface, dimensions, DispositionFeuille::HauteurConsigne(contenu.Consigne, HauteurG()));
    feuille.TaillePolice = TaillePolice(feuille.TailleCaseImp);
    for (const PlaceTableau& place : feuille.Places)
        DessinerTableau(feuille, place, contenu);
    return feuille;
}

DispositionFeuille DessinFeuille::DessinerTroisTableaux(const ReglagesFeuille& reglages, Tableau& tableau,
                                                        Operation operation, Hasard& hasard) {
    Commencer();
    std::array<DimensionsTableau, 3> dimensions;
    std::array<int, 3> hauteurs;
    for (int i = 1; i <= 3; ++i) {
        dimensions[i - 1] = reglages.DimensionsN(i);
        hauteurs[i - 1] = DispositionFeuille::HauteurConsigne3D(reglages.ConsigneN(i), HauteurG());
    }
    DispositionFeuille feuille = DispositionFeuille::TroisTableaux(surface, dimensions, hauteurs);
    feuille.TaillePolice = TaillePolice(feuille.TailleCaseImp);
    GenerateurTableau generateur(tableau, hasard, operation);
    for (int i = 1; i <= 3; ++i) {
        tableau.NbLignes = dimensions[i - 1].NbLignes;
        tableau.NbColonnes = dimensions[i - 1].NbColonnes;
        generateur.TableauPourFeuille(i);
        tableau.CaseDonnee = tableau.CaseRemplie;
        DessinerTableau(feuille, feuille.Places[i - 1],
                        ContenuTableau{tableau, operation, i, reglages.ConsigneN(i)});
    }
    return feuille;
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

void DessinFeuille::Commencer() {
    if (genre == SurfaceFeuille::Apercu) p.fillRect(QRect(QPoint(0, 0), surface), Qt::white);
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
    if (contenu.NumJeu == 1) {
        for (int c = 1; c <= place.Dimensions.NbColonnes; ++c) {
            const QString texte = QString::number(tab.EnteteColonne[c]);
            Ecrire(centre(c, texte), ty, texte);
        }
        // Row headers start where the sign starts, so that their digits line up on the left.
        for (int r = 1; r <= place.Dimensions.NbLignes; ++r)
            Ecrire(xSigne, ty + r * s, QString::number(tab.EnteteLigne[r]));
        return;
    }
    // The corner holds the sign, whatever its given flag says.
    for (int c = 0; c <= place.Dimensions.NbColonnes; ++c)
        for (int r = 0; r <= place.Dimensions.NbLignes; ++r) {
            if ((c == 0 && r == 0) || tab.CaseDonnee[c][r] != 1) continue;
            const QString texte = QString::number(tab.Valeurs[c][r]);
            Ecrire(centre(c, texte), ty + r * s, texte);
        }
}

void DessinFeuille::Ecrire(int x, int haut, const QString& texte) {
    p.drawText(QPoint(x, haut + p.fontMetrics().ascent()), texte);
}
