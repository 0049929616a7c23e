// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class PlateForme;
class QButtonGroup;
class QLabel;

// The size chooser opened by "Changer" during play: the size the pupil clicked last, once
// confirmed; Cancel keeps the size the exercise had.
class TF_ModifCh1 : public QDialog {
    Q_OBJECT
  public:
    // enTeteJeu: the heading for an exercise, %1 its number.
    TF_ModifCh1(PlateForme& plate, const QString& enTeteJeu, QWidget* parent = nullptr);

    // Opens for exercise numJeu (1..3; 0: the sheets) whose size is taille (1..7); the size
    // chosen, or nothing when the pupil cancelled.
    std::optional<quint8> Choisir(int numJeu, quint8 taille);
    // The exercise and size the window shows when it is next shown.
    void Preparer(int jeu, quint8 taille);
    // The size clicked last.
    quint8 Taille() const { return tailleChoisie; }

    QButtonGroup* NbCasesJeu1() const { return nbCasesJeu1; }
    QLabel* NumeroJeu() const { return numeroJeu; }

  public slots:
  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    void FormActivate();
    void ChoisirTaille(int item);

    QString enTeteJeu;
    QLabel* numeroJeu;
    QButtonGroup* nbCasesJeu1;
    quint8 tailleChoisie = 3;
    int numJeu = 1;
};
