// SPDX-License-Identifier: GPL-3.0-or-later
// Sheet drawing on a 96 dpi preview image: grid lines where the layout arithmetic puts them,
// nothing drawn outside the tables and their instruction bands, which cells carry a number for
// each kind of exercise, the three tables of "3 diff.", the answer key, and surfaces too small
// for a table.
#include "core/Hasard.h"
#include "sheets/DessinFeuille.h"
#include "tables/GenerateurTableau.h"

#include "support/Signes.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

using Origines = QList<QPoint>;

class TestDessinFeuille : public QObject {
    Q_OBJECT

  private slots:
    void grilleOuLaDispositionLaPlace_data();
    void grilleOuLaDispositionLaPlace();
    void casesPortantUnNombre_data();
    void casesPortantUnNombre();
    void coinSansNombreQuoiQueDiseCaseDonnee();
    void entetesDeLigneCommencentSousLeSigne();
    void troisTableauxDeLaFeuilleDeChaqueExercice();
    void corrigeEcritChaqueCase_data();
    void corrigeEcritChaqueCase();
    void surfaceTropPetiteResteBlanche_data();
    void surfaceTropPetiteResteBlanche();
    void seulLApercuEstPeintEnBlanc();
    void traitsEpaisSurUnePageDImprimante();

  private:
    QImage Image(QSize taille, int dpi = 96) const;
};

namespace {
constexpr int Mille = 1000;

bool Fonce(QRgb p) {
    return qGray(p) < 128;
}
bool Blanc(QRgb p) {
    return qGray(p) > 250;
}

bool EncreDans(const QImage& image, const QRect& zone) {
    const QRect z = zone.intersected(image.rect());
    for (int y = z.top(); y <= z.bottom(); ++y)
        for (int x = z.left(); x <= z.right(); ++x)
            if (Fonce(image.pixel(x, y))) return true;
    return false;
}

// A 2-unit line at coordinate v covers v - 1 and v.
bool TraitVertical(const QImage& image, int x, int y) {
    return EncreDans(image, QRect(x - 1, y, 2, 1));
}
bool TraitHorizontal(const QImage& image, int x, int y) {
    return EncreDans(image, QRect(x, y - 1, 1, 2));
}

// A table of the generator, its given cells set as a game would leave them.
Tableau TableauTire(int taille, int numJeu, Operation operation, quint32 graine) {
    Tableau t;
    t.DefinirTaille(taille);
    HasardSysteme hasard(graine);
    GenerateurTableau(t, hasard, operation).TableauPourFeuille(numJeu);
    t.CaseDonnee = t.CaseRemplie;
    return t;
}

QRect Case(const PlaceTableau& p, int s, int c, int r) {
    return QRect(p.Origine.x() + c * s, p.HautGrille() + r * s, s, s);
}

// Every line of the grid is there, and the corner cell has neither top nor left side.
QStringList DefautsGrille(const QImage& image, const PlaceTableau& p, int s) {
    QStringList defauts;
    const int x = p.Origine.x(), t = p.HautGrille(), C = p.Dimensions.NbColonnes, L = p.Dimensions.NbLignes;
    const int marge = s / 8;
    for (int r = 0; r <= L; ++r)
        for (int k = r == 0 ? 1 : 0; k <= C + 1; ++k)
            if (!TraitVertical(image, x + k * s, t + r * s + marge))
                defauts << QStringLiteral("vertical %1 in row %2").arg(k).arg(r);
    for (int c = 0; c <= C; ++c)
        for (int k = c == 0 ? 1 : 0; k <= L + 1; ++k)
            if (!TraitHorizontal(image, x + c * s + marge, t + k * s))
                defauts << QStringLiteral("horizontal %1 in column %2").arg(k).arg(c);
    if (EncreDans(image, QRect(x - 2, t + marge, 4, s / 2)))
        defauts << QStringLiteral("corner has a left side");
    if (EncreDans(image, QRect(x + marge, t - 2, s / 2, 4)))
        defauts << QStringLiteral("corner has a top side");
    return defauts;
}

// Non-white pixels outside every grid (with its line width) and every instruction band.
int PixelsHorsDesTableaux(const QImage& image, const DispositionFeuille& f) {
    QList<QRect> permis;
    for (const PlaceTableau& p : f.Places) {
        permis << p.Grille(f.TailleCaseImp).adjusted(-2, -2, 2, 2);
        permis << QRect(p.Origine, QSize(p.LargeurConsigne, p.HauteurConsigne));
    }
    int hors = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!Blanc(image.pixel(x, y)) &&
                std::none_of(permis.begin(), permis.end(), [&](const QRect& r) { return r.contains(x, y); }))
                ++hors;
    return hors;
}

