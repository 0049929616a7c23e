// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <utility>

// A window with the activation step of every window of the programs: FormActivate runs each
// time another window shows it, after Qt has shown it, and not when the window system shows it
// again (a minimised window restored, the focus back from a dialog of its own).
class DialogueActive : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

  protected:
    virtual void FormActivate() = 0;

    void showEvent(QShowEvent* evenement) override;
};

// A window shown on a value it is given: Preparer keeps the value for the next showing from
// another window, whose FormActivate shows it (tests and captures prepare a window without
// opening it); Ouvrir shows the window on the value, modal, and answers how it was left.
template <class Valeur> class DialogueSur : public DialogueActive {
  public:
    int Ouvrir(const Valeur& valeur) {
        Preparer(valeur);
        return exec();
    }
    void Preparer(const Valeur& valeur) { ouverte = valeur; }

  protected:
    explicit DialogueSur(Valeur depart, QWidget* parent = nullptr, Qt::WindowFlags drapeaux = {})
        : DialogueActive(parent, drapeaux), ouverte(std::move(depart)) {}

    const Valeur& Ouverte() const { return ouverte; }

  private:
    Valeur ouverte;
};
