// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of carrelis's sheet window, without the window: which actions draw new tables,
// which keep them, and what each showing starts from. The sheet never shares its tables.
#include "core/Hasard.h"
#include "sheets/PreparationFeuille.h"

#include <QTest>

namespace {

// Exercise 1 gives no inner cell; exercises 2 and 3 give some.
int GenreDe(const Tableau& t) {
    for (int c = 1; c <= t.NbColonnes; ++c)
        for (int r = 1; r <= t.NbLignes; ++r)
            if (t.CaseDonnee[c][r]) return 2;
    return 1;
}

bool Forme(const Tableau& t, DimensionsTableau d) {
    return t.NbLignes == d.NbLignes && t.NbColonnes == d.NbColonnes;
}

// Steps of a row: "o+" "ox" operation, "jK" kind, "dK" layout, "tK" size index, "T a,b,c" the
// three sizes, "i" / "I" the instructions of layouts 1 to 4 / of "3 diff.", "n" Nouveau.
bool Faire(PreparationFeuille& p, const QString& action) {
    const QChar quoi = action.front();
    const QString reste = action.mid(1);
    if (quoi == QLatin1Char('o'))
        return p.ChoisirOperation(reste == u"+" ? Operation::Addition : Operation::Multiplication);
    if (quoi == QLatin1Char('j')) return p.ChoisirJeu(reste.toInt());
    if (quoi == QLatin1Char('d')) return p.ChoisirDisposition(reste.toInt());
    if (quoi == QLatin1Char('t')) return p.ChangerTaille(quint8(reste.toInt()));
    if (quoi == QLatin1Char('T')) {
        const QStringList t = reste.split(QLatin1Char(','));
        return p.ChangerTailles3D({quint8(t[0].toInt()), quint8(t[1].toInt()), quint8(t[2].toInt())});
    }
    if (quoi == QLatin1Char('i')) return p.ChangerConsigne(ConsigneParDefaut());
    if (quoi == QLatin1Char('I'))
        return p.ChangerConsignes3D({ConsigneParDefaut(), QString(), QStringLiteral("Vite !")});
    p.Nouveau();
    return true;
}

} // namespace

class TestPreparationFeuille : public QObject {
    Q_OBJECT

  private slots:
    void actions_data();
    void actions();
    void chaqueOuvertureRepartDeZero();
    void troisTableauxUnDeChaqueExercice();
    void reglagesDeTroisDifferentsAPart();
};

void TestPreparationFeuille::actions_data() {
    QTest::addColumn<QString>("etapes");
    // Each step "action:result": "-" nothing changes, "=" the same tables are shown again,
    // "c" a new table for layouts 1 to 4, "3" three new tables for "3 diff.".
    QTest::newRow("layouts 1 to 4 show one table") << "d2:= d3:= d4:= d1:=";
    QTest::newRow("the layout in force changes nothing") << "d1:- d5:3 d5:-";
    QTest::newRow("the kind in force changes nothing") << "j1:-";
    QTest::newRow("another kind draws a table of that kind") << "j2:c j3:c j3:- j1:c";
    QTest::newRow("entering and leaving 3 diff. draw anew") << "d5:3 d2:c d5:3 d4:c";
    QTest::newRow("the sign draws anew in either layout") << "o+:c ox:c d5:3 o+:3 ox:3";
    QTest::newRow("Nouveau in either layout") << "n:c n:c d5:3 n:3";
    QTest::newRow("the same size keeps the numbers") << "t1:- t4:c t4:- t9:-";
    QTest::newRow("the sizes of 3 diff.") << "d5:3 T1,1,1:- T1,2,8:3 T1,2,8:- T1,2,0:-";
    QTest::newRow("a new instruction keeps the tables") << "i:= i:- d5:3 I:= I:-";
    QTest::newRow("settings of one layout wait in the other") << "d5:3 t4:- i:- j2:- d1:c";
}

