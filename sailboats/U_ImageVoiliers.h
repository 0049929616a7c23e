// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/PreparationVoiliers.h"

#include <QDialog>

class ApercuFeuille;
class ColonneFeuille;
class DialoguesFeuille;
class MobilierPleinEcran;
class Programme;
class QButtonGroup;
class QPushButton;

// Navirelle's sheet window: one table of sailboats of the chosen exercise and size, in colour or
// in black-and-white hatches with their legend, under the program's instruction; previewed,
// then printed on a landscape page, with its answer key or as a class set. The sheet is the
// window's own: a game left open behind the menu keeps its colours.
class TF_ImageVoiliers : public QDialog {
    Q_OBJECT
  public:
    TF_ImageVoiliers(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent = nullptr);

    const PreparationVoiliers& Preparation() const { return preparation; }
    ApercuFeuille* Apercu() const { return image1; }

  protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    void ConstruireColonne();
    void FormActivate();
    void MontrerReglages();
    void AfficherFeuille();
    void Agir(bool change);

    void ChoisirExercice(int numJeu);
    void ChoisirCouleurs(int noirEtBlanc);
    void ChangerTaille();
    void ChangerConsigne();
    void NouvelleFeuille();
    void AfficherCorrige();
    void Imprimer();
    void PreparerSerie();

    Programme& prog;
    DialoguesFeuille& dialogues;
    PreparationVoiliers preparation;
    MobilierPleinEcran* mobilier = nullptr;
    ApercuFeuille* image1 = nullptr;
    ColonneFeuille* panel1 = nullptr;
    QButtonGroup* jeux = nullptr;  // BJeu1..BJeu3
    QButtonGroup* modes = nullptr; // BCouleur (0), BNB (1)
    QPushButton* boutonImprimer = nullptr;
};
