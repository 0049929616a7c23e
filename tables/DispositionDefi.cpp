// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/DispositionDefi.h"

#include "core/Hasard.h"

bool DispositionDefi::Existe() const {
    const int n = t.NbColonnes + t.NbLignes;
    return n == 5 || (n >= 7 && n <= 12);
}

void DispositionDefi::Construire() {
    // A layout tried again must not keep the cells given by the one refused before it.
    for (auto& colonne : t.CaseRemplie)
        colonne.fill(0);
    t.ColonneAtteinte.fill(0);
    t.LigneAtteinte.fill(0);
    t.EnteteDonneColonne.fill(0);
    t.EnteteDonneLigne.fill(0);
    switch (t.NbColonnes + t.NbLignes) {
    case 5:
        Taille0();
        break;
    case 7:
        Taille1();
        break;
    case 8:
        Taille2();
        break;
    case 9:
        Taille3();
        break;
    case 10:
        t.NbColonnes == t.NbLignes ? Taille5() : Taille4();
        break;
    case 11:
        Taille6();
        break;
    case 12:
        Taille7();
        break;
    default:
        break;
    }
}

namespace {

// A header of 1..nombre not reached yet, drawn until one is found, and reached from then on.
int Nouvelle(Tableau::Marques& atteinte, int nombre, Hasard& hasard) {
    int k;
    do
        k = hasard.Rnd(nombre) + 1;
    while (atteinte[k] != 0);
    atteinte[k] = 1;
    return k;
}

// The first header of 1..nombre not reached yet, or the last one when all are; reached from then
// on when `marquer`.
int Restante(Tableau::Marques& atteinte, int nombre, bool marquer) {
    int k = 1;
    while (k < nombre && atteinte[k] != 0)
        ++k;
    if (marquer) atteinte[k] = 1;
    return k;
}

} // namespace

int DispositionDefi::NouvelleColonne() {
    return Nouvelle(t.ColonneAtteinte, t.NbColonnes, hasard);
}

int DispositionDefi::NouvelleLigne() {
    return Nouvelle(t.LigneAtteinte, t.NbLignes, hasard);
}

int DispositionDefi::ColonneRestante(bool marquer) {
    return Restante(t.ColonneAtteinte, t.NbColonnes, marquer);
}

int DispositionDefi::LigneRestante(bool marquer) {
    return Restante(t.LigneAtteinte, t.NbLignes, marquer);
}

// The links of a chain: a header given as its anchor, then from row to column to row, each step
// a new column or row and the cell where the chain crosses it.
int DispositionDefi::AncreLigne() {
    const int r = NouvelleLigne();
    DonnerLigne(r);
    return r;
}

int DispositionDefi::AncreColonne() {
    const int c = NouvelleColonne();
    DonnerColonne(c);
    return c;
}

int DispositionDefi::VersColonne(int r) {
    const int c = NouvelleColonne();
    Donner(c, r);
    return c;
}

int DispositionDefi::VersLigne(int c) {
    const int r = NouvelleLigne();
    Donner(c, r);
    return r;
}

// 2 x 3, printed sheets only: its single row header is not always there, which is why the sheet
// skips the header count on this size.
void DispositionDefi::Taille0() {
    if (hasard.Rnd(2) == 0) {
        const int r1 = AncreLigne();
        const int c1 = VersColonne(r1);
        const int r2 = LigneRestante(true);
        Donner(c1, r2);
        VersColonne(r2);
        Donner(ColonneRestante(true), r1);
    } else {
        const int c2 = VersColonne(VersLigne(AncreColonne()));
        const int r2 = LigneRestante(true);
        Donner(c2, r2);
        Donner(ColonneRestante(true), r2);
    }
}

// 3 x 4.
void DispositionDefi::Taille1() {
    if (hasard.Rnd(2) == 0) {
        VersColonne(VersLigne(VersColonne(AncreLigne())));
        const int r3 = LigneRestante(true);
        VersColonne(r3);
        const int c4 = ColonneRestante(true);
        DonnerColonne(c4);
        Donner(c4, r3);
    } else {
        const int c1 = AncreColonne();
        VersLigne(c1);
        VersColonne(VersLigne(c1));
        const int r3 = LigneRestante(true);
        DonnerLigne(r3);
        for (int c = 1; c <= t.NbColonnes; ++c)
            if (t.ColonneAtteinte[c] == 0) Donner(c, r3);
    }
}

// Sizes 2 to 5 open on a row header: r1, its cell in c1, then c1's cell in r2. Returns r2.
int DispositionDefi::DebutParLigne() {
    return VersLigne(VersColonne(AncreLigne()));
}

// Sizes 2 and 3 close the second chain on the remaining row r4: its cells in c3 and in cFin.
void DispositionDefi::FinParLigne(int c3, int cFin) {
    const int r4 = LigneRestante(false);
    Donner(c3, r4);
    Donner(cFin, r4);
}

// 4 x 4.
void DispositionDefi::Taille2() {
    VersColonne(DebutParLigne());
    const int c3 = AncreColonne();
    VersLigne(c3);
    FinParLigne(c3, ColonneRestante(false));
}

// 4 x 5.
void DispositionDefi::Taille3() {
    VersColonne(DebutParLigne());
    const int c3 = AncreColonne();
    const int c4 = NouvelleColonne();
    const int r3 = VersLigne(c3);
    Donner(c4, r3);
    FinParLigne(c3, ColonneRestante(false));
}

// 4 x 6.
void DispositionDefi::Taille4() {
    VersColonne(DebutParLigne());
    VersColonne(VersLigne(AncreColonne()));
    FinParColonne();
}

// 5 x 5: two chains (s = 0), or three anchored on two column headers and one row header
// (s = 1, t = 0) or on one column header and two row headers (s = 1, t = 1).
void DispositionDefi::Taille5() {
    const int s = hasard.Rnd(2);
    const int r2 = DebutParLigne();
    if (s == 0) VersLigne(VersColonne(r2));
    const int c4 = VersColonne(VersLigne(AncreColonne()));
    if (s == 0) {
        const int r5 = LigneRestante(false);
        Donner(c4, r5);
        Donner(ColonneRestante(false), r5);
    } else if (hasard.Rnd(2) == 0) {
        const int r3 = VersLigne(AncreColonne());
        const int c = ColonneRestante(false);
        Donner(c, r3);
        Donner(c, LigneRestante(false));
    } else {
        const int c5 = VersColonne(AncreLigne());
        const int r = LigneRestante(false);
        Donner(c5, r);
        Donner(ColonneRestante(false), r);
    }
}

// Sizes 6 and 7 open on a column header: c1 - r1 - c2 - r2 - c3, then a row header r3 - c4 - r4.
// Returns r4.
int DispositionDefi::DebutParColonne() {
    VersColonne(VersLigne(VersColonne(VersLigne(AncreColonne()))));
    return VersLigne(VersColonne(AncreLigne()));
}

// Sizes 4, 6 and 7 close on a column header, the remaining row and the remaining column.
void DispositionDefi::FinParColonne() {
    const int c = AncreColonne();
    const int r = LigneRestante(false);
    Donner(c, r);
    Donner(ColonneRestante(false), r);
}

// 5 x 6.
void DispositionDefi::Taille6() {
    DebutParColonne();
    FinParColonne();
}

// 5 x 7.
void DispositionDefi::Taille7() {
    VersColonne(DebutParColonne());
    FinParColonne();
}
