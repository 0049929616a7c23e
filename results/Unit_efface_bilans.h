// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DialogueListe.h"
#include "results/EffacementBilans.h"

class QPushButton;

// The report manager: whether the general results file exists, which pupils' results files
// the folder holds, and erasing either, after a question and to the trash where there is one.
class TF_efface_bilans : public DialogueListe {
    Q_OBJECT
  public:
    // fichierGeneral: the name of the general results file.
    TF_efface_bilans(PlateForme& plate, const QString& fichierGeneral, QWidget* parent = nullptr);

    // The results files of the program folder dossier, modal.
    void Gerer(const QString& dossier);
    // The folder the window shows when it is next shown.
    void Preparer(const QString& dossierBilans) { dossier = dossierBilans; }

  private:
    void FormActivate() override;
    void Vider() override;
    void Relire();
    void EffacerBilanGeneral();
    void EffacerBilansIndividuels();
    void Montrer(const EffacementBilans::CompteRendu& compte, const QPushButton* bouton);

    QString dossier;
    QString fichierGeneral;
    QLabel* label2 = nullptr;
    QLabel* label1 = nullptr;
    QListWidget* listBox1 = nullptr;
    QPushButton* boutonEffaceG = nullptr;
    QPushButton* boutonEffaceI = nullptr;
    QPushButton* boutonQuitter = nullptr; // Bouton_Quitter
};
