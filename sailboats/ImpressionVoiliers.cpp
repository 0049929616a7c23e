// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/ImpressionVoiliers.h"

#include "sailboats/DessinFeuilleVoiliers.h"

namespace {

void DessinerPage(QPainter& peintre, QSize surface, const FeuilleVoiliers& feuille,
                  const MarquesPage& marques) {
    DessinFeuilleVoiliers(peintre, surface).DessinerPage(feuille, marques);
}

} // namespace

bool ImprimerFeuilleVoiliers(const Destination& vers, const FeuilleVoiliers& feuille) {
    return ImprimerUneFeuille(vers, QPageLayout::Landscape, feuille, {}, DessinerPage);
}

bool ImprimerCorrigeVoiliers(const Destination& vers, const FeuilleVoiliers& feuille) {
    return ImprimerUneFeuille(vers, QPageLayout::Landscape, feuille, MarquesPage{true, TitreCorrige()},
                              DessinerPage);
}

std::vector<FeuilleVoiliers> TirerSerieVoiliers(const FeuilleVoiliers& modele, int nombre, Hasard& hasard) {
    return TirerSerieDe(
        modele, nombre, [&](FeuilleVoiliers& feuille) { feuille.TirerCouleurs(hasard); },
        [](const FeuilleVoiliers& a, const FeuilleVoiliers& b) { return a.MemesCouleurs(b); });
}

bool ImprimerSerieVoiliers(const Destination& vers, const FeuilleVoiliers& modele, const ChoixSerie& choix,
                           Hasard& hasard, const Progression& progression) {
    return ImprimerSerieDe(vers, QPageLayout::Landscape, TirerSerieVoiliers(modele, choix.Nombre(), hasard),
                           choix, DessinerPage, progression);
}

bool ImprimerExerciceVoiliers(const Destination& vers, const TableauVoiliers& tableau, int numJeu,
                              bool noirEtBlanc, const QString& consigne) {
    return ImprimerFeuilleVoiliers(vers, FeuilleVoiliers{tableau, numJeu, noirEtBlanc, consigne});
}
