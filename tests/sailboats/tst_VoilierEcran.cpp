// SPDX-License-Identifier: GPL-3.0-or-later
// Boats on screen, by their pixels: for every picture size the windows can show, the outline is
// pure black on silver and each fill covers its region and nothing else; fills replace one
// another; each picture has its own deck line.
#include "sailboats/Couleurs.h"
#include "sailboats/GeometrieVoiliers.h"
#include "sailboats/Remplissage.h"
#include "sailboats/VoilierEcran.h"

#include <QImage>
#include <QPainterPath>
#include <QTest>

#include <cmath>
#include <set>
#include <tuple>

namespace {

enum Parties { Voiles = 1, Coque = 2, Voilier = 3 };

struct Picture {
    int W, H, marge;
    auto operator<=>(const Picture&) const = default;
};

constexpr QRgb Noir = Couleurs[SansCouleur], Fond = Couleurs[Argent];
constexpr QRgb Rouge = Couleurs[8], Bleu = Couleurs[4], Jaune = Couleurs[10];

// The regions as the rules draw them, apart from any pixel: "inside by m" keeps a point at
// least m pixels from the edges (m < 0 grows the region). All three are convex. The polygons'
// edges are set up once: the checks run for every pixel of hundreds of pictures.
class Regions {
  public:
    explicit Regions(QSize t)
        : W(t.width()), H(t.height()), d(5 * (H / 7)), e(6 * (H / 7)),
          grandVoile(Cotes({{W / 2.0, H / 7.0}, {W * 20 / 24.0, double(d)}, {W / 2.0, double(d)}})),
          coque(Cotes({{2.0 * (W / 24), double(d)},
                       {W * 22 / 24.0, double(d)},
                       {W * 19 / 24.0, double(e)},
                       {W * 5 / 24.0, double(e)}})) {
        const double x1 = 2 * (W / 24), y1 = 1, x2 = W * 3 / 2, y2 = W * 3 / 2;
        cx = (x1 + x2) / 2, cy = (y1 + y2) / 2, rx = (x2 - x1) / 2, ry = (y2 - y1) / 2;
    }
    bool GrandVoile(QPointF p, double m) const { return DansPolygone(grandVoile, p, m); }
    bool Foc(QPointF p, double m) const {
        const double a = (p.x() - cx) / (rx - m), b = (p.y() - cy) / (ry - m);
        return a * a + b * b <= 1 && p.x() <= W / 2 - m && p.y() <= d - m;
    }
    bool Coque(QPointF p, double m) const { return DansPolygone(coque, p, m); }

  private:
    // An edge from a, of direction u (unit length): a point is on the inner side, clockwise on
    // screen, by the cross product.
    struct Cote {
        QPointF a, u;
    };
    static QList<Cote> Cotes(const QList<QPointF>& s) {
        QList<Cote> cotes;
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QPointF a = s[i], b = s[(i + 1) % s.size()];
            cotes.append({a, (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y())});
        }
        return cotes;
    }
    static bool DansPolygone(const QList<Cote>& cotes, QPointF p, double m) {
        for (const Cote& c : cotes)
            if (c.u.x() * (p.y() - c.a.y()) - c.u.y() * (p.x() - c.a.x()) < m) return false;
        return true;
    }
    int W, H, d, e;
    QList<Cote> grandVoile, coque;
    double cx, cy, rx, ry;
};

// Draws the outline of `parties` on a fresh white bitmap, fills each region from its seed in
// its own colour and lists what went wrong: a colour that is neither black nor silver after
// the outline, a fill outside its region (a leak), a point well inside left unfilled (a gap).
QStringList Defauts(Picture t, Parties parties) {
    QImage image(QSize(t.W, t.H).expandedTo(QSize(300, 350)), QImage::Format_RGB32);
    image.fill(Qt::white);
    VoilierEcran v(image, QSize(t.W, t.H), t.marge);
    if (parties & Voiles) v.ContourVoiles();
    if (parties & Coque) v.ContourCoque();
    QStringList defauts;
    auto signaler = [&](const char* quoi, int x, int y) {
        if (defauts.size() < 4)
            defauts << QStringLiteral("%1 at (%2, %3)").arg(QLatin1String(quoi)).arg(x).arg(y);
    };
    // Row by row: pixel() is slow to call for every point of hundreds of pictures.
    for (int y = 0; y < t.H; ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < t.W; ++x)
            if (ligne[x] != Noir && ligne[x] != Fond) signaler("outline not black on silver", x, y);
    }
    if (parties & Voiles) {
        RemplirJusquAuBord(image, v.GraineGrandVoile(), Noir, Rouge);
        RemplirJusquAuBord(image, v.GraineFoc(), Noir, Bleu);
    }
    if (parties & Coque) RemplirJusquAuBord(image, v.GraineCoque(), Noir, Jaune);
    const Regions r(QSize(t.W, t.H));
    constexpr double Trait = 2, Profond = 2.5;
    for (int y = 0; y < t.H; ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < t.W; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            const QRgb c = ligne[x];
            if ((c == Rouge && !r.GrandVoile(p, -Trait)) || (c == Bleu && !r.Foc(p, -Trait)) ||
                (c == Jaune && !r.Coque(p, -Trait)))
                signaler("leak", x, y);
            if (((parties & Voiles) && r.GrandVoile(p, Profond) && c != Rouge) ||
                ((parties & Voiles) && r.Foc(p, Profond) && c != Bleu) ||
                ((parties & Coque) && r.Coque(p, Profond) && c != Jaune))
                signaler("gap", x, y);
        }
    }
    return defauts;
}

