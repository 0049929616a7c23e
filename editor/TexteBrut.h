#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QTextDocument;

// The editor's plain texts. A text is read in Windows-1252 with any line ends, unless it is
// UTF-8 (a byte-order mark, or valid UTF-8 with letters beyond ASCII): it is then read, and
// written back, as UTF-8. Written: one line of the file per paragraph of the document, however
// the screen wrapped it, CR LF after each, nothing more. A results file read and written back
// unchanged is the same to the byte.
namespace TexteBrut {

enum class Codage { Windows1252, Utf8, Utf8AvecMarque };

struct TexteLu {
    QStringList lignes;
    Codage codage = Codage::Windows1252;
};

TexteLu Decoder(QByteArrayView octets);
QByteArray Encoder(const QStringList& lignes, Codage codage);

// The document holds one paragraph per line, without formatting (the document's default font).
void Remplir(QTextDocument& document, const QStringList& lignes);
// One line per paragraph; a line break typed inside a paragraph (Shift+Enter) also ends a line of
// the file, as it does on screen. An empty document has no line, or one empty line when
// videEstUneLigne (the file it was read from held just that).
QStringList Lignes(const QTextDocument& document, bool videEstUneLigne = false);

// The characters the file's set cannot hold, each once, in order of appearance: they would be
// written "?", and the teacher is told before.
QString Intraduisibles(const QStringList& lignes, Codage codage);

// Whole-file read and write; on failure raison says why, in French, and a failed write leaves
// the previous file as it was.
bool Lire(const QString& chemin, TexteLu& texte, QString& raison);
bool Ecrire(const QString& chemin, const QTextDocument& document, Codage codage, QString& raison,
            bool videEstUneLigne = false);

} // namespace TexteBrut
