// SPDX-License-Identifier: GPL-3.0-or-later
// Table generation: the rules every table keeps over many seeded draws, and exact tables from
// scripted draws (draw order, retries, rejections).
#include "support/HasardScripte.h"
#include "support/Signes.h"
#include "support/TiragesTableaux.h"
#include "tables/GenerateurTableau.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(Version)

class TestGenerateurTableau : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void taillesEtLibelles_data();
    void taillesEtLibelles();
    void invariantsSurTiragesAleatoires_data();
    void invariantsSurTiragesAleatoires();
    void trouver3x4AssocieUneLigneADeuxColonnes();
    void tirerTableauSuitLOrdreDesTirages_data();
    void tirerTableauSuitLOrdreDesTirages();
    void trouverRefuseTousOuAucunEnteteEtGardeLesEntetes();
    void trouverNeDonneJamaisUnEnteteNul();
    void defiRefusePlusDUnZeroMontre();
    void defiFeuille2x3GardeUneDispositionSansEnteteDeLigne();
    void defiJeu2x3RecommenceLaDispositionSurLeMemeTableau();
    void feuilleNeTouchePasAuxTotauxDuJeu();
    void numeroDExerciceInconnuNeFaitRien();
    void dimensionsImpossiblesNeBouclentPas();
};

namespace {
constexpr int NbGraines = 1500;

struct Cas {
    int exercice;
    Version version;
    QString operation;
};

// Following the chains from the given headers: each shown inner cell whose column or row is
// known reveals the other. True when every header is reached.
bool TousLesEntetesDeduits(const Tableau& t) {
    std::array<bool, Tableau::Dim> colonne{}, ligne{};
    for (int c = 1; c <= t.NbColonnes; ++c)
        colonne[c] = t.CaseRemplie[c][0];
    for (int r = 1; r <= t.NbLignes; ++r)
        ligne[r] = t.CaseRemplie[0][r];
    for (bool progres = true; progres;) {
        progres = false;
        for (int c = 1; c <= t.NbColonnes; ++c)
            for (int r = 1; r <= t.NbLignes; ++r)
                if (t.CaseRemplie[c][r] && colonne[c] != ligne[r]) {
                    colonne[c] = ligne[r] = true;
                    progres = true;
                }
    }
    return std::all_of(colonne.begin() + 1, colonne.begin() + 1 + t.NbColonnes, [](bool b) { return b; }) &&
           std::all_of(ligne.begin() + 1, ligne.begin() + 1 + t.NbLignes, [](bool b) { return b; });
}

int Compter(const Tableau::Marques& m, int jusqua) {
    return static_cast<int>(std::count(m.begin() + 1, m.begin() + 1 + jusqua, quint8(1)));
}

QStringList DefautsDuTirage(const Tableau& t, bool addition) {
    QStringList defauts;
    auto present = [](const auto& entetes, int n, int v) {
        return std::find(entetes.begin() + 1, entetes.begin() + 1 + n, v) != entetes.begin() + 1 + n;
    };
    for (int v = 0; v <= 10; ++v) {
        if (std::count(t.EnteteColonne.begin() + 1, t.EnteteColonne.begin() + 1 + t.NbColonnes, v) > 1)
            defauts << QStringLiteral("column header %1 twice").arg(v);
        if (std::count(t.EnteteLigne.begin() + 1, t.EnteteLigne.begin() + 1 + t.NbLignes, v) > 1)
            defauts << QStringLiteral("row header %1 twice").arg(v);
    }
    for (int v : {0, 1, 10})
        if (present(t.EnteteColonne, t.NbColonnes, v) && present(t.EnteteLigne, t.NbLignes, v))
            defauts << QStringLiteral("%1 heads a column and a row").arg(v);
    // A value heading a row was barred from the columns: 0 and 1 both in the rows means 10 was not.
    if (present(t.EnteteLigne, t.NbLignes, 0) && present(t.EnteteLigne, t.NbLignes, 1) &&
        present(t.EnteteLigne, t.NbLignes, 10))
        defauts << QStringLiteral("0, 1 and 10 all head rows");
    if (t.Valeurs[0][0] != 0) defauts << QStringLiteral("corner value written");
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r) {
            if (c == 0 && r == 0) continue;
            const int attendu = c == 0     ? t.EnteteLigne[r]
                                : r == 0   ? t.EnteteColonne[c]
                                : addition ? t.EnteteColonne[c] + t.EnteteLigne[r]
                                           : t.EnteteColonne[c] * t.EnteteLigne[r];
            if (t.Valeurs[c][r] != attendu) defauts << QStringLiteral("value of (%1, %2)").arg(c).arg(r);
            if (addition && c > 0 && r > 0 && t.Valeurs[c][r] == 0) defauts << QStringLiteral("0 sum");
            if (t.Valeurs[c][r] > (addition ? 19 : 90)) defauts << QStringLiteral("value over the maximum");
        }
    return defauts;
}

