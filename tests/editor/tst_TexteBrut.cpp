// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's plain texts: which set a file is read in, one file line per paragraph, results
// files written back to the byte, and the characters Windows-1252 cannot hold.
#include "core/FichierTexte.h"
#include "editor/TexteBrut.h"
#include "results/Bilan.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

Q_DECLARE_METATYPE(TexteBrut::Codage)

namespace {

using Codage = TexteBrut::Codage;

// Two entries of a general results file, as the results window appends them.
QByteArray FichierDeBilans() {
    Bilan bilan;
    bilan.NomEleve = QStringLiteral("Martin Léa");
    bilan.TitreJeu = QStringLiteral("Table de multiplication : exercice n° 2");
    bilan.LigneDate = QStringLiteral("Le 06/12/2002");
    bilan.LigneHeure = QStringLiteral("14:35:10");
    bilan.LigneBonnes = QStringLiteral("Nombre de bonnes réponses :\t12 / 16");
    bilan.LigneErreurs = QStringLiteral("Nombre d'erreurs :\t4");
    const QByteArray entree = FichierTexte::EncoderLignes(bilan.EntreeGenerale());
    bilan.NomEleve = QStringLiteral("Noël Zoé");
    return entree + FichierTexte::EncoderLignes(bilan.EntreeGenerale());
}

// Little-endian UTF-16 with its mark, as a Windows notepad saves a "Unicode" text.
QByteArray Utf16(const QString& texte, bool grandBout = false) {
    QStringEncoder encodeur(grandBout ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
    return (grandBout ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE")) + encodeur(texte);
}

QByteArray OctetsImprimables() {
    QByteArray octets = "\t";
    for (int octet = 0x20; octet <= 0xFF; ++octet)
        octets.append(static_cast<char>(octet));
    return octets + "\r\n";
}

} // namespace

class TestTexteBrut : public QObject {
    Q_OBJECT

  private slots:
    void jeuDeCaracteresReconnu_data();
    void jeuDeCaracteresReconnu();
    void fichierRelitEtReecritALOctetPres_data();
    void fichierRelitEtReecritALOctetPres();
    void uneLigneParParagraphe_data();
    void uneLigneParParagraphe();
    void caracteresQueLeJeuNeContientPas_data();
    void caracteresQueLeJeuNeContientPas();
    void ecrireSurLeDisquePuisRelire();
    void lectureParTranches_data();
    void lectureParTranches();
};

void TestTexteBrut::jeuDeCaracteresReconnu_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<Codage>("codage");
    QTest::newRow("Windows-1252 accents") << QByteArray("L\xE9"
                                                        "a \x80\r\n")
                                          << QStringList{"Léa €"} << Codage::Windows1252;
    QTest::newRow("ASCII alone stays Windows-1252")
        << QByteArray("abc\n") << QStringList{"abc"} << Codage::Windows1252;
    QTest::newRow("valid UTF-8 with accents") << QByteArray("L\xC3\xA9"
                                                            "a \xE2\x82\xAC\r\n")
                                              << QStringList{"Léa €"} << Codage::Utf8;
    QTest::newRow("byte-order mark, ASCII after it") << QByteArray("\xEF\xBB\xBF"
                                                                   "abc\r\n")
                                                     << QStringList{"abc"} << Codage::Utf8AvecMarque;
    QTest::newRow("UTF-8 cut in the middle of a letter is Windows-1252")
        << QByteArray("caf\xC3") << QStringList{"cafÃ"} << Codage::Windows1252;
    QTest::newRow("overlong UTF-8 is Windows-1252")
        << QByteArray("\xC0\xAF") << QStringList{"À¯"} << Codage::Windows1252;
    QTest::newRow("a mark before invalid UTF-8 is read as bytes")
        << QByteArray("\xEF\xBB\xBF\xE9") << QStringList{"ï»¿é"} << Codage::Windows1252;
    QTest::newRow("any line ends in UTF-8") << QByteArray("\xC3\xA9\r\n\xC3\xA9\n\xC3\xA9\r\r\n")
                                            << QStringList{"é", "é", "é", ""} << Codage::Utf8;
    QTest::newRow("any line ends in Windows-1252")
        << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"} << Codage::Windows1252;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << Codage::Windows1252;
    QTest::newRow("UTF-16 of a Windows notepad")
        << Utf16("Léa\r\n€ 中\r\n") << QStringList{"Léa", "€ 中"} << Codage::Utf16LE;
    QTest::newRow("big-endian UTF-16") << Utf16("a\nb", true) << QStringList{"a", "b"} << Codage::Utf16BE;
}

void TestTexteBrut::jeuDeCaracteresReconnu() {
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, lignes);
    QFETCH(Codage, codage);
    const TexteBrut::TexteLu lu = TexteBrut::Decoder(octets);
    QCOMPARE(lu.lignes, lignes);
    QCOMPARE(lu.codage, codage);
}

