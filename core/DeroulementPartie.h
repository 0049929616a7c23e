// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Partie.h"

// Which commands of an exercise window act at a given step of its game; "Aide" always does.
struct BoutonsJeu {
    bool Commencer = false;
    bool Nouveau = false;
    bool Changer = false;
    bool Bilan = false;
    bool Quitter = true;

    bool operator==(const BoutonsJeu&) const = default;
};

// The life of one table, whatever the exercise: set up, played, finished, results seen; the
// commands each step allows and the counts of the game. The rules of each exercise derive from
// it and say when play starts and when the table is finished.
class DeroulementPartie {
  public:
    enum class Etape { MiseEnPlace, EnJeu, Terminee, BilanVu };
    struct Regles {
        bool Commencer = false;       // play opens with a "Commencer" button
        bool BilanEnQuittant = false; // "Quitter" first shows the results of answers not yet seen
    };

    explicit DeroulementPartie(Regles regles) : regles(regles) {}

    Etape EtapeEnCours() const { return etape; }
    const CompteursResultat& Compteurs() const { return compteurs; }
    BoutonsJeu Boutons() const;
    // The results window was shown for this game: once answers were given, the table is done with.
    void BilanMontre();
    bool QuitterOuvreBilan() const;

  protected:
    // A new table: every count at 0, the totals given, nothing played.
    void Recommencer(int total, int totalGauche, int totalHaut);
    // Play starts (from the set-up only).
    void EntrerEnJeu();
    // The last answer was given (while playing only).
    void Terminer();
    bool Repondu() const { return compteurs.NbBonnes + compteurs.NbErreurs > 0; }

    CompteursResultat compteurs;

  private:
    Regles regles;
    Etape etape = Etape::MiseEnPlace;
};
