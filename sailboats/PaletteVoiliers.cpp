// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/PaletteVoiliers.h"

#include "sailboats/NomsCouleursEcran.h"

#include <algorithm>

namespace PaletteVoiliers {

int Rang(int couleur) {
    const auto trouve = std::find_if(Boutons.begin(), Boutons.end(),
                                     [couleur](const Bouton& b) { return b.Couleur == couleur; });
    return trouve == Boutons.end() ? -1 : static_cast<int>(trouve - Boutons.begin());
}

int Voisine(int actuelle, int pas) {
    const int rang = Rang(actuelle);
    if (rang < 0) return actuelle;
    const int nouveau = std::clamp(rang + pas, 0, static_cast<int>(Boutons.size()) - 1);
    return Boutons[static_cast<size_t>(nouveau)].Couleur;
}

int ParLettre(int actuelle, QChar lettre) {
    const int n = static_cast<int>(Boutons.size());
    const int depart = Rang(actuelle) < 0 ? n - 1 : Rang(actuelle);
    const QChar cherchee = lettre.toLower();
    for (int pas = 1; pas <= n; ++pas) {
        const int couleur = Boutons[static_cast<size_t>((depart + pas) % n)].Couleur;
        if (NomCouleurEcran(couleur).startsWith(cherchee)) return couleur;
    }
    return actuelle;
}

} // namespace PaletteVoiliers
