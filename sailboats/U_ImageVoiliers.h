// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/PreparationVoiliers.h"
#include "sheets/FenetreFeuille.h"

// Navirelle's sheet window: one table of sailboats of the chosen exercise and size, in colour or
// in black-and-white hatches with their legend, under the program's instruction; previewed,
// then printed on a landscape page, with its answer key or as a class set. The sheet is the
// window's own: a game left open behind the menu keeps its colours.
class TF_ImageVoiliers : public FenetreFeuille {
    Q_OBJECT
  public:
    TF_ImageVoiliers(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent = nullptr);

    const PreparationVoiliers& Preparation() const { return preparation; }

  protected:
    void Reinitialiser() override;
    void MontrerReglages() override;
    void Dessiner(QPainter& peintre, QSize surface) const override;
    QString Description() const override;
    bool ChangerConsigne() override;
    bool ChangerTaille() override;
    void Nouveau() override;
    QPageLayout::Orientation OrientationPages() const override;
    bool ImprimerLaFeuille(const Destination& vers, bool corrige) const override;
    bool ImprimerLaSerie(const Destination& vers, const ChoixSerie& choix, Hasard& hasard,
                         const Progression& progression) const override;

  private:
    void ConstruireColonne();

    PreparationVoiliers preparation;
    QButtonGroup* jeux = nullptr;  // BJeu1..BJeu3
    QButtonGroup* modes = nullptr; // BCouleur (0), BNB (1)
};
