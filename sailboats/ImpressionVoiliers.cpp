// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/ImpressionVoiliers.h"

#include "sailboats/DessinFeuilleVoiliers.h"

#include <algorithm>

namespace {

bool ImprimerUnePage(const Destination& vers, const FeuilleVoiliers& feuille, const MarquesPage& marques) {
    return ImprimerPages(vers, QPageLayout::Landscape, 1, [&](QPainter& peintre, QSize surface, int) {
        DessinFeuilleVoiliers(peintre, surface).DessinerPage(feuille, marques);
    });
}

} // namespace

bool ImprimerFeuilleVoiliers(const Destination& vers, const FeuilleVoiliers& feuille) {
    return ImprimerUnePage(vers, feuille, {});
}

bool ImprimerCorrigeVoiliers(const Destination& vers, const FeuilleVoiliers& feuille) {
    return ImprimerUnePage(vers, feuille, MarquesPage{true, TitreCorrige()});
}

std::vector<FeuilleVoiliers> TirerSerieVoiliers(const FeuilleVoiliers& modele, int nombre, Hasard& hasard) {
    std::vector<FeuilleVoiliers> serie;
    serie.reserve(size_t(std::max(nombre, 0)));
    for (int i = 0; i < nombre; ++i) {
        FeuilleVoiliers feuille = modele;
        TirerDifferente([&] { feuille.TirerCouleurs(hasard); },
                        [&] {
                            return std::none_of(
                                serie.begin(), serie.end(),
                                [&](const FeuilleVoiliers& autre) { return autre.MemesCouleurs(feuille); });
                        });
        serie.push_back(feuille);
    }
    return serie;
}

bool ImprimerSerieVoiliers(const Destination& vers, const FeuilleVoiliers& modele, const ChoixSerie& choix,
                           Hasard& hasard, const Progression& progression) {
    const std::vector<FeuilleVoiliers> serie = TirerSerieVoiliers(
        modele, std::clamp(choix.NombreFeuilles, ChoixSerie::NombreMin, ChoixSerie::NombreMax), hasard);
    const FeuilleVoiliers* courante = &serie.front();
    return ImprimerPagesSerie(
        vers, QPageLayout::Landscape, choix, [&](int numero) { courante = &serie[size_t(numero - 1)]; },
        [&](QPainter& peintre, QSize surface, const MarquesPage& marques) {
            DessinFeuilleVoiliers(peintre, surface).DessinerPage(*courante, marques);
        },
        progression);
}

bool ImprimerExerciceVoiliers(const Destination& vers, const TableauVoiliers& tableau, int numJeu,
                              bool noirEtBlanc, const QString& consigne) {
    return ImprimerFeuilleVoiliers(vers, FeuilleVoiliers{tableau, numJeu, noirEtBlanc, consigne});
}
