// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Partie.h"

#include <QDialog>

#include <array>

class AutresFenetres;
class MobilierPleinEcran;
class Programme;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The results window at the end of a game: the counts, the pupil's class and name, and as the
// teacher's preferences allow, saving the result, printing a report of it or the exercise.
class TF_bilan : public QDialog {
    Q_OBJECT
  public:
    TF_bilan(Programme& programme, AutresFenetres& autres, QWidget* parent = nullptr);

    // Shows the results of a finished game, modal.
    void Ouvrir(const ResultatPartie& partie);
    // The game the window shows when it is next shown.
    void Preparer(const ResultatPartie& partie) { resultat = partie; }

    void ListerClasses();
    // The pupils of the class of the preferences; why its list could not be read, or empty.
    QString ChargerEleves();

  public slots:
    // Escape and the close button do what the visible, enabled "Annuler" does, and nothing
    // otherwise: after a perfect game saving is the only way out.
    void reject() override;

  protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    void ConstruireScores(QWidget* cadre);
    void ConstruireChoixEleve(QWidget* cadre);
    void ConstruireBoutons(QWidget* cadre);
    QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte, QRect position,
                      bool valeur = false);
    QPushButton* Bouton(QWidget* parent, const QString& nom, const QString& texte, QRect position);
    void FormActivate();
    void MontrerChoixEleve(bool visible);
    void ProposerNom();

    void ListBox3Click();
    void ListBox1Click();
    void Button2Click();
    void SpeedButton1Click();
    void ImprimeExoClick();

    Programme& prog;
    AutresFenetres& autres;
    ResultatPartie resultat;
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
