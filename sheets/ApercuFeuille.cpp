// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ApercuFeuille.h"

#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

ApercuFeuille::ApercuFeuille(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Image1"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAccessibleName(QStringLiteral("Aperçu de la feuille"));
    setMinimumSize(1, 1);
}

void ApercuFeuille::Redessiner() {
    if (!dessin || width() < 1 || height() < 1) return;
    // A 96 dpi sketch of the page, in the screen's proportions.
    image = QImage(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    dessin(peintre, image.size());
    peintre.end();
    ++dessins;
    setPixmap(QPixmap::fromImage(image));
}

void ApercuFeuille::resizeEvent(QResizeEvent* evenement) {
    QLabel::resizeEvent(evenement);
    if (evenement->size() != evenement->oldSize() && !image.isNull()) Redessiner();
}
