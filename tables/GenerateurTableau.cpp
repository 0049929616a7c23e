// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/GenerateurTableau.h"

#include "core/Hasard.h"
#include "tables/DispositionDefi.h"

#include <algorithm>

GenerateurTableau::GenerateurTableau(Tableau& tableau, Hasard& hasard, Operation operation)
    : t(tableau), hasard(hasard), addition(operation == Operation::Addition) {}

void GenerateurTableau::TirerTableau() {
    t.ValeurPriseColonne.fill(0);
    t.ValeurPriseLigne.fill(0);
    for (auto& colonne : t.CaseRemplie)
        colonne.fill(0);
    BarrerValeursSpeciales();
    TirerEntetes(t.EnteteColonne, t.ValeurPriseColonne, t.NbColonnes, true);
    TirerEntetes(t.EnteteLigne, t.ValeurPriseLigne, t.NbLignes, false);
    for (int c = 1; c <= t.NbColonnes; ++c)
        for (int r = 1; r <= t.NbLignes; ++r)
            t.Valeurs[c][r] =
                addition ? t.EnteteColonne[c] + t.EnteteLigne[r] : t.EnteteColonne[c] * t.EnteteLigne[r];
}

// 0, 1 and 10 each head one line of the table only. When 0 and 1 are both barred from the
// columns, 10 goes to the rows, so that the columns never lose all three at once.
void GenerateurTableau::BarrerValeursSpeciales() {
    const int a = hasard.Rnd(2);
    const int b = hasard.Rnd(2);
    const int d = (a == 0 && b == 0) ? 1 : hasard.Rnd(2);
    (a == 0 ? t.ValeurPriseColonne : t.ValeurPriseLigne)[0] = 1;
    (b == 0 ? t.ValeurPriseColonne : t.ValeurPriseLigne)[1] = 1;
    (d == 0 ? t.ValeurPriseColonne : t.ValeurPriseLigne)[10] = 1;
}

void GenerateurTableau::TirerEntetes(std::array<quint8, Tableau::Dim>& entetes,
                                     std::array<quint8, Tableau::Dim>& prises, int nombre, bool colonnes) {
    for (int i = 1; i <= nombre; ++i) {
        int v;
        do
            v = hasard.Rnd(11);
        while (prises[v] != 0);
        entetes[i] = static_cast<quint8>(v);
        (colonnes ? t.Valeurs[i][0] : t.Valeurs[0][i]) = static_cast<quint8>(v);
        prises[v] = 1;
    }
}

void GenerateurTableau::DisposerRemplir() {
    if (!t.DimensionsValides()) return;
    TirerTableau();
    t.NbTotal = static_cast<quint8>(t.NbColonnes * t.NbLignes);
    for (int c = 0; c <= t.NbColonnes; ++c)
        t.CaseRemplie[c][0] = 1;
    for (int r = 1; r <= t.NbLignes; ++r)
        t.CaseRemplie[0][r] = 1;
}

// Each column is paired with one row; the cell where they cross is shown, and of the two headers
// of the pair one is given so that the pupil can work out the other from that cell.
void GenerateurTableau::DisposerTrouver(Version version) {
    if (!t.DimensionsValides()) return;
    do {
        TirerTableau();
        do {
            t.EnteteDonneColonne.fill(0);
            t.EnteteDonneLigne.fill(0);
            AssocierColonnesEtLignes();
            ChoisirEntetesDonnes();
        } while (!NombreEntetesDonnesAcceptable());
        MontrerEntetesDonnes();
        if (t.NbLignes <= t.NbColonnes)
            for (int c = 1; c <= t.NbColonnes; ++c)
                t.CaseRemplie[c][t.LigneAssociee[c]] = 1;
        // A 0-headed row paired with several columns gives too many headers away.
    } while (t.CasesATrouver() < t.NbColonnes * t.NbLignes);
    CompterCasesATrouver(version);
}

