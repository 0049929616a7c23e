// SPDX-License-Identifier: GPL-3.0-or-later
// What lintian says of the packages is accepted only when every hint is explained: the judge that
// the package check puts after lintian, fed with what lintian prints.
#include "support/Script.h"

#include <QTest>

class TestJugerLintian : public QObject {
    Q_OBJECT

  private slots:
    void seulLExpliquePasse_data();
    void seulLExpliquePasse();
};

void TestJugerLintian::seulLExpliquePasse_data() {
    QTest::addColumn<QByteArray>("sortie");
    QTest::addColumn<int>("fautes"); // the lines reported; none: accepted
    const QByteArray raison = "N: The manual page is written in French, where \"exemple\" is the right\n"
                              "N: spelling; the spelling check reads it as a misspelt English word.\n";
    const QByteArray derogation =
        "O: carrelis: typo-in-manual-page exemple example [usr/share/man/man1/carrelis.1.gz:30]\n";
    QTest::newRow("nothing said") << QByteArray() << 0;
    QTest::newRow("an override with its reason") << raison + derogation << 0;
    QTest::newRow("two overrides, each with its reason") << raison + derogation + raison + derogation << 0;
    QTest::newRow("an override without reason") << derogation << 1;
    QTest::newRow("a second override after the first one's reason") << raison + derogation + derogation << 1;
    QTest::newRow("a blank note is no reason") << "N: \n" + derogation << 1;
    QTest::newRow("a reason cut off by a tag") << raison + "I: carrelis: x\n" + derogation << 2;
    for (const char* niveau : {"E", "W", "I", "P", "X", "C"})
        QTest::newRow(niveau) << QByteArray(niveau) + ": carrelis: some-tag [usr/bin/carrelis]\n" << 1;
    QTest::newRow("the packages without copyright, changelog nor hardening")
        << QByteArray(
               "E: carrelis: no-changelog usr/share/doc/carrelis/changelog.Debian.gz (non-native package)\n"
               "E: carrelis: no-copyright-file\n"
               "I: carrelis: binary-has-unneeded-section .comment [usr/bin/carrelis]\n"
               "I: carrelis: hardening-no-bindnow [usr/bin/carrelis]\n"
               "I: carrelis: hardening-no-fortify-functions [usr/bin/carrelis]\n"
               "I: carrelis: typo-in-manual-page exemple example [usr/share/man/man1/carrelis.1.gz:30]\n")
        << 6;
}

void TestJugerLintian::seulLExpliquePasse() {
    QFETCH(QByteArray, sortie);
    QFETCH(int, fautes);
    const ResultatScript jugement = LancerScript(QStringLiteral(SCRIPT_LINTIAN), {}, sortie);
    QCOMPARE(jugement.statut, fautes == 0 ? 0 : 1);
    QCOMPARE(jugement.messages.count(QLatin1Char('\n')), fautes);
}

QTEST_GUILESS_MAIN(TestJugerLintian)
#include "tst_JugerLintian.moc"
