// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/PreparationFeuille.h"

#include <QDialog>

class ApercuFeuille;
class ColonneFeuille;
class DialoguesFeuille;
class MobilierPleinEcran;
class Programme;
class QButtonGroup;
class QPushButton;

// Carrelis's sheet window: the teacher chooses the table, the kind of exercise, the layout, the
// size and the instructions, sees the sheet and prints it, or its answer key, or a class set.
// The sheet is the window's own: a game left open behind the menu keeps its table. Each showing
// from the menu starts afresh; a dialog closing over it changes only what it was asked.
class TF_Image : public QDialog {
    Q_OBJECT
  public:
    TF_Image(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent = nullptr);

    const PreparationFeuille& Preparation() const { return preparation; }
    ApercuFeuille* Apercu() const { return image1; }

  protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    void ConstruireColonne();
    void FormActivate();
    void MontrerReglages();
    void AfficherApercu();
    void Agir(bool change);

    void ChoisirOperation(int bouton);
    void ChoisirExercice(int numJeu);
    void ChoisirDisposition(int disposition);
    void ChangerTaille();
    void ChangerConsigne();
    void NouvelleFeuille();
    void Imprimer();
    void PreparerSerie();

    Programme& prog;
    DialoguesFeuille& dialogues;
    PreparationFeuille preparation;
    MobilierPleinEcran* mobilier = nullptr;
    ApercuFeuille* image1 = nullptr;
    ColonneFeuille* panel1 = nullptr;
    QButtonGroup* operations = nullptr;   // Op1, SpeedButton2
    QButtonGroup* jeux = nullptr;         // BJeu1..BJeu3
    QButtonGroup* dispositions = nullptr; // NbEx_A_Imprimer1..4, NbEx_A_Imprimer3D
    QPushButton* boutonImprimer = nullptr;
};
