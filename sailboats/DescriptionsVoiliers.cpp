// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/DescriptionsVoiliers.h"

#include "sailboats/NomsCouleursEcran.h"

namespace DescriptionsVoiliers {

namespace {

QString Voiles(int couleur) {
    return couleur ? CouleurDeVoiles(couleur) : QStringLiteral("pas encore coloriées");
}

QString Coque(int couleur) {
    return couleur ? CouleurDeCoque(couleur) : QStringLiteral("pas encore coloriée");
}

QString Case(int ligne, int colonne) {
    return QStringLiteral("Ligne %1, colonne %2 : ").arg(ligne).arg(colonne);
}

} // namespace

QString EnteteVoiles(int colonne, int couleur) {
    return QStringLiteral("Voiles de la colonne %1 : %2").arg(colonne).arg(Voiles(couleur));
}

QString EnteteCoque(int ligne, int couleur) {
    return QStringLiteral("Coque de la ligne %1 : %2").arg(ligne).arg(Coque(couleur));
}

QString CaseARemplir(int ligne, int colonne, int coque, int voiles) {
    if (!coque || !voiles) return Case(ligne, colonne) + QStringLiteral("vide");
    return Case(ligne, colonne) + QStringLiteral("bateau à coque %1 et voiles %2")
                                      .arg(CouleurDeCoque(coque), CouleurDeVoiles(voiles));
}

QString CaseAColorier(int ligne, int colonne, int coque, int voiles, bool modele) {
    return Case(ligne, colonne) + (modele ? QStringLiteral("bateau modèle, ") : QString()) +
           QStringLiteral("voiles %1, coque %2").arg(Voiles(voiles), Coque(coque));
}

QString BateauAPlacer(int coque, int voiles) {
    if (!coque || !voiles) return QStringLiteral("Bateau à placer : aucun pour l'instant");
    return QStringLiteral("Bateau à placer : coque %1, voiles %2")
        .arg(CouleurDeCoque(coque), CouleurDeVoiles(voiles));
}

} // namespace DescriptionsVoiliers
