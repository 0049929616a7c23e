// SPDX-License-Identifier: GPL-3.0-or-later
// The size chooser: its heading per program and exercise, and that a click changes the size of
// the exercise being played at once, and only that one.
#include "core/Programme.h"
#include "support/ActionsAccessibles.h"
#include "support/PlateFormeTest.h"
#include "tables/U_ModifChxJeu1.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(ProfilProgramme)

class TestModifCh1 : public QObject {
    Q_OBJECT

  private slots:
    void enTete_data();
    void enTete();
    void unClicChangeSeulementLExerciceEnCours();
    void annulerRemetLaTailleDeLOuverture_data();
    void annulerRemetLaTailleDeLOuverture();
    void choixAuLecteurDEcran_data();
    void choixAuLecteurDEcran();
};

void TestModifCh1::enTete_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("titre");
    QTest::newRow("carrelis 2") << ProfilCarrelis() << 2 << "Jeu n° 2";
    QTest::newRow("navirelle 3") << ProfilNavirelle() << 3 << "Exercice n° 3";
    QTest::newRow("navirelle sheets") << ProfilNavirelle() << 0 << "Préparation";
}

void TestModifCh1::enTete() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, numJeu);
    QFETCH(QString, titre);
    PlateFormeTest plate;
    Programme prog(profil, plate);
    prog.Prefs.TailleJeu(numJeu) = 4;
    TF_ModifCh1 choix(prog);
    choix.Preparer(numJeu);
    choix.show();
    QCOMPARE(choix.windowTitle(), QStringLiteral("Choix du nombre de cases du tableau"));
    QCOMPARE(choix.NumeroJeu()->text(), titre);
    QCOMPARE(choix.NbCasesJeu1()->checkedId(), 3);
    QCOMPARE(choix.NbCasesJeu1()->button(0)->text(), QStringLiteral("Taille 1 (3 x 4)"));
    QCOMPARE(choix.NbCasesJeu1()->buttons().size(), 7);
}

void TestModifCh1::unClicChangeSeulementLExerciceEnCours() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    prog.Prefs.TailleJeu1 = 1;
    prog.Prefs.TailleJeu2 = 2;
    prog.Prefs.TailleJeu3 = 3;
    TF_ModifCh1 choix(prog);
    choix.Preparer(3);
    choix.show();
    QTest::mouseClick(choix.NbCasesJeu1()->button(6), Qt::LeftButton);
    QCOMPARE(int(prog.Prefs.TailleJeu3), 7); // at once, before OK
    QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    QCOMPARE((QList<int>{prog.Prefs.TailleJeu1, prog.Prefs.TailleJeu2, prog.Prefs.TailleJeu3}),
             (QList<int>{1, 2, 7}));
    QVERIFY(!choix.isVisible());
}

void TestModifCh1::annulerRemetLaTailleDeLOuverture_data() {
    QTest::addColumn<QString>("sortie");
    QTest::newRow("Annuler") << "Annuler";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close button") << "close";
}

void TestModifCh1::annulerRemetLaTailleDeLOuverture() {
    QFETCH(QString, sortie);
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    prog.Prefs.TailleJeu1 = 2;
    TF_ModifCh1 choix(prog);
    choix.Preparer(1);
    choix.show();
    QTest::mouseClick(choix.NbCasesJeu1()->button(5), Qt::LeftButton);
    QTest::mouseClick(choix.NbCasesJeu1()->button(3), Qt::LeftButton);
    if (sortie == QLatin1String("Annuler"))
        QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    else if (sortie == QLatin1String("Escape"))
        QTest::keyClick(&choix, Qt::Key_Escape);
    else
        choix.close();
    QVERIFY(!choix.isVisible());
    QCOMPARE(int(prog.Prefs.TailleJeu1), 2);
    // Opened again after a change made elsewhere, it starts from the new size.
    prog.Prefs.TailleJeu1 = 6;
    choix.show();
    QCOMPARE(choix.NbCasesJeu1()->checkedId(), 5);
}

void TestModifCh1::choixAuLecteurDEcran_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("bouton"); // pressed after "Taille 2 (4 x 4)" is toggled
    QTest::addColumn<int>("taille");
    QTest::newRow("carrelis, OK") << ProfilCarrelis() << "OK" << 2;
    QTest::newRow("navirelle, OK") << ProfilNavirelle() << "OK" << 2;
    QTest::newRow("navirelle, Annuler") << ProfilNavirelle() << "Annuler" << 5;
}

// A size checked through the accessibility tree is the size chosen, as a click is.
void TestModifCh1::choixAuLecteurDEcran() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, bouton);
    QFETCH(int, taille);
    PlateFormeTest plate;
    Programme prog(profil, plate);
    prog.Prefs.TailleJeu2 = 5;
    TF_ModifCh1 choix(prog);
    choix.Preparer(2);
    choix.show();
    QVERIFY(ActionsAccessibles::Basculer(choix, QStringLiteral("Taille 2 (4 x 4)")));
    QCOMPARE(choix.NbCasesJeu1()->checkedId(), 1);
    QVERIFY(ActionsAccessibles::Appuyer(choix, bouton));
    QVERIFY(!choix.isVisible());
    QCOMPARE(int(prog.Prefs.TailleJeu2), taille);
}

QTEST_MAIN(TestModifCh1)
#include "tst_U_ModifChxJeu1.moc"
