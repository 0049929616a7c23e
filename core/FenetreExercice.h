// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Partie.h"

#include <QWidget>

// An exercise window, shown by the menu without blocking it. Every opening from the menu sets up
// the exercise chosen there (caption, help context, a new table), whether the window was hidden
// or still open behind the menu; a modal window it opened closing over it sets up nothing.
class FenetreExercice : public QWidget {
    Q_OBJECT
  public:
    explicit FenetreExercice(QWidget* parent = nullptr, Qt::WindowFlags drapeaux = {});

    virtual void Ouvrir(const ChoixExercice& choix) = 0;
};
