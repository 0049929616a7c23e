// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/TableauVoiliers.h"

#include "core/Hasard.h"
#include "sailboats/Couleurs.h"
#include "tables/Tableau.h"

#include <algorithm>

bool TableauVoiliers::DefinirTaille(int taille) {
    if (!TailleValide(taille)) return false;
    const DimensionsTableau d = DimensionsTaille(taille);
    NbTotalGauche = static_cast<quint8>(d.NbLignes);
    NbTotalHaut = static_cast<quint8>(d.NbColonnes);
    return true;
}

// Nine colours are allowed for hulls and nine for sails, more than any table needs; the sample
// draw only ends when the columns can cover every row.
bool TableauVoiliers::DimensionsValides() const {
    return NbTotalGauche >= 1 && NbTotalGauche <= NbTotalHaut && NbTotalHaut <= ColonnesMax &&
           NbTotalGauche <= LignesMax;
}

bool TableauVoiliers::TirerCouleurs(Hasard& hasard) {
    return TirerCoquesEtVoiles(hasard) && TirerLignesModeles(hasard);
}

bool TableauVoiliers::TirerCoquesEtVoiles(Hasard& hasard) {
    if (!DimensionsValides()) return false;
    Effacer();
    for (int k = 1; k <= ParCouleur<int>::Nombre; ++k) {
        CoquesExclues[k] = CoquesBarrees[k];
        VoilesExclues[k] = VoilesBarrees[k];
    }
    for (int r = 1; r <= NbTotalGauche; ++r)
        CouleursCoques[r] = TirerCouleurLibre(hasard, CoquesExclues);
    for (int c = 1; c <= NbTotalHaut; ++c)
        CouleursVoiles[c] = TirerCouleurLibre(hasard, VoilesExclues);
    return true;
}

void TableauVoiliers::Effacer() {
    std::fill_n(CouleursVoiles.begin() + 1, NbTotalHaut, quint8(0));
    std::fill_n(CouleursCoques.begin() + 1, NbTotalGauche, quint8(0));
    VoilesExclues.fill(0);
    CouleursUtilisees.fill(0);
    CoquesExclues.fill(0);
}

// Colour 16 is barred everywhere, so drawing among 1..15 loses nothing.
quint8 TableauVoiliers::TirerCouleurLibre(Hasard& hasard, ParNumero& exclues) {
    int k;
    do
        k = hasard.Rnd(15) + 1;
    while (exclues[k] != 0);
    exclues[k] = 1;
    CouleursUtilisees[k] = 1;
    return static_cast<quint8>(k);
}

bool TableauVoiliers::TirerLignesModeles(Hasard& hasard) {
    if (!DimensionsValides()) return false;
    do
        TirerUnModeleParColonne(hasard);
    while (!ToutesLignesCouvertes());
    return true;
}

void TableauVoiliers::TirerUnModeleParColonne(Hasard& hasard) {
    std::fill_n(LigneCouverte.begin() + 1, NbTotalGauche, quint8(0));
    std::fill_n(LigneModele.begin() + 1, NbTotalHaut, quint8(0));
    for (int c = 1; c <= NbTotalHaut; ++c) {
        const int r = hasard.Rnd(NbTotalGauche) + 1;
        LigneModele[c] = static_cast<quint8>(r);
        LigneCouverte[r] = 1;
    }
}

bool TableauVoiliers::ToutesLignesCouvertes() const {
    return std::all_of(LigneCouverte.begin() + 1, LigneCouverte.begin() + 1 + NbTotalGauche,
                       [](quint8 couverte) { return couverte != 0; });
}
