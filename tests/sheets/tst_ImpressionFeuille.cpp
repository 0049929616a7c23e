// SPDX-License-Identifier: GPL-3.0-or-later
// Printing to PDF: the page is turned as the layout needs; what is printed reads as the preview
// reads, in every layout; the key holds every number of its sheet and no other; a class set is
// one job of different sheets with their keys; the printed exercise shows its sign, instruction
// and given numbers, and none of the numbers to be found.
#include "core/Hasard.h"
#include "sheets/ImpressionFeuille.h"

#include "support/Pdf.h"
#include "support/Signes.h"
#include "support/TextesDessines.h"

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
    void imprimeCeQueMontreLApercu_data();
    void imprimeCeQueMontreLApercu();
    void casesEncreesCommeLApercu_data();
    void casesEncreesCommeLApercu();
    void corrigeDeChaqueDisposition_data();
    void corrigeDeChaqueDisposition();
    void serieDeFeuillesDifferentesEnUnTravail_data();
    void serieDeFeuillesDifferentesEnUnTravail();
    void exerciceImprimeEnPaysageAvecSesCasesDonnees();
    void fichierImpossibleRendFaux();

  private:
    QTemporaryDir dossier;
};

namespace {
using Pdf::LirePage;
using Pdf::Page;

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
        FeuilleTableaux feuille;
        feuille.Reglages.NbExAImprimer = quint8(disposition);
        feuille.Reglages.TailleImp = 4;
        HasardSysteme hasard(9);
        feuille.TirerTableaux(hasard);
        QVERIFY(ImprimerFeuille(pdf, feuille));
    }
    const Page page = LirePage(fichier);
    QCOMPARE(page.pages, 1);
    QVERIFY(page.largeur > 0 && page.hauteur > 0);
    QCOMPARE(page.largeur > page.hauteur, paysage);
}

namespace {

FeuilleTableaux Feuille(int disposition, int numJeu, const QString& signe, int tailleImp, quint32 graine) {
    FeuilleTableaux f;
    f.Reglages.NbExAImprimer = quint8(disposition);
    f.Reglages.JeuImprime = quint8(numJeu);
    f.Reglages.TailleImp = quint8(tailleImp);
    f.Reglages.TailleImp1 = quint8(tailleImp);
    f.Reglages.TailleImp3 = 8;
    f.Reglages.Consigne = ConsigneParDefaut();
    f.Reglages.Consigne2 = QStringLiteral("Trouve les nombres cachés.");
    f.Op = OperationDe(signe);
    HasardSysteme hasard(graine);
    f.TirerTableaux(hasard);
    return f;
}

// The preview's words, line by line, as the sheet window draws it on its 96 dpi image.
QStringList LignesApercu(const FeuilleTableaux& f, const MarquesPage& marques = {}) {
    TextesDessines apercu(QSize(712, 573));
    QPainter peintre(&apercu);
    DessinFeuille(peintre, QSize(712, 573), SurfaceFeuille::Apercu).DessinerFeuille(f, marques);
    peintre.end();
    return LignesDeMots(apercu.Mots(), 2);
}

// Every number a key shows: each header and cell of each table, as many times as it is drawn.
QStringList NombresDuCorrige(const FeuilleTableaux& f) {
    QStringList nombres;
    auto ajouter = [&](const Tableau& t, int fois) {
        for (int k = 0; k < fois; ++k) {
            nombres << Signe(f.Op);
            for (int c = 0; c <= t.NbColonnes; ++c)
                for (int r = 0; r <= t.NbLignes; ++r)
                    if (c || r) nombres << QString::number(t.Valeurs[c][r]);
        }
    };
    if (f.TroisDifferents())
        for (const Tableau& t : f.Trois)
            ajouter(t, 1);
    else
        ajouter(f.Copie, f.Reglages.NbExAImprimer);
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

// The words of a page without its title and instructions: the numbers it shows, sorted.
QStringList SansConsignes(const QList<MotPlace>& mots, const FeuilleTableaux& f, const QString& titre) {
    QStringList reste;
    for (const MotPlace& m : mots)
        reste << m.mot;
    QStringList textes{titre};
    if (f.TroisDifferents())
        textes << f.Reglages.Consigne1 << f.Reglages.Consigne2 << f.Reglages.Consigne3;
    else
        for (int k = 0; k < f.Reglages.NbExAImprimer; ++k)
            textes << f.Reglages.Consigne;
    for (const QString& texte : textes)
        for (const QString& mot : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            reste.removeOne(mot);
    std::sort(reste.begin(), reste.end());
    return reste;
}

} // namespace

void TestImpressionFeuille::imprimeCeQueMontreLApercu_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("signe");
    QTest::addColumn<int>("tailleImp");
    for (int disposition = 1; disposition <= 4; ++disposition)
        for (int numJeu = 1; numJeu <= 3; ++numJeu)
            for (const char* signe : {"+", "x"})
                QTest::addRow("layout %d, exercise %d, %s", disposition, numJeu, signe)
                    << disposition << numJeu << QString::fromLatin1(signe)
                    << (2 * disposition + numJeu) % 8 + 1;
    QTest::newRow("3 diff., +") << 5 << 1 << "+" << 3;
    QTest::newRow("3 diff., x") << 5 << 1 << "x" << 1;
}

// The preview is a sketch in the screen's proportions: the words are compared in reading order.
void TestImpressionFeuille::imprimeCeQueMontreLApercu() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(int, disposition);
    QFETCH(int, numJeu);
    QFETCH(QString, signe);
    QFETCH(int, tailleImp);
    const FeuilleTableaux f =
        Feuille(disposition, numJeu, signe, tailleImp, quint32(disposition * 10 + numJeu));
    const QString fichier = dossier.filePath(QStringLiteral("apercu.pdf"));
    {
        QPdfWriter pdf(fichier);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(ImprimerFeuille(pdf, f));
    }
    const QList<QList<MotPlace>> pages = Pdf::Mots(fichier);
    QCOMPARE(pages.size(), 1);
    const QStringList imprime = LignesDeMots(pages[0], 2);
    QCOMPARE(imprime, LignesApercu(f));
    QVERIFY(imprime.join(' ').contains(Signe(f.Op)));
}

