// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of exercise 1 without a window: whole games by scripted draws, the bars after each
// answer, wrong and repeated clicks, the commands at each step and when quitting shows the results.
#include "sailboats/PartieRemplir.h"
#include "support/TiragesVoiliers.h"

#include <QTest>

namespace {

enum class Maniere { ToutJuste, ToutFaux, Mixte };

// The cell a pupil clicks for the boat proposed: its own, or (wrong) another one still empty.
QPoint CaseCliquee(const PartieRemplir& p, bool juste) {
    const QPoint bonne(p.ColonneEnCours(), p.LigneEnCours());
    if (juste) return bonne;
    for (int r = 1; r <= p.Tableau().NbTotalGauche; ++r)
        for (int c = 1; c <= p.Tableau().NbTotalHaut; ++c)
            if (QPoint(c, r) != bonne && p.CaseCliquable(r, c)) return QPoint(c, r);
    return bonne; // the last boat has no other empty cell left: a wrong click cannot happen
}

} // namespace

Q_DECLARE_METATYPE(Maniere)

class TestPartieRemplir : public QObject {
    Q_OBJECT

  private slots:
    void partiesEntieres_data();
    void partiesEntieres();
    void hauteurDesBarres_data();
    void hauteurDesBarres();
    void uneMauvaiseCaseResteVideEtCliquable();
    void uneCaseRemplieIgnoreLesClics();
    void unBateauDejaProposeEstTireDeNouveau();
    void boutonsAChaqueEtape();
    void quitterMontreLeBilan_data();
    void quitterMontreLeBilan();
    void tailleHorsDesExercicesRefusee_data();
    void tailleHorsDesExercicesRefusee();
};

void TestPartieRemplir::partiesEntieres_data() {
    QTest::addColumn<Maniere>("maniere");
    QTest::newRow("all right") << Maniere::ToutJuste;
    QTest::newRow("all wrong") << Maniere::ToutFaux;
    QTest::newRow("mixed") << Maniere::Mixte;
}

// The boats come in the scripted order; every answer moves exactly one bar one step up.
void TestPartieRemplir::partiesEntieres() {
    QFETCH(Maniere, maniere);
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    QList<QPoint> ordre = ToutesLesCases(3, 4);
    std::reverse(ordre.begin(), ordre.end());
    ProposerDans(hasard, ordre, 3, 4);
    PartieRemplir p;
    QVERIFY(p.NouveauJeu(1, hasard));
    QCOMPARE(int(p.Compteurs().NbTotal), 12);
    QCOMPARE(int(p.Compteurs().NbTotalGauche), 3);
    QCOMPARE(int(p.Compteurs().NbTotalHaut), 4);
    QVERIFY(p.Commencer(hasard));
    const int panneau = PartieRemplir::HauteurPanneauBarres(600, 12, 1000);
    QCOMPARE(panneau, 480);
    int bonnes = 0, erreurs = 0;
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(QPoint(p.ColonneEnCours(), p.LigneEnCours()), ordre[i]);
        QCOMPARE(p.NbPlaces(), i + 1);
        const bool juste =
            maniere == Maniere::ToutJuste || (maniere == Maniere::Mixte && i % 3 != 0) || i == 11;
        const QPoint clic = CaseCliquee(p, juste);
        const auto reponse = p.Repondre(clic.y(), clic.x(), hasard);
        QVERIFY(reponse);
        QCOMPARE(reponse->Juste, clic == ordre[i]);
        QCOMPARE(QPoint(reponse->Colonne, reponse->Ligne), ordre[i]);
        QCOMPARE(reponse->Fin, i == 11);
        ++(reponse->Juste ? bonnes : erreurs);
        QCOMPARE(p.Compteurs().NbBonnes, bonnes);
        QCOMPARE(p.Compteurs().NbErreurs, erreurs);
        QCOMPARE(PartieRemplir::HauteurBarre(panneau, 12, bonnes), 40 * bonnes);
        QCOMPARE(PartieRemplir::HauteurBarre(panneau, 12, erreurs), 40 * erreurs);
        QVERIFY(p.CaseRemplie(ordre[i].y(), ordre[i].x()));
    }
    QCOMPARE(bonnes + erreurs, 12);
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(p.EtapeEnCours(), PartieRemplir::Etape::Terminee);
    QCOMPARE(p.LigneEnCours(), 0);
    QVERIFY(!p.Repondre(1, 1, hasard));
}

