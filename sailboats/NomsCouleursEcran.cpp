// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/NomsCouleursEcran.h"

#include "sailboats/Couleurs.h"

namespace {

// Colour adjectives made of two words ("vert clair") and those taken from a noun ("marron")
// stay as they are whatever they describe.
bool Invariable(const QString& nom) {
    return nom.contains(QLatin1Char(' ')) || nom == QLatin1String("marron");
}

QString Feminin(const QString& nom) {
    if (nom.isEmpty() || Invariable(nom) || nom.endsWith(QLatin1Char('e'))) return nom;
    if (nom == QLatin1String("blanc")) return QStringLiteral("blanche");
    return nom + QLatin1Char('e');
}

} // namespace

QString NomCouleurEcran(int numero) {
    if (!NumeroCouleurValide(numero)) return {};
    if (numero == Blanc) return QStringLiteral("blanc");
    return NomsCouleurs[numero].toString().toLower();
}

QString CouleurDeCoque(int numero) {
    return Feminin(NomCouleurEcran(numero));
}

QString CouleurDeVoiles(int numero) {
    const QString nom = NomCouleurEcran(numero);
    if (nom.isEmpty() || Invariable(nom)) return nom;
    return Feminin(nom) + QLatin1Char('s');
}
