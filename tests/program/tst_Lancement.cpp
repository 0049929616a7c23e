// SPDX-License-Identifier: GPL-3.0-or-later
// What the start gives the application before and after its menu is painted: the menu bar built
// without reading a picture, Qt's texts in French from the first window that shows any, the
// window icon read from the installed files.
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "program/Lancement.h"
#include "program/U_Menu.h"
#include "support/BancProgramme.h"
#include "support/BibliothequesChargees.h"

#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

class TestLancement : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    // First: the plugins and the translation they watch stay once anything loaded them.
    void laBarreDeMenusNeLitAucuneImage();
    void traductionAvecLaPremiereAutreFenetre();
    void iconeLueDansLeDossierInstalle_data();
    void iconeLueDansLeDossierInstalle();
};

namespace {
QString Annuler() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}
} // namespace

void TestLancement::initTestCase() {
    PreparerApplication(ProfilCarrelis());
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

// The menu, which shows none of Qt's texts, paints without them; the first other window
// finds Qt's texts French.
void TestLancement::traductionAvecLaPremiereAutreFenetre() {
    BancProgramme banc;
    Fenetres fenetres(banc.prog);
    fenetres.CreerAuDemarrage();
    QSignalSpy peint(fenetres.Menu(), &TF_Menu::Peint);
    fenetres.Menu()->show();
    QVERIFY(peint.wait());
    fenetres.Menu()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(peint.count(), 1);
    QCOMPARE(Annuler(), QStringLiteral("Cancel"));
    QVERIFY(fenetres.Fenetre(IdFenetre::PubN));
    QCOMPARE(Annuler(), QStringLiteral("Annuler"));
}

void TestLancement::iconeLueDansLeDossierInstalle_data() {
    QTest::addColumn<QList<int>>("livrees");
    QTest::newRow("the sizes a desktop shows") << QList<int>{16, 32, 48, 64};
    QTest::newRow("others are not read") << QList<int>{22, 48, 256};
    QTest::newRow("none: no icon") << QList<int>{};
}

void TestLancement::iconeLueDansLeDossierInstalle() {
    QFETCH(QList<int>, livrees);
    QTemporaryDir hicolor;
    QList<QSize> attendues;
    for (const int taille : livrees) {
        QVERIFY(QDir(hicolor.path()).mkpath(QStringLiteral("%1x%1/apps").arg(taille)));
        QImage image(taille, taille, QImage::Format_ARGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(hicolor.filePath(QStringLiteral("%1x%1/apps/carrelis.png").arg(taille))));
        if (QList<int>{16, 32, 48, 64}.contains(taille)) attendues.append(QSize(taille, taille));
    }
    const QIcon icone = IconeProgramme(hicolor.path(), QStringLiteral("carrelis"));
    QCOMPARE(icone.availableSizes(), attendues);
    QCOMPARE(icone.isNull(), attendues.isEmpty());
}

QTEST_MAIN(TestLancement)
#include "tst_Lancement.moc"
