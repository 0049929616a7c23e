// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialogueChoix.h"

class GroupeTailles;
class PlateForme;
class QLabel;

// The size of a sheet of layouts 1 to 4, and of navirelle's sheet: "Taille 0 (2 x 3)" to
// "Taille 7 (5 x 7)", as a size index 1..8. In navirelle a heading reads "Préparation".
class TF_ModifImp : public DialogueChoix<quint8> {
    Q_OBJECT
  public:
    // enTete: the heading over the sizes; empty: none.
    TF_ModifImp(PlateForme& plate, const QString& enTete, QWidget* parent = nullptr);

    quint8 Choisie() const override;

  protected:
    void Montrer(const quint8& tailleImp) override;

  private:
    PlateForme& plate;
    QString enTete;
    QLabel* numeroJeu = nullptr;
    GroupeTailles* nbCasesJeu1;
};
