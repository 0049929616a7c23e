// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BarreDEtat.h"

#include "core/RoleAccessible.h"

#include <QLabel>

BarreDEtat::BarreDEtat(const QString& texte, const QFont& police, QWidget* parent)
    : QFrame(parent), message(new QLabel(texte, this)) {
    DonnerRoleAccessible<BarreDEtat, QAccessible::StatusBar>();
    setObjectName(QStringLiteral("StatusBar1"));
    message->setObjectName(QStringLiteral("StatusBar1Panel"));
    message->setTextFormat(Qt::PlainText); // it names pupils and classes, whatever they hold
    message->setAlignment(Qt::AlignCenter);
    message->setFont(police);
    QPalette encre = message->palette();
    encre.setColor(QPalette::WindowText, Qt::black);
    message->setPalette(encre);
}
