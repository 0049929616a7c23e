// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// What a pupil on the keyboard alone needs in every window, installed once for the whole
// application:
// - Enter, from the main keyboard or the keypad, presses the button that has the focus, as Space
//   does. Qt leaves Enter to a dialog's default button and to no button at all elsewhere: a pupil
//   who moved with Tab onto "O K" or onto an exercise of the menu pressed Enter in vain.
// - The focus is always drawn. Qt's styles draw it only after a Tab in the window; the programs
//   move it themselves (to "Bilan" when the table is full, to "O K" in the results), and the pupil
//   must see where it went.
void AiderLeClavier(QCoreApplication& application);
