// SPDX-License-Identifier: GPL-3.0-or-later
// Sheet layout arithmetic: the places and cell sizes of the five layouts (the worked examples
// and hand-computed cases), the instruction bands, the number-font search and the settings'
// size indexes.
#include "sheets/DispositionFeuille.h"
#include "sheets/ReglagesFeuille.h"

#include <QTest>

using Origines = QList<QPoint>;

class TestDispositionFeuille : public QObject {
    Q_OBJECT

  private slots:
    void copies_data();
    void copies();
    void troisTableaux_data();
    void troisTableaux();
    void aucuneDispositionNeSortDeLaSurface_data();
    void aucuneDispositionNeSortDeLaSurface();
    void chercherTaillePolice_data();
    void chercherTaillePolice();
    void indexDeTaille();
};

namespace {
Origines OriginesDe(const DispositionFeuille& f) {
    Origines o;
    for (const PlaceTableau& p : f.Places)
        o << p.Origine;
    return o;
}

DimensionsTableau Dim(int lignes, int colonnes) {
    return {lignes, colonnes};
}
} // namespace

void TestDispositionFeuille::copies_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<int>("lignes");
    QTest::addColumn<int>("colonnes");
    QTest::addColumn<int>("hauteurG"); // 0: no instruction
    QTest::addColumn<int>("s");
    QTest::addColumn<Origines>("origines");
    QTest::addColumn<QList<int>>("largeursConsigne");
    const QSize ecran(712, 573);
    QTest::newRow("layout 1, 2 x 3, no instruction")
        << 1 << ecran << 2 << 3 << 0 << 160 << Origines{{36, 46}} << QList<int>{676};
    QTest::newRow("layout 1, instruction whose G is 19: band of 38")
        << 1 << ecran << 2 << 3 << 19 << 159 << Origines{{38, 29}} << QList<int>{674};
    QTest::newRow("layout 2, each table centred in its half")
        << 2 << ecran << 2 << 3 << 0 << 85 << Origines{{186, 15}, {186, 301}} << QList<int>{526, 526};
    QTest::newRow("layout 3, thirds, band inside each third")
        << 3 << ecran << 3 << 4 << 19 << 33 << Origines{{273, 10}, {273, 201}, {273, 392}}
        << QList<int>{439, 439, 439};
    QTest::newRow("layout 4, left column first")
        << 4 << ecran << 5 << 7 << 0 << 40 << Origines{{18, 23}, {18, 309}, {374, 23}, {374, 309}}
        << QList<int>{338, 338, 338, 338};
    QTest::newRow("layout 4, odd width: right column reaches the edge")
        << 4 << QSize(713, 573) << 5 << 7 << 0 << 40 << Origines{{18, 23}, {18, 309}, {374, 23}, {374, 309}}
        << QList<int>{338, 338, 339, 339};
    QTest::newRow("landscape A4 page at 600 dpi")
        << 1 << QSize(6814, 4760) << 5 << 7 << 100 << 680 << Origines{{687, 240}} << QList<int>{6127};
    QTest::newRow("surface too small: cell size below 1, nothing to draw in")
        << 1 << QSize(712, 30) << 2 << 3 << 19 << -3 << Origines{{362, 0}} << QList<int>{350};
}

void TestDispositionFeuille::copies() {
    QFETCH(int, disposition);
    QFETCH(QSize, surface);
    QFETCH(int, lignes);
    QFETCH(int, colonnes);
    QFETCH(int, hauteurG);
    QFETCH(int, s);
    QFETCH(Origines, origines);
    QFETCH(QList<int>, largeursConsigne);
    const int hc = DispositionFeuille::HauteurConsigne(hauteurG ? ConsigneParDefaut() : QString(), hauteurG);
    QCOMPARE(hc, 2 * hauteurG);
    const DispositionFeuille f = DispositionFeuille::Copies(disposition, surface, Dim(lignes, colonnes), hc);
    QCOMPARE(f.TailleCaseImp, s);
    QCOMPARE(OriginesDe(f), origines);
    QList<int> largeurs;
    for (const PlaceTableau& p : f.Places) {
        largeurs << p.LargeurConsigne;
        QCOMPARE(p.HauteurConsigne, hc);
        QCOMPARE(p.Dimensions.NbColonnes, colonnes);
    }
    QCOMPARE(largeurs, largeursConsigne);
}

void TestDispositionFeuille::troisTableaux_data() {
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QList<int>>("hauteursG"); // 0: no instruction
    QTest::addColumn<int>("s");
    QTest::addColumn<Origines>("origines");
    QTest::addColumn<int>("bas");
    QTest::newRow("worked example, no instructions")
        << QSize(712, 573) << QList<int>{0, 0, 0} << 38 << Origines{{204, 7}, {204, 140}, {204, 311}} << 539;
    QTest::newRow("three bands of 28: G of 19, half a unit dropped")
        << QSize(712, 573) << QList<int>{19, 19, 19} << 32 << Origines{{228, 6}, {228, 146}, {228, 318}}
        << 538;
    QTest::newRow("one band, on the second table only")
        << QSize(712, 573) << QList<int>{0, 19, 0} << 36 << Origines{{212, 7}, {212, 133}, {212, 323}} << 539;
    QTest::newRow("narrow portrait surface: width bound")
        << QSize(300, 900) << QList<int>{0, 0, 0} << 33 << Origines{{18, 6}, {18, 121}, {18, 269}} << 467;
}

