// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

// Has assistive technologies told that every widget of the class Controle plays the role Role (a
// window, a status bar) rather than what Qt tells of the class it derives from. Called by the
// class's constructor; the first call installs it for the whole run.
template <class Controle, QAccessible::Role Role> void DonnerRoleAccessible() {
    static const bool installe =
        (QAccessible::installFactory([](const QString&, QObject* objet) -> QAccessibleInterface* {
             auto* controle = qobject_cast<Controle*>(objet);
             return controle ? new QAccessibleWidget(controle, Role) : nullptr;
         }),
         true);
    Q_UNUSED(installe);
}
