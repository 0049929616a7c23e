// SPDX-License-Identifier: GPL-3.0-or-later
// Sailboat sheets: what is printed shows the colours of the preview, part by part, in colour
// and in hatches, for the three kinds of exercise; the legend names the colours used and only
// in black and white; the page is landscape with the table centred; the key colours every
// header and boat; a class set is one job of different sheets; the results window's print
// follows the preferences; the sheet window's rules.
#include "core/Hasard.h"
#include "sailboats/Couleurs.h"
#include "sailboats/DessinFeuilleVoiliers.h"
#include "sailboats/ImpressionVoiliers.h"
#include "sailboats/PreparationVoiliers.h"
#include "sailboats/VoilierFeuille.h"
#include "sheets/DispositionFeuille.h"
#include "sheets/ReglagesFeuille.h"

#include "support/CasesVoiliers.h"
#include "support/Pdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace CasesVoiliers;

namespace {

constexpr int DpiPage = 300;

// The print: an A4 page at 300 dpi; its PDF written by the same routine as the printer's.
struct Impression {
    QString fichier;
    QImage page;
};

FeuilleVoiliers Feuille(int taille, int numJeu, bool noirEtBlanc, quint32 graine,
                        const QString& consigne = ConsigneParDefaut()) {
    FeuilleVoiliers f;
    f.Tableau.DefinirTaille(taille);
    f.NumJeu = numJeu;
    f.NoirEtBlanc = noirEtBlanc;
    f.Consigne = consigne;
    HasardSysteme hasard(graine);
    f.TirerCouleurs(hasard);
    return f;
}

QImage Apercu(const FeuilleVoiliers& f, PlaceFeuilleVoiliers& place, const MarquesPage& marques = {}) {
    QImage image(1400, 1000, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter p(&image);
    place = DessinFeuilleVoiliers(p, image.size()).DessinerApercu(f, marques);
    return image;
}

// The place the page routine gives on the PDF device, in pixels of a rendering at DpiPage.
PlaceFeuilleVoiliers PlaceSurLaPage(const FeuilleVoiliers& f, const MarquesPage& marques = {}) {
    QTemporaryDir dossier;
    QPdfWriter mesure(dossier.filePath(QStringLiteral("mesure.pdf")));
    mesure.setResolution(DpiPage);
    mesure.setPageOrientation(QPageLayout::Landscape);
    QPainter p(&mesure);
    const PlaceFeuilleVoiliers place =
        DessinFeuilleVoiliers(p, QSize(mesure.width(), mesure.height())).DessinerPage(f, marques);
    p.end();
    const QPoint marge = mesure.pageLayout().paintRectPixels(DpiPage).topLeft();
    PlaceFeuilleVoiliers surPage = place;
    surPage.Origine += marge;
    if (surPage.GaucheLegende >= 0) surPage.GaucheLegende += marge.x();
    return surPage;
}

QStringList Legende(const TableauVoiliers& t) {
    QStringList noms{QStringLiteral("Légende")};
    for (int k = 1; k <= 16; ++k)
        if (t.CouleursUtilisees[k] && !NomsCouleurs[k].isEmpty()) noms << NomsCouleurs[k].toString();
    return noms;
}

} // namespace

class TestFeuilleVoiliers : public QObject {
    Q_OBJECT

  private slots:
    void imprimeCeQueMontreLApercu_data();
    void imprimeCeQueMontreLApercu();
    void pageCentreeEtLegendeALaDroite_data();
    void pageCentreeEtLegendeALaDroite();
    void corrigeToutEnCouleur_data();
    void corrigeToutEnCouleur();
    void serieDeFeuillesDifferentes();
    void exerciceDuBilanSelonLesPreferences_data();
    void exerciceDuBilanSelonLesPreferences();
    void fichierImpossibleRendFaux();
    void reglesDeLaFenetre();

