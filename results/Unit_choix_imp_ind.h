// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TexteAOuvrir.h"

#include <QDialog>

#include <optional>

class PlateForme;
class QLabel;
class QListWidget;
class QPushButton;

// The report chooser: a class, then a pupil who has a results file, whose file the menu then
// opens in the text editor.
class TF_choix_imp_ind : public QDialog {
    Q_OBJECT
  public:
    explicit TF_choix_imp_ind(PlateForme& plate, QWidget* parent = nullptr);

    // Lists the results files of dossier, modal; the pupil's file, or nothing when the teacher
    // chose none.
    std::optional<TexteAOuvrir> Choisir(const QString& dossier);
    // The folder the window lists when it is next shown.
    void Preparer(const QString& dossierBilans) { dossier = dossierBilans; }
    // The file chosen so far; empty when none.
    const QString& FichierChoisi() const { return fichier; }

  public slots:
    // Escape and the close button leave without a file: the editor does not open.
    void reject() override;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    void FormActivate();
    void ListerEleves();
    void ChoisirClasse();
    void ChoisirEleve();
    void Valider();
    void Message(const QString& texte);

    PlateForme& plate;
    QString dossier;
    QString classeChoisie;
    QString fichier;
    bool sansClasse = false; // SansClasse: the folder holds no class list
    QListWidget* listBox3 = nullptr;
    QListWidget* listBox1 = nullptr;
    QLabel* label2 = nullptr;
    QPushButton* boutonValider = nullptr; // Bouton_Quitter
};
