// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BarreDEtat.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

QAccessibleInterface* RoleBarre(const QString&, QObject* objet) {
    if (auto* barre = qobject_cast<BarreDEtat*>(objet))
        return new QAccessibleWidget(barre, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

BarreDEtat::BarreDEtat(const QString& texte, const QFont& police, QWidget* parent)
    : QFrame(parent), message(new QLabel(texte, this)) {
    static const bool installe = (QAccessible::installFactory(&RoleBarre), true);
    Q_UNUSED(installe);
    setObjectName(QStringLiteral("StatusBar1"));
    message->setObjectName(QStringLiteral("StatusBar1Panel"));
    message->setAlignment(Qt::AlignCenter);
    message->setFont(police);
    QPalette encre = message->palette();
    encre.setColor(QPalette::WindowText, Qt::black);
    message->setPalette(encre);
}
