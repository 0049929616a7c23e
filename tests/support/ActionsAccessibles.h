// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QTest>
#include <QWidget>

// What a screen reader does through the accessibility tree: find a control of a window by the
// name it speaks, and run one of its actions ("Toggle", "Press").
namespace ActionsAccessibles {

// The name a screen reader says for the control; empty when it has none.
inline QString Nom(QObject* objet) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(objet);
    return a ? a->text(QAccessible::Name) : QString();
}

inline QAccessibleInterface* Trouver(QAccessibleInterface* parent, const QString& nom) {
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        QAccessibleInterface* enfant = parent->child(i);
        if (!enfant || enfant->state().invisible) continue;
        if (enfant->text(QAccessible::Name) == nom) return enfant;
        if (QAccessibleInterface* trouve = Trouver(enfant, nom)) return trouve;
    }
    return nullptr;
}

// Runs the action on the control `fenetre` names `nom`, and lets a press end (it is animated);
// false when there is no such control or action.
inline bool Agir(QWidget& fenetre, const QString& nom, const QString& action) {
    QAccessibleInterface* controle = Trouver(QAccessible::queryAccessibleInterface(&fenetre), nom);
    if (!controle || !controle->actionInterface() ||
        !controle->actionInterface()->actionNames().contains(action))
        return false;
    controle->actionInterface()->doAction(action);
    if (action == QAccessibleActionInterface::pressAction()) QTest::qWait(200);
    return true;
}

inline bool Basculer(QWidget& fenetre, const QString& nom) {
    return Agir(fenetre, nom, QAccessibleActionInterface::toggleAction());
}

inline bool Appuyer(QWidget& fenetre, const QString& nom) {
    return Agir(fenetre, nom, QAccessibleActionInterface::pressAction());
}

} // namespace ActionsAccessibles
