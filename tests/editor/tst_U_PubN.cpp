// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: what it shows at each showing, its letter animation, its timers, how it
// closes and its tiled background.
#include "core/AideContextuelle.h"
#include "core/MaintienGeometrie.h"
#include "core/Programme.h"
#include "core/ZoneMosaique.h"
#include "editor/U_PubN.h"
#include "support/BancProgramme.h"
#include "support/HasardScripte.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A program as its main menu leaves it: values filled, geometry recorded.
using Banc = BancProgramme;

QList<QColor> CouleursDesLettres(const TF_PubN& f) {
    QList<QColor> couleurs;
    for (int i = 1; i <= 4; ++i)
        couleurs.append(
            f.findChild<QLabel*>(QStringLiteral("Lettre%1").arg(i))->palette().color(QPalette::WindowText));
    return couleurs;
}

} // namespace

class TestPubN : public QObject {
    Q_OBJECT

  private slots:
    void afficherRelitTitreEtDates_data();
    void afficherRelitTitreEtDates();
    void chaqueControleAUnNomAccessible();
    void unTopRecoloreLaLettreTiree_data();
    void unTopRecoloreLaLettreTiree();
    void cacheeNeTirePas();
    void minuteries_data();
    void minuteries();
    void fermeture_data();
    void fermeture();
    void mosaiqueDuTitre_data();
    void mosaiqueDuTitre();
};

void TestPubN::afficherRelitTitreEtDates_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("contexte");
    QTest::newRow("carrelis: help context 11") << ProfilCarrelis() << 11;
    QTest::newRow("navirelle: no help context") << ProfilNavirelle() << 0;
}

void TestPubN::afficherRelitTitreEtDates() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, contexte);
    auto hasard = std::make_unique<HasardScripte>();
    const HasardScripte* graines = hasard.get();
    Banc banc(profil, QSize(1024, 768), std::move(hasard));
    TF_PubN f(banc.prog);
    QCOMPARE(graines->graines, 1);
    QCOMPARE(f.windowTitle(), QStringLiteral("Lisez-moi..."));
    QVERIFY(f.isModal());
    QVERIFY(!(f.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(ContexteAide(f), contexte);

    f.show();
    auto* version = f.findChild<QLabel*>(QStringLiteral("LabelVersion"));
    auto* dates = f.findChild<QLabel*>(QStringLiteral("LabelDate"));
    QCOMPARE(version->text(), profil.TitreVersion);
    QCOMPARE(dates->text(), QStringLiteral("2000 - 2002"));
    QCOMPARE(QRect(f.pos(), f.size()), banc.prog.GeometrieMenu);
    // 19 and 217 pixels at 800 x 600 grow by 1024 / 800.
    QCOMPARE(version->font().pixelSize(), 24);
    QCOMPARE(dates->width(), 278);
}

void TestPubN::chaqueControleAUnNomAccessible() {
    Banc banc(ProfilNavirelle(), QSize(800, 600), std::make_unique<HasardSysteme>(7));
    TF_PubN f(banc.prog);
    f.show();
    for (QWidget* controle : f.findChildren<QWidget*>()) {
        if (qobject_cast<ZoneMosaique*>(controle)) continue; // the background picture says nothing
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(controle);
        QVERIFY2(interface && !interface->text(QAccessible::Name).isEmpty(),
                 qPrintable(controle->objectName()));
    }
}

void TestPubN::unTopRecoloreLaLettreTiree_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("lettre");
    QTest::addColumn<int>("couleur");
    QTest::addColumn<QColor>("attendue");
    // Each letter starts in the colour of its own rank: every row gives it another one.
    QTest::newRow("carrelis: 3rd letter red") << ProfilCarrelis() << 2 << 1 << QColor(255, 0, 0);
    QTest::newRow("carrelis: 2nd letter aqua") << ProfilCarrelis() << 1 << 0 << QColor(0, 255, 255);
    QTest::newRow("navirelle: 4th letter fuchsia") << ProfilNavirelle() << 3 << 0 << QColor(255, 0, 255);
    QTest::newRow("navirelle: 1st letter lime") << ProfilNavirelle() << 0 << 3 << QColor(0, 255, 0);
}

void TestPubN::unTopRecoloreLaLettreTiree() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, lettre);
    QFETCH(int, couleur);
    QFETCH(QColor, attendue);
    auto hasard = std::make_unique<HasardScripte>();
    HasardScripte* script = hasard.get();
    Banc banc(profil, QSize(800, 600), std::move(hasard));
    TF_PubN f(banc.prog);
    f.show();
    f.findChild<QTimer*>(QStringLiteral("Timer1"))->stop(); // the test gives the ticks
    script->AjouterBorne(lettre, 4);
    script->AjouterBorne(couleur, 4);
    QList<QColor> couleurs = CouleursDesLettres(f);

    f.Timer1Timer();
    QCOMPARE(script->Restants(), 0);
    couleurs[lettre] = attendue; // that letter only
    QCOMPARE(CouleursDesLettres(f), couleurs);
}

