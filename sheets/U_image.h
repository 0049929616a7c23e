// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/FenetreFeuille.h"
#include "sheets/ImpressionFeuille.h"
#include "sheets/PreparationFeuille.h"

// Carrelis's sheet window: the teacher chooses the table, the kind of exercise, the layout, the
// size and the instructions, sees the sheet and prints it, or its answer key, or a class set.
// The sheet is the window's own: a game left open behind the menu keeps its table. Each showing
// from the menu starts afresh; a dialog closing over it changes only what it was asked.
class TF_Image : public FenetreFeuilleDe<PreparationFeuille> {
    Q_OBJECT
  public:
    TF_Image(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent = nullptr);

  protected:
    void MontrerReglages() override;
    // "3 diff." has its own instructions and sizes, in dialogs of their own.
    bool ChangerConsigne() override;
    bool ChangerTaille() override;

  private:
    void ChoisirExercice(int numJeu);

    QButtonGroup* operations = nullptr;   // Op1, SpeedButton2
    QButtonGroup* jeux = nullptr;         // BJeu1..BJeu3
    QButtonGroup* dispositions = nullptr; // NbEx_A_Imprimer1..4, NbEx_A_Imprimer3D
};
