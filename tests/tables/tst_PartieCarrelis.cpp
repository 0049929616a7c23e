// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of carrelis's exercises without a window: whole games from scripted and seeded draws,
// what the keys do to the typed answer and to the current cell, one answer a cell, and the
// commands at each step.
#include "support/HasardScripte.h"
#include "support/Signes.h"
#include "support/TiragesTableaux.h"
#include "tables/PartieCarrelis.h"

#include <QTest>

namespace {

using Touche = PartieCarrelis::Touche;
enum class Maniere { ToutJuste, ToutFaux, Mixte };

struct Attendu {
    int bonnes = 0, erreurs = 0, bonnesGauche = 0, erreursGauche = 0, bonnesHaut = 0, erreursHaut = 0;
};

// Types `texte` (digits) and Enter in the current cell.
PartieCarrelis::Effet Repondre(PartieCarrelis& p, const QString& texte) {
    for (QChar chiffre : texte)
        p.Taper(Touche::Chiffre, chiffre);
    return p.Taper(Touche::Entree);
}

// A game of exercise numJeu on the draws given (scripted when `script` is not empty).
struct Partie {
    Partie(int numJeu, const QString& signe, int taille, const QList<int>& script = {}) {
        if (script.isEmpty()) {
            hasard = std::make_unique<HasardSysteme>(static_cast<quint32>(numJeu * 100 + taille));
        } else {
            auto scripte = std::make_unique<HasardScripte>();
            scripte->Ajouter(script);
            hasard = std::move(scripte);
        }
        ok = p.NouveauJeu(ChoixExercice{numJeu, OperationDe(signe)}, taille, *hasard);
    }
    int Valeur(QPoint c) const { return p.TableauJoue().Valeurs[c.x()][c.y()]; }

    std::unique_ptr<Hasard> hasard;
    PartieCarrelis p;
    bool ok = false;
};

} // namespace

Q_DECLARE_METATYPE(Maniere)
Q_DECLARE_METATYPE(Touche)

class TestPartieCarrelis : public QObject {
    Q_OBJECT

  private slots:
    void partiesEntieres_data();
    void partiesEntieres();
    void ceQuiEstTapeEstJuge_data();
    void ceQuiEstTapeEstJuge();
    void uneCaseNeSeJugeQuUneFois();
    void flechesEtEspace_data();
    void flechesEtEspace();
    void premiereToucheDuTableau_data();
    void premiereToucheDuTableau();
    void boutonsAChaqueEtape();
    void nouveauJeuRemetToutAZero();
    void tailleHorsDesExercicesRefusee_data();
    void tailleHorsDesExercicesRefusee();
};

void TestPartieCarrelis::partiesEntieres_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("taille");
    QTest::addColumn<QList<int>>("script"); // empty: seeded draws
    QTest::addColumn<Maniere>("maniere");
    const std::pair<Maniere, const char*> manieres[] = {
        {Maniere::ToutJuste, "all right"}, {Maniere::ToutFaux, "all wrong"}, {Maniere::Mixte, "mixed"}};
    const QList<int> scripts[] = {TiragesTableaux::Remplir, TiragesTableaux::Trouver, TiragesTableaux::Defi};
    const char* signes[] = {"+", "+", "x"};
    for (int numJeu = 1; numJeu <= 3; ++numJeu)
        for (auto [maniere, nom] : manieres) {
            QTest::addRow("ex%d scripted %s", numJeu, nom)
                << numJeu << QString::fromLatin1(signes[numJeu - 1]) << 1 << scripts[numJeu - 1] << maniere;
            for (int taille : {1, 5, 7})
                for (const char* operation : {"+", "x"})
                    QTest::addRow("ex%d size%d %s %s", numJeu, taille, operation, nom)
                        << numJeu << QString::fromLatin1(operation) << taille << QList<int>{} << maniere;
        }
}

