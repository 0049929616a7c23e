// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FenetreExercice.h"
#include "tables/DispositionJeu.h"
#include "tables/GrilleCarrelis.h"
#include "tables/PartieCarrelis.h"

class CaseTableau;
class QLineEdit;
class QTimer;
class ZoneReponse;

// The window in which the pupil plays the three table exercises: choose a cell to be found,
// type the number, Enter. The rules are the game's (PartieCarrelis); the window lays out the
// table, turns the mouse and the keys into moves of the game and shows what they did.
class TF_Jeu_Carrelis_T : public FenetreExercice {
    Q_OBJECT
  public:
    // Prints a table played, alone on a page ("Imprimer l'exercice" of the results); false when
    // the page refused it. The program gives its sheets' drawing.
    using ImpressionTableau = std::function<bool(const Destination&, const Tableau&, const ChoixExercice&)>;

    TF_Jeu_Carrelis_T(Programme& programme, AutresFenetres& autres, ImpressionTableau imprimer,
                      QWidget* parent = nullptr);

    CaseTableau* Cellule(int c, int r) const { return grille->Cellule(c, r); }
    int NbReponses() const { return partie.NbReponses(); }
    int TailleCase() const { return tailleCase; }
    QPoint CaseCourante() const { return partie.CaseCourante(); }
    const PartieCarrelis& Partie() const { return partie; }
    const Tableau& TableauJoue() const { return partie.TableauJoue(); }

  protected:
    bool MettreEnPlace(int taille) override;
    QWidget* PlaceDuJeu() override;
    QWidget* PlaceApresChangement() override { return PlaceDuJeu(); }
    void MontrerEtape() override;
    std::function<bool(const Destination&)> ImpressionExercice() const override;

    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void ConstruireColonneDroite();
    void ConstruireClavier();
    void PlacerTableau();

    void CaseAppuyee(CaseTableau* caseTableau);
    void CaseCliquee(CaseTableau* caseTableau);
    void MontrerCaseCourante(bool annoncer);
    void AfficherReponse();
    void MontrerJugement(const PartieCarrelis::Reponse& reponse);

    ImpressionTableau imprimer;
    PartieCarrelis partie;
    GrilleCarrelis* grille = nullptr;   // Panel2 and the cells
    QWidget* colonneDroite = nullptr;   // counters, "Juste"/"Faux" and the commands
    ZoneReponse* zoneReponse = nullptr; // PReponse, over the current cell
    QLineEdit* clavier = nullptr;       // Pourcurseur: receives the keys
    QTimer* clignotement = nullptr;     // Timer2: the caret
    int tailleCase = 0;
};
