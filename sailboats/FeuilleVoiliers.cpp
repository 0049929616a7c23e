// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/FeuilleVoiliers.h"

#include "sailboats/Couleurs.h"

#include <QStringList>

#include <algorithm>

bool FeuilleVoiliers::MemesCouleurs(const FeuilleVoiliers& autre) const {
    const TableauVoiliers &a = Tableau, &b = autre.Tableau;
    if (a.NbTotalGauche != b.NbTotalGauche || a.NbTotalHaut != b.NbTotalHaut) return false;
    const auto memes = [](const auto& x, const auto& y, int n) {
        return std::equal(&x[1], &x[1] + n, &y[1]);
    };
    // The samples show only on sheets of exercise 3.
    return memes(a.CouleursCoques, b.CouleursCoques, a.NbTotalGauche) &&
           memes(a.CouleursVoiles, b.CouleursVoiles, a.NbTotalHaut) &&
           (NumJeu != 3 || memes(a.LigneModele, b.LigneModele, a.NbTotalHaut));
}

namespace {

QString NomCouleur(int numero) {
    return NumeroCouleurValide(numero) ? NomsCouleurs[numero].toString().toLower() : QString();
}

QString Liste(const quint8* debut, int nombre) {
    QStringList noms;
    for (int i = 0; i < nombre; ++i)
        noms << NomCouleur(debut[i]);
    return noms.join(QStringLiteral(", "));
}

} // namespace

QString DescriptionFeuille(const FeuilleVoiliers& f) {
    const char* const exercices[] = {"", "remplir", "colorier", "trouver"};
    const TableauVoiliers& t = f.Tableau;
    const int jeu = std::clamp(f.NumJeu, 1, 3);
    return QStringLiteral("Jeu n° %1 : %2, tableau de %3 x %4 %5 ; coques : %6 ; voiles : %7 ; %8.")
        .arg(jeu)
        .arg(QString::fromUtf8(exercices[jeu]))
        .arg(t.NbTotalGauche)
        .arg(t.NbTotalHaut)
        .arg(f.NoirEtBlanc ? QStringLiteral("en noir et blanc") : QStringLiteral("en couleurs"),
             Liste(&t.CouleursCoques[1], t.NbTotalGauche), Liste(&t.CouleursVoiles[1], t.NbTotalHaut),
             f.Consigne.isEmpty() ? QStringLiteral("sans consigne")
                                  : QStringLiteral("consigne : ") + f.Consigne);
}