QStringList DefautsRemplir(const Tableau& t) {
    QStringList defauts;
    if (t.NbTotal != t.NbColonnes * t.NbLignes) defauts << QStringLiteral("NbTotal");
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r)
            if (t.CaseRemplie[c][r] != (c == 0 || r == 0))
                defauts << QStringLiteral("shown (%1, %2)").arg(c).arg(r);
    return defauts;
}

QStringList DefautsTrouver(const Tableau& t) {
    QStringList defauts;
    std::array<int, Tableau::Dim> colonnesParLigne{};
    int cellulesMontrees = 0;
    for (int c = 1; c <= t.NbColonnes; ++c) {
        const int r = t.LigneAssociee[c];
        if (r < 1 || r > t.NbLignes) {
            defauts << QStringLiteral("column %1 unpaired").arg(c);
            continue;
        }
        ++colonnesParLigne[r];
        if (!t.CaseRemplie[c][r]) defauts << QStringLiteral("pair cell (%1, %2) hidden").arg(c).arg(r);
        if (!t.EnteteDonneColonne[c] && !t.EnteteDonneLigne[r])
            defauts << QStringLiteral("pair %1 has no given header").arg(c);
        if (t.EnteteDonneColonne[c] && t.EnteteColonne[c] == 0)
            defauts << QStringLiteral("0 column header given");
        if (t.EnteteDonneLigne[r] && t.EnteteLigne[r] == 0) defauts << QStringLiteral("0 row header given");
        for (int rr = 1; rr <= t.NbLignes; ++rr)
            cellulesMontrees += t.CaseRemplie[c][rr];
    }
    if (cellulesMontrees != t.NbColonnes)
        defauts << QStringLiteral("%1 inner cells shown").arg(cellulesMontrees);
    for (int r = 1; r <= t.NbLignes; ++r) {
        if (colonnesParLigne[r] == 0) defauts << QStringLiteral("row %1 without a column").arg(r);
        if (colonnesParLigne[r] > 1 && !t.EnteteDonneLigne[r])
            defauts << QStringLiteral("shared row %1 hidden").arg(r);
    }
    const int m = std::min(t.NbLignes, t.NbColonnes);
    const int k = t.NbLignes < t.NbColonnes ? Compter(t.EnteteDonneLigne, t.NbLignes)
                                            : Compter(t.EnteteDonneColonne, t.NbColonnes);
    if (k == 0 || k == m) defauts << QStringLiteral("%1 of %2 headers given").arg(k).arg(m);
    if (t.NbTotal != t.NbColonnes * t.NbLignes || t.CasesATrouver() != t.NbTotal)
        defauts << QStringLiteral("NbTotal");
    return defauts;
}

