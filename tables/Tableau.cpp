// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/Tableau.h"

namespace {
constexpr std::array<DimensionsTableau, TailleMax + 1> Dimensions{{
    {2, 3},
    {3, 4},
    {4, 4},
    {4, 5},
    {4, 6},
    {5, 5},
    {5, 6},
    {5, 7},
}};
} // namespace

bool TailleValide(int taille) {
    return taille >= TailleMin && taille <= TailleMax;
}

DimensionsTableau DimensionsTaille(int taille) {
    return TailleValide(taille) ? Dimensions[static_cast<size_t>(taille)] : DimensionsTableau{};
}

QString LibelleTaille(int taille) {
    const DimensionsTableau d = DimensionsTaille(taille);
    return QStringLiteral("Taille %1 (%2 x %3)").arg(taille).arg(d.NbLignes).arg(d.NbColonnes);
}

bool Tableau::DefinirTaille(int taille) {
    if (!TailleValide(taille)) return false;
    const DimensionsTableau d = DimensionsTaille(taille);
    NbLignes = d.NbLignes;
    NbColonnes = d.NbColonnes;
    return true;
}

int Tableau::CasesATrouver() const {
    int n = 0;
    for (int c = 0; c <= NbColonnes; ++c)
        for (int r = 0; r <= NbLignes; ++r)
            n += CaseRemplie[c][r] == 0;
    return n;
}

int Tableau::CasesATrouverHaut() const {
    int n = 0;
    for (int c = 0; c <= NbColonnes; ++c)
        n += CaseRemplie[c][0] == 0;
    return n;
}

int Tableau::CasesATrouverGauche() const {
    int n = 0;
    for (int r = 0; r <= NbLignes; ++r)
        n += CaseRemplie[0][r] == 0;
    return n;
}

int Tableau::CasesMontreesValantZero() const {
    int n = 0;
    for (int c = 0; c <= NbColonnes; ++c)
        for (int r = 0; r <= NbLignes; ++r)
            n += CaseRemplie[c][r] == 1 && Valeurs[c][r] == 0;
    return n;
}
