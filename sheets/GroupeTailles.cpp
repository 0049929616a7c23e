// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/GroupeTailles.h"

#include "core/Apparence.h"
#include "sheets/ReglagesFeuille.h"

#include <QButtonGroup>
#include <QRadioButton>

GroupeTailles::GroupeTailles(const QString& nom, QWidget* parent)
    : QGroupBox(QStringLiteral("Nombre de cases"), parent), groupe(new QButtonGroup(this)) {
    setObjectName(nom);
    setFont(Apparence::Arial(15, true));
    resize(170, 300);
    for (int item = 0; item < ReglagesFeuille::IndexTailleMax; ++item) {
        auto* choix = new QRadioButton(LibelleTaille(item), this);
        choix->setObjectName(QStringLiteral("%1Item%2").arg(nom).arg(item));
        choix->setGeometry(14, 28 + item * 33, 150, 28);
        choix->setFont(Apparence::Arial(15, false));
        choix->setAccessibleName(LibelleTaille(item));
        groupe->addButton(choix, item);
    }
}

void GroupeTailles::Montrer(quint8 indexTaille) {
    if (QAbstractButton* choix = groupe->button(indexTaille - 1)) choix->setChecked(true);
}

quint8 GroupeTailles::Choisie() const {
    return static_cast<quint8>(std::max(groupe->checkedId(), 0) + 1);
}
