// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar of the main menu and of every exercise window, as a screen reader finds it: the
// window's status bar, reading its message (beside the hatch switch in navirelle's games).
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "support/ActionsAccessibles.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(ProfilProgramme)
Q_DECLARE_METATYPE(IdFenetre)

class TestBarreDEtat : public QObject {
    Q_OBJECT

  private slots:
    void diteBarreDEtatAvecSonMessage_data();
    void diteBarreDEtatAvecSonMessage();
};

void TestBarreDEtat::diteBarreDEtatAvecSonMessage_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<IdFenetre>("id");
    QTest::newRow("carrelis, menu") << ProfilCarrelis() << IdFenetre::Menu;
    QTest::newRow("carrelis, exercice") << ProfilCarrelis() << IdFenetre::JeuCarrelis;
    QTest::newRow("navirelle, menu") << ProfilNavirelle() << IdFenetre::Menu;
    QTest::newRow("navirelle, remplir") << ProfilNavirelle() << IdFenetre::Jeu1;
    QTest::newRow("navirelle, colorier") << ProfilNavirelle() << IdFenetre::Jeu23;
}

void TestBarreDEtat::diteBarreDEtatAvecSonMessage() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(IdFenetre, id);
    PlateFormeTest plate;
    Programme prog(profil, plate);
    Fenetres fenetres(prog);
    QWidget* fenetre = fenetres.Fenetre(id);
    QVERIFY(fenetre);
    auto* barre = fenetre->findChild<QWidget*>(QStringLiteral("StatusBar1"));
    auto* message = fenetre->findChild<QLabel*>(QStringLiteral("StatusBar1Panel"));
    QVERIFY(barre && message);
    QAccessibleInterface* barreDite = QAccessible::queryAccessibleInterface(barre);
    QCOMPARE(barreDite->role(), QAccessible::StatusBar);
    QVERIFY(!message->text().isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(message)->parent(), barreDite);
    QCOMPARE(ActionsAccessibles::Nom(message), message->text());
}

QTEST_MAIN(TestBarreDEtat)
#include "tst_BarreDEtat.moc"
