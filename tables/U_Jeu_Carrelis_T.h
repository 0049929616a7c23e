// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/DispositionJeu.h"
#include "tables/SaisieReponse.h"

#include "core/FenetreExercice.h"
#include "core/Partie.h"
#include "tables/Tableau.h"

#include <QPoint>

#include <array>

class CaseTableau;
class AutresFenetres;
class MobilierPleinEcran;
class Programme;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ZoneReponse;

// The window in which the pupil plays the three table exercises: choose a cell to be found,
// type the number, Enter; every answer is judged at once and counted.
class TF_Jeu_Carrelis_T : public FenetreExercice {
    Q_OBJECT
  public:
    TF_Jeu_Carrelis_T(Programme& programme, AutresFenetres& autres, QWidget* parent = nullptr);

    CaseTableau* Cellule(int c, int r) const { return cases[c][r]; }
    int NbReponses() const { return nbReponses; }
    int TailleCase() const { return tailleCase; }
    QPoint CaseCourante() const { return courante; }
    const SaisieReponse& Saisie() const { return saisie; }

    // Sets up the exercise chosen in the menu and shows the window.
    void Ouvrir(const ChoixExercice& choisi) override;
    const ChoixExercice& Choix() const { return choix; }
    const Tableau& TableauJoue() const { return tableau; }
    const CompteursResultat& Compteurs() const { return compteurs; }
    // A new table of the current exercise's size.
    void MiseEnPlace();

  protected:
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void FormCreate();
    void ConstruireCases();
    void ConstruireColonneDroite();
    QPushButton* NouveauBouton(QWidget* parent, const QString& nom, const QString& libelle, int y);
    void ConstruireBarreDEtat();
    void FormActivate();
    void PlacerCadreEtCases();
    void AfficherEntetes();
    void AjusterPolice();
    void AnnoncerCase(int c, int r, const QString& etat = {});
    void AfficherCompteur(QLabel* compteur, int valeur, bool annoncer);

    void CaseAppuyee(CaseTableau* caseTableau);
    void CaseCliquee(CaseTableau* caseTableau);
    void CommencerSaisie();
    void AllerACase(QPoint position);
    void AfficherReponse();
    bool ToucheFleche(int touche);
    void ToucheFrappee(int touche, const QString& texte);
    void VerifierReponse();
    void TableauTermine();

    void NouveauClick();
    void ChangerClick();
    void BoutonBilanClick();
    void BAideClick();
    void Timer3Timer();

    Programme& prog;
    AutresFenetres& autres;
    ChoixExercice choix;
    Tableau tableau;
    CompteursResultat compteurs;
    std::array<std::array<CaseTableau*, 12>, 12> cases{};
    MobilierPleinEcran* mobilier = nullptr;
    QWidget* panel2 = nullptr;
    QWidget* colonneDroite = nullptr;
    QWidget* statusBar1 = nullptr;
    ZoneReponse* pReponse = nullptr;
    QLineEdit* pourcurseur = nullptr;
    QLabel* compteurSc = nullptr;
    QLabel* compteurMr = nullptr;
    QLabel* resultat = nullptr;
    QPushButton* nouveau = nullptr;
    QPushButton* changer = nullptr;
    QPushButton* boutonBilan = nullptr;
    QPushButton* bAide = nullptr;
    QPushButton* boutonQuitter = nullptr; // SpeedButton1
    QTimer* clignotement = nullptr;       // Timer2: the caret
    QTimer* effacementResultat = nullptr; // Timer3: "Juste"/"Faux" go after 5 s

    SaisieReponse saisie;
    QPoint courante{-1, -1};
    int nbReponses = 0;
    int tailleCase = 0;
    double rapport = 1.0;
};
