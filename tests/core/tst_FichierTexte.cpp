// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 text files with CR LF, written whole and read back
// with any line ends.
#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "support/DisquePlein.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

} // namespace

class TestFichierTexte : public QObject {
    Q_OBJECT

  private slots:
    void lignesFinissentParCRLF_data();
    void lignesFinissentParCRLF();
    void finsDeLigneReconnuesALaLecture_data();
    void finsDeLigneReconnuesALaLecture();
    void texteEntierAllerRetour_data();
    void texteEntierAllerRetour();
    void ecrireRemplacePuisLireRelit();
    void lireUnFichierAbsentDitPourquoi();
};

void TestFichierTexte::lignesFinissentParCRLF_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("every line ended, empty ones too")
        << QStringList{"a", "", "b"} << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("no line, no byte") << QStringList{} << QByteArray();
    QTest::newRow("French letters and euro") << QStringList{QStringLiteral("élève à 5 € ; n° 3")}
                                             << QByteArray("\xE9l\xE8ve \xE0 5 \x80 ; n\xB0 3\r\n");
    QTest::newRow("what the set lacks becomes ?")
        << QStringList{QStringLiteral("Łukasz 中 \U0001F600")} << QByteArray("?ukasz ? ?\r\n");
    QTest::newRow("tab kept") << QStringList{"a\tb"} << QByteArray("a\tb\r\n");
    QTest::newRow("a break inside a line stays on the line")
        << QStringList{"a\nb", "c\r\nd", "e\rf"} << QByteArray("a b\r\nc  d\r\ne f\r\n");
}

void TestFichierTexte::lignesFinissentParCRLF() {
    QFETCH(QStringList, lignes);
    QFETCH(QByteArray, attendu);
    QCOMPARE(FichierTexte::EncoderLignes(lignes), attendu);
}

void TestFichierTexte::finsDeLigneReconnuesALaLecture_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR alone") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("last line without its end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("CR then CR LF: two lines") << QByteArray("a\r\r\n") << QStringList{"a", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("accents decoded") << QByteArray("L\xE9"
                                                   "a\r\n")
                                     << QStringList{QStringLiteral("Léa")};
}

void TestFichierTexte::finsDeLigneReconnuesALaLecture() {
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, lignes);
    QCOMPARE(FichierTexte::DecoderLignes(octets), lignes);
}

void TestFichierTexte::texteEntierAllerRetour_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("two lines") << QStringLiteral("a\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("a final empty line") << QStringLiteral("a\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("empty text") << QString() << QByteArray();
    QTest::newRow("accents") << QStringLiteral("Zoé\nNoël") << QByteArray("Zo\xE9\r\nNo\xEBl\r\n");
}

void TestFichierTexte::texteEntierAllerRetour() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, octets);
    QCOMPARE(FichierTexte::EncoderTexte(texte), octets);
    QCOMPARE(FichierTexte::DecoderTexte(octets), texte);
    // Line ends typed on another system come out the same.
    QString windows = texte;
    windows.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QCOMPARE(FichierTexte::EncoderTexte(windows), octets);
}

void TestFichierTexte::ecrireRemplacePuisLireRelit() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("texte.txt"));
    QVERIFY(Ecrire(chemin, QByteArray(1000, 'x')));
    QString raison;
    QVERIFY(FichierTexte::Ecrire(chemin, QStringLiteral("Élève\ntrès bien"), raison));
    QCOMPARE(Contenu(chemin), QByteArray("\xC9l\xE8ve\r\ntr\xE8s bien\r\n"));
    QString texte;
    QVERIFY(FichierTexte::Lire(chemin, texte, raison));
    QCOMPARE(texte, QStringLiteral("Élève\ntrès bien"));
}

void TestFichierTexte::lireUnFichierAbsentDitPourquoi() {
    QTemporaryDir dossier;
    QString texte = QStringLiteral("avant"), raison;
    QVERIFY(!FichierTexte::Lire(dossier.filePath(QStringLiteral("absent.txt")), texte, raison));
    QVERIFY2(raison.startsWith(QStringLiteral("le fichier est introuvable")), qPrintable(raison));
    QCOMPARE(texte, QStringLiteral("avant"));
}

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_FichierTexte.moc"
