// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ImpressionSuivi.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

using Tableau = ModeleSuivi::Tableau;

// The share of the width each column takes: the names, then per exercise its games, last result,
// best rate, date and trend.
constexpr double PoidsNoms = 2.4;
constexpr double PoidsRubriques[ModeleSuivi::NombreRubriques] = {0.8, 2.1, 1.0, 1.1, 1.5};
constexpr double Marge = 0.02;      // of the surface, around the table
constexpr double PartTitre = 0.07;  // of the height
constexpr double PartEntete = 0.09; // two bands
constexpr double PartPied = 0.03;
constexpr double MargeTexte = 0.25; // on either side of a cell's text, of the letters' size
constexpr double TailleReference = 100;
constexpr double PartNomsMax = 0.3; // of the width, the most a long name widens its column to

QList<double> Largeurs(const Tableau& t, double largeur) {
    QList<double> poids;
    for (qsizetype c = 0; c < t.Entetes.size(); ++c)
        poids << (c == 0 ? PoidsNoms : PoidsRubriques[(c - 1) % ModeleSuivi::NombreRubriques]);
    double somme = 0;
    for (double p : poids)
        somme += p;
    for (double& p : poids)
        p = p / somme * largeur;
    return poids;
}

// The widest text of column c, its title included, at the reference size.
double PlusLarge(const QFontMetricsF& mesure, const Tableau& t, qsizetype c) {
    double largeur = mesure.horizontalAdvance(t.Titres.value(c));
    for (const QStringList& ligne : t.Lignes)
        largeur = std::max(largeur, mesure.horizontalAdvance(ligne.value(c)));
    return largeur;
}

struct Colonnes {
    QList<double> Largeurs;
    double Taille = 1; // of the letters, in device pixels
};

// The columns' widths, and the letters' size at which every cell and title fits its column within
// the row's height. A text of width l at the reference size fits a column at size s when
// s (l / ref + 2 marge) <= width. A name longer than its column takes the room the other columns
// leave at that size, up to PartNomsMax of the width; one still longer is cut short rather than
// shrink every cell of the table.
Colonnes Disposer(QPainter& peintre, const Tableau& t, double largeur, double hauteurLigne) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(int(TailleReference));
    police.setBold(true);
    const QFontMetricsF mesure(police, peintre.device());
    QList<double> plusLarges;
    for (qsizetype c = 0; c < t.Entetes.size(); ++c)
        plusLarges << PlusLarge(mesure, t, c);
    Colonnes colonnes{Largeurs(t, largeur)};
    double facteur = hauteurLigne * 0.55 / TailleReference;
    for (qsizetype c = 1; c < plusLarges.size(); ++c)
        if (plusLarges[c] > 0)
            facteur =
                std::min(facteur, colonnes.Largeurs[c] / (plusLarges[c] + 2 * MargeTexte * TailleReference));
    colonnes.Taille = std::max(1.0, facteur * TailleReference);
    if (plusLarges.isEmpty()) return colonnes;
    // The room a column's widest text takes at that size, with a little to spare: drawn at whole
    // pixels, a text measured to fit exactly would be cut.
    const auto place = [&](qsizetype c) {
        return (plusLarges[c] + 2 * MargeTexte * TailleReference) * facteur * 1.02;
    };
    double autres = 0;
    for (qsizetype c = 1; c < plusLarges.size(); ++c)
        autres += place(c);
    const double noms = std::min({place(0), largeur * PartNomsMax, largeur - autres});
    if (noms <= colonnes.Largeurs[0]) return colonnes;
    // The other columns keep their room and share what is left as their weights say.
    const double reste = largeur - noms - autres, avant = largeur - colonnes.Largeurs[0];
    for (qsizetype c = 1; c < colonnes.Largeurs.size(); ++c)
        colonnes.Largeurs[c] = place(c) + reste * colonnes.Largeurs[c] / avant;
    colonnes.Largeurs[0] = noms;
    return colonnes;
}

void Texte(QPainter& peintre, const QRectF& rect, const QString& texte, Qt::Alignment alignement) {
    const double marge = MargeTexte * peintre.font().pixelSize();
    const QRectF dedans = rect.adjusted(marge, 0, -marge, 0);
    const QString coupe = peintre.fontMetrics().elidedText(texte, Qt::ElideRight, int(dedans.width()));
    peintre.drawText(dedans, int(alignement | Qt::AlignVCenter), coupe);
}

