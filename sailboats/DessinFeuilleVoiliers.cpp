// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/DessinFeuilleVoiliers.h"

#include "sailboats/Couleurs.h"
#include "sailboats/VoilierFeuille.h"
#include "sheets/DispositionFeuille.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

DessinFeuilleVoiliers::DessinFeuilleVoiliers(QPainter& peintre, QSize surface)
    : p(peintre), surface(surface),
      decalage(10 * (peintre.device() ? peintre.device()->logicalDpiY() : 96) / 96) {}

QFont DessinFeuilleVoiliers::Police(bool gras) {
    return QFont(QStringLiteral("Times New Roman"), 12, gras ? QFont::Bold : QFont::Normal);
}

QString DessinFeuilleVoiliers::MesureApercu() {
    return QStringLiteral("Gris Foncé cl Largeur");
}

QString DessinFeuilleVoiliers::MesurePage() {
    return QStringLiteral("Gris Foncé   cl  Largeur");
}

QString DessinFeuilleVoiliers::MesurePlace() {
    return QStringLiteral("Gris Foncé  cl  Largeur");
}

int DessinFeuilleVoiliers::Unite(int largeur, int hauteur, int lignes, int colonnes) {
    if (lignes < 1 || colonnes < 1) return 0;
    return std::min(hauteur / (13 * lignes + 13), largeur / (12 * (colonnes + 1)));
}

int DessinFeuilleVoiliers::Largeur(const QString& texte, bool gras) const {
    return QFontMetrics(Police(gras), p.device()).horizontalAdvance(texte);
}

int DessinFeuilleVoiliers::HauteurG(bool gras) const {
    return QFontMetrics(Police(gras), p.device()).height();
}

// The preview is cleared to white first; a title takes a band twice its height across the top.
void DessinFeuilleVoiliers::Commencer(const MarquesPage& marques) {
    if (marques.Titre.isEmpty()) return;
    const QFont police(QStringLiteral("Times New Roman"), 16, QFont::Bold);
    const QFontMetrics mesure(police, p.device());
    const QString texte = mesure.elidedText(marques.Titre, Qt::ElideRight, surface.width());
    p.save();
    p.setFont(police);
    p.setPen(Qt::black);
    p.drawText(QPoint((surface.width() - mesure.horizontalAdvance(texte)) / 2,
                      mesure.height() / 2 + mesure.ascent()),
               texte);
    p.restore();
    haut = 2 * mesure.height();
}

PlaceFeuilleVoiliers DessinFeuilleVoiliers::DessinerApercu(const FeuilleVoiliers& feuille,
                                                           const MarquesPage& marques) {
    p.fillRect(QRect(QPoint(0, 0), surface), Qt::white);
    Commencer(marques);
    const TableauVoiliers& t = feuille.Tableau;
    PlaceFeuilleVoiliers place;
    place.HauteurConsigne = feuille.Consigne.isEmpty() ? 0 : 2 * HauteurG();
    const int largeur = surface.width() - (feuille.NoirEtBlanc ? Largeur(MesurePlace()) : 0);
    place.Unite =
        Unite(largeur, surface.height() - haut - place.HauteurConsigne, t.NbTotalGauche, t.NbTotalHaut);
    place.Origine = QPoint(10, haut);
    if (feuille.NoirEtBlanc) place.GaucheLegende = surface.width() - Largeur(MesureApercu());
    DessinerTableau(place, feuille, marques.Corrige);
    return place;
}

PlaceFeuilleVoiliers DessinFeuilleVoiliers::DessinerPage(const FeuilleVoiliers& feuille,
                                                         const MarquesPage& marques) {
    Commencer(marques);
    const TableauVoiliers& t = feuille.Tableau;
    const int P = surface.width(), Q = surface.height() - haut;
    const int legende = feuille.NoirEtBlanc ? Largeur(MesurePlace()) : 0;
    PlaceFeuilleVoiliers place;
    place.HauteurConsigne = feuille.Consigne.isEmpty() ? 0 : 2 * HauteurG();
    const int largeur = feuille.NoirEtBlanc ? P / 20 * 19 - legende : P * 9 / 10;
    place.Unite = Unite(largeur, Q * 9 / 10 - place.HauteurConsigne, t.NbTotalGauche, t.NbTotalHaut);
    const int u = place.Unite;
    // The table and its instruction are centred; in black and white together with the legend.
    place.Origine = QPoint((P - (12 * t.NbTotalHaut + 12) * u - legende) / 2,
                           haut + (Q - ((13 * t.NbTotalGauche + 13) * u + place.HauteurConsigne)) / 2);
    if (feuille.NoirEtBlanc) place.GaucheLegende = P - Largeur(MesurePage());
    DessinerTableau(place, feuille, marques.Corrige);
    return place;
}

