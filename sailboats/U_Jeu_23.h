// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/FenetreJeuVoiliers.h"
#include "sailboats/PartieColorier.h"

class PaletteCouleurs;
class QLabel;

// Navirelle's exercises 2 and 3: the pupil chooses a colour in the palette and paints the sails
// and hulls of the boats (and, in exercise 3, the headers), with the mouse, from the keyboard or
// through a screen reader. One window serves both; the menu says which.
class TF_Jeu_23 : public FenetreJeuVoiliersDe<PartieColorier> {
    Q_OBJECT
  public:
    TF_Jeu_23(Programme& programme, AutresFenetres& autres, ImpressionVoiliers imprimer,
              QWidget* parent = nullptr);

    // Sets up a new game of the exercise chosen (2 or 3), on blue, and shows the window.
    void Ouvrir(const ChoixExercice& choisi) override;
    PaletteCouleurs* Palette() const { return palette; }

  protected:
    bool NouvellePartie(int taille) override;
    void Disposer() override;
    void Redessiner() override;
    void TramerAussi(bool actives, int echelle) override;
    QWidget* PlaceDuJeu() override;
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    void ConnecterImages();
    void ConstruireColonneDroite();
    QLabel* Compteur(QWidget* colonne, const char* nom, const char* titre, const QColor& fond, int y,
                     const char* nomCompteur, const QColor& encre);
    void DessinerEntete(PartieBateau partie, int numero);
    void DessinerCase(int ligne, int colonne);

    void EnteteCliquee(PartieBateau partie, int numero);
    void CaseAppuyee(int ligne, int colonne, QPoint position);
    void Colorier(PartieBateau partie, int ligne, int colonne);
    void Juger(PartieColorier::Effet effet);
    void ToucheJouee(QPoint cadre, int touche);

    PaletteCouleurs* palette = nullptr; // PanelCouleurs
    QWidget* colonneDroite = nullptr;   // Panel1: counters, "Juste"/"Faux" and the commands
};
