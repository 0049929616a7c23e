// SPDX-License-Identifier: GPL-3.0-or-later
// Hatches over the colours on screen: the sheets' patterns on every boat colour, lines that show
// on dark colours, nothing on the background or the outlines.
#include "sailboats/Couleurs.h"
#include "sailboats/TramesEcran.h"
#include "sailboats/VoilierEcran.h"

#include <QTest>

namespace {

// The pixels of a plain square of colour n hatched: which of the 8 x 8 positions carry a line.
QList<QPoint> Traits(const TramesEcran& trames, int n, int echelle = 1) {
    QImage carre(8 * echelle, 8 * echelle, QImage::Format_RGB32);
    carre.fill(Couleurs[n]);
    const QImage tramee = trames.Tramer(carre, carre.rect());
    QList<QPoint> traits;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (tramee.pixel(x * echelle, y * echelle) != Couleurs[n]) traits.append(QPoint(x, y));
    return traits;
}

bool Ligne(const QList<QPoint>& traits, auto&& surLaLigne) {
    int sur = 0;
    for (QPoint p : traits)
        sur += surLaLigne(p) ? 1 : 0;
    return sur == 8 && sur <= traits.size();
}

} // namespace

class TestTramesEcran : public QObject {
    Q_OBJECT

  private slots:
    void motifsDesFeuilles_data();
    void motifsDesFeuilles();
    void traitsVisiblesSurChaqueCouleur_data();
    void traitsVisiblesSurChaqueCouleur();
    void leFondEtLesContoursRestent();
    void traitsPlusLargesSurGrandEcran();
};

void TestTramesEcran::motifsDesFeuilles_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<bool>("horizontale");
    QTest::addColumn<bool>("verticale");
    QTest::addColumn<bool>("diagonale"); // either direction
    QTest::newRow("10 yellow: horizontal lines only") << 10 << true << false << false;
    QTest::newRow("15 white: vertical lines only") << 15 << false << true << false;
    QTest::newRow("11 light green: cross") << 11 << true << true << false;
    QTest::newRow("8 red: one diagonal") << 8 << false << false << true;
    QTest::newRow("9 brown: diagonal and horizontal") << 9 << true << false << true;
    QTest::newRow("2 dark grey: diagonal and vertical") << 2 << false << true << true;
}

// Both layers of the colour, as on a black-and-white sheet.
void TestTramesEcran::motifsDesFeuilles() {
    QFETCH(int, numero);
    QFETCH(bool, horizontale);
    QFETCH(bool, verticale);
    QFETCH(bool, diagonale);
    const QList<QPoint> traits = Traits(TramesEcran(), numero);
    QVERIFY(!traits.isEmpty());
    bool h = false, v = false;
    for (int i = 0; i < 8; ++i) {
        h = h || Ligne(traits, [i](QPoint p) { return p.y() == i; });
        v = v || Ligne(traits, [i](QPoint p) { return p.x() == i; });
    }
    bool d = false;
    for (int i = 0; i < 8; ++i)
        d = d || Ligne(traits, [i](QPoint p) { return (p.x() - p.y() + 8) % 8 == i; }) ||
            Ligne(traits, [i](QPoint p) { return (p.x() + p.y()) % 8 == i; });
    QCOMPARE(h, horizontale);
    QCOMPARE(v, verticale);
    QCOMPARE(d, diagonale);
}

void TestTramesEcran::traitsVisiblesSurChaqueCouleur_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QRgb>("encre");
    QTest::newRow("dark blue: white lines") << 3 << qRgb(255, 255, 255);
    QTest::newRow("brown: white lines") << 9 << qRgb(255, 255, 255);
    QTest::newRow("dark green: white lines") << 12 << qRgb(255, 255, 255);
    QTest::newRow("yellow: black lines") << 10 << qRgb(0, 0, 0);
    QTest::newRow("white: black lines") << 15 << qRgb(0, 0, 0);
    QTest::newRow("light blue: black lines") << 5 << qRgb(0, 0, 0);
}

void TestTramesEcran::traitsVisiblesSurChaqueCouleur() {
    QFETCH(int, numero);
    QFETCH(QRgb, encre);
    QImage carre(16, 16, QImage::Format_RGB32);
    carre.fill(Couleurs[numero]);
    const QImage tramee = TramesEcran().Tramer(carre, carre.rect());
    QSet<QRgb> vues;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            vues.insert(tramee.pixel(x, y));
    QCOMPARE(vues, (QSet<QRgb>{Couleurs[numero], encre}));
}

// A whole boat: the silver around it and its black outline come out as they were; only the
// coloured parts change, and a part drawn in outline only stays plain.
void TestTramesEcran::leFondEtLesContoursRestent() {
    QImage image(76, 89, QImage::Format_RGB32);
    image.fill(Qt::white);
    VoilierEcran dessin(image, image.size(), 5);
    dessin.EffacerImage(Argent);
    dessin.ContourVoilier();
    dessin.ColorierVoiles(Couleurs[10]);
    const QImage tramee = TramesEcran().Tramer(image, image.rect());
    int changes = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb avant = image.pixel(x, y);
            if (avant != Couleurs[10]) {
                QCOMPARE(tramee.pixel(x, y), avant);
            } else if (tramee.pixel(x, y) != avant) {
                QVERIFY(y < VoilierEcran::LigneFlottaison(89));
                ++changes;
            }
        }
    QVERIFY(changes > 10);
    // A zone is hatched in the picture's own coordinates: the lines meet across zones.
    const QImage morceau = TramesEcran().Tramer(image, QRect(30, 20, 20, 20));
    QCOMPARE(morceau, tramee.copy(30, 20, 20, 20));
}

void TestTramesEcran::traitsPlusLargesSurGrandEcran() {
    QCOMPARE(TramesEcran::Echelle(600), 1);
    QCOMPARE(TramesEcran::Echelle(1199), 1);
    QCOMPARE(TramesEcran::Echelle(1200), 2);
    // Yellow's horizontal lines, two pixels thick and sixteen apart.
    const TramesEcran large(2);
    int lignes = 0;
    for (int y = 0; y < 16; ++y)
        lignes += large.Trait(10, 3, y) ? 1 : 0;
    QCOMPARE(lignes, 2);
    QVERIFY(large.Trait(10, 0, 0) == large.Trait(10, 0, 1));
}

QTEST_GUILESS_MAIN(TestTramesEcran)
#include "tst_TramesEcran.moc"
