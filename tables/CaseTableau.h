// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// One cell of the exercise table: a bevelled panel showing a number, tagged c x 10 + r.
// Only enabled cells (still to be found) react to the mouse.
class CaseTableau : public QLabel {
    Q_OBJECT
  public:
    CaseTableau(int colonne, int ligne, QWidget* parent);

    int Colonne() const { return colonne; }
    int Ligne() const { return ligne; }
    int Tag() const { return colonne * 10 + ligne; }

    // Background and ink; marque draws a dashed frame, the shape that tells a wrong answer
    // apart without relying on its red.
    void Peindre(const QColor& fond, const QColor& encre, bool marque = false);
    void Enfoncer(bool enfonce);

  signals:
    void Appuyee(CaseTableau* caseTableau);
    void Cliquee(CaseTableau* caseTableau);

  protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

  private:
    int colonne;
    int ligne;
    bool marque = false;
};
