// SPDX-License-Identifier: GPL-3.0-or-later
// Boats of the sheets: the colours a part is printed in, the hatches of each colour in black
// and white (both layers, lines in the right direction), and hatch lines as far apart on a
// 600 dpi page, image or PDF, as on the screen.
#include "sailboats/Couleurs.h"
#include "sailboats/VoilierFeuille.h"

#include "support/Hachures.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int U = 30;
const QPoint Coin(10, 10);

// Points well inside the jib, the mainsail and the hull of the cell at Coin.
const QPoint Foc = Coin + QPoint(4 * U, 6 * U), GrandVoile = Coin + QPoint(8 * U, 8 * U),
             Coque = Coin + QPoint(6 * U, 11 * U);

QImage Feuille(QSize taille, int dpi, QRgb fond = qRgb(255, 255, 255)) {
    QImage image(taille, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(fond);
    return image;
}

QImage Bateau(int couleur, bool noirEtBlanc, QRgb fond = qRgb(255, 255, 255)) {
    QImage image = Feuille(QSize(14 * U, 14 * U), 96, fond);
    QPainter p(&image);
    VoilierFeuille dessin(p, U, noirEtBlanc);
    dessin.VoileFeuille(Coin, couleur);
    dessin.CoqueFeuille(Coin, couleur);
    return image;
}

bool Noir(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Distances between the left edges of the vertical lines met along row y, the outline's sides
// at both ends left out.
QList<int> Ecarts(const QImage& image, int y) {
    QList<int> debuts, ecarts;
    for (int x = 1; x < image.width(); ++x)
        if (Noir(image, x, y) && !Noir(image, x - 1, y)) debuts << x;
    for (qsizetype i = 2; i < debuts.size() - 1; ++i)
        ecarts << debuts[i] - debuts[i - 1];
    return ecarts;
}

} // namespace

class TestVoilierFeuille : public QObject {
    Q_OBJECT

  private slots:
    void couleursImprimees_data();
    void couleursImprimees();
    void hachuresNoirEtBlanc_data();
    void hachuresNoirEtBlanc();
    void hachuresEspaceesCommeALEcran_data();
    void hachuresEspaceesCommeALEcran();
    void peintreRenduCommeIlEtait();
};

void TestVoilierFeuille::couleursImprimees_data() {
    QTest::addColumn<int>("couleur");
    QTest::addColumn<QRgb>("attendue");
    QTest::newRow("15 printed silver") << 15 << qRgb(192, 192, 192);
    QTest::newRow("uncoloured printed white") << 1 << qRgb(255, 255, 255);
    QTest::newRow("red") << 8 << qRgb(255, 0, 0);
    QTest::newRow("number outside the table left uncoloured") << 0 << qRgb(255, 255, 255);
}

// On a yellow page, so that a white part is told from no part at all.
void TestVoilierFeuille::couleursImprimees() {
    QFETCH(int, couleur);
    QFETCH(QRgb, attendue);
    const QImage image = Bateau(couleur, false, qRgb(255, 255, 0));
    QCOMPARE(image.pixel(Foc), attendue);
    QCOMPARE(image.pixel(GrandVoile), attendue);
    QCOMPARE(image.pixel(Coque), attendue);
    // The black outlines: mast, deck line, the jib's curve at the top of the mast.
    QVERIFY(Noir(image, Coin.x() + 7 * U, Coin.y() + 5 * U));
    QVERIFY(Noir(image, Coin.x() + 3 * U, Coin.y() + 10 * U));
    QVERIFY(Noir(image, Coin.x() + 7 * U - 2, Coin.y() + U));
}

void TestVoilierFeuille::hachuresNoirEtBlanc_data() {
    QTest::addColumn<int>("couleur");
    QTest::addColumn<QString>("directions");
    QTest::newRow("1 uncoloured: no hatch") << 1 << "";
    QTest::newRow("2 forward diagonals crossed by verticals") << 2 << "dv";
    QTest::newRow("4 diagonal cross only") << 4 << "dm";
    QTest::newRow("5 backward diagonal rises") << 5 << "m";
    QTest::newRow("8 forward diagonal falls") << 8 << "d";
    QTest::newRow("9 forward diagonal and horizontal") << 9 << "dh";
    QTest::newRow("12 cross and forward diagonal") << 12 << "dhv";
    QTest::newRow("15 vertical") << 15 << "v";
}

void TestVoilierFeuille::hachuresNoirEtBlanc() {
    QFETCH(int, couleur);
    QFETCH(QString, directions);
    const QImage image = Bateau(couleur, true);
    QCOMPARE(Directions(image, Foc), directions);
    QCOMPARE(Directions(image, GrandVoile), directions);
    QCOMPARE(Directions(image, Coque), directions);
}

void TestVoilierFeuille::hachuresEspaceesCommeALEcran_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<int>("ecart");
    QTest::newRow("screen, 96 dpi") << 96 << false << 8;
    QTest::newRow("image, 600 dpi") << 600 << false << 50;
    QTest::newRow("image, 1200 dpi") << 1200 << false << 100;
    QTest::newRow("PDF at 600 dpi, rendered by pdftoppm") << 600 << true << 50;
}

// 8 pixels at 96 dpi are 2.1 mm; the hull of colour 15 has vertical lines only.
void TestVoilierFeuille::hachuresEspaceesCommeALEcran() {
    QFETCH(int, dpi);
    QFETCH(bool, pdf);
    QFETCH(int, ecart);
    const int u = 20 * dpi / 96;
    const QSize taille(12 * u, 13 * u);
    QImage image;
    if (pdf) {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("bateau.pdf"));
        {
            QPdfWriter page(fichier);
            page.setResolution(dpi);
            page.setPageMargins(QMarginsF());
            QPainter p(&page);
            VoilierFeuille(p, u, true).CoqueFeuille(QPoint(0, 0), 15);
        }
        QProcess outil;
        outil.start(pdftoppm,
                    {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-W"),
                     QString::number(taille.width()), QStringLiteral("-H"), QString::number(taille.height()),
                     QStringLiteral("-png"), QStringLiteral("-singlefile"), fichier,
                     dossier.filePath(QStringLiteral("page"))});
        QVERIFY(outil.waitForFinished(30000));
        QVERIFY(image.load(dossier.filePath(QStringLiteral("page.png"))));
    } else {
        image = Feuille(taille, dpi);
        QPainter p(&image);
        VoilierFeuille(p, u, true).CoqueFeuille(QPoint(0, 0), 15);
    }
    const QList<int> ecarts = Ecarts(image, 11 * u);
    QVERIFY2(ecarts.size() >= 3, qPrintable(QStringLiteral("%1 lines").arg(ecarts.size() + 1)));
    for (int e : ecarts)
        QVERIFY2(std::abs(e - ecart) <= 1, qPrintable(QStringLiteral("lines %1 apart").arg(e)));
}

// The sheet's grid is drawn with the painter's own pen after the boats.
void TestVoilierFeuille::peintreRenduCommeIlEtait() {
    QImage image = Feuille(QSize(200, 200), 96);
    QPainter p(&image);
    const QPen crayon(Qt::blue, 3);
    p.setPen(crayon);
    p.setBrush(Qt::green);
    VoilierFeuille(p, 10, true).VoileFeuille(QPoint(0, 0), 2);
    VoilierFeuille(p, 10, false).CoqueFeuille(QPoint(0, 0), 2);
    QCOMPARE(p.pen(), crayon);
    QCOMPARE(p.brush(), QBrush(Qt::green));
}

QTEST_MAIN(TestVoilierFeuille)
#include "tst_VoilierFeuille.moc"
