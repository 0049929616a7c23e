// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/FenetreJeuVoiliers.h"
#include "sailboats/PartieRemplir.h"

class BarreScore;
class ImageVoilier;
class QLabel;

// Navirelle's exercise 1: the pupil places each boat shown beside the table in its cell, with
// the mouse, from the keyboard (arrows and Enter) or through a screen reader.
class TF_Jeu_1 : public FenetreJeuVoiliersDe<PartieRemplir> {
    Q_OBJECT
  public:
    TF_Jeu_1(Programme& programme, AutresFenetres& autres, ImpressionVoiliers imprimer,
             QWidget* parent = nullptr);

  protected:
    // The game and where the keyboard plays it.
    bool NouvellePartie(int taille) override;
    void Commencer() override;
    QWidget* PlaceDuJeu() override;
    // What the window shows of it.
    void Disposer() override;
    void Redessiner() override;
    void MontrerCompteurs(bool annoncer) override;
    void TramerAussi(bool actives, int echelle) override;
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    void ConstruireScores();
    void ConstruireBoutons();
    void PlacerBarres();
    void DessinerCase(int ligne, int colonne);
    void MontrerBateauAPlacer(bool annoncer);

    void CaseCliquee(int ligne, int colonne);
    void ToucheJouee(QPoint cadre, int touche);

    QWidget* cadreProposition = nullptr; // PanelProposition
    ImageVoilier* imageAPlacer = nullptr;
    QWidget* colonneScores = nullptr;   // Panel1
    BarreScore* barreBonnes = nullptr;  // PanelBScore with BScore and GBScore
    BarreScore* barreErreurs = nullptr; // PanelMScore with MScore and GMScore
    QLabel* graduationMax = nullptr;    // EtMax
    QLabel* graduationZero = nullptr;   // EtZero
    QWidget* rangeeBoutons = nullptr;
};
