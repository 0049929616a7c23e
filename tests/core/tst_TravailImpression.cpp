// SPDX-License-Identifier: GPL-3.0-or-later
// A print job from the print dialog's answer to the pages handed over: the pages and copies asked
// for, in their order; a PDF file put in place whole or not at all; every failure said, with its
// reason, and never counted done.
#include "core/SortieImpression.h"
#include "core/SortieImprimante.h"
#include "core/TravailImpression.h"

#include "support/DisquePlein.h"
#include "support/Pdf.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Each page says its number, to be read back from the PDF.
const DessinPage NumeroDePage = [](QPainter& peintre, QSize surface, int page) {
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(surface.height() / 20);
    peintre.setFont(police);
    peintre.drawText(QRect(QPoint(0, 0), surface), Qt::AlignCenter, QStringLiteral("Page%1").arg(page + 1));
};

QStringList PagesLues(const QString& fichier) {
    QStringList pages;
    for (const QList<MotPlace>& mots : Pdf::Mots(fichier))
        pages << (mots.isEmpty() ? QString() : mots.first().mot);
    return pages;
}

QByteArray Contenu(const QString& fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

} // namespace

class TestTravailImpression : public QObject {
    Q_OBJECT

  private slots:
    void ordreDesPages_data();
    void ordreDesPages();
    void pagesEtCopiesSurLaFeuille_data();
    void pagesEtCopiesSurLaFeuille();
    void echecDitJamaisReussi_data();
    void echecDitJamaisReussi();
    void reponseDuDialogue_data();
    void reponseDuDialogue();
};

void TestTravailImpression::ordreDesPages_data() {
    QTest::addColumn<int>("nombrePages");
    QTest::addColumn<QString>("pages"); // as the print dialog writes them; empty: all
    QTest::addColumn<int>("exemplaires");
    QTest::addColumn<bool>("assemblees");
    QTest::addColumn<QList<int>>("ordre");
    QTest::newRow("every page once") << 4 << "" << 1 << true << QList<int>{0, 1, 2, 3};
    QTest::newRow("one jammed page again") << 60 << "7" << 1 << true << QList<int>{6};
    QTest::newRow("a sheet and its key") << 60 << "3-4" << 1 << true << QList<int>{2, 3};
    QTest::newRow("whole copies") << 3 << "" << 2 << true << QList<int>{0, 1, 2, 0, 1, 2};
    QTest::newRow("each page repeated") << 3 << "" << 2 << false << QList<int>{0, 0, 1, 1, 2, 2};
    QTest::newRow("pages and copies") << 5 << "2-3" << 3 << false << QList<int>{1, 1, 1, 2, 2, 2};
    QTest::newRow("a range past the end keeps what exists") << 3 << "2-9" << 1 << true << QList<int>{1, 2};
    QTest::newRow("a range of no page") << 2 << "3-4" << 1 << true << QList<int>{};
    QTest::newRow("no copy is one") << 2 << "" << 0 << true << QList<int>{0, 1};
}

void TestTravailImpression::ordreDesPages() {
    QFETCH(int, nombrePages);
    QFETCH(QString, pages);
    QFETCH(int, exemplaires);
    QFETCH(bool, assemblees);
    QFETCH(QList<int>, ordre);
    const Tirage tirage{QPageRanges::fromString(pages), exemplaires, assemblees};
    QCOMPARE(tirage.Ordre(nombrePages), ordre);
}

// What comes out of a job, read back from the file: the program's PDF output with the dialog's
// pages and copies, or a bare device with its own range (the editor's text on a QPrinter).
void TestTravailImpression::pagesEtCopiesSurLaFeuille_data() {
    QTest::addColumn<bool>("sortiePdf");
    QTest::addColumn<QStringList>("lues");
    QTest::newRow("pages 2 and 3, twice") << true << QStringList{"Page2", "Page3", "Page2", "Page3"};
    QTest::newRow("a device's own range") << false << QStringList{"Page2", "Page3"};
}

void TestTravailImpression::pagesEtCopiesSurLaFeuille() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(bool, sortiePdf);
    QFETCH(QStringList, lues);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("travail.pdf"));
    QPageRanges pages;
    pages.addRange(2, 3);
    int progression = 0;
    const auto suivre = [&](int faites) { progression = faites; };
    if (sortiePdf) {
        SortiePdf sortie(chemin, QStringLiteral("Travail"));
        sortie.Demande = {pages, 2, true};
        QVERIFY(ImprimerPages(sortie.Vers(), QPageLayout::Landscape, 4, NumeroDePage, suivre));
        QString raison;
        QVERIFY2(sortie.Livrer(raison), qPrintable(raison));
    } else {
        QPdfWriter pdf(chemin);
        pdf.setPageRanges(pages);
        QVERIFY(ImprimerPages(pdf, QPageLayout::Landscape, 4, NumeroDePage, suivre));
    }
    QCOMPARE(PagesLues(chemin), lues);
    QCOMPARE(progression, lues.size());
    QVERIFY(Pdf::LirePage(chemin).largeur > Pdf::LirePage(chemin).hauteur);
}