namespace {

// Which cells of each table hold ink inside their lines, row by row ('x' ink, '.' blank), the
// places given in the units they were worked out in and read on a picture `echelle` times larger.
QStringList Encre(const QImage& image, const DispositionFeuille& f, QPoint decalage = {},
                  double echelle = 1) {
    QStringList lignes;
    const int s = f.TailleCaseImp;
    for (const PlaceTableau& p : f.Places)
        for (int r = 0; r <= p.Dimensions.NbLignes; ++r) {
            QString ligne;
            for (int c = 0; c <= p.Dimensions.NbColonnes; ++c) {
                const QRectF cellule(QPointF(p.Origine.x() + c * s, p.HautGrille() + r * s) + decalage,
                                     QSizeF(s, s));
                const QRect dedans =
                    QRectF(cellule.topLeft() * echelle, cellule.size() * echelle)
                        .toRect()
                        .adjusted(s * echelle / 8, s * echelle / 8, -s * echelle / 8, -s * echelle / 8);
                bool encre = false;
                for (int y = dedans.top(); y <= dedans.bottom() && !encre; ++y)
                    for (int x = dedans.left(); x <= dedans.right() && !encre; ++x)
                        encre = qGray(image.pixel(x, y)) < 128;
                ligne += encre ? QLatin1Char('x') : QLatin1Char('.');
            }
            lignes << ligne;
        }
    return lignes;
}

} // namespace

void TestImpressionFeuille::casesEncreesCommeLApercu_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<int>("numJeu");
    for (int disposition = 1; disposition <= 5; ++disposition)
        QTest::addRow("layout %d", disposition) << disposition << (disposition % 3) + 1;
}

// The pixels: on the page rendered at 150 dpi, the same cells carry a number as on the preview.
void TestImpressionFeuille::casesEncreesCommeLApercu() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QFETCH(int, disposition);
    QFETCH(int, numJeu);
    const FeuilleTableaux f = Feuille(disposition, numJeu, QStringLiteral("x"), 6, 5);
    QImage apercu(712, 573, QImage::Format_RGB32);
    QPainter peintre(&apercu);
    const DispositionFeuille surApercu =
        DessinFeuille(peintre, apercu.size(), SurfaceFeuille::Apercu).DessinerFeuille(f);
    peintre.end();
    const QString fichier = dossier.filePath(QStringLiteral("encre.pdf"));
    DispositionFeuille surPage;
    QPoint marge;
    int resolution = 0;
    {
        QPdfWriter pdf(fichier);
        QVERIFY(ImprimerFeuille(pdf, f));
        // The same routine on the same page gives the places the print used.
        QTemporaryDir autre;
        QPdfWriter mesure(autre.filePath(QStringLiteral("m.pdf")));
        mesure.setPageOrientation(ReglagesFeuille::Orientation(disposition));
        QPainter p(&mesure);
        surPage =
            DessinFeuille(p, QSize(mesure.width(), mesure.height()), SurfaceFeuille::Page).DessinerFeuille(f);
        resolution = mesure.resolution();
        marge = mesure.pageLayout().paintRectPixels(resolution).topLeft();
    }
    const QImage page = Pdf::Rendu(fichier, 1, 150);
    const QStringList vu = Encre(apercu, surApercu);
    QCOMPARE(Encre(page, surPage, marge, 150.0 / resolution), vu);
    QVERIFY(vu.join(QString()).count(QLatin1Char('x')) > 3);
}

