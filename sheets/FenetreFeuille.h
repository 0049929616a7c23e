// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DialogueActive.h"
#include "core/Programme.h"
#include "sheets/DialoguesFeuille.h"
#include "sheets/SerieFeuilles.h"

#include <array>

class ApercuFeuille;
class ColonneFeuille;
class MobilierPleinEcran;
class QButtonGroup;
class QPushButton;

// What the sheet windows of both programs share: the preview at the left, drawn once per change
// of the sheet and described to screen readers; the column of buttons at the right; each showing
// from the menu starting afresh with "Imprimer" waiting for the teacher's first action, which
// then offers it; "Consigne", "Changer" and "Nouveau"; the sheet, its key or a class set printed
// through the print dialog, a failure said in French.
// A sheet window stands on FenetreFeuilleDe, below, which holds its sheet. It builds its column
// with the pieces here, from top to bottom, so that Tab follows the buttons, then calls Terminer.
class FenetreFeuille : public DialogueActive {
    Q_OBJECT
  public:
    ApercuFeuille* Apercu() const { return image1; }

  protected:
    FenetreFeuille(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent);

    // The column's pieces, placed in the 800 x 600 design.
    ColonneFeuille& Colonne() const { return *panel1; }
    // "Jeu n° 1" to "Jeu n° 3", 30 pixels apart from `haut`, heard with the names of the
    // exercises; the window chooses what a click on them does.
    QButtonGroup* AjouterJeux(int haut, const std::array<const char*, 3>& exercices);
    void AjouterConsigne(int haut);
    // "Changer" at `haut` and "Nouveau" under it, heard as nomNouveau when there is one.
    void AjouterChangerEtNouveau(int haut, const QString& nomNouveau = {});
    // "Imprimer" at `haut`, "Corrigé et série" under it, "Quitter" at the foot.
    void AjouterImpression(int haut);
    // Once the column is built.
    void Terminer();

    // After an action of the teacher: the column shows the sheet, the preview is drawn again
    // only if the sheet changed, and "Imprimer" is offered.
    void Agir(bool change);

    // The window's own sheet.
    // Each showing from the menu: the sheet as it starts.
    virtual void Reinitialiser() = 0;
    // The column shows the sheet's settings, choosing nothing.
    virtual void MontrerReglages() = 0;
    virtual void Dessiner(QPainter& peintre, QSize surface) const = 0;
    virtual QString Description() const = 0;
    // Its dialogs, asked by "Consigne" and "Changer"; true when the sheet changed.
    virtual bool ChangerConsigne() = 0;
    virtual bool ChangerTaille() = 0;
    // "Nouveau": new tables, or new colours.
    virtual void Nouveau() = 0;
    // Its prints: how the pages are turned, the sheet or its key on one page, a class set.
    virtual QPageLayout::Orientation Orientation() const = 0;
    virtual bool ImprimerLaFeuille(const Destination& vers, bool corrige) const = 0;
    virtual bool ImprimerLaSerie(const Destination& vers, const ChoixSerie& choix, Hasard& hasard,
                                 const Progression& progression) const = 0;

    void resizeEvent(QResizeEvent* evenement) override;

    Programme& prog;
    DialoguesFeuille& dialogues;

  private:
    void FormActivate() override;
    void AfficherApercu();
    void Imprimer();
    void PreparerSerie();

    MobilierPleinEcran* mobilier = nullptr;
    ApercuFeuille* image1 = nullptr;
    ColonneFeuille* panel1 = nullptr;
    QPushButton* boutonImprimer = nullptr;
};

// The sheet window of one kind of sheet. Its rules, TypePreparation (PreparationFeuille,
// PreparationVoiliers), hold the sheet: Reinitialiser(consigne du programme), Consigne(),
// ChangerConsigne, TailleImp(), ChangerTaille, Nouveau and Feuille(). The sheet's kind gives how
// it is drawn and printed (DessinerSurApercu, DescriptionFeuille and what SerieFeuilles asks).
// The window adds its own buttons and shows its settings; one whose sheet has more than one
// instruction or size asks its own dialogs for them.
template <class TypePreparation> class FenetreFeuilleDe : public FenetreFeuille {
  public:
    const TypePreparation& Preparation() const { return preparation; }

  protected:
    FenetreFeuilleDe(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
        : FenetreFeuille(programme, dialogues, parent), preparation(programme.Aleatoire()) {}

    // The results window prints a game's table under the instruction of the last sheet.
    void Reinitialiser() override {
        preparation.Reinitialiser(prog.Consigne);
        prog.Consigne = preparation.Consigne();
    }
    bool ChangerConsigne() override {
        QString consigne = preparation.Consigne();
        const bool change = dialogues.ChoisirConsigne(consigne) && preparation.ChangerConsigne(consigne);
        prog.Consigne = preparation.Consigne();
        return change;
    }
    bool ChangerTaille() override {
        quint8 taille = preparation.TailleImp();
        return dialogues.ChoisirTailleImp(taille) && preparation.ChangerTaille(taille);
    }
    void Nouveau() override { preparation.Nouveau(); }

    void Dessiner(QPainter& peintre, QSize surface) const override {
        DessinerSurApercu(peintre, surface, preparation.Feuille());
    }
    QString Description() const override { return DescriptionFeuille(preparation.Feuille()); }
    QPageLayout::Orientation Orientation() const override { return OrientationPages(preparation.Feuille()); }
    bool ImprimerLaFeuille(const Destination& vers, bool corrige) const override {
        return corrige ? ImprimerCorrige(vers, preparation.Feuille())
                       : ImprimerFeuille(vers, preparation.Feuille());
    }
    bool ImprimerLaSerie(const Destination& vers, const ChoixSerie& choix, Hasard& hasard,
                         const Progression& progression) const override {
        return ImprimerSerie(vers, preparation.Feuille(), choix, hasard, progression);
    }

    TypePreparation preparation;
};
