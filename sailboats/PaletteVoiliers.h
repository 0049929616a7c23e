// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

#include <array>

// The eleven colours pupils paint with in exercises 2 and 3, from left to right, and the names of
// their buttons.
namespace PaletteVoiliers {

struct Bouton {
    int Couleur;
    const char* Nom;
};

inline constexpr std::array<Bouton, 11> Boutons{{
    {4, "BoutonBleu"},
    {5, "BoutonBleuClair"},
    {3, "BoutonBleuFonce"},
    {8, "BoutonRouge"},
    {7, "BoutonRose"},
    {9, "BoutonMarron"},
    {10, "BoutonJaune"},
    {11, "BoutonVert"},
    {12, "BoutonVertFonce"},
    {2, "BoutonGrisFonce"},
    {15, "BoutonBlanc"},
}};

// The colour pressed when the window opens: blue.
inline constexpr int CouleurDeDepart = 4;

// Place of a colour in the palette, -1 when it has no button.
int Rang(int couleur);
// The colour a key chooses from `actuelle`: the arrows step to the neighbour, stopping at the
// ends; a letter goes to the next colour whose name on screen begins with it, round the
// palette, so that typing "b" again and again goes through the blues and white. `actuelle`
// when the key chooses nothing.
int Voisine(int actuelle, int pas);
int ParLettre(int actuelle, QChar lettre);

} // namespace PaletteVoiliers
