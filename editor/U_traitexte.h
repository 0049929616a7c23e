// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/TexteEnCours.h"

#include "core/DialogueActive.h"

#include <chrono>

class MobilierPleinEcran;
class Programme;
class QAction;
class QMenu;
class ZoneTexte;

// The text editor of both programs: rich or plain texts of the teacher's, and the results files
// the menu hands over. Full screen, held at the menu's place; every way out asks before a
// change is lost. It is shown on the text asked for.
class TF_Traitexte : public DialogueSur<TexteAOuvrir> {
    Q_OBJECT
  public:
    explicit TF_Traitexte(Programme& programme, QWidget* parent = nullptr);
    ~TF_Traitexte() override;

    TexteEnCours& Texte() { return texte; }
    ZoneTexte* RichEdit1() const { return richEdit1; }
    MobilierPleinEcran& Mobilier() const { return *mobilier; }

    // A file is read in slices, between which the window answers; a reading longer than
    // delaiProgression shows a progress bar whose "Annuler" stops it.
    std::chrono::milliseconds delaiProgression{300};
    std::chrono::milliseconds tranche{40};

  public slots:
    // Escape and the close button do what "&Quitter" does.
    void reject() override;

  protected:
  private:
    void ConstruireMenu();
    QAction* Entree(QMenu* menu, const char* nom, const QString& libelle, void (TF_Traitexte::*action)(),
                    const QKeySequence& raccourci = {});
    void Montrer(QTextDocument& document);
    bool LireEnMontrantLAvancement(FichierEditeur::Lecture& lecture, const QString& chemin);
    void FormActivate() override;
    void Actualiser();
    void Apres(void (TexteEnCours::*commande)());

    void Nouveau();
    void OuvrirFichier();
    void Enregistrer();
    void EnregistrerSous();
    void Imprimer();
    void Quitter();
    void ChoisirPolice();
    void AlignerAGauche();
    void Centrer();
    void AlignerADroite();
    void AfficherAide();

    Programme& prog;
    ZoneTexte* richEdit1;
    TexteEnCours texte;
    MobilierPleinEcran* mobilier = nullptr;
    QAction* enregistrer1 = nullptr;
};
