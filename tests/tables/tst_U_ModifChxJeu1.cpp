// SPDX-License-Identifier: GPL-3.0-or-later
// The size chooser: its heading per program and exercise, and the size it answers.
#include "core/ProfilProgramme.h"
#include "support/PlateFormeTest.h"
#include "tables/U_ModifChxJeu1.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(ProfilProgramme)

class TestModifCh1 : public QObject {
    Q_OBJECT

  private slots:
    void enTete_data();
    void enTete();
    void reponseSelonLaSortie_data();
    void reponseSelonLaSortie();
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
    TF_ModifCh1 choix(plate, profil.EnTeteJeu);
    choix.Preparer(numJeu, 4);
    choix.show();
    QCOMPARE(choix.windowTitle(), QStringLiteral("Choix du nombre de cases du tableau"));
    QCOMPARE(choix.NumeroJeu()->text(), titre);
    QCOMPARE(choix.NbCasesJeu1()->checkedId(), 3);
    QCOMPARE(choix.NbCasesJeu1()->button(0)->text(), QStringLiteral("Taille 1 (3 x 4)"));
    QCOMPARE(choix.NbCasesJeu1()->buttons().size(), 7);
}

void TestModifCh1::reponseSelonLaSortie_data() {
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<int>("reponse"); // 0: nothing
    QTest::newRow("OK: the size clicked last") << "OK" << 4;
    QTest::newRow("Enter") << "Enter" << 4;
    QTest::newRow("Annuler") << "Annuler" << 0;
    QTest::newRow("Escape") << "Escape" << 0;
    QTest::newRow("close button") << "close" << 0;
}

// The size clicked last once confirmed, nothing otherwise; opened again, it starts from the size
// it is given.
void TestModifCh1::reponseSelonLaSortie() {
    QFETCH(QString, sortie);
    QFETCH(int, reponse);
    PlateFormeTest plate;
    TF_ModifCh1 choix(plate, ProfilCarrelis().EnTeteJeu);
    QTimer::singleShot(0, &choix, [&] {
        QTest::mouseClick(choix.NbCasesJeu1()->button(5), Qt::LeftButton);
        QTest::mouseClick(choix.NbCasesJeu1()->button(3), Qt::LeftButton);
        if (sortie == QLatin1String("OK"))
            QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        else if (sortie == QLatin1String("Enter"))
            QTest::keyClick(choix.NbCasesJeu1()->checkedButton(), Qt::Key_Return);
        else if (sortie == QLatin1String("Annuler"))
            QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        else if (sortie == QLatin1String("Escape"))
            QTest::keyClick(&choix, Qt::Key_Escape);
        else
            choix.close();
        if (choix.isVisible()) choix.reject();
    });
    const std::optional<quint8> taille = choix.Choisir(3, 2);
    QCOMPARE(taille.value_or(0), reponse);
    choix.Preparer(1, 6);
    choix.show();
    QCOMPARE(choix.NbCasesJeu1()->checkedId(), 5);
}

QTEST_MAIN(TestModifCh1)
#include "tst_U_ModifChxJeu1.moc"
