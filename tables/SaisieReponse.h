// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a key does to the answer being typed in a cell.
enum class ToucheSaisie { Chiffre, Effacement, Entree, Autre };

enum class EffetSaisie {
    Rien,      // ignored key
    Affichage, // the answer changed: show it again
    Verifier,  // Enter on a non-empty answer: judge it
};

// The typing rules of a cell: up to three digits, no leading zero, Backspace, Enter. After Enter
// typing is blocked until another cell is chosen.
class SaisieReponse {
  public:
    EffetSaisie Touche(ToucheSaisie touche, QChar chiffre = {});
    // Left arrow: erases one digit when there is one; false when there is nothing to erase.
    bool EffacerParLaGauche();
    // A new cell chosen: empty answer, typing open again.
    void NouvelleCase();
    // After judging: the typed digits are gone, typing stays blocked.
    void Vider() { reponse.clear(); }

    const QString& Reponse() const { return reponse; }
    bool SaisieBloquee() const { return bloquee; }

  private:
    QString reponse;
    bool bloquee = false;
};