// Every cell to be found answered in reading order: the counts of the whole table and of its
// left column and top row, the end at the last cell only.
void TestPartieCarrelis::partiesEntieres() {
    QFETCH(int, numJeu);
    QFETCH(QString, operation);
    QFETCH(int, taille);
    QFETCH(QList<int>, script);
    QFETCH(Maniere, maniere);
    Partie partie(numJeu, operation, taille, script);
    PartieCarrelis& p = partie.p;
    QVERIFY(partie.ok);
    const Tableau& t = p.TableauJoue();
    const DimensionsTableau d = DimensionsTaille(taille);
    QCOMPARE(t.NbLignes, d.NbLignes);
    QCOMPARE(int(p.Compteurs().NbTotal), d.NbLignes * d.NbColonnes);
    QCOMPARE(t.CaseDonnee, t.CaseRemplie);
    QVERIFY2(!p.CaseATrouver(QPoint(0, 0)), "the corner is never to be found");
    Attendu attendu;
    int rang = 0;
    for (int r = 0; r <= t.NbLignes; ++r)
        for (int c = 0; c <= t.NbColonnes; ++c) {
            if (!p.CaseATrouver(QPoint(c, r))) continue;
            const bool juste = maniere == Maniere::ToutJuste || (maniere == Maniere::Mixte && rang % 3 != 0);
            ++rang;
            QVERIFY(p.ChoisirCase(QPoint(c, r)));
            const int valeur = partie.Valeur(QPoint(c, r));
            const auto reponse = Repondre(p, QString::number(juste ? valeur : (valeur + 1) % 100)).Jugee;
            QVERIFY(reponse);
            QCOMPARE(reponse->Juste, juste);
            QCOMPARE(reponse->Case, QPoint(c, r));
            QCOMPARE(reponse->Valeur, valeur);
            QCOMPARE(reponse->Fin, rang == p.Compteurs().NbTotal);
            QVERIFY(!p.CaseATrouver(QPoint(c, r)));
            (juste ? attendu.bonnes : attendu.erreurs) += 1;
            if (c == 0) (juste ? attendu.bonnesGauche : attendu.erreursGauche) += 1;
            if (r == 0) (juste ? attendu.bonnesHaut : attendu.erreursHaut) += 1;
        }
    const CompteursResultat& n = p.Compteurs();
    QCOMPARE(p.NbReponses(), int(n.NbTotal));
    QCOMPARE((QList<int>{n.NbBonnes, n.NbErreurs, n.NbBonnesGauche, n.NbErreursGauche, n.NbBonnesHaut,
                         n.NbErreursHaut}),
             (QList<int>{attendu.bonnes, attendu.erreurs, attendu.bonnesGauche, attendu.erreursGauche,
                         attendu.bonnesHaut, attendu.erreursHaut}));
    QCOMPARE(int(n.NbTotalGauche), attendu.bonnesGauche + attendu.erreursGauche);
    QCOMPARE(int(n.NbTotalHaut), attendu.bonnesHaut + attendu.erreursHaut);
    QCOMPARE(p.EtapeEnCours(), PartieCarrelis::Etape::Terminee);
    if (auto* scripte = dynamic_cast<HasardScripte*>(partie.hasard.get())) QCOMPARE(scripte->Restants(), 0);
}

