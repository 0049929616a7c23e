// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/Tableau.h"

#include <QPageLayout>
#include <QString>

// The instruction proposed by the instruction dialogs.
QString ConsigneParDefaut();

// What the teacher has chosen for the sheet being prepared. It lives while the program runs and
// goes back to its start values each time the sheet window is shown. The three tables of the
// "3 diff." layout keep their own sizes and instructions, apart from those of layouts 1 to 4.
struct ReglagesFeuille {
    static constexpr int DispositionMin = 1, TroisDifferents = 5;
    static constexpr int IndexTailleMin = 1, IndexTailleMax = 8;

    quint8 JeuImprime = 1;    // kind of exercise chosen for layouts 1 to 4
    quint8 NbExAImprimer = 1; // layout: 1..4 copies of one table, 5 = three different tables
    quint8 NbExPrecedent = 1;
    quint8 TailleImp = 1; // size index 1..8 (size number + 1) of layouts 1 to 4
    quint8 TailleImp1 = 1, TailleImp2 = 1, TailleImp3 = 1;
    QString Consigne; // empty = no instruction
    QString Consigne1, Consigne2, Consigne3;
    bool Choix3DModifie = false;

    void Reinitialiser() { *this = ReglagesFeuille(); }

    // The size index and the instruction of table i (1..3) of the "3 diff." layout.
    quint8& TailleImpN(int i);
    quint8 TailleImpN(int i) const;
    QString& ConsigneN(int i);
    const QString& ConsigneN(int i) const;

    // Rows and columns of a size index 1..8; outside it, 0 x 0 (nothing is drawn).
    static DimensionsTableau DimensionsIndex(int indexTaille);
    DimensionsTableau Dimensions() const { return DimensionsIndex(TailleImp); }
    DimensionsTableau DimensionsN(int i) const { return DimensionsIndex(TailleImpN(i)); }

    // One or four tables fill a landscape page; two, three and "3 diff." are stacked on a
    // portrait one.
    static QPageLayout::Orientation Orientation(int disposition);
};
