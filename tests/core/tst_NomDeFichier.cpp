// Names typed by pupils and teachers becoming file names of the program folder: what could lead
// out of it, what a file system of the classroom refuses, and what is left of the name.
#include "core/NomDeFichier.h"

#include <QTest>

class TestNomDeFichier : public QObject {
    Q_OBJECT

  private slots:
    void nomsDesBilansIndividuels_data();
    void nomsDesBilansIndividuels();
};

void TestNomDeFichier::nomsDesBilansIndividuels_data() {
    QTest::addColumn<QString>("listeClasse");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("class CM1, pupil with a final full stop") << "CM1.elv"
                                                             << "Léa M."
                                                             << "Bilan CM1 Léa M.txt";
    QTest::newRow("no class") << ""
                              << "Paul"
                              << "Bilan individuel Paul.txt";
    QTest::newRow("hyphen kept") << "CE2.elv"
                                 << "Jean-Luc"
                                 << "Bilan CE2 Jean-Luc.txt";
    QTest::newRow("full stops and backslash removed") << ""
                                                      << "A.B\\C"
                                                      << "Bilan individuel ABC.txt";
    QTest::newRow("case kept") << ""
                               << "paul"
                               << "Bilan individuel paul.txt";
    QTest::newRow("list name of four characters: empty class") << "a.el"
                                                               << "Paul"
                                                               << "Bilan  Paul.txt";
    QTest::newRow("list name of five characters: one-letter class") << "A.elv"
                                                                    << "Paul"
                                                                    << "Bilan A Paul.txt";
    QTest::newRow("slash and parent folder removed") << ""
                                                     << "../x"
                                                     << "Bilan individuel x.txt";
    QTest::newRow("what a Windows share refuses") << ""
                                                  << "a:b*c?d\"e<f>g|h/i"
                                                  << "Bilan individuel abcdefghi.txt";
    QTest::newRow("control characters") << ""
                                        << "Pa\tul\n"
                                        << "Bilan individuel Paul.txt";
    QTest::newRow("class list with a Windows folder") << "C:\\Ecole\\CM2.elv"
                                                      << "Paul"
                                                      << "Bilan CM2 Paul.txt";
    QTest::newRow("class list leading out of the folder") << "../../tmp/CM2.elv"
                                                          << "Paul"
                                                          << "Bilan CM2 Paul.txt";
    QTest::newRow("nothing left of the name: refused") << ""
                                                       << "../"
                                                       << "";
    QTest::newRow("only full stops: refused") << "CM1.elv"
                                              << "..."
                                              << "";
    QTest::newRow("only blanks: refused") << ""
                                          << "   "
                                          << "";
    QTest::newRow("C1 controls of a class list removed")
        << QString::fromUtf16(u"CE1\u0081.elv") << QString::fromUtf16(u"L\u008Déa\u009D")
        << "Bilan CE1 Léa.txt";
    QTest::newRow("lone surrogate removed")
        << "" << QString::fromUtf16(u"Zo\xD800é") << "Bilan individuel Zoé.txt";
}

void TestNomDeFichier::nomsDesBilansIndividuels() {
    QFETCH(QString, listeClasse);
    QFETCH(QString, nom);
    QFETCH(QString, fichier);
    QCOMPARE(NomDeFichier::FichierIndividuel(listeClasse, nom), fichier);
}

QTEST_GUILESS_MAIN(TestNomDeFichier)
#include "tst_NomDeFichier.moc"