  private:
    QTemporaryDir dossier;
    Impression Imprimer(const std::function<bool(QPagedPaintDevice&)>& travail, int pageRendue = 1);
};

Impression TestFeuilleVoiliers::Imprimer(const std::function<bool(QPagedPaintDevice&)>& travail,
                                         int pageRendue) {
    Impression i{dossier.filePath(QStringLiteral("voiliers.pdf")), {}};
    {
        QPdfWriter pdf(i.fichier);
        pdf.setResolution(DpiPage);
        pdf.setPageOrientation(QPageLayout::Portrait); // each print turns it
        if (!travail(pdf)) return {};
    }
    i.page = Pdf::Rendu(i.fichier, pageRendue, DpiPage);
    return i;
}

void TestFeuilleVoiliers::imprimeCeQueMontreLApercu_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<bool>("noirEtBlanc");
    for (int numJeu = 1; numJeu <= 3; ++numJeu)
        for (bool nb : {false, true})
            QTest::addRow("exercise %d, %s", numJeu, nb ? "black and white" : "colour") << (numJeu == 2   ? 7
                                                                                            : numJeu == 3 ? 2
                                                                                                          : 0)
                                                                                        << numJeu << nb;
}

// Part by part, the page reads as the preview and as the table says.
void TestFeuilleVoiliers::imprimeCeQueMontreLApercu() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QFETCH(int, taille);
    QFETCH(int, numJeu);
    QFETCH(bool, noirEtBlanc);
    const FeuilleVoiliers f = Feuille(taille, numJeu, noirEtBlanc, quint32(taille * 7 + numJeu));
    PlaceFeuilleVoiliers placeApercu;
    const QImage apercu = Apercu(f, placeApercu);
    const Impression imprime = Imprimer([&](QPagedPaintDevice& page) { return ImprimerFeuille(page, f); });
    QVERIFY(!imprime.page.isNull());
    QVERIFY(imprime.page.width() > imprime.page.height());
    const QStringList attendu = CasesAttendues(f);
    QCOMPARE(Cases(apercu, placeApercu, f.Tableau, noirEtBlanc, 96), attendu);
    QCOMPARE(Cases(imprime.page, PlaceSurLaPage(f), f.Tableau, noirEtBlanc, DpiPage), attendu);
    // The words: the instruction, and in black and white the legend of the colours used.
    QStringList mots = LignesDeMots(Pdf::Mots(imprime.fichier).value(0), 2);
    QCOMPARE(mots.takeFirst(), ConsigneParDefaut());
    QCOMPARE(mots, noirEtBlanc ? Legende(f.Tableau) : QStringList());
}

void TestFeuilleVoiliers::pageCentreeEtLegendeALaDroite_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<bool>("noirEtBlanc");
    for (int taille = 0; taille <= 7; taille += 7)
        for (bool nb : {false, true})
            QTest::addRow("size %d, %s", taille, nb ? "black and white" : "colour") << taille << nb;
}

