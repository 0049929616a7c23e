// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClavierVisible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class ClavierVisible final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::FocusIn) {
            // Before the widget repaints itself with the focus: the style reads the window's flag.
            if (auto* controle = qobject_cast<QWidget*>(objet))
                controle->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            return false;
        }
        if (evenement->type() != QEvent::KeyPress) return false;
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->key() != Qt::Key_Return && touche->key() != Qt::Key_Enter) return false;
        if ((touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* bouton = qobject_cast<QPushButton*>(objet);
        if (!bouton || !bouton->hasFocus() || !bouton->isEnabled()) return false;
        // A key held down presses once, as Space does.
        if (!touche->isAutoRepeat()) bouton->click();
        return true;
    }
};

} // namespace

void AiderLeClavier(QCoreApplication& application) {
    static const QString nom = QStringLiteral("ClavierVisible");
    if (application.findChild<ClavierVisible*>(nom, Qt::FindDirectChildrenOnly)) return;
    auto* filtre = new ClavierVisible(&application);
    filtre->setObjectName(nom);
    application.installEventFilter(filtre);
}
