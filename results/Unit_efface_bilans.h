// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class PlateForme;
class QLabel;
class QListWidget;
class QPushButton;

// The report manager: whether the general results file exists, which pupils' results files
// the folder holds, and erasing either, after a question and to the trash where there is one.
class TF_efface_bilans : public QDialog {
    Q_OBJECT
  public:
    // fichierGeneral: the name of the general results file.
    TF_efface_bilans(PlateForme& plate, const QString& fichierGeneral, QWidget* parent = nullptr);

    // The results files of the program folder dossier, modal.
    void Gerer(const QString& dossier);
    // The folder the window shows when it is next shown.
    void Preparer(const QString& dossierBilans) { dossier = dossierBilans; }

  protected:
    void showEvent(QShowEvent* evenement) override;
    void done(int resultat) override;

  private:
    void FormActivate();
    void Relire();
    void EffacerBilanGeneral();
    void EffacerBilansIndividuels();
    void Resultat(const QString& texte);

    PlateForme& plate;
    QString dossier;
    QString fichierGeneral;
    QLabel* label2 = nullptr;
    QLabel* label1 = nullptr;
    QListWidget* listBox1 = nullptr;
    QPushButton* boutonEffaceG = nullptr;
    QPushButton* boutonEffaceI = nullptr;
    QPushButton* boutonQuitter = nullptr; // Bouton_Quitter
};