void TestDispositionFeuille::troisTableaux() {
    QFETCH(QSize, surface);
    QFETCH(QList<int>, hauteursG);
    QFETCH(int, s);
    QFETCH(Origines, origines);
    QFETCH(int, bas);
    std::array<int, 3> hc;
    for (size_t i = 0; i < 3; ++i) {
        const int g = hauteursG[qsizetype(i)];
        hc[i] = DispositionFeuille::HauteurConsigne3D(g ? ConsigneParDefaut() : QString(), g);
    }
    const DispositionFeuille f =
        DispositionFeuille::TroisTableaux(surface, {Dim(2, 3), Dim(3, 4), Dim(5, 7)}, hc);
    QCOMPARE(f.TailleCaseImp, s);
    QCOMPARE(OriginesDe(f), origines);
    QCOMPARE(f.Places[2].Grille(s).bottom() + 1, bas);
    for (size_t i = 0; i < 3; ++i)
        QCOMPARE(f.Places[i].HauteurConsigne, hc[i]);
}

void TestDispositionFeuille::aucuneDispositionNeSortDeLaSurface_data() {
    QTest::addColumn<QSize>("surface");
    QTest::newRow("preview 712 x 573") << QSize(712, 573);
    QTest::newRow("preview of a 1024 x 768 screen") << QSize(936, 741);
    QTest::newRow("portrait A4 at 600 dpi") << QSize(4760, 6814);
    QTest::newRow("landscape A4 at 1200 dpi") << QSize(13699, 9583);
}

// Every size, with and without instruction: each table and its band stay inside its own region,
// and the three tables of layout 5 neither overlap nor leave the surface.
void TestDispositionFeuille::aucuneDispositionNeSortDeLaSurface() {
    QFETCH(QSize, surface);
    const int hauteurG = surface.height() / 30;
    for (int hc : {0, 2 * hauteurG})
        for (int taille = TailleMin; taille <= TailleMax; ++taille)
            for (int disposition = 1; disposition <= 4; ++disposition) {
                const DimensionsTableau d = DimensionsTaille(taille);
                const DispositionFeuille f = DispositionFeuille::Copies(disposition, surface, d, hc);
                const int colonnes = disposition == 4 ? 2 : 1, rangees = disposition == 4 ? 2 : disposition;
                QCOMPARE(int(f.Places.size()), colonnes * rangees);
                QVERIFY(f.TailleCaseImp > 0);
                for (size_t i = 0; i < f.Places.size(); ++i) {
                    const int colonne = int(i) / rangees, rangee = int(i) % rangees;
                    const QRect region(colonne * (surface.width() / colonnes),
                                       rangee * (surface.height() / rangees), surface.width() / colonnes,
                                       surface.height() / rangees);
                    const QRect tout = f.Places[i]
                                           .Grille(f.TailleCaseImp)
                                           .united(QRect(f.Places[i].Origine, QSize(1, qMax(1, hc))));
                    QVERIFY2(region.contains(tout), qPrintable(QStringLiteral("layout %1 size %2 table %3")
                                                                   .arg(disposition)
                                                                   .arg(taille)
                                                                   .arg(i)));
                }
            }
    for (int a = TailleMin; a <= TailleMax; ++a)
        for (int b = TailleMin; b <= TailleMax; ++b)
            for (int c = TailleMin; c <= TailleMax; ++c) {
                const DispositionFeuille f = DispositionFeuille::TroisTableaux(
                    surface, {DimensionsTaille(a), DimensionsTaille(b), DimensionsTaille(c)},
                    {hauteurG * 3 / 2, 0, hauteurG * 3 / 2});
                int fin = 0;
                for (const PlaceTableau& p : f.Places) {
                    QVERIFY(p.Origine.y() >= fin);
                    fin = p.Grille(f.TailleCaseImp).bottom();
                    QVERIFY(QRect(QPoint(0, 0), surface).contains(p.Grille(f.TailleCaseImp)));
                    QCOMPARE(p.Origine.x(), f.Places[0].Origine.x());
                }
            }
}

void TestDispositionFeuille::chercherTaillePolice_data() {
    QTest::addColumn<int>("tailleCase");
    QTest::addColumn<int>("taille");
    QTest::newRow("largest size narrower than the cell") << 100 << 33;
    QTest::newRow("a width equal to the cell does not fit") << 99 << 32;
    QTest::newRow("a huge cell stops at 71, the first size tried") << 10000 << 71;
    QTest::newRow("no cell: the search ends at 1") << 0 << 1;
    QTest::newRow("negative cell: the search ends at 1") << -4 << 1;
}

void TestDispositionFeuille::chercherTaillePolice() {
    QFETCH(int, tailleCase);
    QFETCH(int, taille);
    QCOMPARE(DispositionFeuille::ChercherTaillePolice(tailleCase, [](int t) { return 3 * t; }), taille);
}

// Index k of the sheet's size choosers is size number k - 1; outside 1..8 there is no table.
void TestDispositionFeuille::indexDeTaille() {
    QCOMPARE(ReglagesFeuille::DimensionsIndex(1).NbColonnes, 3);
    QCOMPARE(ReglagesFeuille::DimensionsIndex(4).NbColonnes, 5);
    QCOMPARE(ReglagesFeuille::DimensionsIndex(8).NbLignes, 5);
    QCOMPARE(ReglagesFeuille::DimensionsIndex(0).NbColonnes, 0);
    QCOMPARE(ReglagesFeuille::DimensionsIndex(9).NbColonnes, 0);
}

QTEST_GUILESS_MAIN(TestDispositionFeuille)
#include "tst_DispositionFeuille.moc"
