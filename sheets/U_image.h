// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/FenetreFeuille.h"
#include "sheets/PreparationFeuille.h"

// Carrelis's sheet window: the teacher chooses the table, the kind of exercise, the layout, the
// size and the instructions, sees the sheet and prints it, or its answer key, or a class set.
// The sheet is the window's own: a game left open behind the menu keeps its table. Each showing
// from the menu starts afresh; a dialog closing over it changes only what it was asked.
class TF_Image : public FenetreFeuille {
    Q_OBJECT
  public:
    TF_Image(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent = nullptr);

    const PreparationFeuille& Preparation() const { return preparation; }

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
    void ChoisirExercice(int numJeu);

    PreparationFeuille preparation;
    QButtonGroup* operations = nullptr;   // Op1, SpeedButton2
    QButtonGroup* jeux = nullptr;         // BJeu1..BJeu3
    QButtonGroup* dispositions = nullptr; // NbEx_A_Imprimer1..4, NbEx_A_Imprimer3D
};
