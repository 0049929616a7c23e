// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/GroupeExclusif.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <memory>

namespace {

class FlechesEnOrdre final : public QObject {
  public:
    explicit FlechesEnOrdre(QButtonGroup& groupe) : QObject(&groupe), groupe(groupe) {}

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::KeyPress) return false;
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if ((touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        const int pas = Pas(touche->key());
        auto* bouton = qobject_cast<QAbstractButton*>(objet);
        if (pas == 0 || !bouton) return false;
        const QList<QAbstractButton*> boutons = groupe.buttons();
        for (qsizetype i = boutons.indexOf(bouton) + pas; i >= 0 && i < boutons.size(); i += pas) {
            QAbstractButton* suivant = boutons[i];
            if (!suivant->isEnabled() || suivant->isHidden()) continue;
            suivant->setFocus();
            if (bouton->isChecked()) suivant->click();
            break;
        }
        return true;
    }

  private:
    static int Pas(int touche) {
        if (touche == Qt::Key_Down || touche == Qt::Key_Right) return 1;
        if (touche == Qt::Key_Up || touche == Qt::Key_Left) return -1;
        return 0;
    }

    QButtonGroup& groupe;
};

} // namespace

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

void FlechesDansLOrdre(QButtonGroup& groupe) {
    auto* fleches = new FlechesEnOrdre(groupe);
    for (QAbstractButton* bouton : groupe.buttons())
        bouton->installEventFilter(fleches);
}

void Montrer(QButtonGroup& groupe, int id) {
    const QSignalBlocker silence(groupe);
    if (QAbstractButton* bouton = groupe.button(id)) bouton->setChecked(true);
}

} // namespace GroupeExclusif
