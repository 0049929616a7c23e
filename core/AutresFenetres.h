// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

struct Bilan;
struct ResultatPartie;

// What a window may ask of the program's other windows without knowing them: the window
// registry at the top floor answers, so that no subsystem includes another's windows.
class AutresFenetres {
  public:
    virtual ~AutresFenetres() = default;

    // The size chooser for exercise numJeu (0: sheets) whose size is taille, modal; the size
    // chosen, or nothing when the pupil cancelled.
    virtual std::optional<quint8> ChoisirTaille(int numJeu, quint8 taille) = 0;
    // The results window for a finished game, modal.
    virtual void MontrerBilan(const ResultatPartie& resultat) = 0;
    // The report window of a result, modal.
    virtual void MontrerRapport(const Bilan& bilan) = 0;
};
