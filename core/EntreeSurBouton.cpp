// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EntreeSurBouton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EntreeSurBouton final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
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

void EntreePresseLeBouton(QCoreApplication& application) {
    static const QString nom = QStringLiteral("EntreeSurBouton");
    if (application.findChild<EntreeSurBouton*>(nom, Qt::FindDirectChildrenOnly)) return;
    auto* filtre = new EntreeSurBouton(&application);
    filtre->setObjectName(nom);
    application.installEventFilter(filtre);
}
