// SPDX-License-Identifier: GPL-3.0-or-later
// The help files: every anchor the windows open exists, and the pages say what the windows do.
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString Aide(const QString& programme) {
    QFile fichier(QStringLiteral(DOSSIER_AIDE "/AIDE_%1.html").arg(programme));
    return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll()) : QString();
}

// The text from an anchor to the next heading.
QString Rubrique(const QString& html, const QString& ancre) {
    const qsizetype debut = html.indexOf(QStringLiteral("name=\"%1\"").arg(ancre));
    if (debut < 0) return {};
    const qsizetype fin = html.indexOf(QStringLiteral("<h2"), debut);
    return html.mid(debut, fin < 0 ? -1 : fin - debut);
}

} // namespace

class TestAide : public QObject {
    Q_OBJECT

  private slots:
    void chaqueAncreOuverteExiste_data();
    void chaqueAncreOuverteExiste();
    void lesRubriquesDisentCeQueFontLesFenetres_data();
    void lesRubriquesDisentCeQueFontLesFenetres();
};

void TestAide::chaqueAncreOuverteExiste_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("ancres");
    const QStringList sujets{"Som",     "Pedagogie", "Eleves", "Edit",     "Remplir",
                             "Trouver", "Defi",      "Bilans", "Colorier", "Suivi"};
    QTest::newRow("carrelis") << "CARRELIS"
                              << sujets + QStringList{"contexte-1", "contexte-2",  "contexte-3",
                                                      "contexte-4", "contexte-5",  "contexte-6",
                                                      "contexte-9", "contexte-10", "contexte-11"};
    QTest::newRow("navirelle") << "NAVIRELLE"
                               << sujets + QStringList{"contexte-1", "contexte-2", "contexte-3",
                                                       "contexte-4", "contexte-5", "contexte-6",
                                                       "contexte-8", "contexte-9", "contexte-10"};
}

void TestAide::chaqueAncreOuverteExiste() {
    QFETCH(QString, programme);
    QFETCH(QStringList, ancres);
    const QString html = Aide(programme);
    QVERIFY(!html.isEmpty());
    for (const QString& ancre : ancres)
        QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(ancre)), qPrintable(ancre));
}

void TestAide::lesRubriquesDisentCeQueFontLesFenetres_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("ancre");
    QTest::addColumn<QString>("interdit"); // a sentence the window contradicts
    QTest::newRow("only Bilan comes back when the table is full")
        << "CARRELIS"
        << "Jouer"
        << "<b>Nouveau</b>, <b>Changer</b> et <b>Bilan</b> reviennent";
    QTest::newRow("each sailboat exercise obeys its own setting for Changer")
        << "NAVIRELLE"
        << "contexte-6"
        << "qui décide pour les trois exercices";
    QTest::newRow("3 diff. prints the tables of its preview") << "CARRELIS"
                                                              << "contexte-5"
                                                              << "ne reprend pas les nombres de l'aperçu";
    QTest::newRow("the results window is not the editor") << "CARRELIS"
                                                          << "contexte-10"
                                                          << "éditeur de texte ?";
    // Each program reads its own setting and keeps its own folder.
    QTest::newRow("carrelis's folder is not navirelle's") << "CARRELIS"
                                                          << "Dossier"
                                                          << "navirelle.conf";
    QTest::newRow("navirelle's folder is not carrelis's") << "NAVIRELLE"
                                                          << "Dossier"
                                                          << "carrelis.conf";
    QTest::newRow("navirelle's home folder") << "NAVIRELLE"
                                             << "Dossier"
                                             << "~/Carrelis";
}

void TestAide::lesRubriquesDisentCeQueFontLesFenetres() {
    QFETCH(QString, programme);
    QFETCH(QString, ancre);
    QFETCH(QString, interdit);
    const QString rubrique = Rubrique(Aide(programme), ancre);
    QVERIFY(!rubrique.isEmpty());
    QVERIFY2(!rubrique.contains(interdit), qPrintable(interdit));
}

QTEST_GUILESS_MAIN(TestAide)
#include "tst_Aide.moc"
