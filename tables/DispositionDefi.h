// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/Tableau.h"

class Hasard;

// The hand-made challenge layouts, one shape per table size (two or three for sizes 0, 1 and 5).
// Each is a few chains alternating between columns and rows, anchored on one given header, each
// link a given inner cell; together they give NbColonnes + NbLignes items, from which the whole
// table can be worked out. Given headers go to EnteteDonne*, given inner cells to CaseRemplie.
class DispositionDefi {
  public:
    DispositionDefi(Tableau& tableau, Hasard& hasard) : t(tableau), hasard(hasard) {}

    // Whether the current size has a layout (2 x 3 up to 5 x 7).
    bool Existe() const;
    // Clears the marks and the shown cells and builds one layout, drawing in the order of the chains.
    void Construire();

  private:
    void Taille0();
    void Taille1();
    void Taille2();
    void Taille3();
    void Taille4();
    void Taille5();
    void Taille6();
    void Taille7();
    int DebutParLigne();
    int DebutParColonne();
    void FinParLigne(int c3, int cFin);
    void FinParColonne();

    int AncreLigne();
    int AncreColonne();
    int VersColonne(int r);
    int VersLigne(int c);

    int NouvelleColonne();
    int NouvelleLigne();
    int ColonneRestante(bool marquer);
    int LigneRestante(bool marquer);
    void DonnerColonne(int c) { t.EnteteDonneColonne[c] = 1; }
    void DonnerLigne(int r) { t.EnteteDonneLigne[r] = 1; }
    void Donner(int c, int r) { t.CaseRemplie[c][r] = 1; }

    Tableau& t;
    Hasard& hasard;
};
