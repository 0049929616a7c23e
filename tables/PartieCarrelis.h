// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DeroulementPartie.h"
#include "tables/SaisieReponse.h"
#include "tables/Tableau.h"

#include <QPoint>

#include <optional>

class Hasard;

// The rules of carrelis's three exercises: the pupil chooses a cell still to be found, with the
// mouse or the keys, types a number and presses Enter. Each cell is judged once, right or wrong,
// and then shows its value; the table is finished when every cell has been answered.
class PartieCarrelis : public DeroulementPartie {
  public:
    // What a key does in the game; the digits and Enter type, the others move.
    enum class Touche { Chiffre, Effacement, Entree, Gauche, Droite, Haut, Bas, Suivante, Autre };
    struct Reponse {
        bool Juste;
        QPoint Case; // column, row
        int Valeur;  // what the cell is worth, shown in it from now on
        bool Fin;    // that was the last cell to be found
    };
    struct Effet {
        bool Saisie = false;         // a typing key: the last "Juste" or "Faux" goes
        bool CaseChoisie = false;    // another cell is the current one, its answer empty
        bool ReponseChangee = false; // the typed answer changed
        std::optional<Reponse> Jugee;
    };

    PartieCarrelis() : DeroulementPartie({}) {}

    // A new table of exercise choix.NumJeu (1..3) of size `taille` (1..7), no cell chosen. False,
    // and the game left as it was, when the size is not one of the exercises'.
    bool NouveauJeu(const ChoixExercice& choix, int taille, Hasard& hasard);
    // The pupil chooses cell p with the mouse; false when it is not a cell still to be found.
    bool ChoisirCase(QPoint p);
    // A key pressed. Before any cell is chosen, a key of the game goes to the first cell to be
    // found, and a digit is typed there at once.
    Effet Taper(Touche touche, QChar chiffre = {});

    const ChoixExercice& Choix() const { return choix; }
    const Tableau& TableauJoue() const { return tableau; }
    const SaisieReponse& Saisie() const { return saisie; }
    // The cell being answered, (-1, -1) before the first choice.
    QPoint CaseCourante() const { return courante; }
    int NbReponses() const { return nbReponses; }
    bool CaseATrouver(QPoint p) const;

  private:
    void AllerA(QPoint p);
    bool Deplacer(Touche fleche);
    std::optional<Reponse> Juger();

    ChoixExercice choix;
    Tableau tableau;
    SaisieReponse saisie;
    QPoint courante{-1, -1};
    int nbReponses = 0;
};
