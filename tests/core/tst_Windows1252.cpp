// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 codec of every text and record the programs write: all of 0x80..0x9F, every
// byte back intact, and "?" for what the set cannot hold.
#include "core/FichierTexte.h"
#include "core/Windows1252.h"

#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void octetsDe80A9F_data();
    void octetsDe80A9F();
    void chaqueOctetRevientIntact();
    void caracteresInconnusDeviennentPointDInterrogation_data();
    void caracteresInconnusDeviennentPointDInterrogation();
    void octets80A9FRelusEtReecritsALIdentique();
};

void TestWindows1252::initTestCase() {
    QVERIFY2(Windows1252::Disponible(), "this Qt has no windows-1252 converter");
}

void TestWindows1252::octetsDe80A9F_data() {
    QTest::addColumn<int>("octet");
    QTest::addColumn<int>("pointDeCode");
    // The 32 bytes where Windows-1252 and Latin-1 part; the five undefined ones map to the
    // C1 control of the same number, so that they survive a round trip.
    const int table[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        QTest::addRow("0x%X <-> U+%04X", 0x80 + i, table[i]) << 0x80 + i << table[i];
}

void TestWindows1252::octetsDe80A9F() {
    QFETCH(int, octet);
    QFETCH(int, pointDeCode);
    const QByteArray code(1, static_cast<char>(octet));
    const QString texte(QChar(static_cast<char16_t>(pointDeCode)));
    QCOMPARE(Windows1252::Decoder(code), texte);
    QCOMPARE(Windows1252::Encoder(texte), code);
}

void TestWindows1252::chaqueOctetRevientIntact() {
    QByteArray tous;
    for (int i = 0; i < 256; ++i)
        tous.append(static_cast<char>(i));
    const QString texte = Windows1252::Decoder(tous);
    QCOMPARE(texte.size(), 256);
    QCOMPARE(Windows1252::Encoder(texte), tous);
    QVERIFY(Windows1252::PeutCoder(texte));
}

void TestWindows1252::caracteresInconnusDeviennentPointDInterrogation_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("attendu");
    QTest::addColumn<bool>("codable");
    QTest::newRow("French letters") << QStringLiteral("élève œuf €")
                                    << QByteArray("\xE9l\xE8ve \x9C"
                                                  "uf \x80")
                                    << true;
    QTest::newRow("Chinese") << QStringLiteral("a中b") << QByteArray("a?b") << false;
    QTest::newRow("Latin Extended") << QStringLiteral("Ā") << QByteArray("?") << false;
    QTest::newRow("emoji is one character, one ?")
        << QStringLiteral("x\U0001F600y") << QByteArray("x?y") << false;
    QTest::newRow("lone high surrogate at the end")
        << (QStringLiteral("ab") + QChar(0xD800)) << QByteArray("ab?") << false;
    QTest::newRow("lone low surrogate") << (QChar(0xDC00) + QStringLiteral("c")) << QByteArray("?c") << false;
    QTest::newRow("a real 0x1A stays") << QStringLiteral("\x1A") << QByteArray("\x1A") << true;
    QTest::newRow("a real NUL stays") << QString(QChar(0)) << QByteArray(1, '\0') << true;
    QTest::newRow("a real ? is codable") << QStringLiteral("?") << QByteArray("?") << true;
}

void TestWindows1252::caracteresInconnusDeviennentPointDInterrogation() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, attendu);
    QFETCH(bool, codable);
    QCOMPARE(Windows1252::Encoder(texte), attendu);
    QCOMPARE(Windows1252::PeutCoder(texte), codable);
}

// The 32 bytes where Windows-1252 and Latin-1 part, undefined ones included, as a file of
// another machine may hold them: read and written back, not one byte changes.
void TestWindows1252::octets80A9FRelusEtReecritsALIdentique() {
    QByteArray ligne;
    for (int octet = 0x80; octet <= 0x9F; ++octet)
        ligne.append(static_cast<char>(octet));
    const QByteArray fichier = ligne + "\r\n" + ligne + "\r\n";
    const QStringList lignes = FichierTexte::DecoderLignes(fichier);
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes[0].size(), 32);
    QCOMPARE(lignes[0].front(), QChar(0x20AC));
    QCOMPARE(lignes[0].at(0x9C - 0x80), QChar(0x0153));
    QCOMPARE(lignes[0].back(), QChar(0x0178));
    QCOMPARE(FichierTexte::EncoderLignes(lignes), fichier);
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_Windows1252.moc"
