// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/GroupeExclusif.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

#include <memory>

namespace GroupeExclusif {

// A click starts with a press: whether the button was already checked then tells a click that
// changes nothing (no toggle follows) from one that checks it (its toggle has chosen already).
void SurChoix(QButtonGroup& groupe, const std::function<void(int)>& choisi) {
    auto dejaCoche = std::make_shared<bool>(false);
    QObject::connect(&groupe, &QButtonGroup::idPressed, &groupe,
                     [&groupe, dejaCoche](int id) { *dejaCoche = groupe.button(id)->isChecked(); });
    QObject::connect(&groupe, &QButtonGroup::idToggled, &groupe, [choisi](int id, bool coche) {
        if (coche) choisi(id);
    });
    QObject::connect(&groupe, &QButtonGroup::idClicked, &groupe, [choisi, dejaCoche](int id) {
        if (std::exchange(*dejaCoche, false)) choisi(id);
    });
}

void Montrer(QButtonGroup& groupe, int id) {
    const QSignalBlocker silence(groupe);
    if (QAbstractButton* bouton = groupe.button(id)) bouton->setChecked(true);
}

} // namespace GroupeExclusif
