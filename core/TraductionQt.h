// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own texts in French: the buttons of the standard dialogs, the context menus of the fields.
// The main menu shows none, so they wait for the first other window (the registry installs them
// before building it) or the first standard dialog (PlateFormeQt), a warning at start included.
// Once is enough: later calls return at once.
void InstallerTraductionQt();
