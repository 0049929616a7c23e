// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/FeuilleVoiliers.h"

class Hasard;

// The rules of navirelle's sheet window, without the window. A call that changes what the sheet
// shows returns true, and the window then draws its preview once. The sheet is the window's
// own: a game's table and sizes are never touched.
class PreparationVoiliers {
  public:
    explicit PreparationVoiliers(Hasard& hasard) : hasard(hasard) {}

    const FeuilleVoiliers& Feuille() const { return feuille; }
    quint8 TailleImp() const { return tailleImp; }

    // Each showing of the window: exercise 1, black and white, the smallest size, new colours,
    // under the program's instruction.
    void Reinitialiser(const QString& consigne);
    // "Jeu n° k", "Couleur" / "N et B": the same colours drawn another way.
    bool ChoisirJeu(int numJeu);
    bool ChoisirNoirEtBlanc(bool noirEtBlanc);
    // After the size dialog: new colours for another size, nothing for the same one.
    bool ChangerTaille(quint8 indexTaille);
    bool ChangerConsigne(const QString& consigne);
    // "Nouveau": new colours.
    void Nouveau();

  private:
    Hasard& hasard;
    FeuilleVoiliers feuille;
    quint8 tailleImp = 1;
};
