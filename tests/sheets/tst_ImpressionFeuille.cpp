// Printing to PDF: the page is turned as the layout needs and holds one page; the printed
// exercise shows its sign, instruction and given numbers, and none of the numbers to be found.
#include "core/Hasard.h"
#include "sheets/ImpressionFeuille.h"
#include "tables/GenerateurTableau.h"

#include "support/Signes.h"

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestImpressionFeuille : public QObject {
    Q_OBJECT

  private slots:
    void orientationDeLaPage_data();
    void orientationDeLaPage();
    void exerciceImprimeEnPaysageAvecSesCasesDonnees();
    void fichierImpossibleRendFaux();

  private:
    QTemporaryDir dossier;
};

namespace {
struct Page {
    int pages = 0;
    double largeur = 0, hauteur = 0;
};

// The page count and the first media box, read from the file's own (uncompressed) page objects.
Page LirePage(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString pdf = QString::fromLatin1(f.readAll());
    Page page;
    page.pages = int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    const auto boite =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)")).match(pdf);
    if (boite.hasMatch()) {
        page.largeur = boite.captured(1).toDouble();
        page.hauteur = boite.captured(2).toDouble();
    }
    return page;
}

// A 3 x 4 multiplication of exercise 2 whose hidden cells hold numbers found nowhere else.
Tableau TableauConnu() {
    Tableau t;
    t.DefinirTaille(1);
    const int colonnes[] = {0, 7, 8, 9, 6}, lignes[] = {0, 4, 3, 5};
    for (int c = 1; c <= 4; ++c)
        t.EnteteColonne[c] = t.Valeurs[c][0] = quint8(colonnes[c]);
    for (int r = 1; r <= 3; ++r)
        t.EnteteLigne[r] = t.Valeurs[0][r] = quint8(lignes[r]);
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            t.Valeurs[c][r] = quint8(colonnes[c] * lignes[r]);
    // Given: column headers 7 and 9, row header 3, and the cells 8 x 4, 6 x 5, 7 x 3, 9 x 4.
    for (auto [c, r] : {std::pair{0, 0}, {1, 0}, {3, 0}, {0, 2}, {2, 1}, {4, 3}, {1, 2}, {3, 1}})
        t.CaseDonnee[c][r] = 1;
    return t;
}
} // namespace

void TestImpressionFeuille::orientationDeLaPage_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<bool>("paysage");
    QTest::newRow("one table: landscape") << 1 << true;
    QTest::newRow("two tables: portrait") << 2 << false;
    QTest::newRow("three tables: portrait") << 3 << false;
    QTest::newRow("four tables: landscape") << 4 << true;
    QTest::newRow("three different: portrait") << 5 << false;
}

// The page starts the other way round, so that each layout has to turn it.
void TestImpressionFeuille::orientationDeLaPage() {
    QFETCH(int, disposition);
    QFETCH(bool, paysage);
    const QString fichier = dossier.filePath(QStringLiteral("feuille%1.pdf").arg(disposition));
    {
        QPdfWriter pdf(fichier);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(paysage ? QPageLayout::Portrait : QPageLayout::Landscape);
        ReglagesFeuille reglages;
        reglages.NbExAImprimer = quint8(disposition);
        HasardSysteme hasard(9);
        Tableau t;
        t.DefinirTaille(3);
        GenerateurTableau(t, hasard, Operation::Addition).TableauPourFeuille(1);
        QVERIFY(ImprimerFeuille(pdf, reglages, t, Operation::Addition, 1, hasard));
    }
    const Page page = LirePage(fichier);
    QCOMPARE(page.pages, 1);
    QVERIFY(page.largeur > 0 && page.hauteur > 0);
    QCOMPARE(page.largeur > page.hauteur, paysage);
}

void TestImpressionFeuille::exerciceImprimeEnPaysageAvecSesCasesDonnees() {
    const QString fichier = dossier.filePath(QStringLiteral("exercice.pdf"));
    {
        QPdfWriter pdf(fichier);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        const Tableau t = TableauConnu();
        QVERIFY(ImprimerExercice(pdf, {t, Operation::Multiplication, 2, ConsigneParDefaut()}));
    }
    const Page page = LirePage(fichier);
    QCOMPARE(page.pages, 1);
    QCOMPARE(qRound(page.largeur), 842); // A4 turned landscape, in points
    QCOMPARE(qRound(page.hauteur), 595);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess outil;
    outil.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), fichier, QStringLiteral("-")});
    QVERIFY(outil.waitForFinished(30000));
    QCOMPARE(outil.exitCode(), 0);
    const QString texte = QString::fromUtf8(outil.readAllStandardOutput());
    QVERIFY2(texte.contains(ConsigneParDefaut()), qPrintable(texte));
    const QStringList mots = texte.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const char* donne : {"x", "7", "9", "3", "32", "30", "21", "36"})
        QVERIFY2(mots.contains(QLatin1String(donne)), donne);
    for (const char* cache : {"8", "6", "4", "5", "28", "35", "24", "40", "27", "45", "18"})
        QVERIFY2(!mots.contains(QLatin1String(cache)), cache);
}

void TestImpressionFeuille::fichierImpossibleRendFaux() {
    QPdfWriter pdf(dossier.filePath(QStringLiteral("absent/exercice.pdf")));
    const Tableau t = TableauConnu();
    QVERIFY(!ImprimerExercice(pdf, {t, Operation::Multiplication, 2, {}}));
}

QTEST_MAIN(TestImpressionFeuille)
#include "tst_ImpressionFeuille.moc"
