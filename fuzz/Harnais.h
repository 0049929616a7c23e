// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every harness needs: the bytes libFuzzer hands over in the forms the readers take, and a
// property that stops the run loudly, so that libFuzzer keeps the input that broke it.
namespace Harnais {

inline QByteArrayView Octets(const uint8_t* donnees, size_t taille) {
    return {reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)};
}

// Every UTF-16 code unit as it came, NUL and lone surrogates included: what a QString can hold,
// whatever a keyboard, a file name or a decoder let through (an odd last byte is dropped).
inline QString EnUtf16(QByteArrayView octets) {
    QString texte(octets.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i)
        texte[i] = QChar(static_cast<char16_t>(static_cast<quint8>(octets.at(2 * i)) |
                                               static_cast<quint8>(octets.at(2 * i + 1)) << 8));
    return texte;
}

// The input cut at every byte separateur, for the readers that take several values.
inline QList<QByteArrayView> Morceaux(QByteArrayView octets, char separateur) {
    QList<QByteArrayView> morceaux;
    qsizetype debut = 0;
    for (qsizetype i = 0; i <= octets.size(); ++i)
        if (i == octets.size() || octets.at(i) == separateur) {
            morceaux.append(octets.sliced(debut, i - debut));
            debut = i + 1;
        }
    return morceaux;
}

// The bytes and characters of a value, readable in the report of a broken property.
inline QByteArray MontrerOctets(QByteArrayView octets) {
    return octets.toByteArray().toHex(' ');
}
inline QByteArray Montrer(const QString& texte) {
    return texte.toUtf8() + " [" +
           QByteArray(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2).toHex(' ') + ']';
}

inline void Exiger(bool tenue, const char* propriete, const QByteArray& detail = {}) {
    if (tenue) return;
    std::fprintf(stderr, "\nProperty broken: %s\n%s\n", propriete, detail.constData());
    std::abort();
}

} // namespace Harnais
