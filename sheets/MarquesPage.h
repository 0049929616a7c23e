// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a printed page carries besides its tables: the answers of the key, and a title across its
// top (the key's mark, the number of a sheet in a class set; empty = none).
struct MarquesPage {
    bool Corrige = false;
    QString Titre;
};
