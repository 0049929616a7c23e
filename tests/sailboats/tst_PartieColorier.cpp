// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of exercises 2 and 3 without a window: parts to colour, first tries, the header
// counters of exercise 3, the deck line, samples, and the clicks that are no answer at all.
#include "sailboats/PartieColorier.h"
#include "support/TiragesVoiliers.h"

#include <QTest>

#include <functional>

namespace {

using Effet = PartieColorier::Effet;
constexpr auto Voiles = PartieBateau::Voiles;
constexpr auto Coque = PartieBateau::Coque;

// A colour of the palette that is not `juste`.
int Autre(int juste) {
    return juste == 4 ? 5 : 4;
}

struct Parties {
    int bonnes = 0, erreurs = 0, colories = 0;
};

// Colours every part still to colour, `essaisFaux` wrong tries before the right one; headers
// first. Returns what the counters must say of these parts.
Parties ToutColorier(PartieColorier& p, int essaisFaux) {
    Parties attendu;
    const TableauVoiliers& t = p.Tableau();
    auto colorier = [&](auto&& essai, int juste, int dejaLa) {
        if (dejaLa) return;
        for (int i = 0; i < essaisFaux; ++i) {
            QCOMPARE(essai(Autre(juste)), Effet::Faux);
            ++attendu.erreurs;
        }
        QCOMPARE(essai(juste), Effet::Juste);
        ++attendu.colories;
        attendu.bonnes += essaisFaux == 0;
    };
    if (p.NumJeu() == 3) {
        for (int r = 1; r <= t.NbTotalGauche; ++r)
            colorier([&](int k) { return p.ColorierEntete(Coque, r, k); }, t.CouleursCoques[r],
                     p.CouleurEntete(Coque, r));
        for (int c = 1; c <= t.NbTotalHaut; ++c)
            colorier([&](int k) { return p.ColorierEntete(Voiles, c, k); }, t.CouleursVoiles[c],
                     p.CouleurEntete(Voiles, c));
    }
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c) {
            if (p.EstModele(r, c)) continue;
            colorier([&](int k) { return p.ColorierCase(r, c, Voiles, k); }, t.CouleursVoiles[c],
                     p.CouleurCase(r, c, Voiles));
            colorier([&](int k) { return p.ColorierCase(r, c, Coque, k); }, t.CouleursCoques[r],
                     p.CouleurCase(r, c, Coque));
        }
    return attendu;
}

} // namespace

class TestPartieColorier : public QObject {
    Q_OBJECT

  private slots:
    void nombreDePartiesAColorier_data();
    void nombreDePartiesAColorier();
    void partiesEntieres_data();
    void partiesEntieres();
    void justeApresDeuxEssaisFaux();
    void compteursDesEntetes();
    void ligneDeFlottaisonSurLaCoque_data();
    void ligneDeFlottaisonSurLaCoque();
    void clicsQuiNeSontPasDesReponses_data();
    void clicsQuiNeSontPasDesReponses();
    void boutonsAChaqueEtape();
    void quitterMontreLeBilan_data();
    void quitterMontreLeBilan();
    void couleursMontrees();
};

void TestPartieColorier::nombreDePartiesAColorier_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<int>("taille");
    QTest::addColumn<int>("nbTotal");
    QTest::newRow("ex2 3 x 4") << 2 << 1 << 24;
    QTest::newRow("ex3 3 x 4") << 3 << 1 << 23;
    QTest::newRow("ex2 4 x 4") << 2 << 2 << 32;
    QTest::newRow("ex3 4 x 4") << 3 << 2 << 32;
    QTest::newRow("ex3 4 x 6") << 3 << 4 << 46;
    QTest::newRow("ex2 5 x 7") << 2 << 7 << 70;
    QTest::newRow("ex3 5 x 7") << 3 << 7 << 68;
}

// What is counted is what can be coloured: every part of every boat that is not a sample, and
// in exercise 3 every header.
void TestPartieColorier::nombreDePartiesAColorier() {
    QFETCH(int, numJeu);
    QFETCH(int, taille);
    QFETCH(int, nbTotal);
    for (quint32 graine = 1; graine <= 20; ++graine) {
        HasardSysteme hasard(graine);
        PartieColorier p;
        QVERIFY(p.NouveauJeu(numJeu, taille, hasard));
        QCOMPARE(int(p.Compteurs().NbTotal), nbTotal);
        const Parties parties = ToutColorier(p, 0);
        QCOMPARE(parties.colories, nbTotal);
        QVERIFY(p.Terminee());
    }
}

void TestPartieColorier::partiesEntieres_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<int>("essaisFaux");
    for (int numJeu : {2, 3})
        for (int faux : {0, 1, 2})
            QTest::addRow("ex%d, %d wrong tries a part", numJeu, faux) << numJeu << faux;
}

