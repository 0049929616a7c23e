// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ImpressionFeuille.h"

QPageLayout::Orientation OrientationPages(const FeuilleTableaux& feuille) {
    return ReglagesFeuille::Orientation(feuille.Reglages.NbExAImprimer);
}

std::vector<FeuilleTableaux> TirerSerie(const FeuilleTableaux& modele, int nombre, Hasard& hasard) {
    return TirerSerieDe(
        modele, nombre, [&](FeuilleTableaux& feuille) { feuille.TirerTableaux(hasard); },
        [](const FeuilleTableaux& a, const FeuilleTableaux& b) { return a.MemesTableaux(b); });
}

bool ImprimerExercice(const Destination& vers, const ContenuTableau& contenu) {
    return ImprimerPages(vers, QPageLayout::Landscape, 1, [&](QPainter& peintre, QSize surface, int) {
        DessinFeuille(peintre, surface, SurfaceFeuille::Page).DessinerCopies(1, contenu);
    });
}