void TestPartieRemplir::hauteurDesBarres_data() {
    QTest::addColumn<int>("hauteurEcran");
    QTest::addColumn<int>("nbTotal");
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("panneau");
    QTest::newRow("600 high, 12 boats") << 600 << 12 << 2000 << 480;
    QTest::newRow("600 high, 35 boats") << 600 << 35 << 2000 << 455;
    QTest::newRow("768 high, 16 boats") << 768 << 16 << 2000 << 608;
    QTest::newRow("the window's room bounds it") << 1024 << 20 << 700 << 700;
    QTest::newRow("the room, then a multiple of the boats") << 1024 << 35 << 690 << 665;
    QTest::newRow("never below one pixel a boat") << 600 << 35 << 10 << 35;
}

void TestPartieRemplir::hauteurDesBarres() {
    QFETCH(int, hauteurEcran);
    QFETCH(int, nbTotal);
    QFETCH(int, place);
    QFETCH(int, panneau);
    const int hauteur = PartieRemplir::HauteurPanneauBarres(hauteurEcran, nbTotal, place);
    QCOMPARE(hauteur, panneau);
    QCOMPARE(PartieRemplir::HauteurBarre(hauteur, nbTotal, nbTotal), hauteur);
}

void TestPartieRemplir::uneMauvaiseCaseResteVideEtCliquable() {
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    ProposerDans(hasard, {QPoint(2, 3), QPoint(4, 1), QPoint(1, 1)}, 3, 4);
    PartieRemplir p;
    p.NouveauJeu(1, hasard);
    p.Commencer(hasard);
    const auto reponse = p.Repondre(1, 4, hasard); // the boat of (3, 2) clicked into (1, 4)
    QVERIFY(reponse && !reponse->Juste);
    QVERIFY(!p.CaseRemplie(1, 4));
    QVERIFY(p.CaseCliquable(1, 4));
    QVERIFY(p.CaseRemplie(3, 2));
    QVERIFY(!p.CaseCliquable(3, 2));
    // The next boat is that very cell's: it still takes it.
    QCOMPARE(QPoint(p.ColonneEnCours(), p.LigneEnCours()), QPoint(4, 1));
    QVERIFY(p.Repondre(1, 4, hasard)->Juste);
}

void TestPartieRemplir::uneCaseRemplieIgnoreLesClics() {
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    ProposerDans(hasard, {QPoint(1, 1), QPoint(2, 2)}, 3, 4);
    PartieRemplir p;
    p.NouveauJeu(1, hasard);
    QVERIFY(!p.Repondre(1, 1, hasard)); // before "Commencer"
    p.Commencer(hasard);
    QVERIFY(p.Repondre(1, 1, hasard));
    QVERIFY(!p.Repondre(1, 1, hasard));
    QVERIFY(!p.Repondre(0, 1, hasard)); // a header
    QVERIFY(!p.Repondre(4, 1, hasard)); // beyond the table
    QCOMPARE(p.Compteurs().NbBonnes + p.Compteurs().NbErreurs, 1);
    QCOMPARE(p.NbPlaces(), 2);
}

