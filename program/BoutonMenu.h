// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// The big buttons of the main menu: yellow bold captions on deep blue, a white ring on the one
// that has the keyboard. Painted here rather than by a style sheet, which costs the start of
// the program several milliseconds.
class BoutonMenu : public QPushButton {
    Q_OBJECT
  public:
    BoutonMenu(const QString& libelle, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* evenement) override;

  private:
    const QImage& Face(const QColor& fond, const QColor& bord, int epaisseur) const;
};
