// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DialogueActive.h"
#include <QAbstractItemView>

#include <optional>

class PlateForme;
class QLabel;
class QListWidget;

// The teacher's list dialogs (class lists, report chooser, results erasing): a fixed modal dialog
// whose lists are filled each time another window shows it and emptied by every way out, so that
// each showing starts from the folder as it is now. A window derives from it, builds its controls
// with its pieces, then calls Terminer.
class DialogueListe : public DialogueActive {
    Q_OBJECT
  public slots:
    // Every way out (a button, Escape, the close button) empties the window first.
    void done(int resultat) override;

  protected:
    DialogueListe(PlateForme& plate, const QString& nom, const QString& titre, QSize taille, QWidget* parent);

    // Once every control is built: scaled, fixed and centred (DialogueFixe).
    void Terminer();
    // A list under its caption: the caption's accelerator gives it the keyboard, and a screen
    // reader names it by the caption. Without a font it takes its parent's.
    QListWidget* ListeTitree(QWidget* parent, const char* nom, QLabel* titre, const QRect& position,
                             QAbstractItemView::SelectionMode selection, std::optional<QFont> police = {});
    // A line of bold, wrapped text that says what the last action gave.
    QLabel* LigneMessage(const char* nom, const QRect& position, const QColor& couleur);
    // Puts texte on the line and has a screen reader say it when there is something to say.
    void Dire(QLabel& ligne, const QString& texte);

    // FormActivate, at each showing from another window, refills the window's lists; Vider,
    // run by every way out, empties what FormActivate filled.
    virtual void Vider() = 0;

    PlateForme& plate;
};
