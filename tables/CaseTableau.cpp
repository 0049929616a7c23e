// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/CaseTableau.h"

#include <QMouseEvent>
#include <QPainter>

CaseTableau::CaseTableau(int colonne, int ligne, QWidget* parent)
    : QLabel(parent), colonne(colonne), ligne(ligne) {
    setObjectName(QStringLiteral("Case%1_%2").arg(colonne).arg(ligne));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void CaseTableau::Peindre(const QColor& fond, const QColor& encre, bool marquee) {
    QPalette palette = this->palette();
    for (auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(groupe, QPalette::Window, fond);
        palette.setColor(groupe, QPalette::WindowText, encre);
    }
    setPalette(palette);
    marque = marquee;
    update();
}

void CaseTableau::Enfoncer(bool enfonce) {
    setFrameShadow(enfonce ? QFrame::Sunken : QFrame::Raised);
}

void CaseTableau::mousePressEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) emit Appuyee(this);
    QLabel::mousePressEvent(evenement);
}

void CaseTableau::mouseReleaseEvent(QMouseEvent* evenement) {
    Enfoncer(false);
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()))
        emit Cliquee(this);
    QLabel::mouseReleaseEvent(evenement);
}

void CaseTableau::paintEvent(QPaintEvent* evenement) {
    QLabel::paintEvent(evenement);
    if (!marque) return;
    QPainter peintre(this);
    QPen trait(palette().color(QPalette::WindowText), std::max(2, width() / 24), Qt::DashLine);
    peintre.setPen(trait);
    const int retrait = std::max(4, width() / 10);
    peintre.drawRect(rect().adjusted(retrait, retrait, -retrait, -retrait));
}
