// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/ReleveBilans.h"

#include "core/DialogueActive.h"

#include <atomic>
#include <memory>

class DetailEleve;
class QAbstractButton;
class ModeleSuivi;
class MobilierPleinEcran;
class PlateForme;
class Programme;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTableView;
struct ProfilProgramme;

// "Suivi de la classe": who needs help, on what, and whether it gets better, read from the results
// files the programs write (never written here). A class chosen, one row per pupil with, for each
// exercise, the games, the last result, the best rate, the last date and the way the last three
// went; a pupil's games and chart on a second page. It is shown on the folder to read.
class TF_Suivi : public DialogueSur<QString> {
    Q_OBJECT
  public:
    explicit TF_Suivi(Programme& programme, QWidget* parent = nullptr);
    ~TF_Suivi() override;

    // Reads the folder again; false when nothing could be shown (the teacher stopped the reading).
    bool Actualiser();
    void ChoisirClasse(const QString& choix);
    // The pupil of the table's row on the second page; false for the class's row.
    bool MontrerEleve(int ligne);
    void RetourTableau();
    // Sorts the pupils on a column of the model (0: the names); again on the same column
    // reverses the order.
    void TrierPar(int colonne);
    // "Exporter": every game of the pupils shown, one line each, or the table as shown, to a CSV
    // file chosen in the save dialog; false when nothing was written (a French message says why).
    bool Exporter(bool parties);
    // "Imprimer": the table as shown, on A4 landscape pages.
    bool Imprimer();

  public slots:
    // Escape and the close button: back to the table from a pupil's page, else close; during a
    // reading, stop it first.
    void reject() override;

  protected:
    void FormActivate() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    QHBoxLayout* ConstruireEntete(QWidget* parent);
    void ConstruirePageClasse(QWidget* page);
    void ConstruireBoutons(QWidget* cadre);
    QPushButton* Bouton(QWidget* parent, const char* nom, const QString& libelle);
    QMenu* MenuTri(QWidget* parent);
    QMenu* MenuExport(QWidget* parent);
    bool FichierDuProgramme(const QString& chemin) const;
    bool LireEnFond(const ReleveBilans::Inventaire& inventaire, ReleveBilans::Releve& releve);
    void RemplirChoix();
    void MontrerTableau();
    void AjusterColonnes();
    void MontrerPage(int page);
    void Aide();

    Programme& prog;
    const ProfilProgramme& profil;
    PlateForme& plate;
    std::unique_ptr<ReleveBilans::Releve> releve;
    MobilierPleinEcran* mobilier = nullptr;
    QWidget* cadre = nullptr;
    QComboBox* choixClasse = nullptr;
    QStackedWidget* pages = nullptr;
    QTableView* tableau = nullptr;
    QAbstractButton* coin = nullptr; // above the names: sorts on them
    ModeleSuivi* modele = nullptr;
    int policeTableau = 0; // the table's letters, scaled to the screen: the most it takes
    QLabel* resume = nullptr;
    QString quiTableau;    // "Classe CM1", "Toute l'école"
    QString resumeTableau; // who the table shows, before the order it is sorted in
    QLabel* remarques = nullptr;
    DetailEleve* detail = nullptr;
    QList<QPushButton*> boutonsClasse; // shown with the table
    QPushButton* boutonRetour = nullptr;
    std::atomic<bool>* lectureEnCours = nullptr; // set while the folder is read: what stops it
    bool fermerApresLecture = false;
};
