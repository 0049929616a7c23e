// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

#include <array>

class PlateForme;
class QButtonGroup;
class QPushButton;

// The palette of exercises 2 and 3 (PanelCouleurs): eleven colour buttons, exactly one pressed.
// From the keyboard it is one stop: the arrows step through the colours, a letter goes to the
// next colour of that initial, Enter goes back to the table.
class PaletteCouleurs : public QFrame {
    Q_OBJECT
  public:
    static constexpr int Cote = 40; // a button, in design pixels
    static constexpr int Ecart = 4;

    PaletteCouleurs(PlateForme& plateForme, QWidget* parent);

    int Couleur() const { return couleur; }
    void Choisir(int numeroCouleur);
    QPushButton* Bouton(int numeroCouleur) const;
    void DefinirTrames(bool actives, int echelle);

  signals:
    void CouleurChoisie(int numeroCouleur);
    // Enter: the pupil goes back to the table with the colour chosen.
    void Retour();

  protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

  private:
    void Dessiner();
    void Nommer(bool annoncer);

    PlateForme& plate;
    QButtonGroup* groupe;
    std::array<QPushButton*, 11> boutons{};
    int couleur = 0;
    bool trames = false;
    int echelleTrames = 1;
};
