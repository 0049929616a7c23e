// SPDX-License-Identifier: GPL-3.0-or-later
// The two flood fills on small drawn maps: what each mode reaches and what stops it.
// Map letters: '#' black, '.' silver, 'w' white, 'r' red, 'b' blue.
#include "sailboats/Remplissage.h"

#include <QImage>
#include <QTest>

namespace {

QRgb Couleur(QChar c) {
    switch (c.toLatin1()) {
    case '#':
        return qRgb(0, 0, 0);
    case 'w':
        return qRgb(255, 255, 255);
    case 'r':
        return qRgb(255, 0, 0);
    case 'b':
        return qRgb(0, 0, 255);
    default:
        return qRgb(192, 192, 192);
    }
}

QImage Image(const QStringList& carte, QImage::Format format = QImage::Format_RGB32) {
    QImage image(int(carte.first().size()), int(carte.size()), format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, Couleur(carte[y][x]));
    return image;
}

QStringList Carte(const QImage& image) {
    QStringList carte;
    for (int y = 0; y < image.height(); ++y) {
        QString ligne;
        for (int x = 0; x < image.width(); ++x)
            for (QChar c : QStringLiteral("#wrb."))
                if (image.pixel(x, y) == Couleur(c)) {
                    ligne += c;
                    break;
                }
        carte << ligne;
    }
    return carte;
}

} // namespace

class TestRemplissage : public QObject {
    Q_OBJECT

  private slots:
    void remplir_data();
    void remplir();
    void imageDUnAutreFormat();
    void grandeRegionSansRecursion();
};

void TestRemplissage::remplir_data() {
    QTest::addColumn<bool>("jusquAuBord");
    QTest::addColumn<QPoint>("graine");
    QTest::addColumn<QChar>("couleur");
    QTest::addColumn<QStringList>("avant");
    QTest::addColumn<QStringList>("apres");
    const QStringList diagonale{"..#...", ".#....", "#....#", "....#.", "...#.."};
    QTest::newRow("border: a diagonal step is a wall")
        << true << QPoint(0, 0) << QChar('r') << diagonale
        << QStringList{"rr#...", "r#....", "#....#", "....#.", "...#.."};
    QTest::newRow("border: fills over other colours up to black")
        << true << QPoint(1, 1) << QChar('b') << QStringList{"#####", "#.wr#", "#r..#", "#####"}
        << QStringList{"#####", "#bbb#", "#bbb#", "#####"};
    QTest::newRow("border: a U-shaped region is reached round its bend")
        << true << QPoint(1, 0) << QChar('r') << QStringList{"#.#.#", "#.#.#", "#...#", "#####"}
        << QStringList{"#r#r#", "#r#r#", "#rrr#", "#####"};
    QTest::newRow("border: second fill replaces the first")
        << true << QPoint(2, 1) << QChar('b') << QStringList{"#####", "#rrr#", "#####"}
        << QStringList{"#####", "#bbb#", "#####"};
    QTest::newRow("border: seed already of the fill colour")
        << true << QPoint(1, 1) << QChar('r') << QStringList{"#####", "#r..#", "#####"}
        << QStringList{"#####", "#r..#", "#####"};
    QTest::newRow("border: seed on the border")
        << true << QPoint(0, 0) << QChar('r') << QStringList{"#.", ".."} << QStringList{"#.", ".."};
    QTest::newRow("border: seed outside the picture")
        << true << QPoint(5, 0) << QChar('r') << QStringList{"..", ".."} << QStringList{"..", ".."};
    QTest::newRow("surface: only the joined pixels of the surface colour")
        << false << QPoint(0, 0) << QChar('.') << QStringList{"wwrw", "wrww", "w#ww"}
        << QStringList{"..rw", ".rww", ".#ww"};
    QTest::newRow("surface: seed of another colour")
        << false << QPoint(2, 0) << QChar('.') << QStringList{"wwrw"} << QStringList{"wwrw"};
}

// Surface mode replaces white, the colour the outlines' first step looks for.
void TestRemplissage::remplir() {
    QFETCH(bool, jusquAuBord);
    QFETCH(QPoint, graine);
    QFETCH(QChar, couleur);
    QFETCH(QStringList, avant);
    QFETCH(QStringList, apres);
    QImage image = Image(avant);
    if (jusquAuBord)
        RemplirJusquAuBord(image, graine, Couleur('#'), Couleur(couleur));
    else
        RemplirSurface(image, graine, Couleur('w'), Couleur(couleur));
    QCOMPARE(Carte(image), apres);
}

void TestRemplissage::imageDUnAutreFormat() {
    QImage image = Image({"#####", "#...#", "#####"}, QImage::Format_ARGB32_Premultiplied);
    RemplirJusquAuBord(image, QPoint(2, 1), qRgb(0, 0, 0), qRgb(255, 0, 0));
    QCOMPARE(Carte(image), (QStringList{"#####", "#rrr#", "#####"}));
}

// A comb of 1000 teeth, each 1-pixel gap a run of its own: the seeds are kept on a list.
void TestRemplissage::grandeRegionSansRecursion() {
    QImage image(2001, 1000, QImage::Format_RGB32);
    image.fill(qRgb(192, 192, 192));
    for (int x = 1; x < image.width(); x += 2)
        for (int y = x % 4 == 1 ? 1 : 0; y < (x % 4 == 1 ? image.height() : image.height() - 1); ++y)
            image.setPixel(x, y, qRgb(0, 0, 0));
    RemplirJusquAuBord(image, QPoint(0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(image.width() - 1, 0), qRgb(255, 0, 0));
}

QTEST_GUILESS_MAIN(TestRemplissage)
#include "tst_Remplissage.moc"
