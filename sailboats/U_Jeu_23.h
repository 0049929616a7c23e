// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FenetreExercice.h"
#include "core/Partie.h"
#include "sailboats/PartieColorier.h"

class AutresFenetres;
class BoutonTrames;
class EtiquetteAppreciation;
class ImageVoilier;
class MobilierPleinEcran;
class PaletteCouleurs;
class Programme;
class QLabel;
class QPushButton;
class TableauImages;

// Navirelle's exercises 2 and 3: the pupil chooses a colour in the palette and paints the sails
// and hulls of the boats (and, in exercise 3, the headers), with the mouse, from the keyboard or
// through a screen reader. One window serves both; the menu says which.
class TF_Jeu_23 : public FenetreExercice {
    Q_OBJECT
  public:
    TF_Jeu_23(Programme& programme, AutresFenetres& autres, QWidget* parent = nullptr);

    // Sets up a new game of the exercise chosen (2 or 3) and shows the window.
    void Ouvrir(const ChoixExercice& choisi) override;
    const ChoixExercice& Choix() const { return choix; }
    const TableauVoiliers& TableauJoue() const { return partie.Tableau(); }
    const CompteursResultat& Compteurs() const { return partie.Compteurs(); }
    const PartieColorier& Partie() const { return partie; }
    TableauImages* Tableau() const { return tableau; }
    PaletteCouleurs* Palette() const { return palette; }

  protected:
    void resizeEvent(QResizeEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void FormCreate();
    void ConnecterImages();
    void ConstruireColonneDroite();
    QLabel* Compteur(QWidget* colonne, const char* nom, const char* titre, const QColor& fond, int y,
                     const char* nomCompteur, const QColor& encre);
    void FormActivate();
    void NouveauJeu();
    void Disposer();
    void Redessiner();
    void DessinerEntete(PartieBateau partie, int numero);
    void DessinerCase(int ligne, int colonne);
    void MontrerCompteurs(bool annoncer);
    void MontrerBoutons();
    void AppliquerTrames(bool actives);

    void EnteteCliquee(PartieBateau partie, int numero);
    void CaseAppuyee(int ligne, int colonne, QPoint position);
    void Colorier(PartieBateau partie, int ligne, int colonne);
    void Juger(PartieColorier::Effet effet, PartieBateau partie);
    void ToucheJouee(QPoint cadre, int touche);
    void BoutonChangerClick();
    void BoutonBilanClick();
    void BoutonQuitterClick();
    void MontrerBilan();

    Programme& prog;
    AutresFenetres& autres;
    ChoixExercice choix{2, {}};
    PartieColorier partie;
    MobilierPleinEcran* mobilier = nullptr;
    double rapport = 1.0;
    TableauImages* tableau = nullptr;
    PaletteCouleurs* palette = nullptr; // PanelCouleurs
    QWidget* panelJeuTermine = nullptr;
    QWidget* panel1 = nullptr;
    QLabel* labelBR = nullptr;
    QLabel* labelMr = nullptr;
    EtiquetteAppreciation* appreciation = nullptr;
    QPushButton* boutonChanger = nullptr;
    QPushButton* boutonNouveauJeu = nullptr;
    QPushButton* boutonBilan = nullptr;
    QPushButton* bAide = nullptr;
    QPushButton* boutonQuitter = nullptr;
    QWidget* statusBar1 = nullptr;
    BoutonTrames* boutonTrames = nullptr;
    bool quitte = false;
};
