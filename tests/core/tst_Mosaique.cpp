// SPDX-License-Identifier: GPL-3.0-or-later
// The one tiling routine behind every background: repeated across and down from the top-left
// corner, cut at the edges, and nothing at all for a missing or empty bitmap.
#include "core/Mosaique.h"
#include "support/BibliothequesChargees.h"
#include "support/Pieges.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

class TestMosaique : public QObject {
    Q_OBJECT

  private slots:
    // First: the plugins it watches stay loaded once any test has read or written a picture.
    void lectureParLeFormatConnu_data();
    void lectureParLeFormatConnu();
    void pavage_data();
    void pavage();
    void repliSurLImageParDefaut();
    void imageVideOuAbsenteNePeintRien();
    void imagePrevue_data();
    void imagePrevue();

  private:
    QTemporaryDir dossier;
};

namespace {
// A tile whose top-left pixel is red and the rest blue: each drawn copy leaves a red dot.
QString Tuile(const QTemporaryDir& dossier, QSize taille, const char* nom = "tuile.bmp") {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixelColor(0, 0, Qt::red);
    const QString fichier = dossier.filePath(QLatin1String(nom));
    image.save(fichier, "BMP");
    return fichier;
}

QImage Peindre(const Mosaique& mosaique, QSize zone) {
    QImage cible(zone, QImage::Format_RGB32);
    cible.fill(Qt::white);
    QPainter peintre(&cible);
    mosaique.Peindre(peintre, zone.width(), zone.height());
    return cible;
}
} // namespace

// A bitmap is read by the bitmap reader alone; a picture of another format under a bitmap's name
// is still read, then with the image plugins' help.
void TestMosaique::lectureParLeFormatConnu_data() {
    QTest::addColumn<bool>("bitmap"); // else a PNG, written by Qt once the bitmap row is done
    QTest::newRow("bitmap: no image plugin loaded") << true;
    QTest::newRow("PNG named .bmp: read all the same") << false;
}

void TestMosaique::lectureParLeFormatConnu() {
    QFETCH(bool, bitmap);
    const QString fichier = dossier.filePath(QStringLiteral("fond.bmp"));
    if (bitmap) {
        QFile ecrit(fichier);
        QVERIFY(ecrit.open(QIODevice::WriteOnly) && ecrit.write(Bitmap24(QSize(7, 5), Qt::blue)) > 0);
    } else {
        QVERIFY(QImage(7, 5, QImage::Format_RGB32).save(fichier, "PNG"));
    }
    Mosaique mosaique;
    mosaique.Choisir(fichier, QString());
    QCOMPARE(mosaique.Image().size(), QSize(7, 5));
    if (bitmap) {
        QCOMPARE(mosaique.Image().pixelColor(6, 4), QColor(Qt::blue));
        QCOMPARE(BibliothequesChargees(QStringLiteral("/imageformats/")), QStringList());
    }
}

void TestMosaique::pavage_data() {
    QTest::addColumn<QSize>("tuile");
    QTest::addColumn<QSize>("zone");
    QTest::addColumn<int>("copies"); // red dots inside the area
    QTest::newRow("narrow tile repeated across and down") << QSize(30, 20) << QSize(100, 50) << 4 * 3;
    QTest::newRow("exact fit") << QSize(25, 25) << QSize(100, 50) << 4 * 2;
    QTest::newRow("larger than the area: drawn once, cut") << QSize(300, 200) << QSize(100, 50) << 1;
}

void TestMosaique::pavage() {
    QFETCH(QSize, tuile);
    QFETCH(QSize, zone);
    QFETCH(int, copies);
    Mosaique mosaique;
    mosaique.Choisir(Tuile(dossier, tuile), QString());
    QVERIFY(!mosaique.EstVide());
    const QImage image = Peindre(mosaique, zone);
    int rouges = 0, blancs = 0;
    for (int y = 0; y < zone.height(); ++y)
        for (int x = 0; x < zone.width(); ++x) {
            rouges += image.pixelColor(x, y) == QColor(Qt::red);
            blancs += image.pixelColor(x, y) == QColor(Qt::white);
        }
    QCOMPARE(rouges, copies);
    QCOMPARE(blancs, 0); // the area is covered to its last row and column
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
}

void TestMosaique::repliSurLImageParDefaut() {
    Mosaique mosaique;
    const QString parDefaut = Tuile(dossier, QSize(8, 8), "defaut.bmp");
    mosaique.Choisir(dossier.filePath(QStringLiteral("effacee.bmp")), parDefaut);
    QCOMPARE(mosaique.Image().size(), QSize(8, 8));
    // The chosen image wins once it exists; a changed file is read again.
    const QString choisie = Tuile(dossier, QSize(5, 5), "choisie.bmp");
    mosaique.Choisir(choisie, parDefaut);
    QCOMPARE(mosaique.Image().size(), QSize(5, 5));
    QTest::qWait(1100); // file dates have a one-second grain on some file systems
    Tuile(dossier, QSize(6, 6), "choisie.bmp");
    mosaique.Choisir(choisie, parDefaut);
    QCOMPARE(mosaique.Image().size(), QSize(6, 6));
}

void TestMosaique::imageVideOuAbsenteNePeintRien() {
    QFile vide(dossier.filePath(QStringLiteral("vide.bmp")));
    QVERIFY(vide.open(QIODevice::WriteOnly));
    vide.write("BM"); // a bitmap that loads as nothing
    vide.close();
    Mosaique mosaique;
    mosaique.Choisir(vide.fileName(), dossier.filePath(QStringLiteral("absente.bmp")));
    QVERIFY(mosaique.EstVide());
    QCOMPARE(Peindre(mosaique, QSize(40, 30)).pixelColor(39, 29), QColor(Qt::white));
    // A named pipe where the image goes is no image either, and does not hold the painting.
    const GardeContreLAttente garde(30);
    QVERIFY(Pieges::Tube(dossier.filePath(QStringLiteral("Fond4.bmp"))));
    mosaique.Choisir(dossier.filePath(QStringLiteral("Fond4.bmp")), vide.fileName());
    QVERIFY(mosaique.EstVide());
}

// A picture read ahead is shown only if it is still the file chosen, as it was.
void TestMosaique::imagePrevue_data() {
    QTest::addColumn<bool>("changeeEntreTemps");
    QTest::addColumn<bool>("autreChoisie");
    QTest::addColumn<QSize>("montree");
    QTest::newRow("unchanged: the picture read ahead") << false << false << QSize(9, 4);
    QTest::newRow("rewritten meanwhile: read again") << true << false << QSize(3, 3);
    QTest::newRow("another one chosen: that one") << false << true << QSize(2, 7);
}

void TestMosaique::imagePrevue() {
    QFETCH(bool, changeeEntreTemps);
    QFETCH(bool, autreChoisie);
    QFETCH(QSize, montree);
    const QString prevue = Tuile(dossier, QSize(9, 4), "prevue.bmp");
    const QString autre = Tuile(dossier, QSize(2, 7), "autre.bmp");
    Mosaique mosaique;
    mosaique.Prevoir(prevue);
    if (changeeEntreTemps) {
        Tuile(dossier, QSize(3, 3), "prevue.bmp");
        QFile fichier(prevue);
        QVERIFY(fichier.open(QIODevice::ReadWrite));
        QVERIFY(
            fichier.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    }
    mosaique.Choisir(autreChoisie ? autre : prevue, QString());
    QCOMPARE(mosaique.Image().size(), montree);
}

QTEST_GUILESS_MAIN(TestMosaique)
#include "tst_Mosaique.moc"