QStringList DefautsDefi(const Tableau& t, bool addition, Version version) {
    QStringList defauts;
    int items = 0;
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r)
            items += t.CaseRemplie[c][r];
    if (!t.CaseRemplie[0][0]) defauts << QStringLiteral("corner hidden");
    if (items - 1 != t.NbColonnes + t.NbLignes) defauts << QStringLiteral("%1 given items").arg(items - 1);
    if (t.NbTotal != t.NbColonnes * t.NbLignes || t.CasesATrouver() != t.NbTotal)
        defauts << QStringLiteral("NbTotal");
    if (t.CasesMontreesValantZero() > 2)
        defauts << QStringLiteral("more than one shown 0 besides the corner");
    if (addition && !TousLesEntetesDeduits(t)) defauts << QStringLiteral("a header cannot be worked out");
    const int lignes = Compter(t.EnteteDonneLigne, t.NbLignes),
              colonnes = Compter(t.EnteteDonneColonne, t.NbColonnes);
    if (t.NbColonnes == t.NbLignes && (colonnes < 1 || colonnes > 2))
        defauts << QStringLiteral("square: column headers");
    if (t.NbColonnes != t.NbLignes && t.NbColonnes + t.NbLignes != 5 && lignes != 1)
        defauts << QStringLiteral("row headers");
    if (version == Version::Jeu && t.NbColonnes + t.NbLignes == 5 && lignes != 1)
        defauts << QStringLiteral("2x3 game");
    return defauts;
}

void VerifierTotauxDuJeu(const Tableau& t, Version version) {
    if (version == Version::Jeu) {
        QCOMPARE(int(t.NbTotalHaut), t.CasesATrouverHaut());
        QCOMPARE(int(t.NbTotalGauche), t.CasesATrouverGauche());
    }
}
} // namespace

void TestGenerateurTableau::initTestCase() {
    qRegisterMetaType<Version>();
}

void TestGenerateurTableau::taillesEtLibelles_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("lignes");
    QTest::addColumn<int>("colonnes");
    QTest::addColumn<QString>("libelle");
    QTest::newRow("0") << 0 << 2 << 3 << "Taille 0 (2 x 3)";
    QTest::newRow("1") << 1 << 3 << 4 << "Taille 1 (3 x 4)";
    QTest::newRow("2") << 2 << 4 << 4 << "Taille 2 (4 x 4)";
    QTest::newRow("3") << 3 << 4 << 5 << "Taille 3 (4 x 5)";
    QTest::newRow("4") << 4 << 4 << 6 << "Taille 4 (4 x 6)";
    QTest::newRow("5") << 5 << 5 << 5 << "Taille 5 (5 x 5)";
    QTest::newRow("6") << 6 << 5 << 6 << "Taille 6 (5 x 6)";
    QTest::newRow("7") << 7 << 5 << 7 << "Taille 7 (5 x 7)";
}

void TestGenerateurTableau::taillesEtLibelles() {
    QFETCH(int, taille);
    QFETCH(int, lignes);
    QFETCH(int, colonnes);
    QFETCH(QString, libelle);
    Tableau t;
    QVERIFY(t.DefinirTaille(taille));
    QCOMPARE(t.NbLignes, lignes);
    QCOMPARE(t.NbColonnes, colonnes);
    QCOMPARE(LibelleTaille(taille), libelle);
    QVERIFY(!t.DefinirTaille(8));
    QVERIFY(!t.DefinirTaille(-1));
    QCOMPARE(t.NbColonnes, colonnes);
}

void TestGenerateurTableau::invariantsSurTiragesAleatoires_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("exercice");
    QTest::addColumn<Version>("version");
    QTest::addColumn<QString>("operation");
    for (Version version : {Version::Jeu, Version::Feuille})
        for (int exercice = 1; exercice <= 3; ++exercice)
            for (int taille = version == Version::Jeu ? 1 : 0; taille <= TailleMax; ++taille)
                for (const char* operation : {"+", "x"})
                    QTest::addRow("%s ex%d size%d %s", version == Version::Jeu ? "game" : "sheet", exercice,
                                  taille, operation)
                        << taille << exercice << version << QString::fromLatin1(operation);
}

