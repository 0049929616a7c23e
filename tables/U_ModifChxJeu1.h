// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Programme;
class QButtonGroup;
class QLabel;

// The size chooser opened by "Changer" during play: the chosen size goes straight into the size
// of the exercise being played; Cancel puts back the size it had when the window opened.
class TF_ModifCh1 : public QDialog {
    Q_OBJECT
  public:
    explicit TF_ModifCh1(Programme& programme, QWidget* parent = nullptr);

    // Opens for exercise numJeu (1..3; 0: the sheets) and returns when the pupil is done.
    void Choisir(int numJeu);
    // The exercise the window serves when it is next shown.
    void Preparer(int jeu) { numJeu = jeu; }

    QButtonGroup* NbCasesJeu1() const { return nbCasesJeu1; }
    QLabel* NumeroJeu() const { return numeroJeu; }

  public slots:
    // Escape and the close button cancel like "Annuler": the size clicked does not stay.
    void reject() override;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    void FormActivate();
    void NbCasesJeu1Click(int item);
    quint8& TailleCourante();

    Programme& prog;
    QLabel* numeroJeu;
    QButtonGroup* nbCasesJeu1;
    quint8 TailleAvant = 3;
    int numJeu = 1;
};