// The table (with the legend's room in black and white) is centred in the printable area, a
// tenth of it kept free, and the legend stands right of the grid.
void TestFeuilleVoiliers::pageCentreeEtLegendeALaDroite() {
    QFETCH(int, taille);
    QFETCH(bool, noirEtBlanc);
    const FeuilleVoiliers f = Feuille(taille, 2, noirEtBlanc, 5, QString());
    QTemporaryDir d;
    QPdfWriter pdf(d.filePath(QStringLiteral("p.pdf")));
    pdf.setResolution(DpiPage);
    pdf.setPageOrientation(QPageLayout::Landscape);
    QPainter p(&pdf);
    const QSize surface(pdf.width(), pdf.height());
    const PlaceFeuilleVoiliers place = DessinFeuilleVoiliers(p, surface).DessinerPage(f);
    const int legende = noirEtBlanc ? QFontMetrics(DessinFeuilleVoiliers::Police(), &pdf)
                                          .horizontalAdvance(DessinFeuilleVoiliers::MesurePlace())
                                    : 0;
    const int u = place.Unite;
    const int largeur = 12 * u * (f.Tableau.NbTotalHaut + 1),
              hauteur = 13 * u * (f.Tableau.NbTotalGauche + 1);
    QVERIFY(u > 0);
    QVERIFY(std::abs(2 * place.Origine.x() + largeur + legende - surface.width()) <= 1);
    QVERIFY(std::abs(2 * place.Origine.y() + hauteur - surface.height()) <= 1);
    QVERIFY(largeur + legende <= surface.width() * 19 / 20);
    QVERIFY(hauteur <= surface.height() * 9 / 10);
    // One more unit would not fit.
    const int plus = u + 1;
    QVERIFY(12 * plus * (f.Tableau.NbTotalHaut + 1) + legende >
                (noirEtBlanc ? surface.width() / 20 * 19 : surface.width() * 9 / 10) ||
            13 * plus * (f.Tableau.NbTotalGauche + 1) > surface.height() * 9 / 10);
    QCOMPARE(place.GaucheLegende >= 0, noirEtBlanc);
    if (noirEtBlanc) QVERIFY(place.GaucheLegende > place.Origine.x() + largeur);
}

void TestFeuilleVoiliers::corrigeToutEnCouleur_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<bool>("noirEtBlanc");
    QTest::newRow("exercise 1, colour") << 1 << false;
    QTest::newRow("exercise 3, black and white") << 3 << true;
}

void TestFeuilleVoiliers::corrigeToutEnCouleur() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QFETCH(int, numJeu);
    QFETCH(bool, noirEtBlanc);
    const FeuilleVoiliers f = Feuille(4, numJeu, noirEtBlanc, 99);
    const MarquesPage cle{true, TitreCorrige()};
    const Impression imprime = Imprimer([&](QPagedPaintDevice& page) { return ImprimerCorrige(page, f); });
    QCOMPARE(Cases(imprime.page, PlaceSurLaPage(f, cle), f.Tableau, noirEtBlanc, DpiPage),
             CasesAttendues(f, true));
    QCOMPARE(LignesDeMots(Pdf::Mots(imprime.fichier).value(0), 2).value(0), TitreCorrige());
    PlaceFeuilleVoiliers place;
    const QImage apercu = Apercu(f, place, cle);
    QCOMPARE(Cases(apercu, place, f.Tableau, noirEtBlanc, 96), CasesAttendues(f, true));
}

void TestFeuilleVoiliers::serieDeFeuillesDifferentes() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftoppm (poppler-utils) is not installed");
    constexpr int N = 5;
    const FeuilleVoiliers modele = Feuille(0, 3, true, 1);
    QList<int> avancement;
    const Impression imprime = Imprimer(
        [&](QPagedPaintDevice& page) {
            HasardSysteme hasard(77);
            return ImprimerSerie(page, modele, ChoixSerie{ChoixSerie::Genre::Serie, N, true}, hasard,
                                 [&](int faites) { avancement << faites; });
        },
        4);
    QCOMPARE(Pdf::LirePage(imprime.fichier).pages, 2 * N);
    QCOMPARE(avancement.size(), 2 * N);
    HasardSysteme memeHasard(77);
    const std::vector<FeuilleVoiliers> serie = TirerSerie(modele, N, memeHasard);
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < i; ++j)
            QVERIFY(!serie[size_t(i)].MemesCouleurs(serie[size_t(j)]));
    // Page 4 is the key of the second sheet.
    const MarquesPage cle{true, TitreCorrige(2)};
    QCOMPARE(Cases(imprime.page, PlaceSurLaPage(serie[1], cle), serie[1].Tableau, true, DpiPage),
             CasesAttendues(serie[1], true));
    const QList<QList<MotPlace>> pages = Pdf::Mots(imprime.fichier);
    for (int i = 1; i <= N; ++i) {
        QCOMPARE(LignesDeMots(pages[2 * i - 2], 2).value(0), TitreFeuilleSerie(i));
        QCOMPARE(LignesDeMots(pages[2 * i - 1], 2).value(0), TitreCorrige(i));
    }
}