void TestGenerateurTableau::invariantsSurTiragesAleatoires() {
    QFETCH(int, taille);
    QFETCH(int, exercice);
    QFETCH(Version, version);
    QFETCH(QString, operation);
    const bool addition = operation == QLatin1String("+");
    int plusGrand = 0;
    for (int graine = 1; graine <= NbGraines; ++graine) {
        HasardSysteme hasard(static_cast<quint32>(graine));
        Tableau t;
        t.DefinirTaille(taille);
        GenerateurTableau generateur(t, hasard, OperationDe(operation));
        if (version == Version::Feuille)
            generateur.TableauPourFeuille(exercice);
        else if (exercice == 1)
            generateur.DisposerRemplir();
        else if (exercice == 2)
            generateur.DisposerTrouver();
        else
            generateur.DisposerDefi();

        QStringList defauts = DefautsDuTirage(t, addition);
        if (exercice == 1) defauts << DefautsRemplir(t);
        if (exercice == 2) defauts << DefautsTrouver(t);
        if (exercice == 3) defauts << DefautsDefi(t, addition, version);
        if (!defauts.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(graine).arg(defauts.join(", "))));
        if (exercice > 1) VerifierTotauxDuJeu(t, version);
        for (int c = 1; c <= t.NbColonnes; ++c)
            for (int r = 1; r <= t.NbLignes; ++r)
                plusGrand = std::max<int>(plusGrand, t.Valeurs[c][r]);
    }
    // The largest fact, 9 + 10 or 9 x 10, does come up.
    QCOMPARE(plusGrand, addition ? 19 : 90);
}

void TestGenerateurTableau::trouver3x4AssocieUneLigneADeuxColonnes() {
    for (int graine = 1; graine <= NbGraines; ++graine) {
        HasardSysteme hasard(static_cast<quint32>(graine));
        Tableau t;
        t.DefinirTaille(1);
        GenerateurTableau(t, hasard, Operation::Multiplication).DisposerTrouver();
        const auto partagee = std::find_if(t.NbColonnesParLigne.begin() + 1, t.NbColonnesParLigne.begin() + 4,
                                           [](quint8 n) { return n >= 2; });
        QVERIFY(partagee != t.NbColonnesParLigne.begin() + 4);
        QVERIFY(t.EnteteDonneLigne[partagee - t.NbColonnesParLigne.begin()]);
        QVERIFY(Compter(t.EnteteDonneLigne, 3) < 3);
    }
}

void TestGenerateurTableau::tirerTableauSuitLOrdreDesTirages_data() {
    QTest::addColumn<QList<int>>("tirages");
    QTest::addColumn<QList<int>>("bornes");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<int>>("colonnes");
    QTest::addColumn<QList<int>>("lignes");
    QTest::addColumn<int>("cellule23"); // value of cell (2, 3)
    // 0 and 1 barred from the columns: 10 goes to the rows without a third draw; barred and
    // already used values are drawn again.
    const QList<int> sansTroisieme = TiragesTableaux::Remplir;
    const QList<int> bornesSansTroisieme{2, 2, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11};
    QTest::newRow("0 and 1 barred from columns, sum") << sansTroisieme << bornesSansTroisieme << "+"
                                                      << QList<int>{7, 10, 3, 2} << QList<int>{0, 1, 9} << 19;
    QTest::newRow("0 and 1 barred from columns, product")
        << sansTroisieme << bornesSansTroisieme << "x" << QList<int>{7, 10, 3, 2} << QList<int>{0, 1, 9}
        << 90;
    QTest::newRow("0 and 1 barred from rows: 10 drawn, barred from columns")
        << QList<int>{1, 1, 0, 10, 0, 1, 4, 5, 10, 0, 1, 6, 8}
        << QList<int>{2, 2, 2, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11} << "+" << QList<int>{0, 1, 4, 5}
        << QList<int>{10, 6, 8} << 9;
}

