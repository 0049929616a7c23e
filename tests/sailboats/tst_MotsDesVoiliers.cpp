// SPDX-License-Identifier: GPL-3.0-or-later
// What pupils who do not see the screen hear: colours named as they look on screen, agreeing
// with the part they colour, the description of every picture, and the palette keys.
#include "sailboats/DescriptionsVoiliers.h"
#include "sailboats/NomsCouleursEcran.h"
#include "sailboats/PaletteVoiliers.h"

#include <QTest>

class TestMotsDesVoiliers : public QObject {
    Q_OBJECT

  private slots:
    void couleursCommeALEcran_data();
    void couleursCommeALEcran();
    void descriptions_data();
    void descriptions();
    void paletteAuClavier_data();
    void paletteAuClavier();
};

void TestMotsDesVoiliers::couleursCommeALEcran_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("coque");
    QTest::addColumn<QString>("voiles");
    QTest::newRow("2 compound: never changes") << 2 << "gris foncé"
                                               << "gris foncé"
                                               << "gris foncé";
    QTest::newRow("4 blue agrees") << 4 << "bleu"
                                   << "bleue"
                                   << "bleues";
    QTest::newRow("5 light blue") << 5 << "bleu clair"
                                  << "bleu clair"
                                  << "bleu clair";
    QTest::newRow("7 pink") << 7 << "rose"
                            << "rose"
                            << "roses";
    QTest::newRow("9 brown, from a noun") << 9 << "marron"
                                          << "marron"
                                          << "marron";
    QTest::newRow("10 yellow") << 10 << "jaune"
                               << "jaune"
                               << "jaunes";
    QTest::newRow("11 the legend's capital letter goes") << 11 << "vert clair"
                                                         << "vert clair"
                                                         << "vert clair";
    QTest::newRow("15 white on screen, not the legend's light grey") << 15 << "blanc"
                                                                     << "blanche"
                                                                     << "blanches";
    QTest::newRow("1 black has no name") << 1 << ""
                                         << ""
                                         << "";
    QTest::newRow("outside the table") << 17 << ""
                                       << ""
                                       << "";
}

void TestMotsDesVoiliers::couleursCommeALEcran() {
    QFETCH(int, numero);
    QFETCH(QString, nom);
    QFETCH(QString, coque);
    QFETCH(QString, voiles);
    QCOMPARE(NomCouleurEcran(numero), nom);
    QCOMPARE(CouleurDeCoque(numero), coque);
    QCOMPARE(CouleurDeVoiles(numero), voiles);
}

void TestMotsDesVoiliers::descriptions_data() {
    using namespace DescriptionsVoiliers;
    QTest::addColumn<QString>("dit");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("sail header") << EnteteVoiles(3, 10) << "Voiles de la colonne 3 : jaunes";
    QTest::newRow("sail header to find")
        << EnteteVoiles(7, 0) << "Voiles de la colonne 7 : pas encore coloriées";
    QTest::newRow("hull header") << EnteteCoque(2, 8) << "Coque de la ligne 2 : rouge";
    QTest::newRow("white hull header") << EnteteCoque(1, 15) << "Coque de la ligne 1 : blanche";
    QTest::newRow("hull header to find") << EnteteCoque(5, 0) << "Coque de la ligne 5 : pas encore coloriée";
    QTest::newRow("ex1 empty cell") << CaseARemplir(2, 3, 0, 0) << "Ligne 2, colonne 3 : vide";
    QTest::newRow("ex1 boat") << CaseARemplir(2, 3, 8, 10)
                              << "Ligne 2, colonne 3 : bateau à coque rouge et voiles jaunes";
    QTest::newRow("ex2 sails only") << CaseAColorier(2, 3, 0, 10, false)
                                    << "Ligne 2, colonne 3 : voiles jaunes, coque pas encore coloriée";
    QTest::newRow("ex2 nothing yet") << CaseAColorier(1, 1, 0, 0, false)
                                     << "Ligne 1, colonne 1 : voiles pas encore coloriées, coque pas encore "
                                        "coloriée";
    QTest::newRow("ex3 sample") << CaseAColorier(4, 2, 9, 4, true)
                                << "Ligne 4, colonne 2 : bateau modèle, voiles bleues, coque marron";
    QTest::newRow("boat to place") << BateauAPlacer(8, 10) << "Bateau à placer : coque rouge, voiles jaunes";
    QTest::newRow("no boat yet") << BateauAPlacer(0, 0) << "Bateau à placer : aucun pour l'instant";
}

void TestMotsDesVoiliers::descriptions() {
    QFETCH(QString, dit);
    QFETCH(QString, attendu);
    QCOMPARE(dit, attendu);
}

void TestMotsDesVoiliers::paletteAuClavier_data() {
    QTest::addColumn<int>("depart");
    QTest::addColumn<QString>("touches"); // letters, or < and > for the arrows
    QTest::addColumn<QList<int>>("couleurs");
    QTest::newRow("b goes through the blues and white, round") << 4 << "bbbbb" << QList<int>{5, 3, 15, 4, 5};
    QTest::newRow("r: red then pink") << 2 << "rrr" << QList<int>{8, 7, 8};
    QTest::newRow("capital letters too") << 4 << "V" << QList<int>{11};
    QTest::newRow("v: light green, dark green") << 4 << "vv" << QList<int>{11, 12};
    QTest::newRow("a letter of no colour keeps it") << 10 << "x" << QList<int>{10};
    QTest::newRow("arrows stop at the ends") << 5 << "<<>" << QList<int>{4, 4, 5};
    QTest::newRow("right arrow at white stays") << 15 << ">" << QList<int>{15};
}

void TestMotsDesVoiliers::paletteAuClavier() {
    QFETCH(int, depart);
    QFETCH(QString, touches);
    QFETCH(QList<int>, couleurs);
    QList<int> choisies;
    int couleur = depart;
    for (QChar t : touches) {
        if (t == QLatin1Char('<') || t == QLatin1Char('>'))
            couleur = PaletteVoiliers::Voisine(couleur, t == QLatin1Char('<') ? -1 : 1);
        else
            couleur = PaletteVoiliers::ParLettre(couleur, t);
        choisies.append(couleur);
    }
    QCOMPARE(choisies, couleurs);
}

QTEST_GUILESS_MAIN(TestMotsDesVoiliers)
#include "tst_MotsDesVoiliers.moc"
