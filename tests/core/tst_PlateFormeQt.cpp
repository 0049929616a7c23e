// SPDX-License-Identifier: GPL-3.0-or-later
// The running programs' platform where a start is concerned: Qt's texts already French in a
// message box shown before the menu, and the print dialogs loaded at the first print only, or
// their absence said in French. The test itself does not link the printing library.
#include "core/PlateFormeQt.h"
#include "core/SortieImpression.h"
#include "support/BibliothequesChargees.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
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
    void moduleAbsentDitEnFrancais();
    void nomQuiRessembleADuBalisage_data();
    void nomQuiRessembleADuBalisage();
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
    QTest::newRow("the teacher gives up: nothing to print on") << false;
    QTest::newRow("accepted: the page, turned as asked, pages and copies") << true;
}

// Without a printer the dialog proposes a PDF file, which the program writes itself: what it
// hands over is the program's own PDF output, with the dialog's title, page, range and copies.
void TestPlateFormeQt::impressionChargeeALaPremiere() {
    QFETCH(bool, accepte);
    const QString imprimerie = QStringLiteral("libQt6PrintSupport");
    if (!accepte) QCOMPARE(BibliothequesChargees(imprimerie), QStringList());
    QTemporaryDir maison;
    const QByteArray ancienneMaison = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(maison.path()));
    PlateFormeQt plate(QStringLiteral("Carrelis"), QStringLiteral(MODULE_IMPRESSION));
    QString titre;
    int derniere = 0;
    SurLaProchaineModale([&](QWidget& dialogue) {
        titre = dialogue.windowTitle();
        QVERIFY(dialogue.inherits("QPrintDialog"));
        // The range offered ends at the document's last page; 2 copies, the second page only.
        if (auto* jusqua = dialogue.findChild<QSpinBox*>(QStringLiteral("to"))) derniere = jusqua->maximum();
        dialogue.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(2);
        dialogue.findChild<QAbstractButton*>(QStringLiteral("printRange"))->click();
        dialogue.findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
        accepte ? static_cast<QDialog&>(dialogue).accept() : static_cast<QDialog&>(dialogue).reject();
    });
    const std::unique_ptr<SortieImpression> sortie =
        plate.ChoisirImpression(QStringLiteral("Exercice"), QPageLayout::Landscape, 3);
    qputenv("HOME", ancienneMaison);
    QCOMPARE(titre, QStringLiteral("Exercice"));
    QCOMPARE(derniere, 3);
    QCOMPARE(bool(sortie), accepte);
    QCOMPARE(BibliothequesChargees(imprimerie).size(), 1);
    if (!sortie) return;
    QVERIFY(dynamic_cast<SortiePdf*>(sortie.get()));
    QCOMPARE(sortie->Page().pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(sortie->Demande.Choisies(3), QList<int>{1});
    QCOMPARE(sortie->Demande.Exemplaires, 2);
}

void TestPlateFormeQt::moduleAbsentDitEnFrancais() {
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
    QVERIFY(!plate.ChoisirImpression(QStringLiteral("Bilan"), QPageLayout::Portrait, 0));
    QVERIFY2(message.startsWith(QStringLiteral("L'impression n'est pas possible : Navirelle")),
             qPrintable(message));
    QVERIFY2(message.contains(absent), qPrintable(message));
}

// Anybody may name a class list in the shared folder: its name is shown and said as it is.
void TestPlateFormeQt::nomQuiRessembleADuBalisage_data() {
    QTest::addColumn<int>("boite"); // 0: warning, 1: question, 2: confirmation
    QTest::newRow("warning") << 0;
    QTest::newRow("question") << 1;
    QTest::newRow("confirmation") << 2;
}

void TestPlateFormeQt::nomQuiRessembleADuBalisage() {
    QFETCH(int, boite);
    const QString texte = QStringLiteral("La liste « <b>CM1</b><!-- .elv » n'a pas pu être lue.");
    PlateFormeQt plate(QStringLiteral("Carrelis"));
    QString dit;
    SurLaProchaineModale([&](QWidget& modale) {
        auto* libelle = modale.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(libelle);
        dit = QAccessible::queryAccessibleInterface(libelle)->text(QAccessible::Name);
        static_cast<QDialog&>(modale).reject();
    });
    if (boite == 0) plate.Avertir(texte);
    if (boite == 1) plate.Demander(texte);
    if (boite == 2) plate.Confirmer(QStringLiteral("Carrelis"), texte);
    QCOMPARE(dit, texte);
}

QTEST_MAIN(TestPlateFormeQt)
#include "tst_PlateFormeQt.moc"
