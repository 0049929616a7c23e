// SPDX-License-Identifier: GPL-3.0-or-later
// The colour draw of a sailboat table: the rules every table keeps over many seeded draws, the
// spread of the colours and samples, and exact tables from scripted draws.
#include "sailboats/Couleurs.h"
#include "sailboats/TableauVoiliers.h"
#include "support/HasardScripte.h"

#include <QTest>

#include <map>

namespace {

constexpr int NbGraines = 20000;

QList<int> Liste(const auto& tableau, int n) {
    return QList<int>(tableau.begin() + 1, tableau.begin() + 1 + n);
}

QStringList Defauts(const TableauVoiliers& t, bool avecModeles) {
    QStringList defauts;
    TableauVoiliers::ParNumero prisesCoques{}, prisesVoiles{}, utilisees{};
    for (int r = 1; r <= t.NbTotalGauche; ++r) {
        const int k = t.CouleursCoques[r];
        if (!NumeroCouleurValide(k) || CoquesBarrees[k])
            defauts << QStringLiteral("hull colour %1").arg(k);
        else if (prisesCoques[k]++)
            defauts << QStringLiteral("hull colour %1 twice").arg(k);
        utilisees[k] = 1;
    }
    for (int c = 1; c <= t.NbTotalHaut; ++c) {
        const int k = t.CouleursVoiles[c];
        if (!NumeroCouleurValide(k) || VoilesBarrees[k])
            defauts << QStringLiteral("sail colour %1").arg(k);
        else if (prisesVoiles[k]++)
            defauts << QStringLiteral("sail colour %1 twice").arg(k);
        utilisees[k] = 1;
    }
    for (int k = 1; k <= 16; ++k) {
        if (t.CouleursUtilisees[k] != utilisees[k]) defauts << QStringLiteral("CouleursUtilisees[%1]").arg(k);
        if (t.CoquesExclues[k] != (CoquesBarrees[k] || prisesCoques[k]))
            defauts << QStringLiteral("CoquesExclues[%1]").arg(k);
        if (t.VoilesExclues[k] != (VoilesBarrees[k] || prisesVoiles[k]))
            defauts << QStringLiteral("VoilesExclues[%1]").arg(k);
    }
    if (!avecModeles) return defauts;
    std::array<int, 6> modelesParLigne{};
    for (int c = 1; c <= t.NbTotalHaut; ++c) {
        const int r = t.LigneModele[c];
        if (r < 1 || r > t.NbTotalGauche)
            defauts << QStringLiteral("sample row %1").arg(r);
        else
            ++modelesParLigne[r];
    }
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        if (modelesParLigne[r] == 0) defauts << QStringLiteral("row %1 without a sample").arg(r);
    return defauts;
}

} // namespace

class TestTableauVoiliers : public QObject {
    Q_OBJECT

  private slots:
    void reglesSurTiragesAleatoires_data();
    void reglesSurTiragesAleatoires();
    void couleursEtModelesEquiprobables_data();
    void couleursEtModelesEquiprobables();
    void ordreDesTirages_data();
    void ordreDesTirages();
    void dimensionsImpossiblesNeTirentRien_data();
    void dimensionsImpossiblesNeTirentRien();
};

void TestTableauVoiliers::reglesSurTiragesAleatoires_data() {
    QTest::addColumn<bool>("avecModeles");
    QTest::newRow("colours and samples") << true;
    QTest::newRow("colours only (exercise 2)") << false;
}

// One value drawn again and again, the size changing every time: nothing of a previous table
// may be left in the flags of the next.
void TestTableauVoiliers::reglesSurTiragesAleatoires() {
    QFETCH(bool, avecModeles);
    TableauVoiliers t;
    for (int graine = 1; graine <= NbGraines; ++graine) {
        HasardSysteme hasard(static_cast<quint32>(graine));
        QVERIFY(t.DefinirTaille(graine % 8));
        QVERIFY(avecModeles ? t.TirerCouleurs(hasard) : t.TirerCoquesEtVoiles(hasard));
        const QStringList defauts = Defauts(t, avecModeles);
        if (!defauts.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("seed %1, size %2: %3").arg(graine).arg(graine % 8).arg(defauts.join(", "))));
    }
}

void TestTableauVoiliers::couleursEtModelesEquiprobables_data() {
    QTest::addColumn<int>("taille");
    QTest::newRow("2 x 3") << 0;
    QTest::newRow("4 x 4, samples a permutation") << 2;
    QTest::newRow("5 x 7") << 7;
}

// Each allowed colour about equally often in every row and column, and each row equally often
// the sample of a column: within 5 standard deviations of the expected count.
void TestTableauVoiliers::couleursEtModelesEquiprobables() {
    QFETCH(int, taille);
    TableauVoiliers t;
    t.DefinirTaille(taille);
    std::map<std::pair<int, int>, int> coques, voiles, modeles;
    HasardSysteme hasard(77);
    for (int n = 0; n < NbGraines; ++n) {
        t.TirerCouleurs(hasard);
        for (int r = 1; r <= t.NbTotalGauche; ++r)
            ++coques[{r, t.CouleursCoques[r]}];
        for (int c = 1; c <= t.NbTotalHaut; ++c) {
            ++voiles[{c, t.CouleursVoiles[c]}];
            ++modeles[{c, t.LigneModele[c]}];
        }
        if (t.NbTotalGauche == t.NbTotalHaut)
            for (int r = 1; r <= t.NbTotalGauche; ++r)
                QCOMPARE(std::count(t.LigneModele.begin() + 1, t.LigneModele.end(), r), 1);
    }
    auto verifier = [](const auto& comptes, int categories, int lignes, const char* quoi) {
        QCOMPARE(int(comptes.size()), categories * lignes);
        const double p = 1.0 / categories, attendu = NbGraines * p,
                     ecart = 5 * std::sqrt(NbGraines * p * (1 - p));
        for (const auto& [cle, n] : comptes)
            QVERIFY2(std::abs(n - attendu) < ecart,
                     qPrintable(QStringLiteral("%1 %2 of line %3 drawn %4 times, about %5 expected")
                                    .arg(quoi)
                                    .arg(cle.second)
                                    .arg(cle.first)
                                    .arg(n)
                                    .arg(attendu)));
    };
    verifier(coques, 9, t.NbTotalGauche, "hull colour");
    verifier(voiles, 9, t.NbTotalHaut, "sail colour");
    verifier(modeles, t.NbTotalGauche, t.NbTotalHaut, "sample row");
}

void TestTableauVoiliers::ordreDesTirages_data() {
    QTest::addColumn<bool>("avecModeles");
    QTest::addColumn<QList<int>>("tirages");
    QTest::addColumn<QList<int>>("bornes");
    QTest::addColumn<QList<int>>("modeles");
    // Hulls first, then sails, each drawn again while barred or taken; then the samples, drawn
    // again as a whole while a row has none.
    const QList<int> couleurs{0, 7,         /* 1 barred, 8 */ 7,
                              3, 1, /* 8 taken, 4 barred, 2 */
                              8, 7, /* 9 barred for sails, 8: hulls and sails may share */
                              4, /* 5 */ 2, 7,
                              10 /* 3 barred for sails, 8 taken, 11 */};
    QList<int> bornes(couleurs.size(), 15);
    QTest::newRow("colours only") << false << couleurs << bornes << QList<int>{0, 0, 0};
    QTest::newRow("colours then samples")
        << true << couleurs + QList<int>{1, 1, 1, /* row 1 uncovered */ 1, 0, 1} << bornes + QList<int>(6, 2)
        << QList<int>{2, 1, 2};
}

void TestTableauVoiliers::ordreDesTirages() {
    QFETCH(bool, avecModeles);
    QFETCH(QList<int>, tirages);
    QFETCH(QList<int>, bornes);
    QFETCH(QList<int>, modeles);
    HasardScripte hasard;
    for (int i = 0; i < tirages.size(); ++i)
        hasard.AjouterBorne(tirages[i], bornes[i]);
    TableauVoiliers t;
    t.DefinirTaille(0);
    QVERIFY(avecModeles ? t.TirerCouleurs(hasard) : t.TirerCoquesEtVoiles(hasard));
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(Liste(t.CouleursCoques, 2), (QList<int>{8, 2}));
    QCOMPARE(Liste(t.CouleursVoiles, 3), (QList<int>{8, 5, 11}));
    QCOMPARE(Liste(t.LigneModele, 3), modeles);
    QCOMPARE(t.EstModele(2, 1), avecModeles);
}

void TestTableauVoiliers::dimensionsImpossiblesNeTirentRien_data() {
    QTest::addColumn<int>("lignes");
    QTest::addColumn<int>("colonnes");
    QTest::newRow("more rows than columns") << 4 << 3;
    QTest::newRow("8 columns") << 5 << 8;
    QTest::newRow("no row") << 0 << 3;
}

// An empty script throws at the first draw.
void TestTableauVoiliers::dimensionsImpossiblesNeTirentRien() {
    QFETCH(int, lignes);
    QFETCH(int, colonnes);
    TableauVoiliers t;
    t.NbTotalGauche = quint8(lignes);
    t.NbTotalHaut = quint8(colonnes);
    HasardScripte hasard;
    QVERIFY(!t.TirerCouleurs(hasard));
    QVERIFY(!t.TirerLignesModeles(hasard));
    QVERIFY(!t.DefinirTaille(8));
    QCOMPARE(int(t.NbTotalHaut), colonnes);
}

QTEST_GUILESS_MAIN(TestTableauVoiliers)
#include "tst_TableauVoiliers.moc"
