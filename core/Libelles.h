// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts as the windows say them: quoted the French way, and read out by screen readers.
namespace Libelles {

// «\u00a0texte\u00a0», as file and class names are quoted in messages.
inline QString Guillemets(const QString& texte) {
    return QStringLiteral("«\u00a0%1\u00a0»").arg(texte);
}

// What a screen reader says for a caption: no accelerator, no colon or final full stop (the
// screen shows them before a field or after a button's words; spoken, they say nothing).
inline QString NomAccessible(QString libelle) {
    libelle.remove(QLatin1Char('&'));
    libelle = libelle.trimmed();
    if (libelle.endsWith(QLatin1Char(':'))) libelle.chop(1);
    if (libelle.endsWith(QLatin1Char('.')) && !libelle.endsWith(QLatin1String(".."))) libelle.chop(1);
    return libelle.trimmed();
}

} // namespace Libelles
