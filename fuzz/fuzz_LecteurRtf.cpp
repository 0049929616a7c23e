// Any bytes at all through the rich-text reader: no crash, no overflow, no runaway memory or
// time, read as a file or pasted into the middle of a paragraph. And what the reader made,
// written and read again, writes the same bytes: reading what we write loses nothing, whatever
// the first file held.
#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArrayView octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    QTextDocument cible(QStringLiteral("avant après"));
    QTextCursor curseur(&cible);
    curseur.setPosition(6);
    LecteurRtf::Inserer(octets, curseur);
    QTextDocument document;
    if (!LecteurRtf::Lire(octets, document)) return 0;
    const QByteArray ecrit = EcrivainRtf::Ecrire(document);
    QTextDocument relu;
    if (!LecteurRtf::Lire(ecrit, relu)) std::abort();
    const QByteArray reecrit = EcrivainRtf::Ecrire(relu);
    if (reecrit != ecrit) {
        std::fprintf(stderr, "written:\n%s\nwritten again:\n%s\n", ecrit.constData(), reecrit.constData());
        std::abort();
    }
    return 0;
}
