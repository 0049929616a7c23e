// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QTextCursor>

#include <vector>

class QTextDocument;

// The editor's plain texts. A text is read in Windows-1252 with any line ends, unless it is
// Unicode: UTF-16 with its byte-order mark (a "Unicode" text of a Windows notepad), UTF-8 (a
// byte-order mark, or valid UTF-8 with letters beyond ASCII); it is then read, and written back,
// in the same form. Written: one line of the file per paragraph of the document, however the
// screen wrapped it, CR LF after each, nothing more. A results file read and written back
// unchanged is the same to the byte.
namespace TexteBrut {

enum class Codage { Windows1252, Utf8, Utf8AvecMarque, Utf16LE, Utf16BE };

struct TexteLu {
    QStringList lignes;
    Codage codage = Codage::Windows1252;
};

// The set the bytes are written in, and where their text begins (after a byte-order mark).
Codage Reconnaitre(QByteArrayView octets, qsizetype& debutDuTexte);

TexteLu Decoder(QByteArrayView octets);
QByteArray Encoder(const QStringList& lignes, Codage codage);

// The document holds one paragraph per line, without formatting (the document's default font).
void Remplir(QTextDocument& document, const QStringList& lignes);
// One line per paragraph; a line break typed inside a paragraph (Shift+Enter) also ends a line of
// the file, as it does on screen. An empty document has no line, or one empty line when
// videEstUneLigne (the file it was read from held just that).
QStringList Lignes(const QTextDocument& document, bool videEstUneLigne = false);

// A plain text read into a document a slice at a time, for a window that shows how far it is:
// the document is emptied here and filled by Avancer. The bytes must outlive the reader.
class Lecteur {
  public:
    Lecteur(QByteArrayView octets, QTextDocument& document);
    ~Lecteur();
    Lecteur(const Lecteur&) = delete;
    Lecteur& operator=(const Lecteur&) = delete;

    // Reads on until the deadline passes (one slice at least); true once the document is whole.
    bool Avancer(QDeadlineTimer fin = QDeadlineTimer(QDeadlineTimer::Forever));
    qsizetype OctetsLus() const { return lus; }
    Codage CodageLu() const { return codage; }
    // The whole text was one empty line: the document is empty, the file was not.
    bool UneLigneVide() const { return uneLigneVide; }

  private:
    void Inserer(qsizetype tranche);
    QString TexteDe(qsizetype tranche) const;

    // The document's length of the slices already in it, summed up to any slice in a few steps
    // (a Fenwick tree): where the next one goes.
    class Longueurs {
      public:
        explicit Longueurs(qsizetype tranches) : sommes(tranches + 1, 0) {}
        void Ajouter(qsizetype tranche, qsizetype longueur);
        qsizetype Avant(qsizetype tranche) const;

      private:
        std::vector<qsizetype> sommes;
    };

    QByteArrayView octets;
    qsizetype lus = 0; // the mark, and the bytes of the slices in the document
    Codage codage = Codage::Windows1252;
    bool uneLigneVide = false;
    std::vector<qsizetype> bornes; // slice k is the bytes from bornes[k] to bornes[k + 1]
    Longueurs longueurs;
    qsizetype rang = 0; // in the order the slices go in (see Avancer)
    qsizetype inserees = 0;
    QTextCursor curseur;
    bool termine = false;
};

// The characters the file's set cannot hold, each once, in order of appearance: they would be
// written "?", and the teacher is told before.
QString Intraduisibles(const QStringList& lignes, Codage codage);

// Whole-file read and write; on failure raison says why, in French, and a failed write leaves
// the previous file as it was.
bool Lire(const QString& chemin, TexteLu& texte, QString& raison);
bool Ecrire(const QString& chemin, const QTextDocument& document, Codage codage, QString& raison,
            bool videEstUneLigne = false);

} // namespace TexteBrut
