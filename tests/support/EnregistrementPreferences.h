// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QString>

// Preferences records as a teacher's machine may hold them: valid, but with whatever bytes
// happened to lie after each string's length, and characters that Windows-1252 leaves undefined.
namespace EnregistrementPreferences {

inline void EcrireChaine(QByteArray& octets, int debut, int maximum, const QByteArray& texte,
                         QRandomGenerator& hasard) {
    octets[debut] = static_cast<char>(texte.size());
    for (int i = 0; i < maximum; ++i)
        octets[debut + 1 + i] = i < texte.size() ? texte.at(i) : static_cast<char>(hasard.bounded(256));
}

// Sizes 1..7, flags 0 or 1, strings of any byte, tails of any byte.
inline QByteArray Valide(quint32 graine = 1) {
    QRandomGenerator hasard(graine);
    QByteArray octets(1392, '\0');
    const QByteArray indefinis("\x81\x8D\x8F\x90\x9D", 5);
    EcrireChaine(octets, 0, 255,
                 QByteArray("C:\\\xC9"
                            "cole\\Fond \x80\x9C.bmp"),
                 hasard);
    EcrireChaine(octets, 256, 255, QByteArray("Fond4.bmp"), hasard);
    EcrireChaine(octets, 512, 255, "ab" + indefinis + "\x1A\x7F", hasard);
    EcrireChaine(octets, 768, 255, QByteArray(255, '\xFF'), hasard);
    EcrireChaine(octets, 1024, 255, QByteArray(), hasard);
    for (int i = 1280; i <= 1284; ++i)
        octets[i] = static_cast<char>(hasard.bounded(2));
    EcrireChaine(octets, 1285, 100, QByteArray("CM1 \xE9l\xE8ves.elv"), hasard);
    for (int i = 1386; i <= 1388; ++i)
        octets[i] = static_cast<char>(hasard.bounded(2));
    for (int i = 1389; i <= 1391; ++i)
        octets[i] = static_cast<char>(1 + hasard.bounded(7));
    return octets;
}

inline bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

inline QByteArray Lire(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace EnregistrementPreferences
