// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Enter, from the main keyboard or the keypad, presses the button that has the keyboard focus, as
// Space does. Qt leaves Enter to a dialog's default button and to no button at all elsewhere: a
// pupil who moved with Tab onto "O K" or onto an exercise of the menu and pressed Enter saw nothing
// happen. Installed once for the whole application.
void EntreePresseLeBouton(QCoreApplication& application);