// Which cells hold ink inside their lines, row by row: 'x' ink, '.' blank.
QStringList Encre(const QImage& image, const PlaceTableau& p, int s) {
    QStringList lignes;
    for (int r = 0; r <= p.Dimensions.NbLignes; ++r) {
        QString ligne;
        for (int c = 0; c <= p.Dimensions.NbColonnes; ++c)
            ligne += EncreDans(image, Case(p, s, c, r).adjusted(3, 3, -3, -3)) ? QLatin1Char('x')
                                                                               : QLatin1Char('.');
        lignes << ligne;
    }
    return lignes;
}

QStringList Attendu(const Tableau& t, int numJeu) {
    QStringList lignes;
    for (int r = 0; r <= t.NbLignes; ++r) {
        QString ligne;
        for (int c = 0; c <= t.NbColonnes; ++c) {
            const bool montre =
                (c == 0 && r == 0) || (numJeu == 1 ? (c == 0 || r == 0) : t.CaseDonnee[c][r] == 1);
            ligne += montre ? QLatin1Char('x') : QLatin1Char('.');
        }
        lignes << ligne;
    }
    return lignes;
}

QRect Englobant(const PlaceTableau& p, int s) {
    return p.Grille(s).united(QRect(p.Origine, QSize(1, 1))).adjusted(-2, -2, 2, 2);
}

// Leftmost and rightmost ink columns in a zone.
std::pair<int, int> EtendueEncre(const QImage& image, const QRect& zone) {
    int gauche = Mille * Mille, droite = -1;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (Fonce(image.pixel(x, y))) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    return {gauche, droite};
}
} // namespace

QImage TestDessinFeuille::Image(QSize taille, int dpi) const {
    QImage image(taille, QImage::Format_RGB32);
    const int parMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(parMetre);
    image.setDotsPerMeterY(parMetre);
    image.fill(Qt::red);
    return image;
}

void TestDessinFeuille::grilleOuLaDispositionLaPlace_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<int>("taille");
    QTest::addColumn<QString>("consigne");
    QTest::addColumn<int>("s");
    QTest::addColumn<Origines>("origines");
    const QSize ecran(712, 573);
    const QString longue = QString(120, QLatin1Char('M'));
    QTest::newRow("layout 1, 2 x 3") << 1 << ecran << 0 << QString() << 160 << Origines{{36, 46}};
    QTest::newRow("layout 2, 2 x 3, halves")
        << 2 << ecran << 0 << QString() << 85 << Origines{{186, 15}, {186, 301}};
    QTest::newRow("layout 3, 5 x 7, thirds")
        << 3 << ecran << 7 << QString() << 28 << Origines{{244, 11}, {244, 202}, {244, 393}};
    QTest::newRow("layout 4, 5 x 7, left column first")
        << 4 << ecran << 7 << QString() << 40 << Origines{{18, 23}, {18, 309}, {374, 23}, {374, 309}};
    QTest::newRow("layout 1 with the default instruction")
        << 1 << ecran << 1 << ConsigneParDefaut() << -1 << Origines{};
    QTest::newRow("layout 4, an instruction too long for its quarter")
        << 4 << ecran << 2 << longue << -1 << Origines{};
    QTest::newRow("layout 3 on a portrait page, long instruction")
        << 3 << QSize(500, 707) << 5 << longue << -1 << Origines{};
}

