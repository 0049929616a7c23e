// The main window's start-up, the creation order of the windows and the scaling of every window.
#include "shell/Fenetres.h"
#include "shell/MiseAEchelle.h"
#include "shell/Programme.h"
#include "shell/U_Menu.h"
#include "support/HasardScripte.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(ProfilProgramme)

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void formCreatePrepareLeProgramme_data();
    void formCreatePrepareLeProgramme();
    void fermerRendLaBarreDesTaches();
    void menuCreeEnPremier();
    void miseAEchelleDesControlesPlaces_data();
    void miseAEchelleDesControlesPlaces();
};

void TestMenu::formCreatePrepareLeProgramme_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("titre");
    QTest::newRow("carrelis") << ProfilCarrelis() << "Carrelis";
    QTest::newRow("navirelle") << ProfilNavirelle() << "Navirelle";
}

void TestMenu::formCreatePrepareLeProgramme() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, titre);
    PlateFormeTest plate;
    plate.ecran = QRect(0, 0, 1024, 768);
    auto hasard = std::make_unique<HasardScripte>();
    HasardScripte* graines = hasard.get();
    Programme prog(profil, plate, std::move(hasard));
    Fenetres fenetres(prog);
    TF_Menu menu(prog, fenetres);

    QCOMPARE(menu.windowTitle(), titre);
    QVERIFY(plate.barreMasquee);
    QCOMPARE(prog.RepProgramme, QDir::currentPath());
    QCOMPARE(prog.GeometrieMenu, QRect(0, 0, 1024, 768));
    QCOMPARE(graines->graines, 1);
    QCOMPARE(prog.FichierPref, profil.FichierPref);
    QCOMPARE(prog.TitreVersion, profil.TitreVersion);
    // Laid out for 800 x 600, the window grew with the screen.
    QCOMPARE(menu.size(), QSize(1024, 768));
}

void TestMenu::fermerRendLaBarreDesTaches() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    Fenetres fenetres(prog);
    TF_Menu menu(prog, fenetres);
    menu.show();
    QVERIFY(plate.barreMasquee);
    menu.close();
    QVERIFY(!plate.barreMasquee);
}

void TestMenu::menuCreeEnPremier() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    QVERIFY(!fenetres.OrdreDeCreation().isEmpty());
    QCOMPARE(fenetres.OrdreDeCreation().first(), IdFenetre::Menu);
    QVERIFY(fenetres.Menu());
    QCOMPARE(fenetres.Menu()->windowTitle(), QStringLiteral("Navirelle"));
    // Created once: asking again changes nothing.
    const auto avant = fenetres.OrdreDeCreation();
    fenetres.CreerDansLOrdre();
    QCOMPARE(fenetres.OrdreDeCreation(), avant);
}

void TestMenu::miseAEchelleDesControlesPlaces_data() {
    QTest::addColumn<int>("largeurEcran");
    QTest::addColumn<int>("ppp");
    QTest::addColumn<QRect>("bouton");
    QTest::addColumn<int>("police");
    QTest::newRow("800 at 96 dpi") << 800 << 96 << QRect(640, 324, 145, 37) << 19;
    QTest::newRow("1024 at 96 dpi") << 1024 << 96 << QRect(819, 415, 186, 47) << 24;
    QTest::newRow("1024 at 120 dpi") << 1024 << 120 << QRect(655, 332, 148, 38) << 19;
}

void TestMenu::miseAEchelleDesControlesPlaces() {
    QFETCH(int, largeurEcran);
    QFETCH(int, ppp);
    QFETCH(QRect, bouton);
    QFETCH(int, police);
    PlateFormeTest plate;
    plate.ecran = QRect(0, 0, largeurEcran, largeurEcran * 3 / 4);
    plate.ppp = ppp;

    QWidget fenetre;
    fenetre.resize(800, 600);
    auto* nouveau = new QPushButton(QStringLiteral("Nouveau"), &fenetre);
    nouveau->setGeometry(640, 324, 145, 37);
    QFont gras(QStringLiteral("Arial"));
    gras.setPixelSize(19);
    nouveau->setFont(gras);
    auto* etiquette = new QLabel(nouveau); // inherits its parent's font
    MettreAEchelle(fenetre, plate);

    QCOMPARE(nouveau->geometry(), bouton);
    QCOMPARE(nouveau->font().pixelSize(), police);
    QCOMPARE(etiquette->font().pixelSize(), police);
}

QTEST_MAIN(TestMenu)
#include "tst_Menu.moc"
