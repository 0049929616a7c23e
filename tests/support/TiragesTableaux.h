// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// Draws that give exact 3 x 4 tables (size 1), one for each of carrelis's exercises, in the
// order the generator asks for them.
namespace TiragesTableaux {

// Exercise 1: columns 7, 10, 3, 2 and rows 0, 1, 9. 0 and 1 are barred from the columns, so 10
// goes to the rows without a third draw; barred and already used values are drawn again.
inline const QList<int> Remplir{0, 0, 0, 1, 7, 10, 7, 3, 2, 10, 0, 1, 9};

// Exercise 2 in addition: columns 2, 3, 4, 5. Three columns on three rows would give every row
// header: the pairing is drawn again. Column 2 and rows 1 and 3 are given with the cells
// (1, 3), (2, 2), (3, 1) and (4, 3); the column headers 1, 3 and 4 and the row header 2 are to
// be found.
// Draws: the table, the pairing, the rows given, row 3 left out, the pairing again, column 2
// and row 1.
inline const QList<int> Trouver{0, 0, 2, 3, 4, 5, 6, 7, 8, 0, 0, 1, 2, 1, 1, 0, 0, 0, 1, 2, 1, 0, 2, 0, 1};

// Exercise 3 in multiplication: the first table shows three 0s with the corner and is drawn
// again; the second has rows 6, 7, 8 and shows (3, 0), (0, 2), (3, 3), (3, 1), (1, 1), (2, 2)
// and (4, 2).
// Draws: the first table and its layout, the second table and its layout.
inline const QList<int> Defi{0, 0, 2, 3, 4, 5, 0, 6, 7, 0, 0, 0, 1, 1, 2,
                             1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 2, 0, 0};

} // namespace TiragesTableaux
