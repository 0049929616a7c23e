// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The three choices of the instruction dialogs and how an instruction reads back into them:
// an empty instruction is "Aucune consigne", the default text "Consigne par défaut", any other
// text "Consigne personnalisée".
namespace ChoixConsigne {

enum Item { Aucune = 0, ParDefaut = 1, Personnalisee = 2 };

Item ItemDe(const QString& consigne);
// The instruction of a choice; the typed text counts for the third one only.
QString Consigne(int item, const QString& texteSaisi);

} // namespace ChoixConsigne
