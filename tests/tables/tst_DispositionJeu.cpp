// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of play that need no window: moving with the arrows, the table's geometry and what a
// screen reader is told of a cell.
#include "tables/DispositionJeu.h"

#include "support/Signes.h"

#include <QFont>
#include <QFontMetrics>
#include <QTest>

Q_DECLARE_METATYPE(Direction)

class TestDispositionJeu : public QObject {
    Q_OBJECT

  private slots:
    void chercherCase_data();
    void chercherCase();
    void premiereCaseATrouver();
    void tailleCase_data();
    void tailleCase();
    void cadreCentre();
    void policeLaPlusGrandeQuiTient();
    void descriptionCase();
};

namespace {
// A 3 x 4 table whose shown cells are marked 'x', row by row from row 0.
Tableau Grille(const QStringList& lignes) {
    Tableau t;
    t.DefinirTaille(1);
    for (int r = 0; r < lignes.size(); ++r)
        for (int c = 0; c < lignes[r].size(); ++c)
            t.CaseRemplie[c][r] = lignes[r][c] == QLatin1Char('x');
    return t;
}
} // namespace

void TestDispositionJeu::chercherCase_data() {
    QTest::addColumn<QStringList>("grille");
    QTest::addColumn<QPoint>("depart");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QPoint>("arrivee"); // (-1, -1): none
    const QStringList jeu2{"xx.x.", ".x..x", "x.x..", "..x.x"};
    QTest::newRow("right skips shown cells") << jeu2 << QPoint(1, 1) << Direction::Droite << QPoint(2, 1);
    QTest::newRow("right to the edge finds nothing")
        << jeu2 << QPoint(3, 1) << Direction::Droite << QPoint(-1, -1);
    QTest::newRow("left reaches a hidden row header")
        << jeu2 << QPoint(2, 3) << Direction::Gauche << QPoint(1, 3);
    QTest::newRow("left to a header to be found")
        << jeu2 << QPoint(1, 3) << Direction::Gauche << QPoint(0, 3);
    QTest::newRow("up reaches a hidden column header")
        << jeu2 << QPoint(2, 1) << Direction::Haut << QPoint(2, 0);
    QTest::newRow("down skips two shown cells") << jeu2 << QPoint(2, 0) << Direction::Bas << QPoint(2, 1);
    QTest::newRow("down from the last row stays") << jeu2 << QPoint(2, 3) << Direction::Bas << QPoint(-1, -1);
    QTest::newRow("on the edge only the current cell is looked at")
        << QStringList{"x....", ".....", ".....", "....."} << QPoint(4, 2) << Direction::Droite
        << QPoint(4, 2);
    QTest::newRow("all shown: nothing") << QStringList{"xxxxx", "xxxxx", "xxxxx", "xxxxx"} << QPoint(1, 1)
                                        << Direction::Bas << QPoint(-1, -1);
}

void TestDispositionJeu::chercherCase() {
    QFETCH(QStringList, grille);
    QFETCH(QPoint, depart);
    QFETCH(Direction, direction);
    QFETCH(QPoint, arrivee);
    const auto trouvee = ChercherCase(Grille(grille), depart, direction);
    QCOMPARE(trouvee.value_or(QPoint(-1, -1)), arrivee);
}

void TestDispositionJeu::premiereCaseATrouver() {
    QCOMPARE(PremiereCaseATrouver(Grille({"xxxxx", "xx.xx", "x...."})).value(), QPoint(2, 1));
    QVERIFY(!PremiereCaseATrouver(Grille({"xxxxx", "xxxxx", "xxxxx", "xxxxx"})));
    const Tableau t = Grille({"xx.xx", "xxxx.", "x.xxx", "xxxxx"});
    QCOMPARE(CaseSuivanteATrouver(t, QPoint(2, 0)).value(), QPoint(4, 1));
    QCOMPARE(CaseSuivanteATrouver(t, QPoint(1, 2)).value(), QPoint(2, 0)); // starts again at the top
    QCOMPARE(CaseSuivanteATrouver(Grille({"xxxxx", "xx.xx", "xxxxx", "xxxxx"}), QPoint(2, 1)).value(),
             QPoint(2, 1));
}

