// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Hasard;

// What the rules of a sheet window hold, without the window: the sheet, a value of TypeFeuille,
// and the draws that give it new tables or colours. A rule that changes what the sheet shows
// returns true, and the window then draws its preview once. The sheet is the window's own:
// nothing here touches a game's table, sizes or exercise.
template <class TypeFeuille> class PreparationDe {
  public:
    explicit PreparationDe(Hasard& hasard) : hasard(hasard) {}

    const TypeFeuille& Feuille() const { return feuille; }

  protected:
    // Sets `valeur` to `nouvelle`; true when it changed.
    template <class T> static bool Remplacer(T& valeur, const T& nouvelle) {
        if (valeur == nouvelle) return false;
        valeur = nouvelle;
        return true;
    }

    Hasard& hasard;
    TypeFeuille feuille;
};
