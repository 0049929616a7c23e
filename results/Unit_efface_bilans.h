// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Programme;
class QLabel;
class QListWidget;
class QPushButton;

// The report manager: whether the general results file exists, which pupils' results files
// the folder holds, and erasing either, after a question and to the trash where there is one.
class TF_efface_bilans : public QDialog {
    Q_OBJECT
  public:
    explicit TF_efface_bilans(Programme& programme, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* evenement) override;
    void done(int resultat) override;

  private:
    void FormActivate();
    void Relire();
    void BoutonEffaceGClick();
    void BoutonEffaceIClick();
    void Resultat(const QString& texte);

    Programme& prog;
    QLabel* label2 = nullptr;
    QLabel* label1 = nullptr;
    QListWidget* listBox1 = nullptr;
    QPushButton* boutonEffaceG = nullptr;
    QPushButton* boutonEffaceI = nullptr;
    QPushButton* boutonQuitter = nullptr; // Bouton_Quitter
};