void TestPubN::cacheeNeTirePas() {
    auto hasard = std::make_unique<HasardScripte>(); // empty: any draw would throw
    HasardScripte* script = hasard.get();
    Banc banc(ProfilCarrelis(), QSize(800, 600), std::move(hasard));
    TF_PubN f(banc.prog);
    f.Timer1Timer();
    QVERIFY(script->bornes.isEmpty());
}

void TestPubN::minuteries_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<bool>("animeeCachee");
    QTest::newRow("carrelis: animated from creation, no hold") << ProfilCarrelis() << true;
    QTest::newRow("navirelle: animated and held while shown") << ProfilNavirelle() << false;
}

void TestPubN::minuteries() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(bool, animeeCachee);
    Banc banc(profil, QSize(800, 600), std::make_unique<HasardSysteme>(3));
    TF_PubN f(banc.prog);
    auto* timer1 = f.findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* timer2 = f.findChild<MaintienGeometrie*>(QStringLiteral("Timer2"));
    QCOMPARE(timer1->interval(), 300);
    QCOMPARE(timer1->isActive(), animeeCachee);

    f.show();
    QVERIFY(timer1->isActive());
    QCOMPARE(timer2->Actif(), !animeeCachee);
    f.findChild<QPushButton*>(QStringLiteral("bouton_quitter"))->click();
    QCOMPARE(timer1->isActive(), animeeCachee);
    QVERIFY(!timer2->Actif());
}

void TestPubN::fermeture_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
    QTest::newRow("click on O K") << 0 << Qt::KeyboardModifiers();
    QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
    QTest::newRow("Alt+O") << int(Qt::Key_O) << Qt::KeyboardModifiers(Qt::AltModifier);
}

void TestPubN::fermeture() {
    QFETCH(int, touche);
    QFETCH(Qt::KeyboardModifiers, modificateurs);
    Banc banc(ProfilNavirelle(), QSize(800, 600), std::make_unique<HasardSysteme>(5));
    TF_PubN f(banc.prog);
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    if (touche == 0)
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("bouton_quitter")), Qt::LeftButton);
    else
        QTest::keyClick(&f, static_cast<Qt::Key>(touche), modificateurs);
    QTRY_VERIFY(!f.isVisible()); // an accelerator presses the button after a short animation
}

void TestPubN::mosaiqueDuTitre_data() {
    QTest::addColumn<int>("fichier"); // 0 = none, 1 = a bitmap, 2 = not a bitmap
    QTest::newRow("picture present: tiled from the top-left corner") << 1;
    QTest::newRow("picture missing: plain window colour") << 0;
    QTest::newRow("picture unreadable: plain window colour") << 2;
}

void TestPubN::mosaiqueDuTitre() {
    QFETCH(int, fichier);
    QTemporaryDir dossier;
    const QString ancien = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dossier.path()));
    const auto retour = qScopeGuard([&] { QDir::setCurrent(ancien); });

    // A 40 x 30 tile whose four quarters differ, so that a pixel tells where in the tile it is.
    QImage tuile(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            tuile.setPixelColor(x, y, QColor(x < 20 ? 200 : 40, 120, y < 15 ? 30 : 220));
    if (fichier == 1) QVERIFY(tuile.save(QStringLiteral("Carrelis.bmp"), "BMP"));
    if (fichier == 2) {
        QFile faux(QStringLiteral("Carrelis.bmp"));
        QVERIFY(faux.open(QIODevice::WriteOnly) && faux.write("pas une image") > 0);
    }

    Banc banc(ProfilCarrelis(), QSize(800, 600), std::make_unique<HasardSysteme>(1));
    TF_PubN f(banc.prog);
    f.show();
    const QImage image = f.grab().toImage();
    const QColor fond = f.palette().color(QPalette::Window);
    // In the margin left of the cards: the first tile, the next one across, the next one down.
    const QList<std::pair<QPoint, QPoint>> points = {
        {{5, 5}, {5, 5}}, {{45, 20}, {5, 20}}, {{25, 35}, {25, 5}}};
    for (const auto& [ecran, dansTuile] : points)
        QCOMPARE(image.pixelColor(ecran), fichier == 1 ? tuile.pixelColor(dansTuile) : fond);
    // The text card stays opaque over the tiles.
    QCOMPARE(image.pixelColor(70, 300), QColor(255, 253, 246));
}

QTEST_MAIN(TestPubN)
#include "tst_U_PubN.moc"
