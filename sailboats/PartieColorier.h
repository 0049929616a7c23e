// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DeroulementPartie.h"
#include "sailboats/TableauVoiliers.h"

#include <array>

class Hasard;

// The two parts of a boat a pupil colours.
enum class PartieBateau { Voiles, Coque };

// The rules of exercises 2 and 3: the boats of the table are drawn in outline and the pupil
// paints their sails and hulls with the colour chosen in the palette. A right colour stays, a
// wrong one is refused and counted; the good answers count the parts right at the first try.
// Exercise 2 gives the header colours; exercise 3 hides them and shows one coloured sample boat
// per column, and the headers are to be coloured too.
class PartieColorier : public DeroulementPartie {
  public:
    enum class Effet { Aucun, Juste, Faux };

    PartieColorier() : DeroulementPartie({.BilanEnQuittant = true}) {}

    // A new table of exercise numJeu (2 or 3) of size `taille` (1..7). False, and the game left
    // as it was, for any other exercise or size.
    bool NouveauJeu(int numJeu, int taille, Hasard& hasard);

    // The pupil paints, with colour `couleur`, a header (exercise 3: hull header of row n or sail
    // header of column n) or a part of a boat. A part that cannot be painted (already right, a
    // sample, a header of exercise 2, a game over) is no answer: Aucun, and nothing changes.
    Effet ColorierEntete(PartieBateau partie, int numero, int couleur);
    Effet ColorierCase(int ligne, int colonne, PartieBateau partie, int couleur);
    // A click at height y of a boat picture: on the sails above the deck line, on the hull from
    // the deck line down.
    static PartieBateau PartieSous(int y, int ligneFlottaison) {
        return y < ligneFlottaison ? PartieBateau::Voiles : PartieBateau::Coque;
    }

    bool Terminee() const { return nbTotal > 0 && nbColories == nbTotal; }

    int NumJeu() const { return numJeu; }
    const TableauVoiliers& Tableau() const { return tableau; }
    int NbColories() const { return nbColories; }
    bool EstModele(int ligne, int colonne) const { return numJeu == 3 && tableau.EstModele(ligne, colonne); }
    // The colour each picture shows now, 0 while it is uncoloured.
    int CouleurEntete(PartieBateau partie, int numero) const;
    int CouleurCase(int ligne, int colonne, PartieBateau partie) const;
    bool EnteteAColorier(PartieBateau partie, int numero) const;
    bool CaseAColorier(int ligne, int colonne) const;

  private:
    using ParLigne = std::array<bool, TableauVoiliers::LignesMax + 1>;
    using ParColonne = std::array<bool, TableauVoiliers::ColonnesMax + 1>;
    using ParCase = std::array<ParColonne, TableauVoiliers::LignesMax + 1>;
    struct EtatPartie {
        bool Faite = false;
        bool Essayee = false;
    };

    Effet Juger(bool juste, bool& faite, bool& essayee, int* bonnesEntete, int* erreursEntete);
    int CouleurJuste(PartieBateau partie, int ligne, int colonne) const;
    bool DansLeTableau(int ligne, int colonne) const;

    int numJeu = 0;
    TableauVoiliers tableau;
    int nbTotal = 0;
    int nbColories = 0;
    ParLigne teteCoqueFaite{}, teteCoqueEssayee{};
    ParColonne teteVoileFaite{}, teteVoileEssayee{};
    ParCase coqueFaite{}, coqueEssayee{}, voileFaite{}, voileEssayee{};
};
