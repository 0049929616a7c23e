// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QButtonGroup;

// An exclusive group of buttons as the user chooses in it.
namespace GroupeExclusif {

// choisi(id) runs when a button of the group becomes checked, whatever checked it: the mouse,
// the keyboard, an assistive technology's "Toggle", setChecked(); and when the button already
// checked is clicked again, a choice made once more.
void SurChoix(QButtonGroup& groupe, const std::function<void(int id)>& choisi);

// The arrow keys walk the group in the order its buttons were added, Down and Right to the next,
// Up and Left to the one before, checking as they go. Qt moves by the buttons' places: in a group
// laid out in two columns, Down at the foot of the first column went nowhere, and the pupil never
// reached the sizes of the second.
void FlechesDansLOrdre(QButtonGroup& groupe);

// Checks the button id to show a value the window already holds: no choice is made.
void Montrer(QButtonGroup& groupe, int id);

} // namespace GroupeExclusif
