// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FenetreExercice.h"

#include <QAccessibleWidget>

namespace {

// A plain QWidget reaches assistive technologies as a "filler" pane; an exercise window is a
// window, and screen readers announce it by its caption when it comes up.
QAccessibleInterface* RoleFenetre(const QString&, QObject* objet) {
    if (auto* fenetre = qobject_cast<FenetreExercice*>(objet))
        return new QAccessibleWidget(fenetre, QAccessible::Window);
    return nullptr;
}

} // namespace

FenetreExercice::FenetreExercice(QWidget* parent, Qt::WindowFlags drapeaux) : QWidget(parent, drapeaux) {
    static const bool installe = (QAccessible::installFactory(&RoleFenetre), true);
    Q_UNUSED(installe);
}