QFont Police(double taille, bool gras) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(std::max(1, int(taille)));
    police.setBold(gras);
    return police;
}

void Entete(QPainter& peintre, const Tableau& t, const QList<double>& largeurs, const QRectF& zone) {
    const double bande = zone.height() / 2;
    peintre.fillRect(zone, QColor(225, 225, 225));
    double x = zone.left();
    for (qsizetype c = 0; c < largeurs.size();) {
        // A group over its columns, then each column's title beneath.
        qsizetype fin = c + 1;
        while (fin < largeurs.size() && !t.Groupes.value(c).isEmpty() &&
               t.Groupes.value(fin) == t.Groupes.value(c))
            ++fin;
        double largeurGroupe = 0;
        for (qsizetype k = c; k < fin; ++k)
            largeurGroupe += largeurs[k];
        if (t.Groupes.value(c).isEmpty()) {
            const QRectF rect(x, zone.top(), largeurGroupe, zone.height());
            peintre.drawRect(rect);
            Texte(peintre, rect, t.Titres.value(c), Qt::AlignCenter);
        } else {
            const QRectF groupe(x, zone.top(), largeurGroupe, bande);
            peintre.drawRect(groupe);
            Texte(peintre, groupe, t.Groupes.value(c), Qt::AlignCenter);
            double xc = x;
            for (qsizetype k = c; k < fin; ++k) {
                const QRectF rect(xc, zone.top() + bande, largeurs[k], bande);
                peintre.drawRect(rect);
                Texte(peintre, rect, t.Titres.value(k), Qt::AlignCenter);
                xc += largeurs[k];
            }
        }
        x += largeurGroupe;
        c = fin;
    }
}

} // namespace

namespace ImpressionSuivi {

int NombrePages(const Tableau& tableau) {
    return std::max(1, int((tableau.Lignes.size() + LignesParPage - 1) / LignesParPage));
}

void DessinerPage(QPainter& peintre, QSize surface, int page, const Tableau& t, const QString& titre,
                  const QString& date) {
    const QRectF zone(surface.width() * Marge, surface.height() * Marge, surface.width() * (1 - 2 * Marge),
                      surface.height() * (1 - 2 * Marge));
    const double hTitre = zone.height() * PartTitre;
    const double hEntete = zone.height() * PartEntete;
    const double hLigne = zone.height() * (1 - PartTitre - PartEntete - PartPied) / LignesParPage;
    const Colonnes colonnes = Disposer(peintre, t, zone.width(), hLigne);
    const QList<double>& largeurs = colonnes.Largeurs;
    const double taille = colonnes.Taille;

    peintre.setPen(QPen(Qt::black, std::max(1.0, taille / 14)));
    peintre.setFont(Police(std::min(hTitre * 0.5, taille * 1.8), true));
    const QRectF bandeauTitre(zone.left(), zone.top(), zone.width(), hTitre * 0.8);
    peintre.drawText(bandeauTitre, Qt::AlignLeft | Qt::AlignVCenter, titre);
    peintre.setFont(Police(taille, false));
    peintre.drawText(bandeauTitre, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 — page %2 sur %3").arg(date).arg(page + 1).arg(NombrePages(t)));

    peintre.setFont(Police(taille, true));
    Entete(peintre, t, largeurs, QRectF(zone.left(), zone.top() + hTitre, zone.width(), hEntete));
    const qsizetype premiere = qsizetype(page) * LignesParPage;
    const qsizetype derniere = std::min<qsizetype>(t.Lignes.size(), premiere + LignesParPage);
    double y = zone.top() + hTitre + hEntete;
    for (qsizetype l = premiere; l < derniere; ++l, y += hLigne) {
        const bool classe = l == t.Lignes.size() - 1;
        // Every other row shaded: a grey that black and white printers keep.
        if ((l - premiere) % 2)
            peintre.fillRect(QRectF(zone.left(), y, zone.width(), hLigne), QColor(240, 240, 240));
        peintre.setFont(Police(taille, classe));
        double x = zone.left();
        for (qsizetype c = 0; c < largeurs.size(); ++c) {
            const QRectF rect(x, y, largeurs[c], hLigne);
            peintre.drawRect(rect);
            Texte(peintre, rect, t.Lignes[l].value(c), c == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
            x += largeurs[c];
        }
    }
}

} // namespace ImpressionSuivi
