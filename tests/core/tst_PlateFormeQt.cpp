// SPDX-License-Identifier: GPL-3.0-or-later
// The running programs' platform where a start is concerned: Qt's texts already French in a
// message box shown before the menu, and the print dialogs loaded at the first print only, or
// their absence said in French. The test itself does not link the printing library.
#include "core/PlateFormeQt.h"
#include "support/BibliothequesChargees.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

class TestPlateFormeQt : public QObject {
    Q_OBJECT

  private slots:
    // First: the translation and the printing library stay once anything loaded them.
    void boiteDeDemarrageEnFrancais();
    void impressionChargeeALaPremiere_data();
    void impressionChargeeALaPremiere();
    void moduleAbsentDitEnFrancais_data();
    void moduleAbsentDitEnFrancais();
};

namespace {

// Runs geste on the modal window that the next call opens.
void SurLaProchaineModale(std::function<void(QWidget&)> geste) {
    QTimer::singleShot(0, [geste] {
        QWidget* modale = QApplication::activeModalWidget();
        QVERIFY(modale);
        geste(*modale);
    });
}

} // namespace

void TestPlateFormeQt::boiteDeDemarrageEnFrancais() {
    PlateFormeQt plate(QStringLiteral("Carrelis"));
    QString annuler;
    SurLaProchaineModale([&](QWidget& boite) {
        annuler = QCoreApplication::translate("QPlatformTheme", "Cancel");
        static_cast<QDialog&>(boite).accept();
    });
    plate.Avertir(QStringLiteral("Carrelis ne peut pas écrire dans son dossier."));
    QCOMPARE(annuler, QStringLiteral("Annuler"));
}

void TestPlateFormeQt::impressionChargeeALaPremiere_data() {
    QTest::addColumn<bool>("accepte");
    QTest::newRow("the teacher gives up: no page") << false;
    QTest::newRow("accepted: the page, turned as asked") << true;
}

void TestPlateFormeQt::impressionChargeeALaPremiere() {
    QFETCH(bool, accepte);
    const QString imprimerie = QStringLiteral("libQt6PrintSupport");
    if (!accepte) QCOMPARE(BibliothequesChargees(imprimerie), QStringList());
    // Without a printer the dialog proposes a PDF file in the home folder: a folder of the test's.
    QTemporaryDir maison;
    const QByteArray ancienneMaison = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(maison.path()));
    PlateFormeQt plate(QStringLiteral("Carrelis"), QStringLiteral(MODULE_IMPRESSION));
    QString titre;
    SurLaProchaineModale([&](QWidget& dialogue) {
        titre = dialogue.windowTitle();
        QVERIFY(dialogue.inherits("QPrintDialog"));
        accepte ? static_cast<QDialog&>(dialogue).accept() : static_cast<QDialog&>(dialogue).reject();
    });
    const auto page = plate.ChoisirImprimante(QStringLiteral("Exercice"), QPageLayout::Landscape);
    qputenv("HOME", ancienneMaison);
    QCOMPARE(titre, QStringLiteral("Exercice"));
    QCOMPARE(bool(page), accepte);
    if (page) QCOMPARE(page->pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(BibliothequesChargees(imprimerie).size(), 1);
}

void TestPlateFormeQt::moduleAbsentDitEnFrancais_data() {
    QTest::addColumn<bool>("avecCopies");
    QTest::newRow("a sheet or a report") << false;
    QTest::newRow("a text and its copies") << true;
}

void TestPlateFormeQt::moduleAbsentDitEnFrancais() {
    QFETCH(bool, avecCopies);
    QTemporaryDir dossier;
    const QString absent = dossier.filePath(QStringLiteral("impression.so"));
    PlateFormeQt plate(QStringLiteral("Navirelle"), absent);
    QString message;
    SurLaProchaineModale([&](QWidget& boite) {
        auto* avertissement = qobject_cast<QMessageBox*>(&boite);
        QVERIFY(avertissement);
        message = avertissement->text();
        avertissement->accept();
    });
    const bool page = avecCopies
                          ? bool(plate.ChoisirImpression(QStringLiteral("Lettre")).Page)
                          : bool(plate.ChoisirImprimante(QStringLiteral("Bilan"), QPageLayout::Portrait));
    QVERIFY(!page);
    QVERIFY2(message.startsWith(QStringLiteral("L'impression n'est pas possible : Navirelle")),
             qPrintable(message));
    QVERIFY2(message.contains(absent), qPrintable(message));
}

QTEST_MAIN(TestPlateFormeQt)
#include "tst_PlateFormeQt.moc"
