// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

// A word where it was drawn or read: x of its left edge, y of its line (baseline or top, the
// same for every word of a line).
struct MotPlace {
    double x = 0, y = 0;
    QString mot;
};

// The words in reading order, one string per line: lines from top to bottom, words from left to
// right. Words less than `tolerance` apart in y share a line. Two drawings of one sheet at
// different sizes read the same whatever their geometry.
inline QStringList LignesDeMots(QList<MotPlace> mots, double tolerance) {
    std::sort(mots.begin(), mots.end(), [](const MotPlace& a, const MotPlace& b) { return a.y < b.y; });
    QList<QList<MotPlace>> lignes;
    double debut = 0;
    for (const MotPlace& m : mots) {
        if (lignes.isEmpty() || m.y - debut > tolerance) {
            lignes.append(QList<MotPlace>());
            debut = m.y;
        }
        lignes.last().append(m);
    }
    QStringList texte;
    for (QList<MotPlace>& ligne : lignes) {
        std::sort(ligne.begin(), ligne.end(), [](const MotPlace& a, const MotPlace& b) { return a.x < b.x; });
        QStringList l;
        for (const MotPlace& m : ligne)
            l << m.mot;
        texte << l.join(QLatin1Char(' '));
    }
    return texte;
}
