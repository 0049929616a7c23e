// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FenetreExercice.h"
#include "core/Partie.h"
#include "sailboats/PartieRemplir.h"

class AutresFenetres;
class BarreScore;
class BoutonTrames;
class EtiquetteAppreciation;
class ImageVoilier;
class MobilierPleinEcran;
class Programme;
class QLabel;
class QPushButton;
class TableauImages;

// Navirelle's exercise 1: the pupil places each boat shown beside the table in its cell, with
// the mouse, from the keyboard (arrows and Enter) or through a screen reader.
class TF_Jeu_1 : public FenetreExercice {
    Q_OBJECT
  public:
    TF_Jeu_1(Programme& programme, AutresFenetres& autres, QWidget* parent = nullptr);

    // Sets up a new game of exercise 1 and shows the window.
    void Ouvrir(const ChoixExercice& choisi) override;
    const ChoixExercice& Choix() const { return choix; }
    const TableauVoiliers& TableauJoue() const { return partie.Tableau(); }
    const CompteursResultat& Compteurs() const { return partie.Compteurs(); }
    const PartieRemplir& Partie() const { return partie; }
    TableauImages* Tableau() const { return tableau; }

  protected:
    void resizeEvent(QResizeEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void FormCreate();
    void ConstruireScores();
    void ConstruireBoutons();
    void FormActivate();
    void NouveauJeu1();
    void Disposer();
    void PlacerBarres();
    void Redessiner();
    void DessinerCase(int ligne, int colonne);
    void MontrerBateauAPlacer(bool annoncer);
    void MontrerBoutons();
    void AppliquerTrames(bool actives);

    void BoutonCommencerClick();
    void CaseCliquee(int ligne, int colonne);
    void ToucheJouee(QPoint cadre, int touche);
    void BoutonChangerClick();
    void BoutonBilanClick();
    void BoutonQuitterClick();
    void MontrerBilan();

    Programme& prog;
    AutresFenetres& autres;
    ChoixExercice choix;
    PartieRemplir partie;
    MobilierPleinEcran* mobilier = nullptr;
    double rapport = 1.0;
    TableauImages* tableau = nullptr;
    QWidget* panelProposition = nullptr;
    ImageVoilier* imageAPlacer = nullptr;
    QWidget* panel1 = nullptr;
    BarreScore* bScore = nullptr; // PanelBScore with BScore and GBScore
    BarreScore* mScore = nullptr; // PanelMScore with MScore and GMScore
    QLabel* etMax = nullptr;
    QLabel* etZero = nullptr;
    EtiquetteAppreciation* appreciation = nullptr;
    QWidget* rangeeBoutons = nullptr;
    QPushButton* boutonCommencer = nullptr;
    QPushButton* boutonNouveauJeu = nullptr;
    QPushButton* boutonChanger = nullptr;
    QPushButton* boutonBilan = nullptr;
    QPushButton* bAide = nullptr;
    QPushButton* boutonQuitter = nullptr;
    QWidget* panelJeuTermine = nullptr;
    QWidget* statusBar1 = nullptr;
    BoutonTrames* boutonTrames = nullptr;
    bool quitte = false; // "Quitter" is closing the window: its own close needs nothing more
};