void TestPartieColorier::partiesEntieres() {
    QFETCH(int, numJeu);
    QFETCH(int, essaisFaux);
    HasardScripte hasard;
    TableauScripte t = Tableau3x4();
    if (numJeu == 2) t.Modeles.clear();
    t.Ajouter(hasard);
    PartieColorier p;
    QVERIFY(p.NouveauJeu(numJeu, 1, hasard));
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(p.Tableau().CouleursCoques[3], quint8(15));
    const Parties attendu = ToutColorier(p, essaisFaux);
    const CompteursResultat& n = p.Compteurs();
    QCOMPARE(n.NbBonnes, attendu.bonnes);
    QCOMPARE(n.NbErreurs, attendu.erreurs);
    QCOMPARE(p.NbColories(), int(n.NbTotal));
    QVERIFY(p.Terminee());
    if (numJeu == 3) {
        QCOMPARE(n.NbBonnesGauche, essaisFaux ? 0 : 3);
        QCOMPARE(n.NbErreursGauche, 3 * essaisFaux);
        QCOMPARE(n.NbBonnesHaut, essaisFaux ? 0 : 4);
        QCOMPARE(n.NbErreursHaut, 4 * essaisFaux);
    } else {
        QCOMPARE(n.NbBonnesGauche + n.NbErreursGauche + n.NbBonnesHaut + n.NbErreursHaut, 0);
    }
    QCOMPARE(int(n.NbTotalGauche), 3);
    QCOMPARE(int(n.NbTotalHaut), 4);
}

void TestPartieColorier::justeApresDeuxEssaisFaux() {
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    PartieColorier p;
    p.NouveauJeu(3, 1, hasard);
    // Row 2 holds the sample of column 2 only: cell (2, 1) is to colour. Its hull is yellow.
    QCOMPARE(p.ColorierCase(2, 1, Coque, 8), Effet::Faux);
    QCOMPARE(p.ColorierCase(2, 1, Coque, 15), Effet::Faux);
    QCOMPARE(p.ColorierCase(2, 1, Coque, 10), Effet::Juste);
    QCOMPARE(p.NbColories(), 1);
    QCOMPARE(p.Compteurs().NbBonnes, 0);
    QCOMPARE(p.Compteurs().NbErreurs, 2);
    // The sails of that boat are still a first try.
    QCOMPARE(p.ColorierCase(2, 1, Voiles, 10), Effet::Juste);
    QCOMPARE(p.Compteurs().NbBonnes, 1);
}

void TestPartieColorier::compteursDesEntetes() {
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    PartieColorier p;
    p.NouveauJeu(3, 1, hasard);
    QCOMPARE(p.ColorierEntete(Coque, 1, 8), Effet::Juste);
    QCOMPARE(p.ColorierEntete(Coque, 2, 7), Effet::Faux);
    QCOMPARE(p.ColorierEntete(Coque, 2, 10), Effet::Juste);
    QCOMPARE(p.ColorierEntete(Voiles, 4, 4), Effet::Faux);
    QCOMPARE(p.ColorierEntete(Voiles, 4, 5), Effet::Faux);
    QCOMPARE(p.ColorierEntete(Voiles, 3, 11), Effet::Juste);
    // A header coloured right takes no more answers.
    QCOMPARE(p.ColorierEntete(Coque, 1, 8), Effet::Aucun);
    QCOMPARE(p.ColorierEntete(Coque, 1, 2), Effet::Aucun);
    const CompteursResultat& n = p.Compteurs();
    QCOMPARE((QList<int>{n.NbBonnesGauche, n.NbErreursGauche, n.NbBonnesHaut, n.NbErreursHaut}),
             (QList<int>{1, 1, 1, 2}));
    QCOMPARE(n.NbBonnes, 2);
    QCOMPARE(n.NbErreurs, 3);
    QCOMPARE(p.NbColories(), 3);
}

void TestPartieColorier::ligneDeFlottaisonSurLaCoque_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<PartieBateau>("partie");
    // A picture 89 high: the deck line is at 5 x (89 div 7) = 60.
    QTest::newRow("top") << 0 << Voiles;
    QTest::newRow("just above the deck line") << 59 << Voiles;
    QTest::newRow("on the deck line") << 60 << Coque;
    QTest::newRow("below") << 88 << Coque;
}

void TestPartieColorier::ligneDeFlottaisonSurLaCoque() {
    QFETCH(int, y);
    QFETCH(PartieBateau, partie);
    QCOMPARE(PartieColorier::PartieSous(y, 5 * (89 / 7)), partie);
}

void TestPartieColorier::clicsQuiNeSontPasDesReponses_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("cas");
    QTest::newRow("ex3 sample boat") << 3 << "sample";
    QTest::newRow("ex2 header") << 2 << "header";
    QTest::newRow("ex3 part already right") << 3 << "part done";
    QTest::newRow("ex2 boat fully coloured") << 2 << "boat done";
    QTest::newRow("ex2 game over") << 2 << "game over";
    QTest::newRow("ex3 game over, header") << 3 << "game over";
    QTest::newRow("ex2 outside the table") << 2 << "outside";
}

