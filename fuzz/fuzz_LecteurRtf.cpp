// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all through the rich-text reader: no crash, no overflow, no runaway memory or
// time, read as a file or pasted into the middle of a paragraph. And what the reader made,
// written and read again, writes the same bytes and holds nothing the editor cannot show:
// reading what we write loses nothing, whatever the first file held.
#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

// A short quarantine of freed memory keeps a run within 200 MB, and a use after free is still
// caught within the input that frees, which allocates far less than that; five frames of each
// allocation's stack reach the reader's code, deeper ones cost time at every allocation.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:malloc_context_size=5";
}

namespace {

// The same documents for every input: each reading empties its own first, and a document is slow
// to build. Undo would only keep what every input leaves.
QTextDocument& Document() {
    static QTextDocument* document = [] {
        auto* d = new QTextDocument;
        d->setUndoRedoEnabled(false);
        return d;
    }();
    return *document;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArrayView octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    if (!LecteurRtf::EstRtf(octets)) return 0;
    QTextDocument& document = Document();
    document.setPlainText(QStringLiteral("avant après"));
    QTextCursor curseur(&document);
    curseur.setPosition(6);
    LecteurRtf::Inserer(octets, curseur);
    curseur = QTextCursor();
    OmissionsRtf omissions;
    LecteurRtf::Lire(octets, document, &omissions);
    const QByteArray ecrit = EcrivainRtf::Ecrire(document);
    if (!LecteurRtf::Lire(ecrit, document, &omissions)) std::abort();
    // The editor's own files never ask before they are written over.
    if (omissions) std::abort();
    const QByteArray reecrit = EcrivainRtf::Ecrire(document);
    if (reecrit != ecrit) {
        std::fprintf(stderr, "written:\n%s\nwritten again:\n%s\n", ecrit.constData(), reecrit.constData());
        std::abort();
    }
    // As each input found it: what an input allocates, it frees, and no leak is suspected.
    document.clear();
    return 0;
}