void DessinFeuilleVoiliers::DessinerTableau(const PlaceFeuilleVoiliers& place, const FeuilleVoiliers& feuille,
                                            bool corrige) {
    const TableauVoiliers& t = feuille.Tableau;
    // A surface too small for a table draws nothing rather than boats of no size.
    if (place.Unite <= 0 || !t.DimensionsValides()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Qt::black);
    if (!feuille.Consigne.isEmpty()) {
        // A long instruction is cut short at the legend, or at the edge of the surface.
        p.setFont(Police());
        const int fin = place.GaucheLegende >= 0 ? place.GaucheLegende : surface.width();
        Ecrire(place.Origine,
               p.fontMetrics().elidedText(feuille.Consigne, Qt::ElideRight, fin - place.Origine.x()));
    }
    TracerGrille(place, t.NbTotalGauche, t.NbTotalHaut);
    DessinerBateaux(place, feuille, corrige);
    if (place.GaucheLegende >= 0) DessinerLegende(place, t);
    p.restore();
}

// The corner cell has no top and no left side.
void DessinFeuilleVoiliers::TracerGrille(const PlaceFeuilleVoiliers& place, int lignes, int colonnes) {
    const int u = place.Unite, x0 = place.Origine.x(), y0 = place.HautGrille();
    p.setPen(QPen(Qt::black, DispositionFeuille::EpaisseurTrait(p.device()->logicalDpiY()), Qt::SolidLine,
                  Qt::SquareCap));
    const int bas = y0 + 13 * u * (lignes + 1), droite = x0 + 12 * u * (colonnes + 1);
    p.drawLine(x0, y0 + 13 * u, x0, bas);
    for (int g = 1; g <= colonnes + 1; ++g)
        p.drawLine(x0 + 12 * u * g, y0, x0 + 12 * u * g, bas);
    p.drawLine(x0 + 12 * u, y0, droite, y0);
    for (int l = 1; l <= lignes + 1; ++l)
        p.drawLine(x0, y0 + 13 * u * l, droite, y0 + 13 * u * l);
}

void DessinFeuilleVoiliers::DessinerBateaux(const PlaceFeuilleVoiliers& place, const FeuilleVoiliers& feuille,
                                            bool corrige) {
    const TableauVoiliers& t = feuille.Tableau;
    VoilierFeuille dessin(p, place.Unite, feuille.NoirEtBlanc);
    // Exercise 3 leaves its headers to be found; the key shows everything.
    const bool entetesEnCouleur = corrige || feuille.NumJeu <= 2;
    for (int j = 1; j <= t.NbTotalHaut; ++j)
        dessin.VoileFeuille(place.Case(0, j), entetesEnCouleur ? t.CouleursVoiles[j] : SansCouleur);
    for (int i = 1; i <= t.NbTotalGauche; ++i)
        dessin.CoqueFeuille(place.Case(i, 0), entetesEnCouleur ? t.CouleursCoques[i] : SansCouleur);
    if (feuille.NumJeu == 1 && !corrige) return;
    for (int i = 1; i <= t.NbTotalGauche; ++i)
        for (int j = 1; j <= t.NbTotalHaut; ++j) {
            const bool enCouleur = corrige || (feuille.NumJeu == 3 && t.EstModele(i, j));
            dessin.VoileFeuille(place.Case(i, j), enCouleur ? t.CouleursVoiles[j] : SansCouleur);
            dessin.CoqueFeuille(place.Case(i, j), enCouleur ? t.CouleursCoques[i] : SansCouleur);
        }
}

// Each colour of the table that has a name, in the order of the colour numbers, beside its two
// hatches laid one over the other.
void DessinFeuilleVoiliers::DessinerLegende(const PlaceFeuilleVoiliers& place,
                                            const TableauVoiliers& tableau) {
    const int xL = place.GaucheLegende, y0 = place.HautGrille() + decalage;
    p.setFont(Police(true));
    Ecrire(QPoint(xL, y0), QStringLiteral("Légende"));
    p.setFont(Police(false));
    const int hG = HauteurG(false);
    const int xS = xL + Largeur(QStringLiteral("Gris Foncé cl"), false);
    const QSize echantillon(Largeur(QStringLiteral("Largeur"), false), 3 * hG / 2);
    p.setPen(QPen(Qt::black, DispositionFeuille::EpaisseurTrait(p.device()->logicalDpiY())));
    int t = 0;
    for (int k = 1; k <= ParCouleur<int>::Nombre; ++k) {
        if (NomsCouleurs[k].isEmpty() || !tableau.CouleursUtilisees[k]) continue;
        ++t;
        Ecrire(QPoint(xL, 2 * hG * t + y0), NomsCouleurs[k].toString());
        const QRect rectangle(QPoint(xS, 2 * hG * t + y0 - hG / 2), echantillon);
        for (int couche : {TramesNB[k].Premiere, TramesNB[k].Seconde}) {
            p.setBrush(VoilierFeuille::BrosseTrame(couche, p.device()));
            p.drawRect(rectangle);
        }
    }
}

void DessinFeuilleVoiliers::Ecrire(QPoint coin, const QString& texte) {
    p.drawText(QPoint(coin.x(), coin.y() + p.fontMetrics().ascent()), texte);
}

void DessinerSurApercu(QPainter& peintre, QSize surface, const FeuilleVoiliers& feuille) {
    DessinFeuilleVoiliers(peintre, surface).DessinerApercu(feuille);
}

void DessinerSurPage(QPainter& peintre, QSize surface, const FeuilleVoiliers& feuille,
                     const MarquesPage& marques) {
    DessinFeuilleVoiliers(peintre, surface).DessinerPage(feuille, marques);
}
