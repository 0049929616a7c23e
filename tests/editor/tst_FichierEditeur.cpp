// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's files: rich or plain as their bytes say (a results file always plain), written
// back in the same form.
#include "editor/FichierEditeur.h"
#include "support/DescriptionDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

Q_DECLARE_METATYPE(FichierEditeur::Forme)

namespace {

using Codage = TexteBrut::Codage;
using Forme = FichierEditeur::Forme;

bool Deposer(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace

class TestFichierEditeur : public QObject {
    Q_OBJECT

  private slots:
    void formeSelonLesOctets_data();
    void formeSelonLesOctets();
    void texteBrutApresTexteRicheSansMiseEnForme();
    void fichierIlliseLaisseLeDocument();
    void fichierTropGrandRefuseSansLeLire();
};

void TestFichierEditeur::formeSelonLesOctets_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("enTexteSeulement");
    QTest::addColumn<Forme>("forme");
    QTest::addColumn<QString>("texte");
    QTest::newRow("rich text") << QByteArray("{\\rtf1 {\\b Gras}\\par fin}") << false
                               << Forme{true, Codage::Windows1252} << "Gras\nfin";
    QTest::newRow("plain text") << QByteArray("\xC9l\xE8ve\r\n") << false << Forme{false, Codage::Windows1252}
                                << "Élève";
    QTest::newRow("plain UTF-8") << QByteArray("\xC3\x89l\xC3\xA8ve\r\n") << false
                                 << Forme{false, Codage::Utf8} << "Élève";
    QTest::newRow("UTF-16 of a Windows notepad") << QByteArray("\xFF\xFEL\0\xE9\0a\0\r\0\n\0\r\0\n\0", 16)
                                                 << false << Forme{false, Codage::Utf16LE} << "Léa\n";
    QTest::newRow("big-endian UTF-16")
        << QByteArray("\xFE\xFF\0L\0\xE9\0\r\0\n", 10) << false << Forme{false, Codage::Utf16BE} << "Lé";
    QTest::newRow("one empty line stays one")
        << QByteArray("\r\n") << false << Forme{false, Codage::Windows1252, true} << "";
    QTest::newRow("one empty line in UTF-16")
        << QByteArray("\xFF\xFE\r\0\n\0", 6) << false << Forme{false, Codage::Utf16LE, true} << "";
    QTest::newRow("rich text after a UTF-8 byte-order mark")
        << QByteArray("\xEF\xBB\xBF{\\rtf1 \\'e9t\\'e9\\par}") << false << Forme{} << "été";
    QTest::newRow("a results file whose first line looks like rich text stays plain")
        << QByteArray("{\\rtf1 x}\r\nNombre d'erreurs :\t4\r\n") << true << Forme{false, Codage::Windows1252}
        << "{\\rtf1 x}\nNombre d'erreurs :\t4";
    QTest::newRow("one empty line is not an empty file")
        << QByteArray("\r\n") << false << Forme{false, Codage::Windows1252, true} << "";
}

// Read, then saved untouched in the form it was read in: the same text, and for plain text the
// same bytes.
void TestFichierEditeur::formeSelonLesOctets() {
    QFETCH(QByteArray, octets);
    QFETCH(bool, enTexteSeulement);
    QFETCH(Forme, forme);
    QFETCH(QString, texte);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("texte"));
    QVERIFY(Deposer(chemin, octets));
    QTextDocument document;
    Forme lue;
    QString raison;
    QVERIFY(FichierEditeur::Lire(chemin, document, lue, raison, enTexteSeulement));
    QCOMPARE(lue, forme);
    QCOMPARE(DescriptionDocument::Texte(document), texte);

    QVERIFY(FichierEditeur::Ecrire(chemin, document, lue, raison));
    if (!forme.riche) QCOMPARE(Contenu(chemin), octets);
    QTextDocument relu;
    QVERIFY(FichierEditeur::Lire(chemin, relu, lue, raison, enTexteSeulement));
    QCOMPARE(lue, forme);
    QCOMPARE(DescriptionDocument::Decrire(relu), DescriptionDocument::Decrire(document));
}

void TestFichierEditeur::texteBrutApresTexteRicheSansMiseEnForme() {
    QTemporaryDir dossier;
    const QString riche = dossier.filePath(QStringLiteral("a.rtf"));
    const QString brut = dossier.filePath(QStringLiteral("b.txt"));
    QVERIFY(Deposer(riche, "{\\rtf1\\qc\\li720{\\b\\i\\cf1\\fs40 x}}"));
    QVERIFY(Deposer(brut, "y\r\n"));
    QTextDocument document;
    Forme forme;
    QString raison;
    QVERIFY(FichierEditeur::Lire(riche, document, forme, raison));
    QVERIFY(FichierEditeur::Lire(brut, document, forme, raison));
    QTextDocument vierge(QStringLiteral("y"));
    QCOMPARE(DescriptionDocument::Decrire(document), DescriptionDocument::Decrire(vierge));
}

void TestFichierEditeur::fichierIlliseLaisseLeDocument() {
    QTemporaryDir dossier;
    QTextDocument document(QStringLiteral("en cours"));
    Forme forme{false, Codage::Utf8};
    QString raison;
    QVERIFY(!FichierEditeur::Lire(dossier.filePath(QStringLiteral("absent.rtf")), document, forme, raison));
    QVERIFY(raison.startsWith(QStringLiteral("le fichier est introuvable")));
    QVERIFY(!FichierEditeur::Lire(dossier.path(), document, forme, raison));
    QCOMPARE(document.toPlainText(), QStringLiteral("en cours"));
    QCOMPARE(forme, (Forme{false, Codage::Utf8}));
}

// A file too large for any teacher's text is refused from its size alone: its bytes are never
// read (a sparse file of 64 MB and one byte takes no room on the disk).
void TestFichierEditeur::fichierTropGrandRefuseSansLeLire() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("enorme.txt"));
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    QVERIFY(fichier.resize(FichierEditeur::TailleMaximale + 1));
    fichier.close();
    QByteArray octets;
    QString raison;
    QVERIFY(!FichierEditeur::LireOctets(chemin, octets, raison));
    QVERIFY(octets.isEmpty());
    QCOMPARE(raison, QStringLiteral(
                         "il fait 64\u00a0Mo, et l'éditeur n'ouvre pas les fichiers de plus de 64\u00a0Mo"));
    QVERIFY(fichier.resize(FichierEditeur::TailleMaximale));
    QVERIFY(FichierEditeur::LireOctets(chemin, octets, raison));
    QCOMPARE(octets.size(), FichierEditeur::TailleMaximale);
}

QTEST_GUILESS_MAIN(TestFichierEditeur)
#include "tst_FichierEditeur.moc"
