// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ZoneMosaique.h"

#include <QMouseEvent>
#include <QPainter>

ZoneMosaique::ZoneMosaique(std::function<std::pair<QString, QString>()> fichiers, QWidget* parent)
    : QWidget(parent), fichiers(std::move(fichiers)) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ZoneMosaique::paintEvent(QPaintEvent*) {
    const auto [fichier, parDefaut] = fichiers();
    mosaique.Choisir(fichier, parDefaut);
    QPainter peintre(this);
    mosaique.Peindre(peintre, width(), height());
}

void ZoneMosaique::mousePressEvent(QMouseEvent* evenement) {
    emit Clique();
    QWidget::mousePressEvent(evenement);
}
