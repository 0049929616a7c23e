// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

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
