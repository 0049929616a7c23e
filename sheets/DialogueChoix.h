// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QShowEvent>

#include <utility>

class MobilierPleinEcran;
class Programme;

// A sheet dialog that chooses a value (an instruction, a size, or three of them): opened modally
// on the value in force, which its controls show at each showing; what the teacher keeps ("OK",
// "&Valider") is written back, and "Annuler", Escape and the close button change nothing.
template <class Valeur> class DialogueChoix : public QDialog {
  public:
    // Opens on `valeur`, modal, and writes the choice back when it is kept; true when it changed.
    bool Choisir(Valeur& valeur) {
        Preparer(valeur);
        if (exec() != QDialog::Accepted) return false;
        Valeur choisie = Choisie();
        if (choisie == valeur) return false;
        valeur = std::move(choisie);
        return true;
    }
    // The value the controls show when the window is next shown.
    void Preparer(const Valeur& valeur) { ouverte = valeur; }
    // The value the controls show as chosen now.
    virtual Valeur Choisie() const = 0;

  protected:
    DialogueChoix(Valeur depart, QWidget* parent, Qt::WindowFlags drapeaux = {})
        : QDialog(parent, drapeaux), ouverte(std::move(depart)) {}

    // At each showing from another window: the controls show `valeur`, the keyboard on it.
    virtual void Montrer(const Valeur& valeur) = 0;

    void showEvent(QShowEvent* evenement) override {
        QDialog::showEvent(evenement);
        if (!evenement->spontaneous()) Montrer(ouverte);
    }

  private:
    Valeur ouverte;
};

// The furniture of the full-screen dialogs of "3 diff.": name, caption and spoken name, the pale
// background, the sheets' help, and the menu's geometry held while shown. The dialog scales
// itself with it once its controls are built.
MobilierPleinEcran* OuvrirPleinEcran(QDialog& dialogue, Programme& prog, const QString& nom,
                                     const QString& titre, const QString& nomAccessible);
