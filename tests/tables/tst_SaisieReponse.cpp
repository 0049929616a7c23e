// SPDX-License-Identifier: GPL-3.0-or-later
// Typing an answer in a cell: digits, Backspace, Left, Enter, no leading zero, three digits at
// most, and typing blocked once Enter has judged the cell.
#include "tables/SaisieReponse.h"

#include <QTest>

namespace {
// Replays keys: digits as themselves, 'B' Backspace, 'E' Enter, 'L' Left, '*' any other key.
EffetSaisie Rejouer(SaisieReponse& saisie, const QString& touches) {
    EffetSaisie dernier = EffetSaisie::Rien;
    for (QChar t : touches) {
        if (t.isDigit())
            dernier = saisie.Touche(ToucheSaisie::Chiffre, t);
        else if (t == QLatin1Char('B'))
            dernier = saisie.Touche(ToucheSaisie::Effacement);
        else if (t == QLatin1Char('E'))
            dernier = saisie.Touche(ToucheSaisie::Entree);
        else if (t == QLatin1Char('L'))
            saisie.EffacerParLaGauche();
        else
            dernier = saisie.Touche(ToucheSaisie::Autre);
    }
    return dernier;
}
} // namespace

class TestSaisieReponse : public QObject {
    Q_OBJECT

  private slots:
    void touches_data();
    void touches();
    void saisieBloqueeApresEntree();
};

void TestSaisieReponse::touches_data() {
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QString>("reponse");
    QTest::newRow("0 then 7 gives 7, never 07") << "07"
                                                << "7";
    QTest::newRow("0 then 0 keeps one 0") << "00"
                                          << "0";
    QTest::newRow("1, 0, 0, 5 gives 100") << "1005"
                                          << "100";
    QTest::newRow("a fourth digit is cut away") << "9999"
                                                << "999";
    QTest::newRow("Backspace drops the last digit") << "12B"
                                                    << "1";
    QTest::newRow("Backspace on nothing") << "B"
                                          << "";
    QTest::newRow("Left erases a digit") << "45L"
                                         << "4";
    QTest::newRow("other keys do nothing") << "3*4"
                                           << "34";
    QTest::newRow("0 after a digit is kept") << "10"
                                             << "10";
    QTest::newRow("erased back to 0, a digit replaces it") << "01B0B5"
                                                           << "5";
}

void TestSaisieReponse::touches() {
    QFETCH(QString, touches);
    QFETCH(QString, reponse);
    SaisieReponse saisie;
    Rejouer(saisie, touches);
    QCOMPARE(saisie.Reponse(), reponse);
    QVERIFY(!saisie.SaisieBloquee());
}

void TestSaisieReponse::saisieBloqueeApresEntree() {
    SaisieReponse saisie;
    QCOMPARE(Rejouer(saisie, QStringLiteral("E")), EffetSaisie::Rien); // Enter on nothing is ignored
    QVERIFY(!saisie.SaisieBloquee());
    QCOMPARE(Rejouer(saisie, QStringLiteral("12E")), EffetSaisie::Verifier);
    QVERIFY(saisie.SaisieBloquee());
    saisie.Vider();
    QCOMPARE(Rejouer(saisie, QStringLiteral("34BE")), EffetSaisie::Rien);
    QCOMPARE(saisie.Reponse(), QString());
    saisie.NouvelleCase();
    QCOMPARE(Rejouer(saisie, QStringLiteral("7")), EffetSaisie::Affichage);
    QCOMPARE(saisie.Reponse(), QStringLiteral("7"));
}

QTEST_GUILESS_MAIN(TestSaisieReponse)
#include "tst_SaisieReponse.moc"
