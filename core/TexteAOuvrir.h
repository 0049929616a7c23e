// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the text editor shows when it opens: a results file of the program folder, which it keeps
// plain and writes back under the lock of the appends, or a fresh start (the text left on screen
// the last time is kept).
struct TexteAOuvrir {
    enum class Mode { Libre, Bilan };

    QString Fichier; // the results file's name in the program folder; empty: none
    Mode Sorte = Mode::Libre;

    static TexteAOuvrir Bilan(const QString& fichier) { return {fichier, Mode::Bilan}; }
};
