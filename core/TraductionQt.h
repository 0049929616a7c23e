// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts in French whatever the machine's language: the buttons of the standard dialogs
// (files, printing, fonts), the context menus of the fields, and what assistive technologies are
// told of every control's actions ("Appuyer", "Basculer" and their descriptions). The menu's
// first paint does not wait for them: the start installs them once it is painted, and the first
// other window or standard dialog before that (a warning at start) installs them first.
// Once is enough: later calls return at once. False when Qt's French translation is not
// installed (package qt6-translations-l10n): those words then stay English.
bool InstallerTraductionQt();
