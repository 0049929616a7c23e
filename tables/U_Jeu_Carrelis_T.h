#pragma once

#include "core/FenetreExercice.h"
#include "tables/DispositionJeu.h"
#include "tables/PartieCarrelis.h"

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
    int NbReponses() const { return partie.NbReponses(); }
    int TailleCase() const { return tailleCase; }
    QPoint CaseCourante() const { return partie.CaseCourante(); }
    const PartieCarrelis& Partie() const { return partie; }

    // Sets up the exercise chosen in the menu and shows the window.
    void Ouvrir(const ChoixExercice& choisi) override;
    const ChoixExercice& Choix() const { return choix; }
    const Tableau& TableauJoue() const { return partie.TableauJoue(); }
    const CompteursResultat& Compteurs() const { return partie.Compteurs(); }
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
    void MontrerEtape();
    void MontrerCaseCourante(bool annoncer);
    void AfficherReponse();
    void MontrerJugement(const PartieCarrelis::Reponse& reponse);

    void NouveauClick();
    void ChangerClick();
    void BoutonBilanClick();
    void BAideClick();
    void Timer3Timer();

    Programme& prog;
    AutresFenetres& autres;
    ChoixExercice choix;
    PartieCarrelis partie;
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

    int tailleCase = 0;
    double rapport = 1.0;
};
