// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a plain text opened in the editor (a results file, a teacher's note in
// Windows-1252, UTF-8 or another encoding). Read, written in the form it was read in and read
// again gives the same lines in the same form; written again, the same bytes. A file whose lines
// all end with CR LF, as the programs write them, comes back to the byte, read through the
// editor's document as well as line by line.
#include "Harnais.h"

#include "editor/FichierEditeur.h"
#include "editor/TexteBrut.h"

#include <QCoreApplication>
#include <QTextDocument>

using Harnais::Exiger;
using Harnais::Montrer;
using Harnais::MontrerOctets;

namespace {

// The characters that the document itself takes as line breaks (U+2028, U+2029) or as pictures
// (U+FFFC): a text that holds them is shown, and so written, otherwise than it was read.
bool TientDesSeparateurs(const QStringList& lignes) {
    for (const QString& ligne : lignes)
        for (const QChar c : ligne)
            if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
                c == QChar::ObjectReplacementCharacter)
                return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArrayView octets = Harnais::Octets(donnees, taille);
    const TexteBrut::TexteLu lu = TexteBrut::Decoder(octets);
    const QByteArray ecrits = TexteBrut::Encoder(lu.lignes, lu.codage);
    const TexteBrut::TexteLu relu = TexteBrut::Decoder(ecrits);
    Exiger(relu.codage == lu.codage, "read again in the form it was written in", MontrerOctets(ecrits));
    Exiger(relu.lignes == lu.lignes, "read, written and read again: the same lines",
           Montrer(lu.lignes.join(u'\n')) + "\n" + Montrer(relu.lignes.join(u'\n')));
    Exiger(TexteBrut::Encoder(relu.lignes, relu.codage) == ecrits, "written again: the same bytes");

    // The editor's own path: the file into the document, the document back into the file.
    QTextDocument document;
    FichierEditeur::Forme forme;
    FichierEditeur::Decoder(octets, document, forme, true);
    Exiger(!forme.riche && forme.codage == lu.codage, "a plain text keeps its form in the editor");
    const QByteArray depuisDocument =
        TexteBrut::Encoder(TexteBrut::Lignes(document, forme.uneLigneVide), forme.codage);
    QTextDocument redocument;
    FichierEditeur::Decoder(depuisDocument, redocument, forme, true);
    Exiger(TexteBrut::Encoder(TexteBrut::Lignes(redocument, forme.uneLigneVide), forme.codage) ==
               depuisDocument,
           "the editor writes again what it wrote", MontrerOctets(depuisDocument));
    if (ecrits == octets && !TientDesSeparateurs(lu.lignes))
        Exiger(depuisDocument == ecrits,
               "a file with CR LF after every line comes back to the byte from the editor",
               MontrerOctets(octets) + "\n" + MontrerOctets(depuisDocument));
    return 0;
}