void TestPartieCarrelis::ceQuiEstTapeEstJuge_data() {
    QTest::addColumn<QList<Touche>>("touches"); // Chiffre takes the next digit of `chiffres`
    QTest::addColumn<QString>("chiffres");
    QTest::addColumn<QPoint>("cellule");  // in the multiplication of TiragesTableaux::Remplir
    QTest::addColumn<QString>("reponse"); // what the answer shows before Enter
    QTest::addColumn<bool>("juste");
    const Touche C = Touche::Chiffre;
    const QPoint zero(2, 1), soixanteTrois(1, 3);
    QTest::newRow("0 on a cell worth 0") << QList<Touche>{C} << "0" << zero << "0" << true;
    QTest::newRow("0 then 0 keeps one 0") << QList<Touche>{C, C} << "00" << zero << "0" << true;
    QTest::newRow("0 then 7 gives 7") << QList<Touche>{C, C} << "07" << zero << "7" << false;
    QTest::newRow("a leading 0 cannot reject a right number")
        << QList<Touche>{C, C, C} << "063" << soixanteTrois << "63" << true;
    QTest::newRow("a fourth digit is cut")
        << QList<Touche>{C, C, C, C} << "1005" << soixanteTrois << "100" << false;
    QTest::newRow("Backspace") << QList<Touche>{C, C, Touche::Effacement, C} << "643" << soixanteTrois << "63"
                               << true;
    QTest::newRow("Left erases a digit instead of moving")
        << QList<Touche>{C, C, Touche::Gauche, C} << "643" << soixanteTrois << "63" << true;
    QTest::newRow("Enter on nothing judges nothing")
        << QList<Touche>{Touche::Entree, C, C} << "63" << soixanteTrois << "63" << true;
    QTest::newRow("Right with digits typed does not move")
        << QList<Touche>{C, Touche::Droite, C} << "63" << soixanteTrois << "63" << true;
    QTest::newRow("other keys are ignored")
        << QList<Touche>{Touche::Autre, C, Touche::Autre, C} << "63" << soixanteTrois << "63" << true;
}

void TestPartieCarrelis::ceQuiEstTapeEstJuge() {
    QFETCH(QList<Touche>, touches);
    QFETCH(QString, chiffres);
    QFETCH(QPoint, cellule);
    QFETCH(QString, reponse);
    QFETCH(bool, juste);
    Partie partie(1, QStringLiteral("x"), 1, TiragesTableaux::Remplir);
    PartieCarrelis& p = partie.p;
    QVERIFY(p.ChoisirCase(cellule));
    qsizetype suivant = 0;
    for (Touche touche : touches) {
        const auto effet = p.Taper(touche, touche == Touche::Chiffre ? chiffres.at(suivant++) : QChar());
        QVERIFY(!effet.Jugee);
        QCOMPARE(p.CaseCourante(), cellule);
    }
    QCOMPARE(p.Saisie().Reponse(), reponse);
    const auto jugee = p.Taper(Touche::Entree).Jugee;
    QVERIFY(jugee);
    QCOMPARE(jugee->Juste, juste);
    QCOMPARE(p.Compteurs().NbBonnes, int(juste));
    QCOMPARE(p.Compteurs().NbErreurs, int(!juste));
}

// After Enter the cell shows its value: typing is blocked until another cell is chosen, and the
// answered cell can no longer be chosen, by the mouse or the keys.
void TestPartieCarrelis::uneCaseNeSeJugeQuUneFois() {
    Partie partie(1, QStringLiteral("+"), 1, TiragesTableaux::Remplir);
    PartieCarrelis& p = partie.p;
    const QPoint cellule(3, 2), voisine(4, 2);
    QVERIFY(p.ChoisirCase(cellule));
    QVERIFY(!Repondre(p, QStringLiteral("1")).Jugee->Juste);
    QVERIFY(!Repondre(p, QString::number(partie.Valeur(cellule))).Jugee);
    QCOMPARE(p.Saisie().Reponse(), QString());
    QVERIFY(!p.ChoisirCase(cellule));
    QVERIFY(p.ChoisirCase(voisine));
    QVERIFY(p.Taper(Touche::Gauche).CaseChoisie);
    QCOMPARE(p.CaseCourante(), QPoint(2, 2));
    QCOMPARE(p.NbReponses(), 1);
    QCOMPARE(p.Compteurs().NbErreurs, 1);
    QCOMPARE(p.Compteurs().NbBonnes, 0);
}