void TestDispositionJeu::tailleCase_data() {
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("largeurGauche"); // left of the counters
    QTest::addColumn<int>("cote");
    QTest::newRow("5 x 7 on 600: 613 div 8 = 76 beats 489 div 6 = 81") << 600 << 7 << 640 << 76;
    QTest::newRow("3 x 4 on 600: rows bound it") << 600 << 1 << 640 << 122;
    QTest::newRow("4 x 5 on 768") << 768 << 3 << 819 << 124;
    QTest::newRow("5 x 5 on 1080") << 1080 << 5 << 1600 << 145;
    // 1280 x 1024: the height alone gives 129, and 8 x 129 + 10 runs under the counters at 1024.
    QTest::newRow("5 x 7 on 5:4, the width bounds it") << 1024 << 7 << 1024 << 124;
    QTest::newRow("4 x 6 on 5:4") << 1024 << 4 << 1024 << 142;
}

void TestDispositionJeu::tailleCase() {
    QFETCH(int, hauteur);
    QFETCH(int, taille);
    QFETCH(int, largeurGauche);
    QFETCH(int, cote);
    const DimensionsTableau d = DimensionsTaille(taille);
    QCOMPARE(DispositionJeu::TailleCase(hauteur, d.NbLignes, d.NbColonnes, largeurGauche), cote);
    QVERIFY(DispositionJeu::CadreTableau(cote, d.NbLignes, d.NbColonnes, largeurGauche, hauteur).left() >= 0);
}

void TestDispositionJeu::cadreCentre() {
    // 4 x 5 at 76: 6 x 76 + 10 = 466 wide, 5 x 76 + 10 = 390 high, left of 640 and above 575.
    const QRect cadre = DispositionJeu::CadreTableau(76, 4, 5, 640, 575);
    QCOMPARE(cadre, QRect(87, 92, 466, 390));
    QCOMPARE(DispositionJeu::Case(cadre, 76, 2, 3), QRect(87 + 152 + 5, 92 + 228 + 5, 76, 76));
    // Wider than the space: the halves go negative and truncate toward zero.
    QCOMPARE(DispositionJeu::CadreTableau(100, 4, 6, 640, 575).left(), -35);
}

void TestDispositionJeu::policeLaPlusGrandeQuiTient() {
    QFont police(QStringLiteral("Arial"));
    for (int largeur : {30, 60, 120, 1000}) {
        const int taille = DispositionJeu::TaillePolice(police, largeur);
        QVERIFY(taille <= 71);
        police.setPointSize(taille);
        if (taille > 1) QVERIFY(QFontMetrics(police).horizontalAdvance(QStringLiteral("100")) < largeur);
        if (taille < 71) {
            police.setPointSize(taille + 1);
            QVERIFY(QFontMetrics(police).horizontalAdvance(QStringLiteral("100")) >= largeur);
        }
    }
}

void TestDispositionJeu::descriptionCase() {
    Tableau t = Grille({"x.x..", "x....", ".....", "....."});
    t.Valeurs[2][0] = 7;
    t.Valeurs[0][1] = 3;
    QCOMPARE(DescriptionCase(t, 0, 0, Operation::Multiplication),
             QStringLiteral("Signe de l'opération : fois"));
    QCOMPARE(DescriptionCase(t, 2, 0, Operation::Addition), QStringLiteral("En-tête de la colonne 2 : 7"));
    QCOMPARE(DescriptionCase(t, 1, 0, Operation::Addition),
             QStringLiteral("En-tête de la colonne 1 : à trouver"));
    QCOMPARE(DescriptionCase(t, 0, 1, Operation::Addition), QStringLiteral("En-tête de la ligne 1 : 3"));
    QCOMPARE(DescriptionCase(t, 3, 2, Operation::Addition, QStringLiteral("faux")),
             QStringLiteral("Colonne 3, ligne 2 : à trouver, faux"));
}

QTEST_MAIN(TestDispositionJeu)
#include "tst_DispositionJeu.moc"
