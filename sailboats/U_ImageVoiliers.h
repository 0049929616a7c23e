// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/ImpressionVoiliers.h"
#include "sailboats/PreparationVoiliers.h"
#include "sheets/FenetreFeuille.h"

// Navirelle's sheet window: one table of sailboats of the chosen exercise and size, in colour or
// in black-and-white hatches with their legend, under the program's instruction; previewed,
// then printed on a landscape page, with its answer key or as a class set. The sheet is the
// window's own: a game left open behind the menu keeps its colours.
class TF_ImageVoiliers : public FenetreFeuilleDe<PreparationVoiliers> {
    Q_OBJECT
  public:
    TF_ImageVoiliers(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent = nullptr);

  protected:
    void MontrerReglages() override;

  private:
    QButtonGroup* jeux = nullptr;  // BJeu1..BJeu3
    QButtonGroup* modes = nullptr; // BCouleur (0), BNB (1)
};