void TestPartieCarrelis::flechesEtEspace_data() {
    QTest::addColumn<QPoint>("depart");
    QTest::addColumn<Touche>("touche");
    QTest::addColumn<QPoint>("arrivee");
    QTest::addColumn<bool>("choisie");
    // TiragesTableaux::Trouver: column 2 and rows 1 and 3 given, with the cells (1, 3), (2, 2),
    // (3, 1) and (4, 3); the header cells (1, 0), (3, 0), (4, 0) and (0, 2) are to be found.
    QTest::newRow("right skips a given header") << QPoint(1, 0) << Touche::Droite << QPoint(3, 0) << true;
    QTest::newRow("right on the edge looks at its own cell")
        << QPoint(4, 0) << Touche::Droite << QPoint(4, 0) << true;
    QTest::newRow("down to an inner cell") << QPoint(1, 0) << Touche::Bas << QPoint(1, 1) << true;
    QTest::newRow("down never leaves the table") << QPoint(1, 2) << Touche::Bas << QPoint(1, 2) << false;
    QTest::newRow("up skips a given cell to a header")
        << QPoint(3, 2) << Touche::Haut << QPoint(3, 0) << true;
    QTest::newRow("left reaches a header to be found")
        << QPoint(1, 2) << Touche::Gauche << QPoint(0, 2) << true;
    QTest::newRow("left past a given header finds nothing")
        << QPoint(1, 1) << Touche::Gauche << QPoint(1, 1) << false;
    QTest::newRow("left from the left column does nothing")
        << QPoint(0, 2) << Touche::Gauche << QPoint(0, 2) << false;
    QTest::newRow("Space goes on in reading order")
        << QPoint(4, 0) << Touche::Suivante << QPoint(1, 1) << true;
    QTest::newRow("Space comes back to the top") << QPoint(3, 3) << Touche::Suivante << QPoint(1, 0) << true;
}

void TestPartieCarrelis::flechesEtEspace() {
    QFETCH(QPoint, depart);
    QFETCH(Touche, touche);
    QFETCH(QPoint, arrivee);
    QFETCH(bool, choisie);
    Partie partie(2, QStringLiteral("+"), 1, TiragesTableaux::Trouver);
    PartieCarrelis& p = partie.p;
    QVERIFY(p.ChoisirCase(depart));
    const PartieCarrelis::Effet effet = p.Taper(touche);
    QCOMPARE(p.CaseCourante(), arrivee);
    QCOMPARE(effet.CaseChoisie, choisie);
    QVERIFY(!effet.Saisie);
}

void TestPartieCarrelis::premiereToucheDuTableau_data() {
    QTest::addColumn<Touche>("touche");
    QTest::addColumn<bool>("commence");
    QTest::addColumn<QString>("reponse");
    QTest::newRow("another key") << Touche::Autre << false << "";
    QTest::newRow("a digit is typed at once") << Touche::Chiffre << true << "4";
    QTest::newRow("an arrow") << Touche::Bas << true << "";
    QTest::newRow("Space") << Touche::Suivante << true << "";
    QTest::newRow("Enter") << Touche::Entree << true << "";
    QTest::newRow("Backspace") << Touche::Effacement << true << "";
}

// Before any cell is chosen, only a key of the game starts the table, at its first cell to be
// found.
void TestPartieCarrelis::premiereToucheDuTableau() {
    QFETCH(Touche, touche);
    QFETCH(bool, commence);
    QFETCH(QString, reponse);
    Partie partie(2, QStringLiteral("+"), 1, TiragesTableaux::Trouver);
    PartieCarrelis& p = partie.p;
    const PartieCarrelis::Effet effet = p.Taper(touche, QLatin1Char('4'));
    QCOMPARE(effet.CaseChoisie, commence);
    QCOMPARE(p.CaseCourante(), commence ? QPoint(1, 0) : QPoint(-1, -1));
    QCOMPARE(p.EtapeEnCours(), commence ? PartieCarrelis::Etape::EnJeu : PartieCarrelis::Etape::MiseEnPlace);
    QCOMPARE(p.Saisie().Reponse(), reponse);
    QVERIFY(!effet.Jugee);
}

