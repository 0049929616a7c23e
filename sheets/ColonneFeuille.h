// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>

class QLabel;
class QPushButton;

// The column of buttons at the right of the sheet windows, 80 pixels wide at the design size:
// captions in bold Times coloured by their role, buttons of one group pressed one at a time.
class ColonneFeuille : public QFrame {
    Q_OBJECT
  public:
    static constexpr int Largeur = 80;
    // The captions' inks by role: signs, exercises, layouts and drawing modes, commands.
    inline static const QColor Rouge{255, 0, 0}, Violet{128, 0, 128}, BleuMarine{0, 0, 128}, Noir{0, 0, 0};

    explicit ColonneFeuille(QWidget* parent);

    // A button at `position` in the column; a checkable one belongs to a group of the window.
    QPushButton* Bouton(const QString& nom, const QString& libelle, const QColor& encre,
                        const QRect& position, const QString& nomAccessible = {}, bool aCocher = false);
    QLabel* Etiquette(const QString& nom, const QString& texte, const QRect& position);
    // Against the right edge of the window, from top to bottom.
    void Placer(QSize fenetre);
};
