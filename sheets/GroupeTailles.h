// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QButtonGroup;

// "Nombre de cases": the eight sheet sizes, "Taille 0 (2 x 3)" to "Taille 7 (5 x 7)", one of
// which is chosen. Item k stands for the size index k + 1 of the sheets.
class GroupeTailles : public QGroupBox {
    Q_OBJECT
  public:
    GroupeTailles(const QString& nom, QWidget* parent);

    // Checks the item of a size index, choosing nothing.
    void Montrer(quint8 indexTaille);
    quint8 Choisie() const;
    QButtonGroup* Groupe() const { return groupe; }

  private:
    QButtonGroup* groupe;
};