// From the dialog's answer to the message: a device or a pipe chosen as the file, a folder gone or
// only read, a disk that fills up while the pages are written, pages that do not exist. The file that was
// there stays as it was, none is left half written beside it, and the teacher reads why.
void TestTravailImpression::echecDitJamaisReussi_data() {
    QTest::addColumn<QString>("cible"); // in the test's folder unless absolute
    QTest::addColumn<qint64>("disque"); // the most a file may hold; 0: no limit
    QTest::addColumn<int>("nombrePages");
    QTest::addColumn<bool>("travailFait"); // the job was drawn
    QTest::addColumn<QString>("raison");   // part of the message; empty: the print went through
    QTest::newRow("written") << "feuille.pdf" << qint64(0) << 2 << true << "";
    QTest::newRow("a device") << "/dev/full" << qint64(0) << 2 << false
                              << "«\u00a0/dev/full\u00a0» n'est pas un fichier";
    QTest::newRow("a folder gone") << "absent/feuille.pdf" << qint64(0) << 2 << false << "est introuvable";
    // Even root may not make a file there; the folder is named, not taken for the program's.
    QTest::newRow("a folder only read") << "/proc/sys/feuille.pdf" << qint64(0) << 2 << false
                                        << "le dossier «\u00a0/proc/sys\u00a0» est protégé en écriture";
    QTest::newRow("the disk fills up")
        << "feuille.pdf" << qint64(6000) << 40 << true << "disque est peut-être plein";
    QTest::newRow("no page asked for exists") << "feuille.pdf" << qint64(0) << 1 << true << "L'impression";
}

void TestTravailImpression::echecDitJamaisReussi() {
    QFETCH(QString, cible);
    QFETCH(qint64, disque);
    QFETCH(int, nombrePages);
    QFETCH(bool, travailFait);
    QFETCH(QString, raison);
    QTemporaryDir dossier;
    PlateFormeTest plate;
    plate.fichierPdf = QDir(dossier.path()).absoluteFilePath(cible);
    const bool remplace = !QFileInfo(cible).isAbsolute() && QFileInfo(plate.fichierPdf).dir().exists();
    if (remplace) {
        QFile ancien(plate.fichierPdf);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write("%PDF ancien");
    }
    plate.tirage.Pages = QPageRanges::fromString(QStringLiteral("2-99"));
    bool dessine = false;
    std::optional<DisquePlein> plein;
    if (disque > 0) plein.emplace(disque);
    const bool fait = ImprimerDepuisFenetre(
        plate, QStringLiteral("Feuille"), QPageLayout::Portrait, nombrePages, [&](const Destination& vers) {
            dessine = true;
            return ImprimerPages(vers, QPageLayout::Portrait, nombrePages, NumeroDePage);
        });
    plein.reset();
    QCOMPARE(fait, raison.isEmpty());
    QCOMPARE(dessine, travailFait);
    QCOMPARE(plate.dialoguesImpression.size(), 1);
    QCOMPARE(plate.dialoguesImpression.first().nombrePages, nombrePages);
    if (raison.isEmpty()) {
        QVERIFY(plate.avertissements.isEmpty());
        QCOMPARE(Pdf::LirePage(plate.fichierPdf).pages, nombrePages - 1);
        return;
    }
    QCOMPARE(plate.avertissements.size(), 1);
    QVERIFY2(plate.avertissements.first().startsWith(QStringLiteral("L'impression n'a pas pu se faire")),
             qPrintable(plate.avertissements.first()));
    QVERIFY2(plate.avertissements.first().contains(raison), qPrintable(plate.avertissements.first()));
    if (remplace) QCOMPARE(Contenu(plate.fichierPdf), QByteArray("%PDF ancien"));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
             remplace ? QStringList{QStringLiteral("feuille.pdf")} : QStringList{});
}

// The print dialog's answer as the programs read it: into a PDF file, the copies are drawn by the
// program, whole or page by page, and the pages asked for go with them; a range counts only when
// the dialog chose one.
void TestTravailImpression::reponseDuDialogue_data() {
    QTest::addColumn<QPrinter::PrintRange>("etendue");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("assemblees");
    QTest::addColumn<QString>("pages");
    QTest::addColumn<int>("sorties"); // pages in the file, of a document of 6
    QTest::newRow("pages 3 to 4") << QPrinter::PageRange << 1 << true << "3-4" << 2;
    QTest::newRow("all pages, 3 whole copies") << QPrinter::AllPages << 3 << true << "" << 18;
    QTest::newRow("page 2, 2 copies side by side") << QPrinter::PageRange << 2 << false << "2" << 2;
}

void TestTravailImpression::reponseDuDialogue() {
    QFETCH(QPrinter::PrintRange, etendue);
    QFETCH(int, copies);
    QFETCH(bool, assemblees);
    QFETCH(QString, pages);
    QFETCH(int, sorties);
    QTemporaryDir dossier;
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setOutputFormat(QPrinter::PdfFormat);
    imprimante->setOutputFileName(dossier.filePath(QStringLiteral("choisi.pdf")));
    imprimante->setDocName(QStringLiteral("Série de feuilles"));
    imprimante->setPageOrientation(QPageLayout::Landscape);
    imprimante->setPrintRange(etendue);
    imprimante->setPageRanges(QPageRanges::fromString(pages.isEmpty() ? QStringLiteral("3-4") : pages));
    imprimante->setCopyCount(copies);
    imprimante->setCollateCopies(assemblees);
    const std::unique_ptr<SortieImpression> sortie =
        SortieDe(ReponseDe(std::move(imprimante)), QStringLiteral("Série de feuilles"));
    QCOMPARE(sortie->Demande.Pages, QPageRanges::fromString(pages));
    QCOMPARE(sortie->Demande.Exemplaires, copies);
    QCOMPARE(sortie->Demande.Assemblees, assemblees);
    QVERIFY(sortie->Refus().isEmpty());
    QCOMPARE(sortie->Page().pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(ImprimerPages(sortie->Vers(), std::nullopt, 6, NumeroDePage));
    QString raison;
    QVERIFY2(sortie->Livrer(raison), qPrintable(raison));
    QCOMPARE(Pdf::LirePage(dossier.filePath(QStringLiteral("choisi.pdf"))).pages, sorties);
}

QTEST_MAIN(TestTravailImpression)
#include "tst_TravailImpression.moc"
