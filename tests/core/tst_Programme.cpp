// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up values of both programs, the return to the program folder and the scaling ratio.
#include "core/Echelle.h"
#include "core/Programme.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ProfilProgramme)

class TestProgramme : public QObject {
    Q_OBJECT

  private slots:
    void initValeursDeChaqueProgramme_data();
    void initValeursDeChaqueProgramme();
    void toutEstVideAuDepart();
    void imagesParDefaut();
    void retourRepertoireDepuisUnAutreDossier();
    void retourRepertoireAvertitQuandLeDossierADisparu();
    void retourRepertoireDejaEnPlaceNeFaitRien();
    void rapportEchelle_data();
    void rapportEchelle();

  private:
    QString dossierInitial = QDir::currentPath();
};

void TestProgramme::initValeursDeChaqueProgramme_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("carrelis")
        << ProfilCarrelis()
        << QStringList{"Carrelis   version 1.2", "2000 - 2002", "Carrelis.pfr", "bilan Carrelis.txt",
                       "Carrelis_Titre.bmp",     "Fond4.bmp",   "Carrelis.bmp"};
    QTest::newRow("navirelle")
        << ProfilNavirelle()
        << QStringList{"Navirelle   version 1.2", "2000 - 2002", "Navirelle.pfr", "bilan navirelle.txt",
                       "Navirelle_Titre.bmp",     "Fond4.bmp",   "Navirelle.bmp"};
}

void TestProgramme::initValeursDeChaqueProgramme() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QStringList, attendu);
    PlateFormeTest plate;
    Programme prog(profil, plate);
    prog.InitValeurs();
    QCOMPARE((QStringList{profil.TitreVersion, profil.DatesVersion, profil.FichierPref, profil.FichierBilan,
                          prog.ImageParDefaut(0), prog.ImageParDefaut(5), profil.ImageTitre}),
             attendu);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(prog.ImageParDefaut(i), QStringLiteral("Fond4.bmp"));
    QCOMPARE(prog.Consigne, profil.ConsigneInitiale);
    QCOMPARE(profil.OrdreFenetres.first(), IdFenetre::Menu);
}

void TestProgramme::toutEstVideAuDepart() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    QVERIFY(prog.RepProgramme.isEmpty());
    QVERIFY(prog.Consigne.isEmpty());
}

void TestProgramme::imagesParDefaut() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    QCOMPARE(prog.ImageParDefaut(0), QStringLiteral("Navirelle_Titre.bmp"));
    QCOMPARE(prog.ImageParDefaut(1), QStringLiteral("Fond4.bmp"));
    QCOMPARE(prog.ImageParDefaut(5), QStringLiteral("Fond4.bmp"));
    QVERIFY(prog.ImageParDefaut(6).isEmpty());
    QVERIFY(prog.ImageParDefaut(-1).isEmpty());
}

void TestProgramme::retourRepertoireDepuisUnAutreDossier() {
    QTemporaryDir programme, ailleurs;
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    prog.RepProgramme = QDir(programme.path()).canonicalPath();
    QVERIFY(QDir::setCurrent(ailleurs.path()));
    prog.RetourRepertoire();
    QCOMPARE(QDir::currentPath(), prog.RepProgramme);
    QVERIFY(plate.avertissements.isEmpty());
    QDir::setCurrent(dossierInitial);
}

void TestProgramme::retourRepertoireAvertitQuandLeDossierADisparu() {
    QTemporaryDir ailleurs;
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    {
        QTemporaryDir programme;
        prog.RepProgramme = programme.path();
    }
    QVERIFY(QDir::setCurrent(ailleurs.path()));
    const QString avant = QDir::currentPath();
    prog.RetourRepertoire();
    QCOMPARE(plate.avertissements, QStringList{QStringLiteral("Impossible de trouver mon répertoire")});
    QCOMPARE(QDir::currentPath(), avant);
    QDir::setCurrent(dossierInitial);
}

void TestProgramme::retourRepertoireDejaEnPlaceNeFaitRien() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    prog.RepProgramme = QDir::currentPath();
    prog.RetourRepertoire();
    QCOMPARE(QDir::currentPath(), dossierInitial);
    QVERIFY(plate.avertissements.isEmpty());
}

void TestProgramme::rapportEchelle_data() {
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("ppp");
    QTest::addColumn<double>("rapport");
    QTest::addColumn<int>("bouton"); // a 145-pixel button
    QTest::newRow("800 at 96 dpi keeps the design") << 800 << 96 << 1.0 << 145;
    QTest::newRow("1024 at 96 dpi grows by 1.28") << 1024 << 96 << 1.28 << 186;
    QTest::newRow("1024 at 120 dpi") << 1024 << 120 << 1.024 << 148;
    QTest::newRow("640 at 96 dpi shrinks") << 640 << 96 << 0.8 << 116;
    QTest::newRow("no screen keeps the design") << 0 << 96 << 1.0 << 145;
    QTest::newRow("1920 x 1080: the height bounds the ratio") << 1920 << 96 << 1.8 << 261;
}

void TestProgramme::rapportEchelle() {
    QFETCH(int, largeur);
    QFETCH(int, ppp);
    QFETCH(double, rapport);
    QFETCH(int, bouton);
    const QSize ecran(largeur, largeur == 1920 ? 1080 : largeur * 3 / 4);
    QCOMPARE(RapportEchelle(ecran, ppp), rapport);
    QCOMPARE(AEchelle(145, RapportEchelle(ecran, ppp)), bouton);
}

QTEST_GUILESS_MAIN(TestProgramme)
#include "tst_Programme.moc"