// Row first, then column, drawn again while the boat was already proposed.
void TestPartieRemplir::unBateauDejaProposeEstTireDeNouveau() {
    HasardScripte hasard;
    Tableau3x4().Ajouter(hasard);
    ProposerDans(hasard, {QPoint(3, 2), QPoint(3, 2), QPoint(3, 2), QPoint(1, 2)}, 3, 4);
    PartieRemplir p;
    p.NouveauJeu(1, hasard);
    p.Commencer(hasard);
    p.Repondre(2, 3, hasard);
    QCOMPARE(QPoint(p.ColonneEnCours(), p.LigneEnCours()), QPoint(1, 2));
    QCOMPARE(hasard.Restants(), 0);
}

void TestPartieRemplir::boutonsAChaqueEtape() {
    HasardSysteme hasard(7);
    PartieRemplir p;
    p.NouveauJeu(2, hasard);
    const BoutonsJeu miseEnPlace{.Commencer = true, .Nouveau = true, .Changer = true};
    QCOMPARE(p.Boutons(), miseEnPlace);
    QVERIFY(p.Commencer(hasard));
    QVERIFY(!p.Commencer(hasard));
    QCOMPARE(p.Boutons(), BoutonsJeu{});
    while (p.EtapeEnCours() == PartieRemplir::Etape::EnJeu)
        p.Repondre(p.LigneEnCours(), p.ColonneEnCours(), hasard);
    QCOMPARE(p.Boutons(), BoutonsJeu{.Bilan = true});
    p.BilanMontre();
    QCOMPARE(p.Boutons(), (BoutonsJeu{.Nouveau = true, .Changer = true}));
    // The finished table stays until a new one.
    QCOMPARE(p.Compteurs().NbBonnes, 16);
    QVERIFY(!p.Commencer(hasard));
    p.NouveauJeu(2, hasard);
    QCOMPARE(p.Boutons(), miseEnPlace);
    QCOMPARE(p.Compteurs().NbBonnes, 0);
}

void TestPartieRemplir::quitterMontreLeBilan_data() {
    QTest::addColumn<int>("reponses"); // -1: before "Commencer"
    QTest::addColumn<bool>("bilanVu");
    QTest::addColumn<bool>("ouvre");
    QTest::newRow("before Commencer") << -1 << false << false;
    QTest::newRow("started, no answer yet") << 0 << false << false;
    QTest::newRow("one answer") << 1 << false << true;
    QTest::newRow("table finished") << 12 << false << true;
    QTest::newRow("results already seen") << 12 << true << false;
}

void TestPartieRemplir::quitterMontreLeBilan() {
    QFETCH(int, reponses);
    QFETCH(bool, bilanVu);
    QFETCH(bool, ouvre);
    HasardSysteme hasard(3);
    PartieRemplir p;
    p.NouveauJeu(1, hasard);
    if (reponses >= 0) p.Commencer(hasard);
    for (int i = 0; i < reponses; ++i)
        p.Repondre(p.LigneEnCours(), p.ColonneEnCours(), hasard);
    if (bilanVu) p.BilanMontre();
    QCOMPARE(p.QuitterOuvreBilan(), ouvre);
}

void TestPartieRemplir::tailleHorsDesExercicesRefusee_data() {
    QTest::addColumn<int>("taille");
    QTest::newRow("0, the sheets' own") << 0;
    QTest::newRow("8") << 8;
    QTest::newRow("-1") << -1;
}

void TestPartieRemplir::tailleHorsDesExercicesRefusee() {
    QFETCH(int, taille);
    HasardSysteme hasard(5);
    PartieRemplir p;
    QVERIFY(p.NouveauJeu(7, hasard));
    p.Commencer(hasard);
    const TableauVoiliers avant = p.Tableau();
    QVERIFY(!p.NouveauJeu(taille, hasard));
    QCOMPARE(p.Tableau().CouleursCoques, avant.CouleursCoques);
    QCOMPARE(p.EtapeEnCours(), PartieRemplir::Etape::EnJeu);
}

QTEST_GUILESS_MAIN(TestPartieRemplir)
#include "tst_PartieRemplir.moc"
