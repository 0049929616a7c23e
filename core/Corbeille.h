// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's trash, as the freedesktop.org rule has it: each user's own in $XDG_DATA_HOME/Trash
// (~/.local/share/Trash), made when it is missing, or the one a disk other than the home keeps at
// its root for each user. QFile::moveToTrash, when it cannot make the user's trash, makes "files"
// and "info" in the current folder, which is the program folder: the trash is made first, and where
// the file went is checked.
namespace Corbeille {

// The user's trash.
QString DeLUtilisateur();

// Makes the trash with its "files" and "info", for its owner only; false when it cannot be made.
bool Preparer(const QString& corbeille);

// Moves chemin (a link itself, never what it leads to) into a trash of the user. True only when it
// is there; otherwise it is where it was, and nothing was made beside it.
bool Mettre(const QString& chemin);

} // namespace Corbeille
