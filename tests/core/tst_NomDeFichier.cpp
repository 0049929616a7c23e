// SPDX-License-Identifier: GPL-3.0-or-later
// Names typed by pupils and teachers becoming file names of the program folder: what could lead
// out of it, what a file system of the classroom refuses, and what is left of the name.
#include "core/NomDeFichier.h"

#include <QTest>

class TestNomDeFichier : public QObject {
    Q_OBJECT

  private slots:
    void nomsDesBilansIndividuels_data();
    void nomsDesBilansIndividuels();
    void classesBorneesEnOctets_data();
    void classesBorneesEnOctets();
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

// The disk counts bytes: "é" takes two, "€" three. A class the editor takes leaves room for any
// pupil's results file and its lock.
void TestNomDeFichier::classesBorneesEnOctets_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<bool>("acceptee");
    QTest::newRow("short") << "CE1" << true;
    QTest::newRow("longest in plain letters") << QString(NomDeFichier::OctetsClasseMax, u'a') << true;
    QTest::newRow("one letter more") << QString(NomDeFichier::OctetsClasseMax + 1, u'a') << false;
    QTest::newRow("accents count twice") << QString(NomDeFichier::OctetsClasseMax / 2, u'é') << true;
    QTest::newRow("84 euros, once taken then refused by the disk") << QString(84, u'€') << false;
}

void TestNomDeFichier::classesBorneesEnOctets() {
    QFETCH(QString, classe);
    QFETCH(bool, acceptee);
    QString refus;
    const QString liste = NomDeFichier::FichierListe(classe, refus);
    QCOMPARE(liste.isEmpty(), !acceptee);
    if (!acceptee) {
        QVERIFY2(refus.startsWith(QStringLiteral("Le nom de la classe est trop long")), qPrintable(refus));
        return;
    }
    const QString bilan = NomDeFichier::FichierIndividuel(liste, QString(50, u'€'));
    QVERIFY(NomDeFichier::Octets(QLatin1Char('.') + bilan + QStringLiteral(".verrou")) <=
            NomDeFichier::OctetsMax);
}

QTEST_GUILESS_MAIN(TestNomDeFichier)
#include "tst_NomDeFichier.moc"
