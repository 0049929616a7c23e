// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ImpressionFeuille.h"

#include <algorithm>

namespace {

QPageLayout::Orientation OrientationDe(const FeuilleTableaux& feuille) {
    return ReglagesFeuille::Orientation(feuille.Reglages.NbExAImprimer);
}

bool ImprimerUnePage(const Destination& vers, const FeuilleTableaux& feuille, const MarquesPage& marques) {
    return ImprimerPages(vers, OrientationDe(feuille), 1, [&](QPainter& peintre, QSize surface, int) {
        DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerFeuille(feuille, marques);
    });
}

} // namespace

bool ImprimerFeuille(const Destination& vers, const FeuilleTableaux& feuille) {
    return ImprimerUnePage(vers, feuille, {});
}

bool ImprimerCorrige(const Destination& vers, const FeuilleTableaux& feuille) {
    return ImprimerUnePage(vers, feuille, MarquesPage{true, TitreCorrige()});
}

std::vector<FeuilleTableaux> TirerSerie(const FeuilleTableaux& modele, int nombre, Hasard& hasard) {
    std::vector<FeuilleTableaux> serie;
    serie.reserve(static_cast<size_t>(std::max(nombre, 0)));
    for (int i = 0; i < nombre; ++i) {
        FeuilleTableaux feuille = modele;
        TirerDifferente([&] { feuille.TirerTableaux(hasard); },
                        [&] {
                            return std::none_of(
                                serie.begin(), serie.end(),
                                [&](const FeuilleTableaux& autre) { return autre.MemesTableaux(feuille); });
                        });
        serie.push_back(feuille);
    }
    return serie;
}

bool ImprimerSerie(const Destination& vers, const FeuilleTableaux& modele, const ChoixSerie& choix,
                   Hasard& hasard, const Progression& progression) {
    const std::vector<FeuilleTableaux> serie = TirerSerie(
        modele, std::clamp(choix.NombreFeuilles, ChoixSerie::NombreMin, ChoixSerie::NombreMax), hasard);
    const FeuilleTableaux* courante = &serie.front();
    return ImprimerPagesSerie(
        vers, OrientationDe(modele), choix, [&](int numero) { courante = &serie[size_t(numero - 1)]; },
        [&](QPainter& peintre, QSize surface, const MarquesPage& marques) {
            DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerFeuille(*courante, marques);
        },
        progression);
}

bool ImprimerExercice(const Destination& vers, const ContenuTableau& contenu) {
    return ImprimerPages(vers, QPageLayout::Landscape, 1, [&](QPainter& peintre, QSize surface, int) {
        DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerCopies(1, contenu);
    });
}
