// SPDX-License-Identifier: GPL-3.0-or-later
// What the start gives the application before and after its menu is painted: the menu bar built
// without reading a picture, every text of the menu in one family, Qt's texts in French once an
// assistive technology listens or with the first window that shows any, the window icon the
// program is built with, a first paint that waits for no thread of Qt's.
#include "core/Apparence.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "program/Lancement.h"
#include "program/U_Menu.h"
#include "support/BancProgramme.h"
#include "support/BibliothequesChargees.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <algorithm>

class TestLancement : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    // First: Qt's pool keeps its threads for a while once anything started them.
    void lePremierPeintNAttendAucunFil_data();
    void lePremierPeintNAttendAucunFil();
    // Then: the plugins and the translation they watch stay once anything loaded them.
    void laBarreDeMenusNeLitAucuneImage();
    void lesTextesDuMenuSontDUneFamille_data();
    void lesTextesDuMenuSontDUneFamille();
    void traductionQuandUnLecteurEcoute();
    void iconeDeLaFenetre_data();
    void iconeDeLaFenetre();
    void traductionAvecUneFenetreAvantLaPeinture();
    void entreePresseLeBoutonQuiALeFocus_data();
    void entreePresseLeBoutonQuiALeFocus();
    void leFocusDonneParLeProgrammeSeVoit_data();
    void leFocusDonneParLeProgrammeSeVoit();
};

namespace {

QString Annuler() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

// Shows the menu and waits until it is painted.
bool MontrerPeint(TF_Menu& menu) {
    QSignalSpy peint(&menu, &TF_Menu::Peint);
    menu.show();
    return peint.wait();
}

// The threads of this process that Qt's thread pool started ("Thread (pooled)").
int FilsDuPool() {
    int fils = 0;
    for (const QString& tache :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile nom(QStringLiteral("/proc/self/task/%1/comm").arg(tache));
        fils += nom.open(QIODevice::ReadOnly) && nom.readAll().startsWith("Thread (pooled)");
    }
    return fils;
}

} // namespace

void TestLancement::initTestCase() {
    PreparerApplication(ProfilCarrelis());
}

void TestLancement::lePremierPeintNAttendAucunFil_data() {
    LesDeuxProgrammes();
}

// The menu is painted on the thread that shows it: Qt's raster engine hands a large translucent
// fill to threads of its pool and waits for them, which at the start means starting them and
// waiting for them to be scheduled.
void TestLancement::lePremierPeintNAttendAucunFil() {
    QFETCH(ProfilProgramme, profil);
    QCOMPARE(FilsDuPool(), 0);
    BancProgramme banc(profil);
    Fenetres fenetres(banc.prog);
    fenetres.CreerAuDemarrage();
    TF_Menu& menu = *fenetres.Menu();
    QVERIFY(MontrerPeint(menu));
    // Hovered and with the keyboard, a button is painted in its other colours.
    for (QPushButton* bouton : menu.findChildren<QPushButton*>()) {
        bouton->setAttribute(Qt::WA_UnderMouse);
        bouton->setFocus();
        bouton->repaint();
    }
    QCOMPARE(FilsDuPool(), 0);
}

void TestLancement::laBarreDeMenusNeLitAucuneImage() {
    BancProgramme banc;
    Fenetres fenetres(banc.prog);
    TF_Menu menu(banc.prog, fenetres);
    QCOMPARE(BibliothequesChargees(QStringLiteral("/imageformats/")), QStringList());
    // The arrow shown when the entries do not fit is drawn all the same.
    const QImage fleche =
        menu.style()
            ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, menu.menuBar())
            .pixmap(16, 16)
            .toImage();
    int encre = 0;
    for (int y = 0; y < fleche.height(); ++y)
        for (int x = 0; x < fleche.width(); ++x)
            encre += qAlpha(fleche.pixel(x, y)) > 128;
    QVERIFY2(encre > 8, qPrintable(QString::number(encre)));
}

void TestLancement::lesTextesDuMenuSontDUneFamille_data() {
    LesDeuxProgrammes();
}

// The buttons, the status bar, the menu bar and the menus it opens draw in one family, without
// OpenType's shaping: a second family is one more font file read and kept from the start, and
// shaping the fixed captions would run the shaping engine and keep the tables it reads.
void TestLancement::lesTextesDuMenuSontDUneFamille() {
    QFETCH(ProfilProgramme, profil);
    BancProgramme banc(profil);
    Fenetres fenetres(banc.prog);
    TF_Menu menu(banc.prog, fenetres);
    QList<QWidget*> controles = menu.findChildren<QWidget*>();
    controles << &menu;
    QMap<QString, QStringList> familles;
    QStringList misEnForme;
    for (const QWidget* controle : controles) {
        familles[QFontInfo(controle->font()).family()] << controle->objectName();
        if (!(controle->font().styleStrategy() & QFont::PreferNoShaping))
            misEnForme << controle->objectName();
    }
    QCOMPARE(familles.keys(), QStringList{Apparence::FamilleArial()});
    QCOMPARE(misEnForme, QStringList());
}

// The menu paints and settles without Qt's texts, which it shows none of; once an assistive
// technology listens, it is told the buttons' actions in French, and every other window finds
// Qt's texts French.
void TestLancement::traductionQuandUnLecteurEcoute() {
    BancProgramme banc;
    Fenetres fenetres(banc.prog);
    fenetres.CreerAuDemarrage();
    TF_Menu& menu = *fenetres.Menu();
    QVERIFY(MontrerPeint(menu));
    QCoreApplication::processEvents();
    QCOMPARE(Annuler(), QStringLiteral("Cancel"));
    QAccessible::setActive(true);
    QCOMPARE(Annuler(), QStringLiteral("Annuler"));
    const QList<QPushButton*> boutons = menu.findChildren<QPushButton*>();
    QVERIFY(!boutons.isEmpty());
    for (QPushButton* bouton : boutons) {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(bouton)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->localizedActionName(QAccessibleActionInterface::pressAction()),
                 QStringLiteral("Appuyer"));
    }
}