void TestImpressionFeuille::corrigeDeChaqueDisposition_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<int>("numJeu");
    QTest::newRow("layout 1, exercise 1") << 1 << 1;
    QTest::newRow("layout 2, exercise 3") << 2 << 3;
    QTest::newRow("layout 4, exercise 2") << 4 << 2;
    QTest::newRow("3 diff.") << 5 << 1;
}

void TestImpressionFeuille::corrigeDeChaqueDisposition() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(int, disposition);
    QFETCH(int, numJeu);
    const FeuilleTableaux f = Feuille(disposition, numJeu, QStringLiteral("x"), 7, 77);
    const QString fichier = dossier.filePath(QStringLiteral("corrige.pdf"));
    {
        QPdfWriter pdf(fichier);
        QVERIFY(ImprimerCorrige(pdf, f));
    }
    const Page page = LirePage(fichier);
    QCOMPARE(page.pages, 1);
    QCOMPARE(page.largeur > page.hauteur,
             ReglagesFeuille::Orientation(disposition) == QPageLayout::Landscape);
    const QList<QList<MotPlace>> pages = Pdf::Mots(fichier);
    QCOMPARE(pages.size(), 1);
    // The mark heads the page, and the rest is every number of the sheet, nothing more.
    QCOMPARE(LignesDeMots(pages[0], 2).first(), TitreCorrige());
    QCOMPARE(SansConsignes(pages[0], f, TitreCorrige()), NombresDuCorrige(f));
    // The preview of the key reads as its page.
    QCOMPARE(LignesDeMots(pages[0], 2), LignesApercu(f, MarquesPage{true, TitreCorrige()}));
}

void TestImpressionFeuille::serieDeFeuillesDifferentesEnUnTravail_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<int>("tailleImp");
    QTest::addColumn<bool>("corriges");
    QTest::newRow("the smallest table, exercise 1, with keys") << 1 << 1 << 1 << true;
    QTest::newRow("exercise 2, two per sheet, no keys") << 2 << 2 << 3 << false;
    QTest::newRow("3 diff., with keys") << 5 << 1 << 1 << true;
}

void TestImpressionFeuille::serieDeFeuillesDifferentesEnUnTravail() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(int, disposition);
    QFETCH(int, numJeu);
    QFETCH(int, tailleImp);
    QFETCH(bool, corriges);
    constexpr int N = 6;
    const FeuilleTableaux modele = Feuille(disposition, numJeu, QStringLiteral("+"), tailleImp, 3);
    const ChoixSerie choix{ChoixSerie::Genre::Serie, N, corriges};
    const QString fichier = dossier.filePath(QStringLiteral("serie.pdf"));
    QList<int> avancement;
    {
        QPdfWriter pdf(fichier);
        HasardSysteme hasard(2024);
        QVERIFY(ImprimerSerie(pdf, modele, choix, hasard, [&](int faites) { avancement << faites; }));
    }
    const int parFeuille = corriges ? 2 : 1;
    QList<int> attendu;
    for (int k = 1; k <= N * parFeuille; ++k)
        attendu << k;
    QCOMPARE(avancement, attendu);
    QCOMPARE(LirePage(fichier).pages, N * parFeuille);
    // The sheets are those of TirerSerie, all different.
    HasardSysteme memeHasard(2024);
    const std::vector<FeuilleTableaux> serie = TirerSerie(modele, N, memeHasard);
    const QList<QList<MotPlace>> pages = Pdf::Mots(fichier);
    QCOMPARE(pages.size(), N * parFeuille);
    QSet<QString> vues;
    for (int i = 1; i <= N; ++i) {
        const FeuilleTableaux& f = serie[size_t(i - 1)];
        const QStringList feuille = LignesDeMots(pages[(i - 1) * parFeuille], 2);
        QCOMPARE(feuille.first(), TitreFeuilleSerie(i));
        QCOMPARE(feuille, LignesApercu(f, MarquesPage{false, TitreFeuilleSerie(i)}));
        vues.insert(feuille.mid(1).join(QLatin1Char('/')));
        for (int j = 1; j < i; ++j)
            QVERIFY(!f.MemesTableaux(serie[size_t(j - 1)]));
        if (!corriges) continue;
        const QList<MotPlace>& cle = pages[(i - 1) * parFeuille + 1];
        QCOMPARE(LignesDeMots(cle, 2).first(), TitreCorrige(i));
        QCOMPARE(SansConsignes(cle, f, TitreCorrige(i)), NombresDuCorrige(f));
    }
    QCOMPARE(vues.size(), N);
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