// "Nouveau" and "Changer" until a cell is chosen, then nothing but "Quitter" until the end,
// "Bilan" at the end, and both again once the results were seen. "Quitter" never shows results.
void TestPartieCarrelis::boutonsAChaqueEtape() {
    Partie partie(3, QStringLiteral("x"), 1, TiragesTableaux::Defi);
    PartieCarrelis& p = partie.p;
    const BoutonsJeu libres{.Nouveau = true, .Changer = true};
    QCOMPARE(p.Boutons(), libres);
    p.BilanMontre();
    QCOMPARE(p.EtapeEnCours(), PartieCarrelis::Etape::MiseEnPlace);
    QVERIFY(p.ChoisirCase(QPoint(1, 0)));
    QCOMPARE(p.Boutons(), BoutonsJeu{});
    QVERIFY(Repondre(p, QStringLiteral("1")).Jugee);
    QVERIFY(!p.QuitterOuvreBilan());
    for (int n = 1; n < p.Compteurs().NbTotal; ++n) {
        QCOMPARE(p.Boutons(), BoutonsJeu{});
        QVERIFY(p.Taper(Touche::Suivante).CaseChoisie);
        QVERIFY(Repondre(p, QStringLiteral("1")).Jugee);
    }
    QCOMPARE(p.Boutons(), BoutonsJeu{.Bilan = true});
    QVERIFY(!p.QuitterOuvreBilan());
    p.BilanMontre();
    QCOMPARE(p.Boutons(), libres);
    QCOMPARE(p.EtapeEnCours(), PartieCarrelis::Etape::BilanVu);
}

void TestPartieCarrelis::nouveauJeuRemetToutAZero() {
    Partie partie(3, QStringLiteral("+"), 1);
    PartieCarrelis& p = partie.p;
    for (int n = 0; n < 5; ++n) {
        p.Taper(Touche::Suivante);
        Repondre(p, QString::number(n));
    }
    QVERIFY(p.Compteurs().NbBonnes + p.Compteurs().NbErreurs == 5);
    QVERIFY(p.NouveauJeu(ChoixExercice{2, Operation::Multiplication}, 7, *partie.hasard));
    const CompteursResultat& n = p.Compteurs();
    QCOMPARE((QList<int>{n.NbBonnes, n.NbErreurs, n.NbBonnesGauche, n.NbErreursGauche, n.NbBonnesHaut,
                         n.NbErreursHaut, p.NbReponses()}),
             (QList<int>{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(int(n.NbTotal), 35);
    QCOMPARE(p.CaseCourante(), QPoint(-1, -1));
    QCOMPARE(p.Saisie().Reponse(), QString());
    QCOMPARE(p.Choix().NumJeu, 2);
    QCOMPARE(p.EtapeEnCours(), PartieCarrelis::Etape::MiseEnPlace);
}

void TestPartieCarrelis::tailleHorsDesExercicesRefusee_data() {
    QTest::addColumn<int>("taille");
    QTest::newRow("0, the sheets' 2 x 3") << 0;
    QTest::newRow("8") << 8;
    QTest::newRow("negative") << -1;
}

void TestPartieCarrelis::tailleHorsDesExercicesRefusee() {
    QFETCH(int, taille);
    Partie partie(1, QStringLiteral("+"), 3);
    const Tableau avant = partie.p.TableauJoue();
    HasardScripte sansTirage;
    QVERIFY(!partie.p.NouveauJeu(ChoixExercice{2, Operation::Addition}, taille, sansTirage));
    QCOMPARE(partie.p.TableauJoue().Valeurs, avant.Valeurs);
    QCOMPARE(partie.p.TableauJoue().NbColonnes, avant.NbColonnes);
    QCOMPARE(partie.p.Choix().NumJeu, 1);
}

QTEST_MAIN(TestPartieCarrelis)
#include "tst_PartieCarrelis.moc"