void TestGenerateurTableau::tirerTableauSuitLOrdreDesTirages() {
    QFETCH(QList<int>, tirages);
    QFETCH(QList<int>, bornes);
    QFETCH(QString, operation);
    QFETCH(QList<int>, colonnes);
    QFETCH(QList<int>, lignes);
    QFETCH(int, cellule23);
    HasardScripte hasard;
    for (int i = 0; i < tirages.size(); ++i)
        hasard.AjouterBorne(tirages[i], bornes[i]);
    Tableau t;
    t.DefinirTaille(1);
    t.CaseRemplie[3][2] = 1;
    GenerateurTableau(t, hasard, OperationDe(operation)).TirerTableau();
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(QList<int>(t.EnteteColonne.begin() + 1, t.EnteteColonne.begin() + 5), colonnes);
    QCOMPARE(QList<int>(t.EnteteLigne.begin() + 1, t.EnteteLigne.begin() + 4), lignes);
    QCOMPARE(int(t.Valeurs[2][3]), cellule23);
    QCOMPARE(t.CaseRemplie[3][2], quint8(0));
}

// Three columns on three rows would give every row header: the pairing is drawn again, the
// headers of the table stay.
void TestGenerateurTableau::trouverRefuseTousOuAucunEnteteEtGardeLesEntetes() {
    HasardScripte hasard;
    hasard.Ajouter(TiragesTableaux::Trouver);
    Tableau t;
    t.DefinirTaille(1);
    GenerateurTableau(t, hasard, Operation::Addition).DisposerTrouver();
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(QList<int>(t.EnteteColonne.begin() + 1, t.EnteteColonne.begin() + 5), (QList<int>{2, 3, 4, 5}));
    QCOMPARE(QList<int>(t.LigneAssociee.begin() + 1, t.LigneAssociee.begin() + 5), (QList<int>{3, 2, 1, 3}));
    QCOMPARE(QList<int>(t.EnteteDonneColonne.begin() + 1, t.EnteteDonneColonne.begin() + 5),
             (QList<int>{0, 1, 0, 0}));
    QCOMPARE(QList<int>(t.EnteteDonneLigne.begin() + 1, t.EnteteDonneLigne.begin() + 4),
             (QList<int>{1, 0, 1}));
    for (auto [c, r] : {std::pair{1, 3}, {2, 2}, {3, 1}, {4, 3}})
        QCOMPARE(t.CaseRemplie[c][r], quint8(1));
    QCOMPARE(int(t.NbTotal), 12);
    QCOMPARE(int(t.NbTotalHaut), 3);
    QCOMPARE(int(t.NbTotalGauche), 1);
}

// A 0 column header paired alone with its row: the row header is given in its place.
void TestGenerateurTableau::trouverNeDonneJamaisUnEnteteNul() {
    HasardScripte hasard{
        1, 1, 1, 5, 0, 1, 10, 2, 3, 4, /* pairing */ 0, 1, 2, 0, /* c2: column, c3: column */ 0, 0};
    Tableau t;
    t.DefinirTaille(1);
    GenerateurTableau(t, hasard, Operation::Multiplication).DisposerTrouver();
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(QList<int>(t.EnteteDonneColonne.begin() + 1, t.EnteteDonneColonne.begin() + 5),
             (QList<int>{0, 0, 1, 0}));
    QCOMPARE(QList<int>(t.EnteteDonneLigne.begin() + 1, t.EnteteDonneLigne.begin() + 4),
             (QList<int>{1, 1, 0}));
    QCOMPARE(int(t.NbTotal), 12);
    QCOMPARE(int(t.NbTotalHaut), 3);
    QCOMPARE(int(t.NbTotalGauche), 1);
}

