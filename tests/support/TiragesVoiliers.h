// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/HasardScripte.h"

#include <QList>
#include <QPoint>

// The draws that give a sailboat table exactly these colours: each hull, then each sail, then
// (exercise 1 and 3) the sample row of each column, every draw checked against the bound the
// rules must ask for.
struct TableauScripte {
    QList<int> Coques;   // colour of each row
    QList<int> Voiles;   // colour of each column
    QList<int> Modeles;  // sample row of each column; empty: no sample draw
    QList<int> Refusees; // hull colours drawn first and refused (barred), for the retry loop

    void Ajouter(HasardScripte& hasard) const {
        for (int k : Refusees)
            hasard.AjouterBorne(k - 1, 15);
        for (int k : Coques)
            hasard.AjouterBorne(k - 1, 15);
        for (int k : Voiles)
            hasard.AjouterBorne(k - 1, 15);
        for (int r : Modeles)
            hasard.AjouterBorne(r - 1, static_cast<int>(Coques.size()));
    }
};

// A 3 x 4 table (size 1): hulls red, yellow, white; sails yellow, blue, light green, pink; samples
// in rows 1, 2, 3, 1.
inline TableauScripte Tableau3x4() {
    return {{8, 10, 15}, {10, 4, 11, 7}, {1, 2, 3, 1}, {}};
}

// The draws that propose the boats of exercise 1 in this order (x: column, y: row).
inline void ProposerDans(HasardScripte& hasard, const QList<QPoint>& cases, int lignes, int colonnes) {
    for (QPoint p : cases) {
        hasard.AjouterBorne(p.y() - 1, lignes);
        hasard.AjouterBorne(p.x() - 1, colonnes);
    }
}

// Every cell of a table, row by row.
inline QList<QPoint> ToutesLesCases(int lignes, int colonnes) {
    QList<QPoint> cases;
    for (int r = 1; r <= lignes; ++r)
        for (int c = 1; c <= colonnes; ++c)
            cases.append(QPoint(c, r));
    return cases;
}
