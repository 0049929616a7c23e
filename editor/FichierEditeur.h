// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LecteurRtf.h"
#include "editor/OmissionsRtf.h"
#include "editor/TexteBrut.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QString>

#include <memory>

class QTextDocument;

// A file of the text editor, rich or plain, read whole into the document and written back whole
// in the form it was read in (or the form the teacher chose when saving).
namespace FichierEditeur {

// Far beyond any teacher's text: 64 MB is ten thousand printed pages of text, or four years of
// the results of a whole school saving into one folder (300 pupils, two games a day). A file
// beyond it is refused before it is read: its document would take gigabytes (Qt keeps some
// 0.7 KB for each paragraph it has laid out, and a results file has a paragraph per short line).
constexpr qint64 TailleMaximale = 64 * 1024 * 1024;

struct Forme {
    bool riche = true;
    TexteBrut::Codage codage = TexteBrut::Codage::Windows1252; // for a plain text
    bool uneLigneVide = false; // a plain text read as one empty line: empty, it is written so again
    bool operator==(const Forme&) const = default;
};

// A file's bytes read into a document a slice at a time, rich or plain as the bytes say (always
// plain when enTexteSeulement: a results file is plain whatever its first line holds), for a
// window that shows how far it is and may stop. The document is emptied here; the bytes must
// outlive the reading.
class Lecture {
  public:
    Lecture(QByteArrayView octets, QTextDocument& document, bool enTexteSeulement = false);

    // Reads on until the deadline passes; true once the document is whole.
    bool Avancer(QDeadlineTimer fin = QDeadlineTimer(QDeadlineTimer::Forever));
    // How far it is, in thousandths of the bytes.
    int Pourmille() const;
    Forme FormeLue() const;
    // What the file held that the document does not: writing over the file would lose it.
    OmissionsRtf Omissions() const { return rtf ? rtf->Omissions() : OmissionsRtf(); }

  private:
    qsizetype taille;
    std::unique_ptr<LecteurRtf> rtf;
    std::unique_ptr<TexteBrut::Lecteur> brut;
};

// A file that is not rich text is read as plain text. enTexteSeulement reads even rich text as
// plain text: a results file is always one, whatever its first line holds. On failure the
// document is untouched and raison says why, in French.
bool Lire(const QString& chemin, QTextDocument& document, Forme& forme, QString& raison,
          bool enTexteSeulement = false);

// The same from the bytes of a file already read (a results file is read under its lock).
void Decoder(QByteArrayView octets, QTextDocument& document, Forme& forme, bool enTexteSeulement = false);
// The whole file; on failure, a file beyond TailleMaximale included (it is not read), raison
// says why, in French.
bool LireOctets(const QString& chemin, QByteArray& octets, QString& raison);

// Replaces the file at once: a failed write leaves the previous file as it was.
bool Ecrire(const QString& chemin, const QTextDocument& document, const Forme& forme, QString& raison);

} // namespace FichierEditeur