// Pairing until every row has at least one column; with more rows than columns no pairing is
// possible, and the layout is then refused by the header count.
void GenerateurTableau::AssocierColonnesEtLignes() {
    if (t.NbLignes > t.NbColonnes) return;
    bool ligneSansColonne;
    do {
        std::fill_n(t.NbColonnesParLigne.begin() + 1, t.NbLignes, quint8(0));
        std::fill_n(t.LigneAssociee.begin() + 1, t.NbColonnes, quint8(0));
        for (int c = 1; c <= t.NbColonnes; ++c) {
            const int r = hasard.Rnd(t.NbLignes) + 1;
            t.LigneAssociee[c] = static_cast<quint8>(r);
            ++t.NbColonnesParLigne[r];
        }
        ligneSansColonne =
            std::any_of(t.NbColonnesParLigne.begin() + 1, t.NbColonnesParLigne.begin() + 1 + t.NbLignes,
                        [](quint8 n) { return n == 0; });
    } while (ligneSansColonne);
}

void GenerateurTableau::ChoisirEntetesDonnes() {
    if (t.NbLignes > t.NbColonnes) return;
    for (int r = 1; r <= t.NbLignes; ++r)
        if (t.NbColonnesParLigne[r] > 1) t.EnteteDonneLigne[r] = 1;
    for (int c = 1; c <= t.NbColonnes; ++c) {
        const int r = t.LigneAssociee[c];
        if (t.EnteteDonneLigne[r] == 0)
            (hasard.Rnd(2) == 0 ? t.EnteteDonneColonne[c] : t.EnteteDonneLigne[r]) = 1;
        // A cell worth 0 would not reveal the other header of a product: a 0 header is never
        // the given one of its pair.
        if (t.EnteteColonne[c] == 0) {
            t.EnteteDonneColonne[c] = 0;
            t.EnteteDonneLigne[r] = 1;
        }
        if (t.EnteteLigne[r] == 0) {
            t.EnteteDonneColonne[c] = 1;
            t.EnteteDonneLigne[r] = 0;
        }
    }
}

// Neither none nor all of the headers of the shorter line may be given.
bool GenerateurTableau::NombreEntetesDonnesAcceptable() const {
    const int m = std::min(t.NbLignes, t.NbColonnes);
    const bool parLignes = t.NbLignes < t.NbColonnes;
    const auto& donnes = parLignes ? t.EnteteDonneLigne : t.EnteteDonneColonne;
    const int nombre = parLignes ? t.NbLignes : t.NbColonnes;
    const auto k = std::count(donnes.begin() + 1, donnes.begin() + 1 + nombre, quint8(1));
    return k != 0 && k != m;
}

void GenerateurTableau::MontrerEntetesDonnes() {
    t.CaseRemplie[0][0] = 1;
    for (int c = 1; c <= t.NbColonnes; ++c)
        t.CaseRemplie[c][0] = t.EnteteDonneColonne[c];
    for (int r = 1; r <= t.NbLignes; ++r)
        t.CaseRemplie[0][r] = t.EnteteDonneLigne[r];
}

void GenerateurTableau::CompterCasesATrouver(Version version) {
    t.NbTotal = static_cast<quint8>(t.CasesATrouver());
    if (version == Version::Feuille) return;
    t.NbTotalHaut = static_cast<quint8>(t.CasesATrouverHaut());
    t.NbTotalGauche = static_cast<quint8>(t.CasesATrouverGauche());
}

// The game keeps its headers while it retries a layout; the sheet draws a new table for every
// attempt. Both refuse a table that shows more than one 0 besides the corner: in a
// multiplication table a 0 header makes its whole line 0, and a shown 0 there reveals nothing.
void GenerateurTableau::DisposerDefi(Version version) {
    DispositionDefi disposition(t, hasard);
    if (!t.DimensionsValides() || !disposition.Existe()) return;
    do {
        if (version == Version::Jeu) TirerTableau();
        do {
            if (version == Version::Feuille) TirerTableau();
            disposition.Construire();
        } while (!DispositionDefiAcceptee(version));
        MontrerEntetesDonnes();
    } while (t.CasesATrouver() != t.NbColonnes * t.NbLignes || t.CasesMontreesValantZero() > 2);
    CompterCasesATrouver(version);
}

bool GenerateurTableau::DispositionDefiAcceptee(Version version) {
    if (version == Version::Feuille && t.NbColonnes + t.NbLignes == 5) return true;
    return NombreEntetesDonnesAcceptable();
}

void GenerateurTableau::TableauPourFeuille(int numJeu) {
    switch (numJeu) {
    case 1:
        DisposerRemplir();
        break;
    case 2:
        DisposerTrouver(Version::Feuille);
        break;
    case 3:
        DisposerDefi(Version::Feuille);
        break;
    default:
        break;
    }
}
