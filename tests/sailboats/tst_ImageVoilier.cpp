// SPDX-License-Identifier: GPL-3.0-or-later
// The boat picture of the exercise windows: shown as drawn whether enabled or not, drawn at its
// control's size even beyond 300 x 350, clicks only while enabled.
#include "sailboats/Couleurs.h"
#include "sailboats/ImageVoilier.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

class TestImageVoilier : public QObject {
    Q_OBJECT

  private slots:
    void montreSesCouleursActiveOuNon_data();
    void montreSesCouleursActiveOuNon();
    void bitmapAuMoinsAussiGrandQueLeControle();
};

void TestImageVoilier::montreSesCouleursActiveOuNon_data() {
    QTest::addColumn<bool>("active");
    QTest::newRow("enabled") << true;
    QTest::newRow("disabled") << false;
}

// A disabled picture shows the very pixels of its bitmap and ignores the mouse.
void TestImageVoilier::montreSesCouleursActiveOuNon() {
    QFETCH(bool, active);
    ImageVoilier image;
    image.resize(76, 89);
    image.setEnabled(active);
    VoilierEcran dessin = image.Dessin(5);
    dessin.EffacerImage(Argent);
    dessin.DessinerVoilier(Couleurs[8], Couleurs[10]);
    QCOMPARE(image.grab().toImage().convertToFormat(QImage::Format_RGB32), image.Image().copy(0, 0, 76, 89));
    QCOMPARE(image.Image().pixel(dessin.GraineCoque()), Couleurs[8]);
    QSignalSpy appuis(&image, &ImageVoilier::Appui), clics(&image, &ImageVoilier::Clic);
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(38, 70));
    QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(38, 20));
    QCOMPARE(clics.size(), active ? 1 : 0);
    QCOMPARE(appuis.size(), active ? 2 : 0);
    if (active) QCOMPARE(appuis.at(1).at(0).toPoint(), QPoint(38, 20));
    // A screen reader's action is a click at its point, under the same rule.
    image.DefinirActions({{QStringLiteral("Colorier la coque"), QPoint(38, 70)}});
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(&image);
    QCOMPARE(acces->role(), QAccessible::Button);
    QCOMPARE(acces->actionInterface()->actionNames(), QStringList{QStringLiteral("Colorier la coque")});
    acces->actionInterface()->doAction(QStringLiteral("Colorier la coque"));
    QCOMPARE(clics.size(), active ? 2 : 0);
    if (active) QCOMPARE(appuis.last().at(0).toPoint(), QPoint(38, 70));
}

// On a screen over about 2000 pixels high a cell is larger than 300 x 350.
void TestImageVoilier::bitmapAuMoinsAussiGrandQueLeControle() {
    ImageVoilier image;
    image.resize(100, 100);
    QCOMPARE(image.Image().size(), QSize(300, 350));
    VoilierEcran petit = image.Dessin(4);
    petit.EffacerImage(Argent);
    image.resize(360, 420);
    VoilierEcran dessin = image.Dessin(14);
    QCOMPARE(image.Image().size(), QSize(360, 420));
    QCOMPARE(image.Image().pixel(99, 99), Couleurs[Argent]);
    QCOMPARE(image.Image().pixel(359, 419), qRgb(255, 255, 255));
    dessin.EffacerImage(Argent);
    dessin.DessinerVoilier(Couleurs[2], Couleurs[7]);
    QCOMPARE(image.Image().pixel(dessin.GraineCoque()), Couleurs[2]);
    QCOMPARE(image.Image().pixel(dessin.GraineCoque() + QPoint(0, 50)), Couleurs[Argent]);
    image.resize(50, 50);
    QCOMPARE(image.Image().size(), QSize(360, 420));
}

QTEST_MAIN(TestImageVoilier)
#include "tst_ImageVoilier.moc"
