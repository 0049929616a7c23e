// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own settings: kept from one run to the next in the file the platform gives, told
// to every window at once, and a file that refuses them reported without losing the choice.
#include "core/Programme.h"
#include "core/ReglagesUtilisateur.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestReglagesUtilisateur : public QObject {
    Q_OBJECT

  private slots:
    void gardesDUneSeanceALAutre();
    void chaqueChangementAnnonceUneFois();
    void valeursAbimeesLuesCommeEteintes_data();
    void valeursAbimeesLuesCommeEteintes();
    void fichierRefuseDitPourquoi();
    void lesTestsNeTouchentPasAuxReglagesDeLUtilisateur();
};

void TestReglagesUtilisateur::gardesDUneSeanceALAutre() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Navirelle/Navirelle.ini"));
    {
        ReglagesUtilisateur reglages(fichier);
        QVERIFY(!reglages.Lire(QStringLiteral("trames")));
        QVERIFY(reglages.Ecrire(QStringLiteral("trames"), true));
    }
    QVERIFY(QFile::exists(fichier));
    ReglagesUtilisateur suivants(fichier);
    QVERIFY(suivants.Lire(QStringLiteral("trames")));
    QVERIFY(!suivants.Lire(QStringLiteral("autre")));
    QVERIFY(suivants.Ecrire(QStringLiteral("trames"), false));
    QVERIFY(!ReglagesUtilisateur(fichier).Lire(QStringLiteral("trames")));
    // Without a file, the choice lasts for the run.
    ReglagesUtilisateur seance{QString()};
    QVERIFY(seance.Ecrire(QStringLiteral("trames"), true));
    QVERIFY(seance.Lire(QStringLiteral("trames")));
}

void TestReglagesUtilisateur::chaqueChangementAnnonceUneFois() {
    QTemporaryDir dossier;
    ReglagesUtilisateur reglages(dossier.filePath(QStringLiteral("r.ini")));
    QSignalSpy changes(&reglages, &ReglagesUtilisateur::Change);
    reglages.Ecrire(QStringLiteral("trames"), true);
    reglages.Ecrire(QStringLiteral("trames"), true);
    reglages.Ecrire(QStringLiteral("trames"), false);
    reglages.Ecrire(QStringLiteral("trames"), false);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0), (QVariantList{QStringLiteral("trames"), true}));
    QCOMPARE(changes.at(1), (QVariantList{QStringLiteral("trames"), false}));
}

void TestReglagesUtilisateur::valeursAbimeesLuesCommeEteintes_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("lu");
    QTest::newRow("true") << QByteArray("[General]\ntrames=true\n") << true;
    QTest::newRow("false") << QByteArray("[General]\ntrames=false\n") << false;
    QTest::newRow("a number") << QByteArray("[General]\ntrames=2\n") << false;
    QTest::newRow("garbage") << QByteArray("\xff\xfe[[trames=\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestReglagesUtilisateur::valeursAbimeesLuesCommeEteintes() {
    QFETCH(QByteArray, contenu);
    QFETCH(bool, lu);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("r.ini"));
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    QCOMPARE(ReglagesUtilisateur(fichier).Lire(QStringLiteral("trames")), lu);
}

// A folder where the file should be: the run keeps the choice, and says it will not be kept.
void TestReglagesUtilisateur::fichierRefuseDitPourquoi() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("r.ini"));
    QVERIFY(QDir().mkpath(fichier));
    ReglagesUtilisateur reglages(fichier);
    QString raison;
    QVERIFY(!reglages.Ecrire(QStringLiteral("trames"), true, &raison));
    QVERIFY(reglages.Lire(QStringLiteral("trames")));
    QVERIFY2(raison.contains(QStringLiteral("pas pu être gardé")), qPrintable(raison));
    QVERIFY(raison.contains(fichier));
}

void TestReglagesUtilisateur::lesTestsNeTouchentPasAuxReglagesDeLUtilisateur() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    const QString fichier = prog.Reglages().Fichier();
    QVERIFY(!fichier.isEmpty());
    QVERIFY2(fichier.startsWith(QDir::tempPath()), qPrintable(fichier));
    QCOMPARE(&prog.Reglages(), &prog.Reglages());
}

QTEST_GUILESS_MAIN(TestReglagesUtilisateur)
#include "tst_ReglagesUtilisateur.moc"