// Nothing is counted and nothing changes, not even the commands: a stray click after the
// results must not leave the pupil with "Quitter" alone.
void TestPartieColorier::clicsQuiNeSontPasDesReponses() {
    QFETCH(int, numJeu);
    QFETCH(QString, cas);
    HasardScripte hasard;
    TableauScripte t = Tableau3x4();
    if (numJeu == 2) t.Modeles.clear();
    t.Ajouter(hasard);
    PartieColorier p;
    p.NouveauJeu(numJeu, 1, hasard);
    std::function<Effet()> clic;
    if (cas == QLatin1String("sample")) {
        QVERIFY(p.EstModele(3, 3));
        clic = [&] { return p.ColorierCase(3, 3, Voiles, 11); };
    } else if (cas == QLatin1String("header")) {
        clic = [&] { return p.ColorierEntete(Coque, 1, 8); };
    } else if (cas == QLatin1String("part done")) {
        p.ColorierCase(2, 3, Voiles, 11);
        clic = [&] { return p.ColorierCase(2, 3, Voiles, 4); };
    } else if (cas == QLatin1String("boat done")) {
        p.ColorierCase(1, 2, Voiles, 4);
        p.ColorierCase(1, 2, Coque, 8);
        QVERIFY(!p.CaseAColorier(1, 2));
        clic = [&] { return p.ColorierCase(1, 2, Coque, 2); };
    } else if (cas == QLatin1String("game over")) {
        ToutColorier(p, 1);
        p.BilanMontre();
        clic = [&] { return numJeu == 3 ? p.ColorierEntete(Voiles, 1, 2) : p.ColorierCase(1, 1, Coque, 2); };
    } else {
        clic = [&] { return p.ColorierCase(4, 1, Coque, 8); };
    }
    const CompteursResultat avant = p.Compteurs();
    const BoutonsJeu boutons = p.Boutons();
    const int colories = p.NbColories();
    QCOMPARE(clic(), Effet::Aucun);
    QCOMPARE(p.Boutons(), boutons);
    QCOMPARE(p.Compteurs().NbErreurs, avant.NbErreurs);
    QCOMPARE(p.Compteurs().NbBonnes, avant.NbBonnes);
    QCOMPARE(p.NbColories(), colories);
    if (cas == QLatin1String("game over"))
        QCOMPARE(p.Boutons(), (BoutonsJeu{.Nouveau = true, .Changer = true}));
}

void TestPartieColorier::boutonsAChaqueEtape() {
    HasardSysteme hasard(11);
    PartieColorier p;
    p.NouveauJeu(2, 1, hasard);
    const BoutonsJeu libres{.Nouveau = true, .Changer = true};
    QCOMPARE(p.Boutons(), libres);
    // A wrong colour is an answer too: from the first one, only "Quitter" leaves.
    p.ColorierCase(1, 1, Coque, Autre(p.Tableau().CouleursCoques[1]));
    QCOMPARE(p.Boutons(), BoutonsJeu{});
    ToutColorier(p, 0);
    QCOMPARE(p.Boutons(), BoutonsJeu{.Bilan = true});
    p.BilanMontre();
    QCOMPARE(p.Boutons(), libres);
    QVERIFY(p.NouveauJeu(3, 1, hasard));
    QCOMPARE(p.Boutons(), libres);
    QCOMPARE(p.NbColories(), 0);
}

void TestPartieColorier::quitterMontreLeBilan_data() {
    QTest::addColumn<QString>("jeu");
    QTest::addColumn<bool>("ouvre");
    QTest::newRow("nothing done") << "" << false;
    QTest::newRow("only wrong clicks") << "F" << true;
    QTest::newRow("one right part") << "J" << true;
    QTest::newRow("finished, results seen") << "JB" << false;
}

void TestPartieColorier::quitterMontreLeBilan() {
    QFETCH(QString, jeu);
    QFETCH(bool, ouvre);
    HasardSysteme hasard(13);
    PartieColorier p;
    p.NouveauJeu(2, 3, hasard);
    const int coque = p.Tableau().CouleursCoques[1];
    if (jeu.contains(QLatin1Char('F'))) p.ColorierCase(1, 1, Coque, Autre(coque));
    if (jeu.contains(QLatin1Char('J'))) p.ColorierCase(1, 1, Coque, coque);
    if (jeu.contains(QLatin1Char('B'))) {
        ToutColorier(p, 0);
        p.BilanMontre();
    }
    QCOMPARE(p.QuitterOuvreBilan(), ouvre);
}

void TestPartieColorier::couleursMontrees() {
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    PartieColorier p;
    p.NouveauJeu(3, 1, hasard);
    QCOMPARE(p.CouleurEntete(Coque, 1), 0);
    QCOMPARE(p.CouleurCase(1, 1, Voiles), 10); // the sample of column 1
    QCOMPARE(p.CouleurCase(1, 1, Coque), 8);
    QCOMPARE(p.CouleurCase(2, 1, Voiles), 0);
    p.ColorierCase(2, 1, Voiles, 10);
    QCOMPARE(p.CouleurCase(2, 1, Voiles), 10);
    QCOMPARE(p.CouleurCase(2, 1, Coque), 0);
    p.ColorierEntete(Voiles, 2, 4);
    QCOMPARE(p.CouleurEntete(Voiles, 2), 4);
}

QTEST_GUILESS_MAIN(TestPartieColorier)
#include "tst_PartieColorier.moc"
