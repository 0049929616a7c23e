// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"

#include "tables/Tableau.h"

class Hasard;

// Which rules a set-up follows: the game's, or the printed sheet's (no window, a new table for
// every challenge attempt, and the 2 x 3 challenge which only exists on paper).
enum class Version { Jeu, Feuille };

// Draws tables into a Tableau and chooses which cells are given for each exercise.
// The draws happen in a fixed order, which tests replay through a scripted Hasard.
// The table size must be set (Tableau::DefinirTaille) before any set-up.
class GenerateurTableau {
  public:
    GenerateurTableau(Tableau& tableau, Hasard& hasard, Operation operation);

    void TirerTableau();
    void DisposerRemplir();
    void DisposerTrouver(Version version = Version::Jeu);
    void DisposerDefi(Version version = Version::Jeu);
    // Sheet set-up for exercise numJeu 1..3; any other number leaves the table untouched.
    void TableauPourFeuille(int numJeu);

  private:
    void BarrerValeursSpeciales();
    void TirerEntetes(std::array<quint8, Tableau::Dim>& entetes, std::array<quint8, Tableau::Dim>& prises,
                      int nombre, bool colonnes);
    void AssocierColonnesEtLignes();
    void ChoisirEntetesDonnes();
    bool NombreEntetesDonnesAcceptable() const;
    bool DispositionDefiAcceptee(Version version);
    void MontrerEntetesDonnes();
    void CompterCasesATrouver(Version version);

    Tableau& t;
    Hasard& hasard;
    bool addition;
};
