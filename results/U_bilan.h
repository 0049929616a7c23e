// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Partie.h"
#include "results/FichiersBilans.h"

#include "core/DialogueActive.h"

#include <array>

class AutresFenetres;
struct Bilan;
class MobilierPleinEcran;
class Programme;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// What the results window is given besides the game: where it saves and what the teacher's
// preferences let the pupil do, the class proposed and the name given last in this run.
struct ReglagesBilan {
    DestinationBilan Destination; // its class: the one picked last, a proposal until clicked
    bool ImprimerResultats = false;
    bool ImprimerExercice = false;
    QString NomEleve; // empty: nobody has given a name yet in this run
};

// What the pupil left when the window closed: the class picked (empty: none, or a typed name)
// and the name last saved or printed, for the next results window to propose.
struct ChoixEleve {
    QString Classe;
    QString NomEleve;
};

// The results window at the end of a game: the counts, the pupil's class and name, and as the
// teacher's preferences allow, saving the result, printing a report of it or the exercise.
class TF_bilan : public DialogueActive {
    Q_OBJECT
  public:
    TF_bilan(Programme& programme, AutresFenetres& autres, QWidget* parent = nullptr);

    // Shows the results of a finished game, modal; what the pupil chose.
    ChoixEleve Ouvrir(const ResultatPartie& partie, const ReglagesBilan& reglagesBilan);
    // The game the window shows when it is next shown.
    void Preparer(const ResultatPartie& partie, const ReglagesBilan& reglagesBilan);
    ChoixEleve Choix() const { return {reglages.Destination.Classe, reglages.NomEleve}; }

    void ListerClasses();
    // The pupils of the class proposed or picked; why its list could not be read, or empty.
    QString ChargerEleves();

  public slots:
    // Escape and the close button do what the visible, enabled "Annuler" does, and nothing
    // otherwise: after a perfect game saving is the only way out.
    void reject() override;

  protected:
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    void ConstruireScores(QWidget* cadre);
    void ConstruireChoixEleve(QWidget* cadre);
    void ConstruireBoutons(QWidget* cadre);
    QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte, QRect position,
                      bool valeur = false);
    QPushButton* Bouton(QWidget* parent, const QString& nom, const QString& texte, QRect position);
    void FormActivate() override;
    void MontrerChoixEleve(bool visible);
    void MontrerClasseChoisie();
    void ProposerNom();

    void ChoisirClasse(const QListWidgetItem* entree);
    void ChoisirEleve(const QListWidgetItem* entree);
    void Enregistrer();
    void ImprimerBilan();
    void ImprimerLExercice();

    Programme& prog;
    AutresFenetres& autres;
    Bilan Composer();

    ResultatPartie resultat;
    ReglagesBilan reglages;
    MobilierPleinEcran* mobilier = nullptr;
    QWidget* shape1 = nullptr;
    QLabel* labelScore = nullptr;
    QLabel* labelScore23 = nullptr;
    QLabel* nbTotalB = nullptr;
    QLabel* erreurs = nullptr;
    std::array<QLabel*, 4> libellesDetail{};
    std::array<QLabel*, 4> valeursDetail{}; // BR1, BR2, Erreurs1, Erreurs2
    QLabel* consigneEleve = nullptr;        // Label8
    QList<QWidget*> titresListes;
    QListWidget* listeClasses = nullptr;      // ListBox3
    QListWidget* listeEleves = nullptr;       // ListBox1
    QLineEdit* champNom = nullptr;            // Edit1
    QPushButton* boutonEnregistrer = nullptr; // Button2
    QPushButton* boutonOK = nullptr;          // Button1
    QPushButton* boutonAnnuler = nullptr;
    QPushButton* boutonImprimerBilan = nullptr; // SpeedButton1
    QPushButton* imprimeExo = nullptr;
};
