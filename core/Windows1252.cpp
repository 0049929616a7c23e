// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char NomJeu[] = "windows-1252";
constexpr char Remplacant = '?';

// Stateless: every call stands alone, nothing is held back between two conversions.
// Invalid to null: an unknown character gives 0, told apart from a real U+0000 by its source.
QStringEncoder NouvelEncodeur() {
    return QStringEncoder(NomJeu,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInvalidToNull);
}

// One code point (one QChar, or a surrogate pair) to its single byte, or "?" when it has none.
char OctetDe(QStringEncoder& encodeur, QStringView pointDeCode) {
    const QByteArray octet = encodeur(pointDeCode);
    if (octet.size() != 1) return Remplacant;
    if (octet.at(0) == '\0' && pointDeCode.at(0).unicode() != 0) return Remplacant;
    return octet.at(0);
}

// Length in QChars of the code point at i: 2 for a well-formed surrogate pair, else 1
// (a lone surrogate counts as one character, which the set cannot hold).
qsizetype LongueurPointDeCode(QStringView texte, qsizetype i) {
    if (texte.at(i).isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()) return 2;
    return 1;
}

} // namespace

namespace Windows1252 {

bool Disponible() {
    return QStringEncoder(NomJeu).isValid() && QStringDecoder(NomJeu).isValid();
}

// ASCII goes straight through; only the rest asks the converter, one code point at a time,
// which keeps the "one character, one byte" rule exact whatever the converter does with
// surrogates it cannot map.
QByteArray Encoder(QStringView texte) {
    QStringEncoder encodeur = NouvelEncodeur();
    if (!encodeur.isValid()) return texte.toString().toLatin1(); // Latin-1 also writes "?"
    QByteArray octets;
    octets.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size();) {
        const qsizetype n = LongueurPointDeCode(texte, i);
        const char16_t c = texte.at(i).unicode();
        if (c < 0x80)
            octets.append(static_cast<char>(c));
        else if (QChar::isSurrogate(c) && n == 1)
            octets.append(Remplacant);
        else
            octets.append(OctetDe(encodeur, texte.sliced(i, n)));
        i += n;
    }
    return octets;
}

QString Decoder(QByteArrayView octets) {
    QStringDecoder decodeur(NomJeu, QStringConverter::Flag::Stateless);
    if (!decodeur.isValid()) return QString::fromLatin1(octets);
    return decodeur(octets);
}

bool PeutCoder(QStringView texte) {
    return Decoder(Encoder(texte)) == texte;
}

} // namespace Windows1252
