// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>

#include <optional>

// A number field whose text and value never part: what it shows is what it holds. While the
// teacher types, any digits are taken (41 on the way to a number past the end, 0, or nothing);
// leaving the field, or Enter, puts in their place the nearest number of the range (the one
// before when there is no number at all) and tells it with Corrige. Enter that corrects does not
// go further: the dialog stays, showing what it will use.
class ChampNombre : public QSpinBox {
    Q_OBJECT
  public:
    ChampNombre(int minimum, int maximum, QWidget* parent);

    // The number shown, when it lies within the range.
    std::optional<int> Lu() const;
    // Puts the corrected number in place of a text that is not one of the range; true when there
    // was nothing to correct.
    bool Corriger();

  signals:
    void Corrige(int nombre);

  protected:
    QValidator::State validate(QString& texte, int& position) const override;
    void fixup(QString& texte) const override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

  private:
    int NombreCorrige(const QString& texte) const;
};