void TestPreparationFeuille::actions() {
    QFETCH(QString, etapes);
    HasardSysteme hasard(31);
    PreparationFeuille p(hasard);
    p.Reinitialiser({});
    for (const QString& etape : etapes.split(QLatin1Char(' '))) {
        const QString action = etape.section(QLatin1Char(':'), 0, 0);
        const QString attendu = etape.section(QLatin1Char(':'), 1);
        const FeuilleTableaux avant = p.Feuille();
        const bool change = Faire(p, action);
        const FeuilleTableaux& apres = p.Feuille();
        const bool copieNeuve = !MemeContenu(avant.Copie, apres.Copie);
        const bool troisNeufs =
            !MemeContenu(avant.Trois[0], apres.Trois[0]) || !MemeContenu(avant.Trois[2], apres.Trois[2]);
        const QString obtenu = !change                      ? QStringLiteral("-")
                               : copieNeuve && !troisNeufs  ? QStringLiteral("c")
                               : troisNeufs && !copieNeuve  ? QStringLiteral("3")
                               : !copieNeuve && !troisNeufs ? QStringLiteral("=")
                                                            : QStringLiteral("c3");
        QVERIFY2(obtenu == attendu, qPrintable(etape + QStringLiteral(" gave ") + obtenu));
        if (!change) QVERIFY2(!copieNeuve && !troisNeufs, qPrintable(etape));
        // What is shown always has the sizes and kinds of the settings.
        if (apres.TroisDifferents()) {
            for (int i = 1; i <= 3; ++i) {
                QVERIFY(Forme(apres.Trois[size_t(i - 1)], apres.Reglages.DimensionsN(i)));
                QCOMPARE(GenreDe(apres.Trois[size_t(i - 1)]), std::min(i, 2));
            }
        } else {
            QVERIFY(Forme(apres.Copie, apres.Reglages.Dimensions()));
            QCOMPARE(GenreDe(apres.Copie), std::min(int(apres.Reglages.JeuImprime), 2));
        }
    }
}

void TestPreparationFeuille::chaqueOuvertureRepartDeZero() {
    HasardSysteme hasard(5);
    PreparationFeuille p(hasard);
    p.Reinitialiser({});
    for (const char* action : {"ox", "j3", "t8", "i", "d5", "T8,7,6", "I"})
        Faire(p, QString::fromLatin1(action));
    // The program's instruction is not the sheet's: the sheet starts without one.
    p.Reinitialiser(QStringLiteral("Relie les cases."));
    const FeuilleTableaux& f = p.Feuille();
    QCOMPARE(f.Op, Operation::Addition);
    QCOMPARE(int(f.Reglages.NbExAImprimer), 1);
    QCOMPARE(int(f.Reglages.JeuImprime), 1);
    QCOMPARE(p.Tailles3D(), (std::array<quint8, 3>{1, 1, 1}));
    QCOMPARE(int(f.Reglages.TailleImp), 1);
    QCOMPARE(p.Consignes3D(), (std::array<QString, 3>{}));
    QVERIFY(p.Consigne().isEmpty());
    QVERIFY(Forme(f.Copie, {2, 3}));
    QCOMPARE(GenreDe(f.Copie), 1);
}

// Whatever kind is chosen for layouts 1 to 4, "3 diff." holds exercises 1, 2 and 3.
void TestPreparationFeuille::troisTableauxUnDeChaqueExercice() {
    for (quint32 graine = 1; graine <= 20; ++graine) {
        HasardSysteme hasard(graine);
        PreparationFeuille p(hasard);
        p.Reinitialiser({});
        p.ChoisirJeu(3);
        p.ChoisirDisposition(5);
        p.ChangerTailles3D({8, 5, 2});
        const FeuilleTableaux& f = p.Feuille();
        QCOMPARE(GenreDe(f.Trois[0]), 1);
        QCOMPARE(GenreDe(f.Trois[1]), 2);
        QCOMPARE(GenreDe(f.Trois[2]), 2);
        // Exercise 3 gives some headers, exercise 2 one cell in every column.
        QCOMPARE(f.Trois[2].CaseDonnee, f.Trois[2].CaseRemplie);
        for (int c = 1; c <= f.Trois[1].NbColonnes; ++c) {
            int donnees = 0;
            for (int r = 1; r <= f.Trois[1].NbLignes; ++r)
                donnees += f.Trois[1].CaseDonnee[c][r];
            QCOMPARE(donnees, 1);
        }
    }
}

// Leaving "3 diff." finds the size and the instruction of layouts 1 to 4 as they were left.
void TestPreparationFeuille::reglagesDeTroisDifferentsAPart() {
    HasardSysteme hasard(12);
    PreparationFeuille p(hasard);
    p.Reinitialiser({});
    p.ChangerTaille(6);
    p.ChangerConsigne(QStringLiteral("Colorie les cases paires."));
    p.ChoisirDisposition(5);
    p.ChangerTailles3D({2, 3, 8});
    p.ChangerConsignes3D({QStringLiteral("Un"), QStringLiteral("Deux"), QStringLiteral("Trois")});
    p.ChoisirDisposition(4);
    QCOMPARE(int(p.Reglages().TailleImp), 6);
    QCOMPARE(p.Reglages().Consigne, QStringLiteral("Colorie les cases paires."));
    QVERIFY(Forme(p.Feuille().Copie, {5, 5}));
    p.ChoisirDisposition(5);
    QCOMPARE(p.Tailles3D(), (std::array<quint8, 3>{2, 3, 8}));
    QCOMPARE(p.Consignes3D()[2], QStringLiteral("Trois"));
}

QTEST_GUILESS_MAIN(TestPreparationFeuille)
#include "tst_PreparationFeuille.moc"
