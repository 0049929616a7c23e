// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DeroulementPartie.h"
#include "sailboats/TableauVoiliers.h"

#include <array>
#include <optional>

class Hasard;

// The rules of exercise 1: the boats of an empty table are proposed one at a time, in random
// order, and the pupil says in which cell each belongs. Right or wrong, the boat then goes into
// its own cell; each boat gets exactly one answer.
class PartieRemplir : public DeroulementPartie {
  public:
    struct Reponse {
        bool Juste;
        int Ligne; // the cell the boat goes to, whatever cell was clicked
        int Colonne;
        bool Fin; // that was the last boat
    };

    PartieRemplir() : DeroulementPartie({.Commencer = true, .BilanEnQuittant = true}) {}

    // A new table of size `taille` (1..7): colours drawn, every cell empty, no boat proposed.
    // False, and the game left as it was, when the size is not one of the exercises'.
    bool NouveauJeu(int taille, Hasard& hasard);
    // "Commencer": the first boat is proposed. Only once per table.
    bool Commencer(Hasard& hasard);
    // The pupil clicks cell (ligne, colonne). Nothing when the game is not running or the cell
    // already holds its boat; a wrong cell that is still empty stays empty and clickable.
    std::optional<Reponse> Repondre(int ligne, int colonne, Hasard& hasard);

    const TableauVoiliers& Tableau() const { return tableau; }
    bool CaseRemplie(int ligne, int colonne) const { return remplie[ligne][colonne]; }
    bool CaseCliquable(int ligne, int colonne) const;
    // The boat proposed now; 0 and 0 when none.
    int LigneEnCours() const { return ligneEnCours; }
    int ColonneEnCours() const { return colonneEnCours; }
    int NbPlaces() const { return nbPlaces; }

    // The bars: their panels are as high as the largest multiple of the number of boats not above
    // 480/600 of the screen, nor above hauteurMax (the room the window has); each answer adds
    // one step.
    static int HauteurPanneauBarres(int hauteurEcran, int nbTotal, int hauteurMax);
    static int HauteurBarre(int hauteurPanneau, int nbTotal, int reponses);

  private:
    void ProposerVoilier(Hasard& hasard);

    using ParCase =
        std::array<std::array<bool, TableauVoiliers::ColonnesMax + 1>, TableauVoiliers::LignesMax + 1>;

    TableauVoiliers tableau;
    ParCase casePlacee{}; // the boat of this cell was proposed
    ParCase remplie{};    // the boat of this cell is drawn in it
    int ligneEnCours = 0;
    int colonneEnCours = 0;
    int nbPlaces = 0;
};
