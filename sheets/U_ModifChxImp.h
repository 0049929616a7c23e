// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class GroupeTailles;
class PlateForme;
class QLabel;

// The size of a sheet of layouts 1 to 4, and of navirelle's sheet: "Taille 0 (2 x 3)" to
// "Taille 7 (5 x 7)". "OK" keeps the size chosen; "Annuler", Escape and the close button the
// size the window opened with. In navirelle a heading reads "Préparation".
class TF_ModifImp : public QDialog {
    Q_OBJECT
  public:
    // enTete: the heading over the sizes; empty: none.
    TF_ModifImp(PlateForme& plate, const QString& enTete, QWidget* parent = nullptr);

    // Opens on the size index 1..8, modal, and writes the choice back on "OK"; true when it changed.
    bool Choisir(quint8& tailleImp);
    void Preparer(quint8 tailleImp) { tailleAvant = tailleImp; }
    quint8 TailleChoisie() const;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    PlateForme& plate;
    QString enTete;
    QLabel* numeroJeu = nullptr;
    GroupeTailles* nbCasesJeu1;
    quint8 tailleAvant = 1;
};
