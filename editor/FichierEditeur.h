#pragma once

#include "editor/TexteBrut.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// A file of the text editor, rich or plain, read whole into the document and written back whole
// in the form it was read in (or the form the teacher chose when saving).
namespace FichierEditeur {

struct Forme {
    bool riche = true;
    TexteBrut::Codage codage = TexteBrut::Codage::Windows1252; // for a plain text
    bool uneLigneVide = false; // a plain text read as one empty line: empty, it is written so again
    bool operator==(const Forme&) const = default;
};

// A file that is not rich text is read as plain text. enTexteSeulement reads even rich text as
// plain text: a results file is always one, whatever its first line holds. On failure the
// document is untouched and raison says why, in French.
bool Lire(const QString& chemin, QTextDocument& document, Forme& forme, QString& raison,
          bool enTexteSeulement = false);

// The same from the bytes of a file already read (a results file is read under its lock).
void Decoder(QByteArrayView octets, QTextDocument& document, Forme& forme, bool enTexteSeulement = false);
// The whole file; on failure raison says why, in French.
bool LireOctets(const QString& chemin, QByteArray& octets, QString& raison);

// Replaces the file at once: a failed write leaves the previous file as it was.
bool Ecrire(const QString& chemin, const QTextDocument& document, const Forme& forme, QString& raison);

} // namespace FichierEditeur