// Every cell (the headers are as large) on screens 600 to 1440 pixels high for tables of that
// many rows; the boat to place of exercise 1 is 2 pixels smaller each way.
QList<Picture> Images(int lignes, int retrait) {
    std::set<Picture> images;
    for (int ecran = 600; ecran <= 1440; ++ecran) {
        const GeometrieVoiliers g = GeometrieVoiliers::Calculer(ecran, lignes, 7);
        images.insert({g.W - retrait, g.A - retrait, g.Marge});
    }
    return {images.begin(), images.end()};
}

} // namespace

Q_DECLARE_METATYPE(Parties)

class TestVoilierEcran : public QObject {
    Q_OBJECT

  private slots:
    void geometrieDuTableau_data();
    void geometrieDuTableau();
    void tableauBorneParLaPlace_data();
    void tableauBorneParLaPlace();
    void cadreDuClavier_data();
    void cadreDuClavier();
    void angleDuRayonSurLEllipse_data();
    void angleDuRayonSurLEllipse();
    void chaqueRemplissageResteDansSaRegion_data();
    void chaqueRemplissageResteDansSaRegion();
    void colorierRemplaceLaCouleurPrecedente_data();
    void colorierRemplaceLaCouleurPrecedente();
    void ligneDeFlottaisonDeLImageElleMeme();
    void effacerNeTouchePasAuDelaDuControle();
};

void TestVoilierEcran::geometrieDuTableau_data() {
    QTest::addColumn<int>("ecran");
    QTest::addColumn<int>("lignes");
    QTest::addColumn<int>("colonnes");
    QTest::addColumn<QList<int>>("aWMarge");
    QTest::addColumn<QSize>("panneau");
    QTest::addColumn<QRect>("derniereCase");
    // 420 div 6 = 70 first: 768 x 70 div 600 = 89, where 768 x 420 div 3600 would give 89.6.
    QTest::newRow("768, 5 x 7") << 768 << 5 << 7 << QList<int>{89, 76, 5} << QSize(618, 544)
                                << QRect(537, 450, 76, 89);
    QTest::newRow("600, 2 x 3") << 600 << 2 << 3 << QList<int>{140, 120, 4} << QSize(488, 428)
                                << QRect(364, 284, 120, 140);
    QTest::newRow("1440, 4 x 4") << 1440 << 4 << 4 << QList<int>{201, 172, 9} << QSize(878, 1023)
                                 << QRect(697, 813, 172, 201);
}

void TestVoilierEcran::geometrieDuTableau() {
    QFETCH(int, ecran);
    QFETCH(int, lignes);
    QFETCH(int, colonnes);
    QFETCH(QList<int>, aWMarge);
    QFETCH(QSize, panneau);
    QFETCH(QRect, derniereCase);
    const GeometrieVoiliers g = GeometrieVoiliers::Calculer(ecran, lignes, colonnes);
    QCOMPARE((QList<int>{g.A, g.W, g.Marge}), aWMarge);
    QCOMPARE(g.Panneau(), panneau);
    QCOMPARE(g.Case(lignes, colonnes), derniereCase);
    QCOMPARE(g.EnteteVoiles(colonnes).left(), derniereCase.left());
    QCOMPARE(g.EnteteCoque(lignes).top(), derniereCase.top());
}

void TestVoilierEcran::tableauBorneParLaPlace_data() {
    QTest::addColumn<int>("ecran");
    QTest::addColumn<QSize>("place");
    QTest::addColumn<int>("aCoteSurW"); // tenths of W taken beside the table
    QTest::addColumn<int>("a");
    QTest::newRow("room enough: the screen's own size") << 768 << QSize(2000, 2000) << 0 << 89;
    QTest::newRow("too narrow") << 1024 << QSize(700, 2000) << 0 << 101;
    QTest::newRow("too low") << 1024 << QSize(2000, 600) << 0 << 98;
    QTest::newRow("too narrow with the boat beside") << 1024 << QSize(900, 2000) << 18 << 106;
}

