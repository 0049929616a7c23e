// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ChoixConsigne.h"

#include "sheets/ReglagesFeuille.h"

namespace ChoixConsigne {

Item ItemDe(const QString& consigne) {
    if (consigne.isEmpty()) return Aucune;
    return consigne == ConsigneParDefaut() ? ParDefaut : Personnalisee;
}

QString Consigne(int item, const QString& texteSaisi) {
    switch (item) {
    case ParDefaut:
        return ConsigneParDefaut();
    case Personnalisee:
        return texteSaisi;
    default:
        return {};
    }
}

} // namespace ChoixConsigne
