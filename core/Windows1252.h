// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The 8-bit character set of every file the programs read and write. One byte per character:
// what the set cannot hold becomes "?", so that a file never receives the encoder's 0x1A.
namespace Windows1252 {

// False when this Qt has no converter for the set; Latin-1 then stands in (no "€", "œ", ...).
bool Disponible();

QByteArray Encoder(QStringView texte);
QString Decoder(QByteArrayView octets);

// Whether every character of texte survives a round trip through the set.
bool PeutCoder(QStringView texte);

} // namespace Windows1252