// A window opened before the menu is painted (the preferences by F10 at once) finds Qt's texts
// French too. Only meaningful in a process where nothing installed them yet: the tests run it
// alone as tst_Lancement_fenetre_avant_menu.
void TestLancement::traductionAvecUneFenetreAvantLaPeinture() {
    if (Annuler() != QStringLiteral("Cancel")) QSKIP("Qt's texts are French already in this process");
    BancProgramme banc;
    Fenetres fenetres(banc.prog);
    fenetres.CreerAuDemarrage();
    QVERIFY(fenetres.Fenetre(IdFenetre::PubN));
    QCOMPARE(Annuler(), QStringLiteral("Annuler"));
}

void TestLancement::iconeDeLaFenetre_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("cote");
    for (const ProfilProgramme& profil : {ProfilCarrelis(), ProfilNavirelle()})
        for (const int cote : {16, 32, 48, 64})
            QTest::addRow("%s %d", qPrintable(profil.NomExecutable), cote) << profil << cote;
}

// The window icon the program is built with is its desktop icon, pixel for pixel, at each size
// a desktop shows beside a window.
void TestLancement::iconeDeLaFenetre() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, cote);
    const auto image = std::ranges::find(profil.Icone, cote, &PixelsIcone::Cote);
    QVERIFY(image != profil.Icone.end());
    const QImage compilee(reinterpret_cast<const uchar*>(image->Pixels), cote, cote,
                          QImage::Format_ARGB32_Premultiplied);
    const QImage installee(
        QStringLiteral(DOSSIER_ICONES "/%1x%1/%2.png").arg(cote).arg(profil.NomExecutable));
    QVERIFY(!installee.isNull());
    QCOMPARE(compilee, installee.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QVERIFY(IconeProgramme(profil.Icone).availableSizes().contains(QSize(cote, cote)));
}

void TestLancement::entreePresseLeBoutonQuiALeFocus_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<int>("touche");
    QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
    QTest::addColumn<bool>("ouvre");
    QTest::addColumn<IdFenetre>("fenetre");
    QTest::newRow("carrelis, Enter") << ProfilCarrelis() << "BoutonJ2M" << int(Qt::Key_Return)
                                     << Qt::KeyboardModifiers() << true << IdFenetre::JeuCarrelis;
    QTest::newRow("navirelle, Enter of the keypad")
        << ProfilNavirelle() << "BoutonJ3" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
        << true << IdFenetre::Jeu23;
    QTest::newRow("Ctrl+Enter is not a press")
        << ProfilCarrelis() << "BoutonJ1" << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier)
        << false << IdFenetre::JeuCarrelis;
}

// A pupil who reached an exercise with Tab opens it with Enter as well as with Space.
void TestLancement::entreePresseLeBoutonQuiALeFocus() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, bouton);
    QFETCH(int, touche);
    QFETCH(Qt::KeyboardModifiers, modificateurs);
    QFETCH(bool, ouvre);
    QFETCH(IdFenetre, fenetre);
    DossierDeTest dossier;
    BancProgramme banc(profil);
    Fenetres fenetres(banc.prog);
    fenetres.CreerAuDemarrage();
    TF_Menu& menu = *fenetres.Menu();
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    auto* choisi = menu.findChild<QPushButton*>(bouton);
    QVERIFY(choisi);
    choisi->setFocus();
    QTest::keyClick(choisi, Qt::Key(touche), modificateurs);
    QCOMPARE(fenetres.Fenetre(fenetre)->isVisible(), ouvre);
    fenetres.Fenetre(fenetre)->hide();
}

void TestLancement::leFocusDonneParLeProgrammeSeVoit_data() {
    QTest::addColumn<QString>("sorte");
    QTest::newRow("push button") << "QPushButton";
    QTest::newRow("radio button of a size chooser") << "QRadioButton";
    QTest::newRow("check box") << "QCheckBox";
}

// The focus that the program moves itself, without a Tab from the pupil, is drawn all the same.
void TestLancement::leFocusDonneParLeProgrammeSeVoit() {
    QFETCH(QString, sorte);
    QWidget fenetre;
    QWidget* controle = nullptr;
    if (sorte == QLatin1String("QPushButton")) controle = new QPushButton(QStringLiteral("O K"), &fenetre);
    if (sorte == QLatin1String("QRadioButton"))
        controle = new QRadioButton(QStringLiteral("Taille 1"), &fenetre);
    if (sorte == QLatin1String("QCheckBox")) controle = new QCheckBox(QStringLiteral("Bilans"), &fenetre);
    auto* ailleurs = new QPushButton(QStringLiteral("Quitter"), &fenetre);
    controle->setGeometry(10, 10, 160, 40);
    ailleurs->setGeometry(10, 60, 160, 40);
    fenetre.resize(200, 120);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    ailleurs->setFocus();
    const QImage sansFocus = controle->grab().toImage();
    controle->setFocus();
    QVERIFY(controle->hasFocus());
    QVERIFY(controle->grab().toImage() != sansFocus);
}

QTEST_MAIN(TestLancement)
#include "tst_Lancement.moc"
