// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A score bar of exercise 1: a white sunken panel in which a bar grows from the foot by one step
// per answer, with a graduation on every step on its left. The graduations are drawn on the very
// steps of the bar, so that a pupil can count the answers on them.
class BarreScore : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Bord = 3; // the panel's sunken edge, above and below the bar's room

    BarreScore(const QString& titre, const QColor& couleur, QWidget* parent);

    // The bar's room is `hauteurPanneau` pixels high (a multiple of `total`); the widget takes
    // that height plus its edges. The bar goes back to 0.
    void Definir(int hauteurPanneau, int total);
    void Afficher(int valeur);

    int Valeur() const { return valeur; }
    int Total() const { return total; }
    int Pas() const { return total > 0 ? hauteurPanneau / total : 0; }
    // Where the bar lies in the widget: its foot is fixed, its top rises.
    QRect Barre() const;
    // The y of graduation k (0 at the foot, total at the top).
    int Graduation(int k) const;
    int Pied() const { return Graduation(0); }
    QString Titre() const { return titre; }

  protected:
    void paintEvent(QPaintEvent* evenement) override;

  private:
    int LargeurGraduations() const { return std::max(6, width() / 4); }
    void Nommer();

    QString titre;
    QColor couleur;
    int hauteurPanneau = 0;
    int total = 0;
    int valeur = 0;
};
