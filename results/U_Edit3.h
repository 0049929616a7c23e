// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class PlateForme;
class QTextEdit;
struct Bilan;

// The report window: the composed results of one game, ready to print.
class TF_Edit3 : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Edit3(PlateForme& plate, QWidget* parent = nullptr);

    // Fills the report: title, pupil, good answers and errors, with the fonts and tab stops of a
    // printed report.
    void Composer(const Bilan& bilan);
    QTextEdit* RichEdit1() const { return richEdit1; }

  private:
    void Imprimer();

    PlateForme& plate;
    QTextEdit* richEdit1;
};
