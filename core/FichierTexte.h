// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// The text files of both programs (results files, the editor's plain texts): Windows-1252, one
// byte per character, "?" for what the set cannot hold, CR LF after every line, whatever the
// machine's own conventions.
namespace FichierTexte {

// Every line followed by CR LF. A line break inside a line becomes a blank, so that one line
// always stays one line in the file (a pasted name cannot split an entry).
QByteArray EncoderLignes(const QStringList& lignes);
// The lines of a file: CR LF, LF or a lone CR end a line; a last line without its end counts.
QStringList DecoderLignes(QByteArrayView octets);

// A whole text, its lines joined by "\n": EncoderTexte ends every line, the last one included,
// and DecoderTexte gives back the same text.
QByteArray EncoderTexte(QStringView texte);
QString DecoderTexte(QByteArrayView octets);

// Whole-file read and write; on failure raison says why, in French. Ecrire replaces the file
// at once: a failed write leaves the previous one as it was.
bool Lire(const QString& chemin, QString& texte, QString& raison);
bool Ecrire(const QString& chemin, QStringView texte, QString& raison);

} // namespace FichierTexte
