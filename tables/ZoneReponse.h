// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

// The answer window laid over the current cell: an outer panel, a lowered white panel, the typed
// digits and a blinking caret at its right edge.
class ZoneReponse : public QFrame {
    Q_OBJECT
  public:
    explicit ZoneReponse(QWidget* parent);

    // Takes the cell's size; marge is the inset of the white panel.
    void Dimensionner(int tailleCase, int marge);
    void AfficherTexte(const QString& texte, const QColor& encre);
    void ChoisirPolice(const QFont& police);
    void MontrerCurseur(bool visible);
    // One blink: white becomes black, anything else white.
    void FaireClignoter();

    QLabel* FenetreReponse() const { return fenetreReponse; }
    QWidget* PaintBox2() const { return paintBox2; }
    int LargeurTexte() const;
    QColor CouleurCurseur() const { return couleurCurseur; }

  private:
    class Curseur;

    QFrame* pIntReponse;
    QLabel* fenetreReponse;
    QWidget* paintBox2;
    QColor couleurCurseur = Qt::black;
};
