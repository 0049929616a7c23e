// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;
class PlateForme;

// Each window carries its help context number; F1 opens the help at the context of the
// active window (anchor "contexte-N"), or at the contents when it has none. A window may name
// its topic instead ("Edit"), when its context number leads to another window's page.
void DefinirContexteAide(QWidget& fenetre, int contexte);
int ContexteAide(const QWidget& fenetre);
QString AncreContexte(int contexte);
void DefinirSujetAide(QWidget& fenetre, const QString& sujet);
// Where F1 opens the help for the window: its topic, else its context.
QString AncreAide(const QWidget& fenetre);

class RaccourciAide : public QObject {
    Q_OBJECT
  public:
    // fichierAide: the program's help file, full path.
    RaccourciAide(PlateForme& plate, const QString& fichierAide, QObject* parent = nullptr);
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    PlateForme& plate;
    QString fichierAide;
};