// The largest cell that fits, width and height both: a 5 x 7 table on a 1024-pixel-high screen.
void TestVoilierEcran::tableauBorneParLaPlace() {
    QFETCH(int, ecran);
    QFETCH(QSize, place);
    QFETCH(int, aCoteSurW);
    QFETCH(int, a);
    auto aCote = [aCoteSurW](int w) { return w * aCoteSurW / 10; };
    const GeometrieVoiliers g = GeometrieVoiliers::DansLaPlace(ecran, 5, 7, place, aCote);
    QCOMPARE(g.A, a);
    QCOMPARE(g.W, a * 6 / 7);
    QCOMPARE(g.Marge, ecran * 4 / 600);
    QVERIFY(g.Panneau().width() + aCote(g.W) <= place.width());
    QVERIFY(g.Panneau().height() <= place.height());
    GeometrieVoiliers plusGrand = g;
    plusGrand.A = g.A + 1;
    plusGrand.W = plusGrand.A * 6 / 7;
    if (g.A < GeometrieVoiliers::Calculer(ecran, 5, 7).A)
        QVERIFY(plusGrand.Panneau().width() + aCote(plusGrand.W) > place.width() ||
                plusGrand.Panneau().height() > place.height());
}

void TestVoilierEcran::cadreDuClavier_data() {
    QTest::addColumn<QPoint>("depart"); // x: column, y: row
    QTest::addColumn<QString>("fleches");
    QTest::addColumn<QPoint>("arrivee");
    QTest::newRow("into the sail headers") << QPoint(2, 1) << "H" << QPoint(2, 0);
    QTest::newRow("never the corner from the top") << QPoint(1, 0) << "G" << QPoint(1, 0);
    QTest::newRow("never the corner from the left") << QPoint(0, 1) << "H" << QPoint(0, 1);
    QTest::newRow("stops at the right edge") << QPoint(3, 2) << "DDD" << QPoint(4, 2);
    QTest::newRow("stops at the bottom") << QPoint(1, 2) << "BBB" << QPoint(1, 3);
    QTest::newRow("round the table") << QPoint(1, 1) << "GBBDDDHHH" << QPoint(3, 0);
}

// A 3 x 4 table: rows 0..3, columns 0..4, the headers being row and column 0.
void TestVoilierEcran::cadreDuClavier() {
    QFETCH(QPoint, depart);
    QFETCH(QString, fleches);
    QFETCH(QPoint, arrivee);
    const GeometrieVoiliers g = GeometrieVoiliers::Calculer(600, 3, 4);
    QPoint p = depart;
    for (QChar f : fleches)
        p = g.Voisine(p, f == QLatin1Char('H')   ? Direction::Haut
                         : f == QLatin1Char('B') ? Direction::Bas
                         : f == QLatin1Char('G') ? Direction::Gauche
                                                 : Direction::Droite);
    QCOMPARE(p, arrivee);
}

void TestVoilierEcran::angleDuRayonSurLEllipse_data() {
    QTest::addColumn<QRectF>("ellipse");
    QTest::addColumn<QPointF>("point");
    QImage image(300, 350, QImage::Format_RGB32);
    const QRectF jib = VoilierEcran(image, QSize(288, 336), 9).EllipseFoc();
    QTest::newRow("jib, top of the mast") << jib << QPointF(143, 0);
    QTest::newRow("jib, deck line") << jib << QPointF(0, 240);
    QTest::newRow("flat ellipse, up and left") << QRectF(0, 0, 400, 100) << QPointF(100, -300);
    QTest::newRow("flat ellipse, down and right") << QRectF(0, 0, 400, 100) << QPointF(390, 80);
}

// The point QPainter puts at that angle lies on the ray from the centre through the point (within
// the 0.1 degree of QPainterPath's own arc approximation; the ray's own angle is 1 to 12
// degrees off on these ellipses).
void TestVoilierEcran::angleDuRayonSurLEllipse() {
    QFETCH(QRectF, ellipse);
    QFETCH(QPointF, point);
    QPainterPath chemin;
    chemin.arcMoveTo(ellipse, VoilierEcran::AngleSurEllipse(ellipse, point));
    const QPointF surArc = chemin.currentPosition() - ellipse.center(), rayon = point - ellipse.center();
    const double sinus = (surArc.x() * rayon.y() - surArc.y() * rayon.x()) /
                         (std::hypot(surArc.x(), surArc.y()) * std::hypot(rayon.x(), rayon.y()));
    QVERIFY2(std::abs(sinus) < std::sin(0.1 * M_PI / 180),
             qPrintable(QString::number(std::asin(sinus) * 180 / M_PI) + " degrees off"));
    QVERIFY(QPointF::dotProduct(surArc, rayon) > 0);
}

