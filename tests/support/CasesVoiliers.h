// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/Couleurs.h"
#include "sailboats/DessinFeuilleVoiliers.h"
#include "sailboats/VoilierFeuille.h"
#include "sheets/DispositionFeuille.h"

#include "support/Hachures.h"

#include <QColor>
#include <QImage>
#include <QStringList>

// A sailboat sheet read back from its picture, part by part, and what it should show: the
// preview and the printed page of one sheet read the same.
namespace CasesVoiliers {

// A part's colour as it reads: its name in colour, its hatch directions in black and white,
// seen through two hatch periods, or less where the hull, 2u high, leaves less room between
// its lines.
inline QString Lu(const QImage& image, QPoint point, bool noirEtBlanc, int dpi, int u) {
    if (!noirEtBlanc) return QColor(image.pixel(point)).name();
    const int trait = DispositionFeuille::EpaisseurTrait(dpi);
    return Directions(image, point, std::min(2 * 8 * dpi / 96, 2 * u - 3 * trait), dpi == 96 ? 128 : 200);
}

inline QString Attendu(int couleur, bool noirEtBlanc) {
    if (!noirEtBlanc) return QColor(Couleurs[VoilierFeuille::CouleurImprimee(couleur)]).name();
    QString lettres;
    for (int couche : {TramesNB[couleur].Premiere, TramesNB[couleur].Seconde})
        switch (couche) {
        case 2:
            lettres += "h";
            break;
        case 3:
            lettres += "v";
            break;
        case 4:
            lettres += "d";
            break;
        case 5:
            lettres += "m";
            break;
        case 6:
            lettres += "hv";
            break;
        case 7:
            lettres += "dm";
            break;
        default:
            break;
        }
    QString tri;
    for (QChar c : QStringLiteral("dhmv"))
        if (lettres.contains(c)) tri += c;
    return tri;
}

// Row by row, each cell as "sails/hull": the jib and the hull read at their middle; an empty
// cell reads "-".
// `echelle` turns the units the place was worked out in into the picture's pixels.
inline QStringList Cases(const QImage& image, const PlaceFeuilleVoiliers& place, const TableauVoiliers& t,
                         bool nb, int dpi, double echelle = 1.0) {
    const int u = place.Unite;
    const auto point = [&](QPoint coin, int x, int y) {
        return (QPointF(coin + QPoint(x * u, y * u)) * echelle).toPoint();
    };
    const int ue = int(u * echelle);
    QStringList lignes;
    for (int i = 0; i <= t.NbTotalGauche; ++i) {
        QStringList ligne;
        for (int j = 0; j <= t.NbTotalHaut; ++j) {
            const QPoint coin = place.Case(i, j);
            const QString voiles = i == 0 || j > 0 ? Lu(image, point(coin, 4, 6), nb, dpi, ue) : "";
            const QString coque = j == 0 || i > 0 ? Lu(image, point(coin, 6, 11), nb, dpi, ue) : "";
            const bool vide =
                qGray(image.pixel(point(coin, 7, 5))) > 200 && qGray(image.pixel(point(coin, 3, 10))) > 200;
            ligne << (i == 0 && j == 0 ? QStringLiteral(".")
                      : vide           ? QStringLiteral("-")
                                       : voiles + '/' + coque);
        }
        lignes << ligne.join(' ');
    }
    return lignes;
}

// What the sheet should show, from its table.
inline QStringList CasesAttendues(const FeuilleVoiliers& f, bool corrige = false) {
    const TableauVoiliers& t = f.Tableau;
    const bool entetes = corrige || f.NumJeu <= 2;
    QStringList lignes;
    for (int i = 0; i <= t.NbTotalGauche; ++i) {
        QStringList ligne;
        for (int j = 0; j <= t.NbTotalHaut; ++j) {
            QString c;
            if (i == 0 && j == 0)
                c = ".";
            else if (i == 0)
                c = Attendu(entetes ? t.CouleursVoiles[j] : SansCouleur, f.NoirEtBlanc) + '/';
            else if (j == 0)
                c = '/' + Attendu(entetes ? t.CouleursCoques[i] : SansCouleur, f.NoirEtBlanc);
            else if (f.NumJeu == 1 && !corrige)
                c = "-";
            else {
                const bool couleur = corrige || (f.NumJeu == 3 && t.EstModele(i, j));
                c = Attendu(couleur ? t.CouleursVoiles[j] : SansCouleur, f.NoirEtBlanc) + '/' +
                    Attendu(couleur ? t.CouleursCoques[i] : SansCouleur, f.NoirEtBlanc);
            }
            ligne << c;
        }
        lignes << ligne.join(' ');
    }
    return lignes;
}

} // namespace CasesVoiliers