void TestTexteBrut::fichierRelitEtReecritALOctetPres_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("results file") << FichierDeBilans();
    QTest::newRow("every byte a line may hold") << OctetsImprimables() + OctetsImprimables();
    QTest::newRow("empty lines at the start, between and at the end")
        << QByteArray("\r\n\r\na\r\n\r\nb\r\n\r\n");
    QTest::newRow("UTF-8") << QByteArray("\xC3\xA9l\xC3\xA8ve \xE4\xB8\xAD\r\n\r\n");
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9\r\nx\r\n");
    QTest::newRow("a line far longer than the screen") << QByteArray(20000, 'm') + "\r\n";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("UTF-16, empty lines and a letter beyond 16 bits")
        << Utf16("Léa\r\n\r\n\U0001F600 fin\r\n");
    QTest::newRow("big-endian UTF-16") << Utf16("Zoé\r\n", true);
    QTest::newRow("UTF-8 with its mark twice") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n");
    QTest::newRow("UTF-16, a zero-width no-break space opening the text")
        << Utf16(QChar(0xFEFF) + QStringLiteral("x\r\n"));
}

// Through a document and back, as the editor opens a file and saves it untouched: read whole,
// and a slice at a time as the editor reads.
void TestTexteBrut::fichierRelitEtReecritALOctetPres() {
    QFETCH(QByteArray, octets);
    const TexteBrut::TexteLu lu = TexteBrut::Decoder(octets);
    QTextDocument document;
    document.setTextWidth(200); // wrapped on screen into many lines
    TexteBrut::Remplir(document, lu.lignes);
    document.documentLayout()->documentSize();
    QCOMPARE(TexteBrut::Encoder(TexteBrut::Lignes(document), lu.codage), octets);
    TexteBrut::Lecteur lecteur(octets, document);
    QVERIFY(lecteur.Avancer());
    QCOMPARE(TexteBrut::Encoder(TexteBrut::Lignes(document, lecteur.UneLigneVide()), lecteur.CodageLu()),
             octets);
}

void TestTexteBrut::uneLigneParParagraphe_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("paragraphs") << "<p>un</p><p>deux</p>" << QStringList{"un", "deux"};
    QTest::newRow("a line break inside a paragraph ends a file line")
        << "<p>un<br>deux</p><p>trois</p>" << QStringList{"un", "deux", "trois"};
    QTest::newRow("a picture is left out") << "<p>a<img src=\"x.png\">b</p>" << QStringList{"ab"};
    QTest::newRow("non-breaking space kept") << "<p>a&nbsp;:</p>" << QStringList{"a\u00A0:"};
    QTest::newRow("empty paragraph at the end is a line") << "<p>a</p><p></p>" << QStringList{"a", ""};
    QTest::newRow("empty document, no line") << "" << QStringList{};
}

void TestTexteBrut::uneLigneParParagraphe() {
    QFETCH(QString, html);
    QFETCH(QStringList, lignes);
    QTextDocument document;
    document.setHtml(html);
    QCOMPARE(TexteBrut::Lignes(document), lignes);
}

void TestTexteBrut::caracteresQueLeJeuNeContientPas_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<Codage>("codage");
    QTest::addColumn<QString>("manquants");
    QTest::addColumn<int>("remplaces");
    QTest::newRow("French and the euro fit")
        << QStringList{"élève à 5 € ; œuf «ça»"} << Codage::Windows1252 << QString() << 0;
    QTest::newRow("each missing character once, in order")
        << QStringList{"Łukasz 中", "中 Ω Ł"} << Codage::Windows1252 << QStringLiteral("Ł中Ω") << 5;
    QTest::newRow("a character beyond 16 bits is one character")
        << QStringList{"\U0001F600\U0001F600"} << Codage::Windows1252 << QStringLiteral("\U0001F600") << 2;
    QTest::newRow("UTF-8 holds everything")
        << QStringList{"Łukasz 中 \U0001F600"} << Codage::Utf8 << QString() << 0;
}

void TestTexteBrut::caracteresQueLeJeuNeContientPas() {
    QFETCH(QStringList, lignes);
    QFETCH(Codage, codage);
    QFETCH(QString, manquants);
    QFETCH(int, remplaces);
    QCOMPARE(TexteBrut::Intraduisibles(lignes, codage), manquants);
    // What was announced is exactly what becomes "?".
    QCOMPARE(TexteBrut::Encoder(lignes, codage).count('?'), remplaces);
}

