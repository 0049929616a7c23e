// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

// A window's status bar (StatusBar1): one centred message (StatusBar1Panel), which screen readers
// are told is the window's status bar. The windows place it themselves: Qt's status bar would
// bring its size grip and its relayout at every change, two more pieces of Qt read at the start
// of the program for one fixed sentence.
class BarreDEtat : public QFrame {
    Q_OBJECT
  public:
    BarreDEtat(const QString& message, const QFont& police, QWidget* parent);

    QLabel* Message() const { return message; }

  private:
    QLabel* message;
};
