// SPDX-License-Identifier: GPL-3.0-or-later
// The size chooser: its heading per program and exercise, and the size it answers, clicked or
// checked through the accessibility tree.
#include "core/ProfilProgramme.h"
#include "support/ActionsAccessibles.h"
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
    void choixAuLecteurDEcran_data();
    void choixAuLecteurDEcran();
    void flechesDansLOrdreDesTailles_data();
    void flechesDansLOrdreDesTailles();
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

void TestModifCh1::choixAuLecteurDEcran_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("bouton"); // pressed after "Taille 2 (4 x 4)" is toggled
    QTest::addColumn<int>("reponse");    // 0: nothing
    QTest::newRow("carrelis, OK") << ProfilCarrelis() << "OK" << 2;
    QTest::newRow("navirelle, OK") << ProfilNavirelle() << "OK" << 2;
    QTest::newRow("navirelle, Annuler") << ProfilNavirelle() << "Annuler" << 0;
}

// A size checked through the accessibility tree is the size chosen, as a click is.
void TestModifCh1::choixAuLecteurDEcran() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, bouton);
    QFETCH(int, reponse);
    PlateFormeTest plate;
    TF_ModifCh1 choix(plate, profil.EnTeteJeu);
    int cochee = -1;
    QTimer::singleShot(0, &choix, [&] {
        if (ActionsAccessibles::Basculer(choix, QStringLiteral("Taille 2 (4 x 4)")))
            cochee = choix.NbCasesJeu1()->checkedId();
        if (!ActionsAccessibles::Appuyer(choix, bouton)) choix.reject();
    });
    QCOMPARE(choix.Choisir(2, 5).value_or(0), reponse);
    QCOMPARE(cochee, 1);
}

void TestModifCh1::flechesDansLOrdreDesTailles_data() {
    QTest::addColumn<int>("depart");
    QTest::addColumn<QList<int>>("touches");
    QTest::addColumn<int>("reponse");
    QTest::newRow("Down from the foot of the first column") << 4 << QList<int>{Qt::Key_Down} << 5;
    QTest::newRow("Up from the head of the second column") << 5 << QList<int>{Qt::Key_Up} << 4;
    QTest::newRow("Down through every size")
        << 1 << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}
        << 7;
    QTest::newRow("Right then Left") << 3 << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Left} << 2;
    QTest::newRow("Down at the last size stays") << 7 << QList<int>{Qt::Key_Down} << 7;
    QTest::newRow("Up at the first size stays") << 1 << QList<int>{Qt::Key_Up} << 1;
}

// The arrows go through the sizes in their order, whichever column they are shown in, and Enter
// gives the size reached.
void TestModifCh1::flechesDansLOrdreDesTailles() {
    QFETCH(int, depart);
    QFETCH(QList<int>, touches);
    QFETCH(int, reponse);
    PlateFormeTest plate;
    TF_ModifCh1 choix(plate, ProfilCarrelis().EnTeteJeu);
    QTimer::singleShot(0, &choix, [&] {
        for (int touche : touches)
            QTest::keyClick(choix.focusWidget(), Qt::Key(touche));
        QTest::keyClick(choix.focusWidget(), Qt::Key_Return);
        if (choix.isVisible()) choix.reject();
    });
    QCOMPARE(choix.Choisir(1, depart).value_or(0), reponse);
}

QTEST_MAIN(TestModifCh1)
#include "tst_U_ModifChxJeu1.moc"