void TestTexteBrut::ecrireSurLeDisquePuisRelire() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("bilan Carrelis.txt"));
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(FichierDeBilans());
    fichier.close();
    TexteBrut::TexteLu lu;
    QString raison;
    QVERIFY(TexteBrut::Lire(chemin, lu, raison));
    QTextDocument document;
    TexteBrut::Remplir(document, lu.lignes);
    QTextCursor(&document).insertText(QStringLiteral("Relu. "));
    QVERIFY(TexteBrut::Ecrire(chemin, document, lu.codage, raison));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), "Relu. " + FichierDeBilans());
    fichier.close();

    QVERIFY(!TexteBrut::Lire(dossier.filePath(QStringLiteral("absent.txt")), lu, raison));
    QVERIFY(raison.startsWith(QStringLiteral("le fichier est introuvable")));
    QVERIFY(
        !TexteBrut::Ecrire(dossier.filePath(QStringLiteral("absent/x.txt")), document, lu.codage, raison));
    QVERIFY(raison.contains(QStringLiteral("introuvable")));
}

void TestTexteBrut::lectureParTranches_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<Codage>("codage");
    QTest::addColumn<bool>("uneLigneVide");
    // Slices are 64 KiB long: what lies across their edges must come out whole.
    const qsizetype tranche = 64 * 1024;
    QTest::newRow("CR LF cut by the slice's edge") << QByteArray(tranche - 1, 'a') + "\r\nb\r\n"
                                                   << Codage::Windows1252 << false;
    QTest::newRow("a lone CR at the slice's edge, then an empty line")
        << QByteArray(tranche - 1, 'a') + "\r\rb" << Codage::Windows1252 << false;
    QTest::newRow("a UTF-8 letter cut by the slice's edge") << QByteArray(tranche - 1, 'a') + "\xC3\xA9\r\n"
                                                            << Codage::Utf8 << false;
    QTest::newRow("UTF-16 CR LF cut by the slice's edge")
        << Utf16(QString(tranche / 2 - 2, u'a') + "\r\n\r\nb") << Codage::Utf16LE << false;
    QTest::newRow("many slices of short lines")
        << QByteArray("ab\r\n").repeated(100000) << Codage::Windows1252 << false;
    // Each slice is decoded alone, and they do not go in in their order.
    const QByteArray marque("\xEF\xBB\xBF");
    QTest::newRow("UTF-8: a zero-width no-break space opens a slice")
        << marque + QByteArray(tranche, 'a') + marque + "b\r\n"
        << Codage::Utf8AvecMarque << false;
    QTest::newRow("UTF-16: a zero-width no-break space opens a slice")
        << Utf16(QString(tranche / 2, u'a') + QChar(0xFEFF) + "b\r\n") << Codage::Utf16LE << false;
    QTest::newRow("UTF-16: a letter beyond 16 bits across the slice's edge")
        << Utf16(QString(tranche / 2 - 1, u'a') + "\U0001F600\r\n") << Codage::Utf16LE << false;
    QTest::newRow("many slices, the last line without its end")
        << QByteArray("ab\r\n").repeated(50000) + "fin" << Codage::Windows1252 << false;
    QTest::newRow("many slices, a lone CR ends the file")
        << QByteArray("ab\n").repeated(70000) + "fin\r" << Codage::Windows1252 << false;
    QTest::newRow("one empty line") << QByteArray("\r\n") << Codage::Windows1252 << true;
    QTest::newRow("one empty line in UTF-16") << Utf16("\r\n") << Codage::Utf16LE << true;
    QTest::newRow("two empty lines") << QByteArray("\n\n") << Codage::Windows1252 << false;
    QTest::newRow("empty") << QByteArray() << Codage::Windows1252 << false;
}

// A slice at a time, as the editor reads a long file: the same lines as a whole reading, and the
// same bytes written back.
void TestTexteBrut::lectureParTranches() {
    QFETCH(QByteArray, octets);
    QFETCH(Codage, codage);
    QFETCH(bool, uneLigneVide);
    QTextDocument document;
    TexteBrut::Lecteur lecteur(octets, document);
    int tranches = 1;
    while (!lecteur.Avancer(QDeadlineTimer(0)))
        ++tranches;
    QCOMPARE(tranches, static_cast<int>(qMax<qsizetype>(1, (octets.size() + 65535) / 65536)));
    QCOMPARE(lecteur.CodageLu(), codage);
    QCOMPARE(lecteur.UneLigneVide(), uneLigneVide);
    const TexteBrut::TexteLu entier = TexteBrut::Decoder(octets);
    QCOMPARE(TexteBrut::Lignes(document, lecteur.UneLigneVide()), entier.lignes);
    QCOMPARE(TexteBrut::Encoder(TexteBrut::Lignes(document, lecteur.UneLigneVide()), codage),
             TexteBrut::Encoder(entier.lignes, entier.codage));
}

QTEST_MAIN(TestTexteBrut) // the layout of a wrapped paragraph needs fonts
#include "tst_TexteBrut.moc"