// Cases with an instruction depend on the height of "G" in the font found, so their places come
// from the arithmetic (checked on its own) rather than from the row.
void TestDessinFeuille::grilleOuLaDispositionLaPlace() {
    QFETCH(int, disposition);
    QFETCH(QSize, surface);
    QFETCH(int, taille);
    QFETCH(QString, consigne);
    QFETCH(int, s);
    QFETCH(Origines, origines);
    QImage image = Image(surface);
    const Tableau t = TableauTire(taille, 2, Operation::Multiplication, 7);
    QPainter peintre(&image);
    const DispositionFeuille f =
        DessinFeuille(peintre, surface, SurfaceFeuille::Apercu)
            .DessinerCopies(disposition, {t, Operation::Multiplication, 2, consigne});
    peintre.end();
    if (s < 0) {
        const int g = QFontMetrics(DessinFeuille::PoliceConsigne(), &image).height();
        const DispositionFeuille calcul = DispositionFeuille::Copies(
            disposition, surface, DimensionsTaille(taille), DispositionFeuille::HauteurConsigne(consigne, g));
        s = calcul.TailleCaseImp;
        for (const PlaceTableau& p : calcul.Places)
            origines << p.Origine;
        QVERIFY(f.Places.front().HauteurConsigne > 0);
    }
    QCOMPARE(f.TailleCaseImp, s);
    QCOMPARE(int(f.Places.size()), int(origines.size()));
    for (size_t i = 0; i < f.Places.size(); ++i) {
        QCOMPARE(f.Places[i].Origine, origines[qsizetype(i)]);
        QCOMPARE(DefautsGrille(image, f.Places[i], s), QStringList());
        QCOMPARE(Encre(image, f.Places[i], s), Attendu(t, 2));
        // Every copy is the same table, instruction included.
        QCOMPARE(image.copy(Englobant(f.Places[i], s)), image.copy(Englobant(f.Places[0], s)));
    }
    QCOMPARE(PixelsHorsDesTableaux(image, f), 0);
    const auto mille =
        QFontMetrics(DessinFeuille::PoliceNombres(f.TaillePolice), &image).horizontalAdvance("1000");
    const auto plusGrand =
        QFontMetrics(DessinFeuille::PoliceNombres(f.TaillePolice + 1), &image).horizontalAdvance("1000");
    QVERIFY(mille < s);
    QVERIFY(f.TaillePolice == 71 || plusGrand >= s);
}

void TestDessinFeuille::casesPortantUnNombre_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("operation");
    QTest::newRow("exercise 1: sign and headers only") << 3 << 1 << QStringLiteral("+");
    QTest::newRow("exercise 1 ignores CaseDonnee") << 7 << 1 << QStringLiteral("x");
    QTest::newRow("exercise 2: the given headers and pair cells") << 1 << 2 << QStringLiteral("x");
    QTest::newRow("exercise 2, square table") << 5 << 2 << QStringLiteral("+");
    QTest::newRow("exercise 3: the challenge's given items") << 7 << 3 << QStringLiteral("x");
    QTest::newRow("exercise 3 on the 2 x 3 sheet size") << 0 << 3 << QStringLiteral("+");
}

void TestDessinFeuille::casesPortantUnNombre() {
    QFETCH(int, taille);
    QFETCH(int, numJeu);
    QFETCH(QString, operation);
    for (quint32 graine = 1; graine <= 5; ++graine) {
        Tableau t = TableauTire(taille, numJeu, OperationDe(operation), graine);
        if (numJeu == 1) t.CaseDonnee[1][1] = 1; // what the game leaves must not show in exercise 1
        QImage image = Image(QSize(712, 573));
        QPainter peintre(&image);
        const DispositionFeuille f = DessinFeuille(peintre, image.size(), SurfaceFeuille::Apercu)
                                         .DessinerCopies(1, {t, OperationDe(operation), numJeu, {}});
        peintre.end();
        QCOMPARE(Encre(image, f.Places.front(), f.TailleCaseImp), Attendu(t, numJeu));
    }
}

void TestDessinFeuille::coinSansNombreQuoiQueDiseCaseDonnee() {
    Tableau t = TableauTire(2, 3, Operation::Multiplication, 11);
    QImage avec = Image(QSize(712, 573)), sans = Image(QSize(712, 573));
    for (QImage* image : {&avec, &sans}) {
        t.CaseDonnee[0][0] = image == &avec;
        QPainter peintre(image);
        DessinFeuille(peintre, image->size(), SurfaceFeuille::Apercu)
            .DessinerCopies(1, {t, Operation::Multiplication, 3, {}});
    }
    QCOMPARE(avec, sans);
}

