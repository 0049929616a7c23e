// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ImpressionFeuille.h"

namespace {

QPageLayout::Orientation OrientationDe(const FeuilleTableaux& feuille) {
    return ReglagesFeuille::Orientation(feuille.Reglages.NbExAImprimer);
}

void DessinerPage(QPainter& peintre, QSize surface, const FeuilleTableaux& feuille,
                  const MarquesPage& marques) {
    DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerFeuille(feuille, marques);
}

} // namespace

bool ImprimerFeuille(const Destination& vers, const FeuilleTableaux& feuille) {
    return ImprimerUneFeuille(vers, OrientationDe(feuille), feuille, {}, DessinerPage);
}

bool ImprimerCorrige(const Destination& vers, const FeuilleTableaux& feuille) {
    return ImprimerUneFeuille(vers, OrientationDe(feuille), feuille, MarquesPage{true, TitreCorrige()},
                              DessinerPage);
}

std::vector<FeuilleTableaux> TirerSerie(const FeuilleTableaux& modele, int nombre, Hasard& hasard) {
    return TirerSerieDe(
        modele, nombre, [&](FeuilleTableaux& feuille) { feuille.TirerTableaux(hasard); },
        [](const FeuilleTableaux& a, const FeuilleTableaux& b) { return a.MemesTableaux(b); });
}

bool ImprimerSerie(const Destination& vers, const FeuilleTableaux& modele, const ChoixSerie& choix,
                   Hasard& hasard, const Progression& progression) {
    return ImprimerSerieDe(vers, OrientationDe(modele), TirerSerie(modele, choix.Nombre(), hasard), choix,
                           DessinerPage, progression);
}

bool ImprimerExercice(const Destination& vers, const ContenuTableau& contenu) {
    return ImprimerPages(vers, QPageLayout::Landscape, 1, [&](QPainter& peintre, QSize surface, int) {
        DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerCopies(1, contenu);
    });
}
