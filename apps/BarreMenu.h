// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProfilMenu.h"

#include <array>

// The menu bar after "Fichier", the same in both programs: "Bilans", "Editeurs", then
// "Préférences", "A propos", "La page pédagogique" and "Aide". What differs is the caption of
// "A propos" and the names each program's units gave four entries, in this order: the general
// results, a pupil's results, the "Editeurs" menu and its text file.
QList<EntreeMenu> SuiteDeLaBarre(const std::array<const char*, 4>& noms, const QString& aPropos);