// In exercise 1 the row headers start where the sign starts: "10" is not centred on its width.
void TestDessinFeuille::entetesDeLigneCommencentSousLeSigne() {
    Tableau t = TableauTire(0, 1, Operation::Addition, 3);
    t.EnteteLigne[1] = 10;
    t.EnteteColonne[1] = 10;
    QImage image = Image(QSize(712, 573));
    QPainter peintre(&image);
    const DispositionFeuille f = DessinFeuille(peintre, image.size(), SurfaceFeuille::Apercu)
                                     .DessinerCopies(1, {t, Operation::Addition, 1, {}});
    peintre.end();
    const PlaceTableau& p = f.Places.front();
    const int s = f.TailleCaseImp;
    const auto signe = EtendueEncre(image, Case(p, s, 0, 0).adjusted(3, 3, -3, -3));
    const auto ligne = EtendueEncre(image, Case(p, s, 0, 1).adjusted(3, 3, -3, -3));
    const auto colonne = EtendueEncre(image, Case(p, s, 1, 0).adjusted(3, 3, -3, -3));
    const int centreSigne = (signe.first + signe.second) / 2 - p.Origine.x();
    const int centreLigne = (ligne.first + ligne.second) / 2 - p.Origine.x();
    const int centreColonne = (colonne.first + colonne.second) / 2 - p.Origine.x() - s;
    QVERIFY2(std::abs(centreColonne - s / 2) <= 3, "a column header is centred in its cell");
    QVERIFY2(std::abs(centreSigne - s / 2) <= 3, "the sign is centred in the corner");
    QVERIFY2(centreLigne - s / 2 > s / 10, "the row header 10 starts at the sign, right of centre");
    QVERIFY(ligne.second < p.Origine.x() + s - 2);
}

// The three tables are the sheet's own: drawing them again gives the same picture.
void TestDessinFeuille::troisTableauxDeLaFeuilleDeChaqueExercice() {
    FeuilleTableaux feuille;
    feuille.Reglages.NbExAImprimer = ReglagesFeuille::TroisDifferents;
    feuille.Reglages.TailleImp1 = 1;
    feuille.Reglages.TailleImp2 = 2;
    feuille.Reglages.TailleImp3 = 8;
    feuille.Op = Operation::Multiplication;
    HasardSysteme hasard(42);
    feuille.TirerTableaux(hasard);
    QList<QImage> images;
    for (int fois = 0; fois < 2; ++fois) {
        QImage image = Image(QSize(712, 573));
        QPainter peintre(&image);
        const DispositionFeuille f =
            DessinFeuille(peintre, image.size(), SurfaceFeuille::Apercu).DessinerFeuille(feuille);
        peintre.end();
        QCOMPARE(f.TailleCaseImp, 38);
        QCOMPARE(f.Places.size(), size_t(3));
        const Origines attendues{{204, 7}, {204, 140}, {204, 311}};
        for (size_t i = 0; i < 3; ++i) {
            QCOMPARE(f.Places[i].Origine, attendues[qsizetype(i)]);
            QCOMPARE(DefautsGrille(image, f.Places[i], 38), QStringList());
            QCOMPARE(Encre(image, f.Places[i], 38), Attendu(feuille.Trois[i], int(i) + 1));
        }
        QCOMPARE(PixelsHorsDesTableaux(image, f), 0);
        images << image;
    }
    QCOMPARE(feuille.Trois[2].NbLignes, 5);
    QCOMPARE(feuille.Trois[2].NbColonnes, 7);
    QCOMPARE(images[0], images[1]);
}

void TestDessinFeuille::corrigeEcritChaqueCase_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<int>("numJeu");
    QTest::newRow("layout 1, exercise 1") << 1 << 1;
    QTest::newRow("layout 4, exercise 2") << 4 << 2;
    QTest::newRow("layout 3, exercise 3") << 3 << 3;
    QTest::newRow("3 diff.") << 5 << 1;
}

