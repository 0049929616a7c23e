// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DialogueActive.h"
#include "core/MobilierPleinEcran.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>

#include <array>
#include <utility>

class Programme;

// A sheet dialog that chooses a value (an instruction, a size, or three of them): opened modally
// on the value in force, which its controls show; what the teacher keeps ("OK", "&Valider") is
// written back, and "Annuler", Escape and the close button change nothing.
template <class Valeur> class DialogueChoix : public DialogueSur<Valeur> {
  public:
    // Opens on `valeur`, modal, and writes the choice back when it is kept; true when it changed.
    bool Choisir(Valeur& valeur) {
        if (this->Ouvrir(valeur) != QDialog::Accepted) return false;
        Valeur choisie = Choisie();
        if (choisie == valeur) return false;
        valeur = std::move(choisie);
        return true;
    }
    // The value the controls show as chosen now.
    virtual Valeur Choisie() const = 0;

  protected:
    DialogueChoix(Valeur depart, QWidget* parent, Qt::WindowFlags drapeaux = {})
        : DialogueSur<Valeur>(std::move(depart), parent, drapeaux) {}

    // At each showing from another window: the controls show `valeur`, the keyboard on it.
    virtual void Montrer(const Valeur& valeur) = 0;

    void FormActivate() override { Montrer(this->Ouverte()); }
};

// The furniture of the full-screen dialogs of "3 diff.": name, caption and spoken name, the pale
// background, the sheets' help, and the menu's geometry held while shown. The dialog scales
// itself with it once its controls are built.
MobilierPleinEcran* OuvrirPleinEcran(QDialog& dialogue, Programme& prog, const QString& nom,
                                     const QString& titre, const QString& nomAccessible);

// The full-screen dialog of "3 diff." that chooses a Valeur for each of its three tables, one
// Section each (SectionConsigne, GroupeTailles: Montrer(valeur), Choisie(), Groupe()). The
// dialog builds its sections and buttons, then calls Terminer.
template <class Section, class Valeur> class DialogueTrois : public DialogueChoix<std::array<Valeur, 3>> {
  public:
    std::array<Valeur, 3> Choisie() const override {
        return {sections[0]->Choisie(), sections[1]->Choisie(), sections[2]->Choisie()};
    }

  protected:
    DialogueTrois(Programme& prog, const QString& nom, const QString& titre, const QString& nomAccessible,
                  std::array<Valeur, 3> depart, QWidget* parent)
        : DialogueChoix<std::array<Valeur, 3>>(std::move(depart), parent),
          mobilier(OuvrirPleinEcran(*this, prog, nom, titre, nomAccessible)) {}

    void Montrer(const std::array<Valeur, 3>& valeurs) override {
        for (size_t i = 0; i < 3; ++i)
            sections[i]->Montrer(valeurs[i]);
        if (QAbstractButton* choix = sections[0]->Groupe()->checkedButton())
            choix->setFocus(Qt::OtherFocusReason);
    }
    void Terminer() { mobilier->MettreAEchelle(); }

    std::array<Section*, 3> sections{};

  private:
    MobilierPleinEcran* mobilier;
};
