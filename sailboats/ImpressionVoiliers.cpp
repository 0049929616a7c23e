// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/ImpressionVoiliers.h"

QPageLayout::Orientation OrientationPages(const FeuilleVoiliers&) {
    return QPageLayout::Landscape;
}

std::vector<FeuilleVoiliers> TirerSerie(const FeuilleVoiliers& modele, int nombre, Hasard& hasard) {
    return TirerSerieDe(
        modele, nombre, [&](FeuilleVoiliers& feuille) { feuille.TirerCouleurs(hasard); },
        [](const FeuilleVoiliers& a, const FeuilleVoiliers& b) { return a.MemesCouleurs(b); });
}

bool ImprimerExerciceVoiliers(const Destination& vers, const TableauVoiliers& tableau, int numJeu,
                              bool noirEtBlanc, const QString& consigne) {
    return ImprimerFeuille(vers, FeuilleVoiliers{tableau, numJeu, noirEtBlanc, consigne});
}