// The 0-headed row given with one of its cells shows three 0s with the corner: a new table.
void TestGenerateurTableau::defiRefusePlusDUnZeroMontre() {
    HasardScripte hasard;
    hasard.Ajouter(TiragesTableaux::Defi);
    Tableau t;
    t.DefinirTaille(1);
    GenerateurTableau(t, hasard, Operation::Multiplication).DisposerDefi();
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(QList<int>(t.EnteteLigne.begin() + 1, t.EnteteLigne.begin() + 4), (QList<int>{6, 7, 8}));
    QCOMPARE(t.CasesMontreesValantZero(), 1);
    for (auto [c, r] : {std::pair{0, 0}, {3, 0}, {0, 2}, {3, 3}, {3, 1}, {1, 1}, {2, 2}, {4, 2}})
        QCOMPARE(t.CaseRemplie[c][r], quint8(1));
    QCOMPARE(int(t.NbTotal), 12);
    QCOMPARE(int(t.NbTotalHaut), 3);
    QCOMPARE(int(t.NbTotalGauche), 2);
}

void TestGenerateurTableau::defiFeuille2x3GardeUneDispositionSansEnteteDeLigne() {
    HasardScripte hasard{0, 0, 2, 3, 4, 5, 6, /* layout s=1 */ 1, 1, 0, 0};
    Tableau t;
    t.DefinirTaille(0);
    GenerateurTableau(t, hasard, Operation::Addition).TableauPourFeuille(3);
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(Compter(t.EnteteDonneLigne, 2), 0);
    QCOMPARE(t.CaseRemplie[2][0], quint8(1));
    QCOMPARE(int(t.NbTotal), 6);
}

// The game refuses the 2 x 3 layout without a row header and tries again on the same table.
void TestGenerateurTableau::defiJeu2x3RecommenceLaDispositionSurLeMemeTableau() {
    HasardScripte hasard{0, 0, 2, 3, 4, 5, 6, /* layout s=1 */ 1, 1, 0, 0, /* layout s=0 */ 0, 1, 2, 2, 0};
    Tableau t;
    t.DefinirTaille(0);
    GenerateurTableau(t, hasard, Operation::Addition).DisposerDefi(Version::Jeu);
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(QList<int>(t.EnteteColonne.begin() + 1, t.EnteteColonne.begin() + 4), (QList<int>{2, 3, 4}));
    QCOMPARE(Compter(t.EnteteDonneLigne, 2), 1);
    QCOMPARE(Compter(t.EnteteDonneColonne, 3), 0);
}

void TestGenerateurTableau::feuilleNeTouchePasAuxTotauxDuJeu() {
    for (int exercice : {1, 2, 3}) {
        HasardSysteme hasard(7);
        Tableau t;
        t.DefinirTaille(4);
        t.NbTotalHaut = 99;
        t.NbTotalGauche = 98;
        GenerateurTableau(t, hasard, Operation::Addition).TableauPourFeuille(exercice);
        QCOMPARE(int(t.NbTotal), 24);
        QCOMPARE(int(t.NbTotalHaut), 99);
        QCOMPARE(int(t.NbTotalGauche), 98);
        QCOMPARE(t.CaseDonnee, Tableau::Grille{});
    }
}

void TestGenerateurTableau::numeroDExerciceInconnuNeFaitRien() {
    for (int numJeu : {0, 4}) {
        HasardScripte hasard;
        Tableau t;
        t.DefinirTaille(3);
        GenerateurTableau(t, hasard, Operation::Addition).TableauPourFeuille(numJeu);
        QCOMPARE(hasard.bornes.size(), 0);
        QCOMPARE(t.CaseRemplie, Tableau::Grille{});
    }
}

void TestGenerateurTableau::dimensionsImpossiblesNeBouclentPas() {
    for (auto [lignes, colonnes] : {std::pair{4, 3}, {0, 4}, {3, 9}}) {
        HasardScripte hasard;
        Tableau t;
        t.NbLignes = lignes;
        t.NbColonnes = colonnes;
        GenerateurTableau generateur(t, hasard, Operation::Addition);
        generateur.DisposerRemplir();
        generateur.DisposerTrouver();
        generateur.DisposerDefi();
        QCOMPARE(hasard.bornes.size(), 0);
    }
}

QTEST_GUILESS_MAIN(TestGenerateurTableau)
#include "tst_GenerateurTableau.moc"
