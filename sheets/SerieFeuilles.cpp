// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/SerieFeuilles.h"

#include <algorithm>

int ChoixSerie::Nombre() const {
    return std::clamp(NombreFeuilles, NombreMin, NombreMax);
}

int ChoixSerie::NombrePages() const {
    if (Quoi == Genre::Corrige) return 1;
    return Nombre() * (AvecCorriges ? 2 : 1);
}

QString TitreFeuilleSerie(int numero) {
    return QStringLiteral("Feuille n° %1").arg(numero);
}

QString TitreCorrige(int numero) {
    return numero > 0 ? QStringLiteral("Corrigé de la feuille n° %1").arg(numero) : QStringLiteral("Corrigé");
}

bool ImprimerPagesSerie(const Destination& vers, QPageLayout::Orientation orientation,
                        const ChoixSerie& choix, const PreparerFeuille& preparer,
                        const DessinMarque& dessiner, const Progression& progression) {
    ChoixSerie serie = choix;
    serie.Quoi = ChoixSerie::Genre::Serie;
    const int parFeuille = serie.AvecCorriges ? 2 : 1;
    return ImprimerPages(
        vers, orientation, serie.NombrePages(),
        [&](QPainter& peintre, QSize surface, int k) {
            const int numero = k / parFeuille + 1;
            const bool corrige = k % parFeuille == 1;
            // The pages asked for may start on a key, or repeat a sheet for its copies.
            preparer(numero);
            dessiner(peintre, surface,
                     MarquesPage{corrige, corrige ? TitreCorrige(numero) : TitreFeuilleSerie(numero)});
        },
        progression);
}

bool TirerDifferente(const std::function<void()>& tirer, const std::function<bool()>& differente) {
    constexpr int Essais = 1000;
    for (int essai = 0; essai < Essais; ++essai) {
        tirer();
        if (differente()) return true;
    }
    return false;
}
