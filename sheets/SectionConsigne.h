// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// One instruction choice of the instruction dialogs: the "Consigne" group of three items, the
// default instruction written beside it and the field for the teacher's own. The field keeps
// the last text typed between showings, whatever item is chosen.
class SectionConsigne : public QWidget {
    Q_OBJECT
  public:
    // n numbers the controls as the dialog's units do: RadioGroupN, LabelN, EditN.
    SectionConsigne(int n, QWidget* parent);

    // Shows the item that `consigne` reads as, its text in the field for the third one.
    void Montrer(const QString& consigne);
    // The instruction of the item chosen.
    QString Choisie() const;
    int Item() const;

    QButtonGroup* Groupe() const { return groupe; }
    QLineEdit* Champ() const { return champ; }

  signals:
    void Choisi(int item);

  private:
    void ChoisirConsigne(int item);

    QGroupBox* cadre;
    QButtonGroup* groupe;
    QLabel* defaut;
    QLineEdit* champ;
};