void TestVoilierEcran::chaqueRemplissageResteDansSaRegion_data() {
    QTest::addColumn<QList<Picture>>("images");
    QTest::addColumn<Parties>("parties");
    for (int lignes = 2; lignes <= 5; ++lignes) {
        const QList<Picture> cases = Images(lignes, 0);
        QTest::addRow("cells of %d rows", lignes) << cases << Voilier;
        QTest::addRow("sail headers of %d rows", lignes) << cases << Voiles;
        QTest::addRow("hull headers of %d rows", lignes) << cases << Coque;
        QTest::addRow("boat to place, %d rows", lignes) << Images(lignes, 2) << Voilier;
    }
    QList<Picture> bitmap;
    for (int marge = 4; marge <= 9; ++marge)
        bitmap << Picture{300, 350, marge};
    QTest::newRow("whole 300 x 350 bitmap") << bitmap << Voilier;
}

void TestVoilierEcran::chaqueRemplissageResteDansSaRegion() {
    QFETCH(QList<Picture>, images);
    QFETCH(Parties, parties);
    for (const Picture& t : images) {
        const QStringList defauts = Defauts(t, parties);
        if (!defauts.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 x %2, Marge %3: %4")
                                 .arg(t.W)
                                 .arg(t.H)
                                 .arg(t.marge)
                                 .arg(defauts.join(", "))));
    }
}

void TestVoilierEcran::colorierRemplaceLaCouleurPrecedente_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("marge");
    QTest::newRow("smallest cell") << QSize(60, 70) << 4;
    QTest::newRow("768, 5 rows") << QSize(76, 89) << 5;
    QTest::newRow("largest cell") << QSize(288, 336) << 9;
    QTest::newRow("larger than the bitmap") << QSize(360, 420) << 14;
}

// White sails and hull too: the outline's first step turns white background silver, and must
// not reach white parts already drawn.
void TestVoilierEcran::colorierRemplaceLaCouleurPrecedente() {
    QFETCH(QSize, taille);
    QFETCH(int, marge);
    QImage image(taille.expandedTo(QSize(300, 350)), QImage::Format_RGB32);
    VoilierEcran v(image, taille, marge);
    v.EffacerImage(Argent);
    v.DessinerVoilier(Couleurs[Blanc], Couleurs[Blanc]);
    QCOMPARE(image.pixel(v.GraineFoc()), Couleurs[Blanc]);
    QCOMPARE(image.pixel(v.GraineCoque()), Couleurs[Blanc]);
    v.ColorierVoilier(Rouge, Jaune);
    v.ColorierVoiles(Bleu);
    const QImage attendu = [&] {
        QImage autre(image.size(), QImage::Format_RGB32);
        VoilierEcran a(autre, taille, marge);
        a.EffacerImage(Argent);
        a.ContourVoilier();
        a.ColorierVoilier(Rouge, Bleu);
        return autre.copy(0, 0, taille.width(), taille.height());
    }();
    QCOMPARE(image.copy(0, 0, taille.width(), taille.height()), attendu);
    QCOMPARE(image.pixel(v.GraineGrandVoile()), Bleu);
    QCOMPARE(image.pixel(v.GraineCoque()), Rouge);
    QCOMPARE(image.pixel(1, 1), Fond);
}

// Two pictures of different heights drawn one after the other: each keeps its own deck line
// and the fills of the first still find its hull.
void TestVoilierEcran::ligneDeFlottaisonDeLImageElleMeme() {
    QImage petite(300, 350, QImage::Format_RGB32), grande(300, 350, QImage::Format_RGB32);
    VoilierEcran p(petite, QSize(60, 70), 4), g(grande, QSize(288, 336), 4);
    p.EffacerImage(Argent);
    g.EffacerImage(Argent);
    QCOMPARE(p.ContourVoilier(), 50);
    QCOMPARE(g.ContourVoilier(), 240);
    QCOMPARE(VoilierEcran::LigneFlottaison(70), 50);
    p.ColorierCoque(Rouge);
    QCOMPARE(petite.pixel(30, 52), Rouge);
    QCOMPARE(petite.pixel(24, 47), Fond);
}

void TestVoilierEcran::effacerNeTouchePasAuDelaDuControle() {
    QImage image(300, 350, QImage::Format_RGB32);
    image.fill(Qt::white);
    VoilierEcran v(image, QSize(76, 89), 5);
    v.EffacerImage(Argent);
    QCOMPARE(image.pixel(75, 88), Fond);
    QCOMPARE(image.pixel(76, 0), Couleurs[Blanc]);
    QCOMPARE(image.pixel(0, 89), Couleurs[Blanc]);
    v.EffacerImage(17);
    QCOMPARE(image.pixel(0, 0), Fond);
}

QTEST_GUILESS_MAIN(TestVoilierEcran)
#include "tst_VoilierEcran.moc"
