// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Programme;
class QLabel;
class QListWidget;
class QPushButton;

// The report chooser: a class, then a pupil who has a results file, whose file the menu then
// opens in the text editor (Programme::FichierAOuvrir; empty when nothing was chosen).
class TF_choix_imp_ind : public QDialog {
    Q_OBJECT
  public:
    explicit TF_choix_imp_ind(Programme& programme, QWidget* parent = nullptr);

  public slots:
    // Escape and the close button leave without a file: the editor does not open.
    void reject() override;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    void FormActivate();
    void ListerEleves();
    void ListBox3Click();
    void ListBox1Click();
    void Bouton_QuitterClick();
    void Message(const QString& texte);

    Programme& prog;
    bool sansClasse = false; // SansClasse: the folder holds no class list
    QListWidget* listBox3 = nullptr;
    QListWidget* listBox1 = nullptr;
    QLabel* label2 = nullptr;
    QPushButton* boutonValider = nullptr; // Bouton_Quitter
};
