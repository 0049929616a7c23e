// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts in French whatever the machine's language: the buttons of the standard dialogs
// (files, printing, fonts), the context menus of the fields, and what assistive technologies are
// told of every control's actions ("Appuyer", "Basculer" and their descriptions). The main menu
// shows none of them: the first other window or standard dialog installs them, and an assistive
// technology once it listens (TraduireQtPourLesLecteurs).
// Once is enough: later calls return at once. False when Qt's French translation is not
// installed (package qt6-translations-l10n): those words then stay English.
bool InstallerTraductionQt();

// Installs Qt's French texts as soon as an assistive technology listens, at once if one already
// does: a screen reader is then told the menu's actions in French, and a start without one does
// not read and keep Qt's texts for a window that shows none.
void TraduireQtPourLesLecteurs();
