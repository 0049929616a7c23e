// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MaintienGeometrie.h"

#include "core/PlateForme.h"

#include <QWidget>

void PlacerPleinEcran(QWidget& fenetre, const QRect& geometrie, PlateForme& plateForme) {
    if (geometrie.isEmpty()) return;
    fenetre.move(geometrie.topLeft());
    fenetre.resize(geometrie.size());
    plateForme.PleinEcran(fenetre);
}

MaintienGeometrie::MaintienGeometrie(QWidget& fenetre, const QRect& geometrie, int intervalleMs)
    : QObject(&fenetre), fenetre(fenetre), geometrie(geometrie) {
    minuterie.setInterval(intervalleMs);
    connect(&minuterie, &QTimer::timeout, this, &MaintienGeometrie::Tenir);
}

void MaintienGeometrie::Tenir() {
    if (geometrie.isEmpty()) return;
    // pos() is where the frame stands, size() the inside: what move() and resize() set.
    if (fenetre.pos() != geometrie.topLeft()) fenetre.move(geometrie.topLeft());
    if (fenetre.size() != geometrie.size()) fenetre.resize(geometrie.size());
}
