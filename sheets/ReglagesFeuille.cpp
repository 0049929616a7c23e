// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ReglagesFeuille.h"

QString ConsigneParDefaut() {
    return QStringLiteral("Complète le tableau ci-dessous :");
}

// A number outside 1..3 gives the nearest table rather than reach outside the object.
quint8& ReglagesFeuille::TailleImpN(int i) {
    return i <= 1 ? TailleImp1 : i == 2 ? TailleImp2 : TailleImp3;
}

quint8 ReglagesFeuille::TailleImpN(int i) const {
    return i <= 1 ? TailleImp1 : i == 2 ? TailleImp2 : TailleImp3;
}

QString& ReglagesFeuille::ConsigneN(int i) {
    return i <= 1 ? Consigne1 : i == 2 ? Consigne2 : Consigne3;
}

const QString& ReglagesFeuille::ConsigneN(int i) const {
    return i <= 1 ? Consigne1 : i == 2 ? Consigne2 : Consigne3;
}

DimensionsTableau ReglagesFeuille::DimensionsIndex(int indexTaille) {
    return DimensionsTaille(indexTaille - 1);
}

QPageLayout::Orientation ReglagesFeuille::Orientation(int disposition) {
    return disposition == 1 || disposition == 4 ? QPageLayout::Landscape : QPageLayout::Portrait;
}