void TestFeuilleVoiliers::exerciceDuBilanSelonLesPreferences_data() {
    QTest::addColumn<bool>("noirEtBlanc");
    QTest::newRow("black and white: the legend") << true;
    QTest::newRow("colour: no legend") << false;
}

// The results window prints the game's table as it was played: its samples and its colours.
void TestFeuilleVoiliers::exerciceDuBilanSelonLesPreferences() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QFETCH(bool, noirEtBlanc);
    const FeuilleVoiliers joue = Feuille(3, 3, noirEtBlanc, 44, QStringLiteral("Colorie les voiliers."));
    const Impression imprime = Imprimer([&](QPagedPaintDevice& page) {
        return ImprimerExerciceVoiliers(page, joue.Tableau, 3, noirEtBlanc, joue.Consigne);
    });
    QVERIFY(imprime.page.width() > imprime.page.height());
    QCOMPARE(Cases(imprime.page, PlaceSurLaPage(joue), joue.Tableau, noirEtBlanc, DpiPage),
             CasesAttendues(joue));
    QStringList mots = LignesDeMots(Pdf::Mots(imprime.fichier).value(0), 2);
    QCOMPARE(mots.takeFirst(), joue.Consigne);
    QCOMPARE(mots, noirEtBlanc ? Legende(joue.Tableau) : QStringList());
}

void TestFeuilleVoiliers::fichierImpossibleRendFaux() {
    QPdfWriter pdf(dossier.filePath(QStringLiteral("absent/voiliers.pdf")));
    const FeuilleVoiliers f = Feuille(1, 1, true, 3);
    QVERIFY(!ImprimerFeuille(pdf, f));
    QVERIFY(!ImprimerExerciceVoiliers(pdf, f.Tableau, 2, false, {}));
}

void TestFeuilleVoiliers::reglesDeLaFenetre() {
    HasardSysteme hasard(6);
    PreparationVoiliers p(hasard);
    p.Reinitialiser(ConsigneParDefaut());
    QCOMPARE(p.Feuille().NumJeu, 1);
    QVERIFY(p.Feuille().NoirEtBlanc);
    QCOMPARE(int(p.Feuille().Tableau.NbTotalGauche), 2);
    QCOMPARE(int(p.Feuille().Tableau.NbTotalHaut), 3);
    QCOMPARE(p.Feuille().Consigne, ConsigneParDefaut());
    FeuilleVoiliers avant = p.Feuille();
    // The kind and the mode draw the same colours another way.
    QVERIFY(p.ChoisirJeu(3));
    QVERIFY(!p.ChoisirJeu(3));
    QVERIFY(p.ChoisirNoirEtBlanc(false));
    QVERIFY(!p.ChoisirNoirEtBlanc(false));
    QVERIFY(p.Feuille().MemesCouleurs(avant));
    // The same size keeps the colours; another draws new ones; a size outside is refused.
    QVERIFY(!p.ChangerTaille(1));
    QVERIFY(!p.ChangerTaille(9));
    QVERIFY(p.Feuille().MemesCouleurs(avant));
    QVERIFY(p.ChangerTaille(8));
    QCOMPARE(int(p.Feuille().Tableau.NbTotalHaut), 7);
    avant = p.Feuille();
    p.Nouveau();
    QVERIFY(!p.Feuille().MemesCouleurs(avant));
    QVERIFY(p.ChangerConsigne(QString()));
    QVERIFY(!p.ChangerConsigne(QString()));
    p.Reinitialiser(QStringLiteral("Relie."));
    QCOMPARE(int(p.TailleImp()), 1);
    QCOMPARE(p.Feuille().NumJeu, 1);
    QCOMPARE(p.Feuille().Consigne, QStringLiteral("Relie."));
}

QTEST_MAIN(TestFeuilleVoiliers)
#include "tst_FeuilleVoiliers.moc"