// The key's title takes a band across the top; under it every header and cell holds a number.
void TestDessinFeuille::corrigeEcritChaqueCase() {
    QFETCH(int, disposition);
    QFETCH(int, numJeu);
    FeuilleTableaux feuille;
    feuille.Reglages.NbExAImprimer = quint8(disposition);
    feuille.Reglages.JeuImprime = quint8(numJeu);
    feuille.Reglages.TailleImp = 4;
    feuille.Reglages.Consigne = ConsigneParDefaut();
    HasardSysteme hasard(8);
    feuille.TirerTableaux(hasard);
    QImage image = Image(QSize(712, 573));
    QPainter peintre(&image);
    const DispositionFeuille f = DessinFeuille(peintre, image.size(), SurfaceFeuille::Apercu)
                                     .DessinerFeuille(feuille, MarquesPage{true, QStringLiteral("Corrigé")});
    peintre.end();
    const int bande = 2 * QFontMetrics(DessinFeuille::PoliceTitre(), &image).height();
    QVERIFY(EncreDans(image, QRect(0, 0, image.width(), bande)));
    for (const PlaceTableau& p : f.Places) {
        QVERIFY(p.Origine.y() >= bande);
        for (const QString& ligne : Encre(image, p, f.TailleCaseImp))
            QCOMPARE(ligne, QString(ligne.size(), QLatin1Char('x')));
    }
}

void TestDessinFeuille::surfaceTropPetiteResteBlanche_data() {
    QTest::addColumn<int>("disposition");
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QString>("consigne");
    QTest::newRow("layout 1, no room in height") << 1 << QSize(712, 3) << QString();
    QTest::newRow("layout 1, instruction taller than the surface")
        << 1 << QSize(712, 30) << ConsigneParDefaut();
    QTest::newRow("layout 4, no room in width") << 4 << QSize(8, 573) << QString();
    QTest::newRow("layout 5, no room in height") << 5 << QSize(712, 9) << ConsigneParDefaut();
}

void TestDessinFeuille::surfaceTropPetiteResteBlanche() {
    QFETCH(int, disposition);
    QFETCH(QSize, surface);
    QFETCH(QString, consigne);
    FeuilleTableaux feuille;
    feuille.Reglages.NbExAImprimer = quint8(disposition);
    feuille.Reglages.Consigne = feuille.Reglages.Consigne1 = consigne;
    HasardSysteme hasard(5);
    feuille.TirerTableaux(hasard);
    QImage image = Image(surface);
    QPainter peintre(&image);
    const DispositionFeuille f =
        DessinFeuille(peintre, surface, SurfaceFeuille::Apercu).DessinerFeuille(feuille);
    peintre.end();
    QVERIFY(f.TailleCaseImp <= 0);
    QCOMPARE(f.TaillePolice, 1);
    QImage blanche = Image(surface);
    blanche.fill(Qt::white);
    QCOMPARE(image, blanche);
}

void TestDessinFeuille::seulLApercuEstPeintEnBlanc() {
    const Tableau t = TableauTire(0, 1, Operation::Addition, 1);
    for (SurfaceFeuille genre : {SurfaceFeuille::Apercu, SurfaceFeuille::Page}) {
        QImage image = Image(QSize(712, 573));
        QPainter peintre(&image);
        DessinFeuille(peintre, image.size(), genre).DessinerCopies(1, {t, Operation::Addition, 1, {}});
        peintre.end();
        QCOMPARE(image.pixel(1, 1), genre == SurfaceFeuille::Apercu ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
    }
}

// On a 300 dpi page the lines keep the thickness the eye sees on the preview.
void TestDessinFeuille::traitsEpaisSurUnePageDImprimante() {
    const Tableau t = TableauTire(0, 1, Operation::Addition, 1);
    QImage image = Image(QSize(3300, 2400), 300);
    image.fill(Qt::white);
    QPainter peintre(&image);
    const DispositionFeuille f = DessinFeuille(peintre, image.size(), SurfaceFeuille::Page)
                                     .DessinerCopies(1, {t, Operation::Addition, 1, {}});
    peintre.end();
    const PlaceTableau& p = f.Places.front();
    const int x = p.Origine.x() + f.TailleCaseImp, y = p.HautGrille() + f.TailleCaseImp / 8;
    int epaisseur = 0;
    for (int dx = -20; dx <= 20; ++dx)
        epaisseur += Fonce(image.pixel(x + dx, y));
    QCOMPARE(epaisseur, DispositionFeuille::EpaisseurTrait(300));
}

QTEST_MAIN(TestDessinFeuille)
#include "tst_DessinFeuille.moc"
