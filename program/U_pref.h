// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Mosaique.h"

#include "core/DialogueActive.h"

#include <array>
#include <utility>

class MobilierPleinEcran;
class Programme;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QPushButton;

// The teacher's preferences: background pictures, table size and size changes per exercise,
// what is recorded and what pupils may print. "Valider" writes the file, "Annuler" (or
// Escape) puts back what was loaded.
class TF_preferences : public DialogueActive {
    Q_OBJECT
  public:
    explicit TF_preferences(Programme& programme, QWidget* parent = nullptr);

    // Rereads the file into the record, shows it and keeps the copy that "Annuler" puts back.
    // The main menu calls it when it is first shown; the window at creation and each opening.
    // What stood in the way of the file, in French; empty when nothing did.
    QString ChargerPreferences();

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    bool focusNextPrevChild(bool suivant) override;

  private:
    void FormActivate() override;
    void AfficherValeurs();
    void AfficherImage(int tag);

    void ConstruirePanneauImage(int tag, const QRect& position);
    void ConstruirePanneauJeu(int numJeu, const QRect& position);
    QGroupBox* ConstruireModifChoix(int numJeu, QWidget* panneau);
    QGroupBox* ConstruireNbCases(int numJeu, QWidget* panneau);
    std::pair<QGroupBox*, QButtonGroup*> NouveauGroupe(int numJeu, QWidget* panneau, const QString& nom,
                                                       const QString& titre);
    void Relier(QButtonGroup* boutons, int numJeu, void (TF_preferences::*choisir)(int, int));
    void ConstruireCasesACocher();
    void ConstruireBoutons();
    QCheckBox* NouvelleCase(QWidget* parent, const char* nom, const QString& libelle, const QRect& position);

    void PermettreChangement(int numJeu, int item);
    void ChoisirTaille(int numJeu, int item);
    void PermettreImpressionExercice(bool coche);
    void ImprimerEnCouleurs(bool coche);
    void ChangerImage(int tag);
    void PaintBox1Paint(int tag);
    void Valider();

    // The picture shown for entry tag: the chosen one if it exists, else the default one if
    // it exists, else none.
    QString ImageExistante(int tag) const;

    Programme& prog;
    std::array<QFrame*, 2> paintBox{};
    std::array<Mosaique, 2> mosaiques;
    std::array<QButtonGroup*, 3> modifChoix{};
    std::array<QButtonGroup*, 3> nbCasesJeu{};
    QCheckBox* caseEnregistrer = nullptr;
    QCheckBox* caseImprimerResultats = nullptr;
    QCheckBox* caseImprimerExercice = nullptr;
    QCheckBox* caseCouleurs = nullptr; // only where the printed sheets may be in black and white
    QCheckBox* caseBilansIndividuels = nullptr;
    QPushButton* boutonValider = nullptr;
    QPushButton* boutonAnnuler = nullptr;
    MobilierPleinEcran* mobilier = nullptr;
};
