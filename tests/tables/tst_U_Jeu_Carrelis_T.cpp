// SPDX-License-Identifier: GPL-3.0-or-later
// The table exercise window driven as a pupil would: mouse and keyboard, whole games of every
// exercise, the counters left for the results, the buttons over the life of a table, the size
// chooser, and what assistive technologies are told.
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "program/U_Menu.h"
#include "support/BancProgramme.h"
#include "support/FenetreTemoin.h"
#include "support/PlateFormeTest.h"
#include "tables/CaseTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"
#include "tables/ZoneReponse.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

enum class Maniere { ToutJuste, ToutFaux, Mixte };

struct Banc : BancProgramme {
    explicit Banc(int numJeu, const QString& operation, int taille,
                  const ProfilProgramme& profil = ProfilCarrelis())
        : BancProgramme(profil), fenetres(prog) {
        // The results window is a stand-in that closes at once.
        if (profil.OrdreFenetres.contains(IdFenetre::Bilan)) {
            auto temoin = std::make_unique<FenetreTemoin>();
            bilan = temoin.get();
            fenetres.Enregistrer(IdFenetre::Bilan, std::move(temoin));
        }
        fenetres.CreerAuDemarrage();
        prog.Prefs.TailleJeu(numJeu) = static_cast<quint8>(taille);
        jeu = fenetres.Obtenir<TF_Jeu_Carrelis_T>(IdFenetre::JeuCarrelis);
        jeu->Ouvrir(ChoixExercice{numJeu, operation == QLatin1String("+") ? Operation::Addition
                                                                          : Operation::Multiplication});
    }
    QPushButton* Bouton(const char* nom) const { return jeu->findChild<QPushButton*>(QLatin1String(nom)); }
    QLineEdit* Clavier() const { return jeu->findChild<QLineEdit*>(QStringLiteral("Pourcurseur")); }
    QString Affiche() const { return jeu->findChild<QLabel*>(QStringLiteral("FenetreReponse"))->text(); }
    QString Texte(const char* nom) const { return jeu->findChild<QLabel*>(QLatin1String(nom))->text(); }
    const Tableau& T() const { return jeu->TableauJoue(); }
    const CompteursResultat& N() const { return jeu->Compteurs(); }

    void Cliquer(int c, int r) const { QTest::mouseClick(jeu->Cellule(c, r), Qt::LeftButton); }
    void Taper(const QString& touches) const { QTest::keyClicks(Clavier(), touches); }
    void Entree() const { QTest::keyClick(Clavier(), Qt::Key_Return); }

    FenetresTemoins fenetres;
    TF_Jeu_Carrelis_T* jeu = nullptr;
    FenetreTemoin* bilan = nullptr;
};

struct Attendu {
    int bonnes = 0, erreurs = 0, bonnesGauche = 0, erreursGauche = 0, bonnesHaut = 0, erreursHaut = 0;
};

// Answers every cell still to be found, right or wrong as the manner says; returns the counts
// the window must reach.
Attendu Jouer(const Banc& banc, Maniere maniere) {
    Attendu attendu;
    int rang = 0;
    const Tableau& t = banc.T();
    for (int r = 0; r <= t.NbLignes; ++r)
        for (int c = 0; c <= t.NbColonnes; ++c) {
            if (t.CaseRemplie[c][r]) continue;
            const bool juste =
                maniere == Maniere::ToutJuste || (maniere == Maniere::Mixte && rang++ % 3 != 0);
            const int valeur = t.Valeurs[c][r];
            banc.Cliquer(c, r);
            banc.Taper(QString::number(juste ? valeur : (valeur + 1) % 100));
            banc.Entree();
            (juste ? attendu.bonnes : attendu.erreurs) += 1;
            if (c == 0) (juste ? attendu.bonnesGauche : attendu.erreursGauche) += 1;
            if (r == 0) (juste ? attendu.bonnesHaut : attendu.erreursHaut) += 1;
        }
    return attendu;
}

} // namespace

Q_DECLARE_METATYPE(Maniere)

class TestJeuCarrelis : public QObject {
    Q_OBJECT

  private slots:
    void partiesEntieres_data();
    void partiesEntieres();
    void saisieAuClavier_data();
    void saisieAuClavier();
    void uneReponseFausseMontreLaBonneEnRouge();
    void partieAuClavierSeul();
    void etatsDesBoutons();
    void changerDeTaille_data();
    void changerDeTaille();
    void taille5x7Sur600();
    void accessibilite();
    void aideParExercice_data();
    void aideParExercice();
    void quitterCacheLaFenetre();
    void leMenuOuvreLExerciceChoisi();
    void uneCaseAppuyeePuisQuitteeEstCelleQuiEstJugee();
    void seulesLesTouchesDeJeuCommencentLeTableau_data();
    void seulesLesTouchesDeJeuCommencentLeTableau();
    void leClavierDansLeTableauSeVoit();
};

void TestJeuCarrelis::partiesEntieres_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("taille");
    QTest::addColumn<Maniere>("maniere");
    // The counts of every size and sign are the rules' matter; here, what the window shows.
    for (int numJeu = 1; numJeu <= 3; ++numJeu)
        for (int taille : {1, 7})
            for (auto [maniere, nom] : {std::pair{Maniere::ToutJuste, "all right"},
                                        {Maniere::ToutFaux, "all wrong"},
                                        {Maniere::Mixte, "mixed"}}) {
                const char* operation = (numJeu + taille) % 2 ? "+" : "x";
                QTest::addRow("ex%d size%d %s %s", numJeu, taille, operation, nom)
                    << numJeu << QString::fromLatin1(operation) << taille << maniere;
            }
}

void TestJeuCarrelis::partiesEntieres() {
    QFETCH(int, numJeu);
    QFETCH(QString, operation);
    QFETCH(int, taille);
    QFETCH(Maniere, maniere);
    Banc banc(numJeu, operation, taille);
    const DimensionsTableau d = DimensionsTaille(taille);
    QCOMPARE(banc.T().NbLignes, d.NbLignes);
    QCOMPARE(int(banc.N().NbTotal), d.NbLignes * d.NbColonnes);
    const Attendu attendu = Jouer(banc, maniere);
    const CompteursResultat& n = banc.N();
    QCOMPARE(banc.jeu->NbReponses(), int(n.NbTotal));
    QCOMPARE(n.NbBonnes, attendu.bonnes);
    QCOMPARE(n.NbErreurs, attendu.erreurs);
    QCOMPARE(n.NbBonnesGauche, attendu.bonnesGauche);
    QCOMPARE(n.NbErreursGauche, attendu.erreursGauche);
    QCOMPARE(n.NbBonnesHaut, attendu.bonnesHaut);
    QCOMPARE(n.NbErreursHaut, attendu.erreursHaut);
    if (numJeu > 1) {
        QCOMPARE(int(n.NbTotalGauche), attendu.bonnesGauche + attendu.erreursGauche);
        QCOMPARE(int(n.NbTotalHaut), attendu.bonnesHaut + attendu.erreursHaut);
    }
    QCOMPARE(banc.Texte("CompteurSc"), QString::number(attendu.bonnes));
    QCOMPARE(banc.Texte("CompteurMr"), QString::number(attendu.erreurs));
    QVERIFY(banc.Bouton("BoutonBilan")->isEnabled());
    QVERIFY(!banc.jeu->findChild<ZoneReponse*>()->isVisible());
    // Every cell now shows its value and can no longer be answered; the answered ones are white,
    // aqua in the headers.
    for (int c = 0; c <= banc.T().NbColonnes; ++c)
        for (int r = 0; r <= banc.T().NbLignes; ++r) {
            if (c == 0 && r == 0) continue;
            QCOMPARE(banc.jeu->Cellule(c, r)->text(), QString::number(banc.T().Valeurs[c][r]));
            QVERIFY(!banc.jeu->Cellule(c, r)->isEnabled());
            if (!banc.T().CaseDonnee[c][r])
                QCOMPARE(banc.jeu->Cellule(c, r)->palette().color(QPalette::Window),
                         banc.T().EstEnTete(c, r) ? QColor(0, 255, 255) : QColor(255, 255, 255));
        }
}

void TestJeuCarrelis::saisieAuClavier_data() {
    QTest::addColumn<QList<int>>("touches"); // Qt key codes
    QTest::addColumn<QString>("affiche");
    QTest::newRow("0 then 7") << QList<int>{Qt::Key_0, Qt::Key_7} << "7";
    QTest::newRow("0 then 0") << QList<int>{Qt::Key_0, Qt::Key_0} << "0";
    QTest::newRow("1, 0, 0, 5") << QList<int>{Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_5} << "100";
    QTest::newRow("Backspace") << QList<int>{Qt::Key_4, Qt::Key_2, Qt::Key_Backspace} << "4";
    QTest::newRow("Left erases a digit instead of moving")
        << QList<int>{Qt::Key_3, Qt::Key_8, Qt::Key_Left} << "3";
    QTest::newRow("letters are ignored") << QList<int>{Qt::Key_A, Qt::Key_9, Qt::Key_Z} << "9";
    QTest::newRow("Right with digits typed does not move") << QList<int>{Qt::Key_6, Qt::Key_Right} << "6";
}

void TestJeuCarrelis::saisieAuClavier() {
    QFETCH(QList<int>, touches);
    QFETCH(QString, affiche);
    Banc banc(1, QStringLiteral("+"), 3);
    banc.Cliquer(2, 2);
    for (int touche : touches)
        QTest::keyClick(banc.Clavier(), static_cast<Qt::Key>(touche));
    QCOMPARE(banc.Affiche(), affiche);
    QCOMPARE(banc.jeu->CaseCourante(), QPoint(2, 2));
    QCOMPARE(banc.Clavier()->text(), QString());
}

void TestJeuCarrelis::uneReponseFausseMontreLaBonneEnRouge() {
    Banc banc(1, QStringLiteral("+"), 3);
    const int valeur = banc.T().Valeurs[3][2];
    banc.Cliquer(3, 2);
    banc.Taper(QString::number(valeur + 1));
    banc.Entree();
    QCOMPARE(banc.Texte("Resultat"), QStringLiteral("Faux"));
    QCOMPARE(banc.Affiche(), QString::number(valeur));
    QCOMPARE(banc.jeu->Cellule(3, 2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(!banc.jeu->Cellule(3, 2)->isEnabled());
    // Typing is blocked until another cell is chosen: no second try.
    banc.Taper(QString::number(valeur));
    banc.Entree();
    QCOMPARE(banc.N().NbErreurs, 1);
    QCOMPARE(banc.N().NbBonnes, 0);
    QCOMPARE(banc.jeu->NbReponses(), 1);
}

void TestJeuCarrelis::partieAuClavierSeul() {
    Banc banc(3, QStringLiteral("+"), 2);
    const Tableau& t = banc.T();
    QCOMPARE(banc.jeu->focusWidget(), banc.Clavier());
    // The first key only chooses the first cell to be found; then: number, Enter, Space to go on.
    QTest::keyClick(banc.Clavier(), Qt::Key_Down);
    QCOMPARE(banc.jeu->CaseCourante(), PremiereCaseATrouver(t).value());
    QVERIFY(!banc.Bouton("Nouveau")->isEnabled());
    for (int reponse = 0; reponse < t.NbTotal; ++reponse) {
        const QPoint p = banc.jeu->CaseCourante();
        QVERIFY2(t.CaseRemplie[p.x()][p.y()] == 0, "the keyboard reached a cell already shown");
        QCOMPARE(banc.jeu->findChild<ZoneReponse*>()->pos(), banc.jeu->Cellule(p.x(), p.y())->pos());
        banc.Taper(QString::number(t.Valeurs[p.x()][p.y()]));
        banc.Entree();
        QTest::keyClick(banc.Clavier(), Qt::Key_Space);
    }
    QCOMPARE(banc.N().NbBonnes, int(t.NbTotal));
    QVERIFY(banc.Bouton("BoutonBilan")->isEnabled());
    QCOMPARE(banc.jeu->focusWidget(), banc.Bouton("BoutonBilan"));
}

void TestJeuCarrelis::etatsDesBoutons() {
    Banc banc(1, QStringLiteral("+"), 1);
    auto etats = [&] {
        return QList<bool>{banc.Bouton("Nouveau")->isEnabled(), banc.Bouton("Changer")->isEnabled(),
                           banc.Bouton("BoutonBilan")->isEnabled()};
    };
    FenetreTemoin* temoin = banc.bilan;
    QCOMPARE(etats(), (QList<bool>{true, true, false}));
    banc.Cliquer(1, 1);
    QCOMPARE(etats(), (QList<bool>{false, false, false}));
    Jouer(banc, Maniere::Mixte);
    QCOMPARE(etats(), (QList<bool>{false, false, true}));
    QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    QCOMPARE(temoin->ouvertures, 1);
    QVERIFY(temoin->modale);
    QCOMPARE(etats(), (QList<bool>{true, true, false}));
    // The finished table stays until "Nouveau".
    QCOMPARE(banc.jeu->NbReponses(), int(banc.N().NbTotal));
    QTest::mouseClick(banc.Bouton("Nouveau"), Qt::LeftButton);
    QCOMPARE(banc.jeu->NbReponses(), 0);
    QCOMPARE(banc.Texte("CompteurSc"), QStringLiteral("0"));
    QCOMPARE(banc.Texte("CompteurMr"), QStringLiteral("0"));
}

void TestJeuCarrelis::changerDeTaille_data() {
    QTest::addColumn<int>("choix"); // size clicked in the chooser, 0 = none
    QTest::addColumn<bool>("valider");
    QTest::addColumn<int>("taille"); // size afterwards
    QTest::addColumn<bool>("nouveauTableau");
    QTest::newRow("OK with another size") << 6 << true << 6 << true;
    QTest::newRow("Cancel puts the size back") << 6 << false << 3 << false;
    QTest::newRow("OK on the same size") << 3 << true << 3 << false;
    QTest::newRow("OK without a click") << 0 << true << 3 << false;
}

void TestJeuCarrelis::changerDeTaille() {
    QFETCH(int, choix);
    QFETCH(bool, valider);
    QFETCH(int, taille);
    QFETCH(bool, nouveauTableau);
    Banc banc(2, QStringLiteral("x"), 3);
    banc.prog.Prefs.TailleJeu1 = 5;
    const auto entetes = banc.T().EnteteColonne;
    const auto valeurs = banc.T().Valeurs;
    QString titre;
    QTimer::singleShot(0, [&] {
        QWidget* choixTaille = QApplication::activeModalWidget();
        if (!choixTaille) return;
        titre = choixTaille->findChild<QLabel*>(QStringLiteral("NumeroJeu"))->text();
        if (choix)
            QTest::mouseClick(choixTaille->findChild<QRadioButton*>(QStringLiteral("Taille%1").arg(choix)),
                              Qt::LeftButton);
        QTest::mouseClick(
            choixTaille->findChild<QPushButton*>(QLatin1String(valider ? "BitBtn2" : "BitBtn1")),
            Qt::LeftButton);
    });
    QTest::mouseClick(banc.Bouton("Changer"), Qt::LeftButton);
    QCOMPARE(titre, QStringLiteral("Jeu n° 2"));
    QCOMPARE(int(banc.prog.Prefs.TailleJeu2), taille);
    QCOMPARE(int(banc.prog.Prefs.TailleJeu1), 5); // the other exercises keep theirs
    QCOMPARE(banc.T().NbColonnes, DimensionsTaille(taille).NbColonnes);
    QCOMPARE(banc.T().EnteteColonne != entetes || banc.T().Valeurs != valeurs, nouveauTableau);
    QCOMPARE(banc.T().CaseDonnee, banc.T().CaseRemplie);
}

void TestJeuCarrelis::taille5x7Sur600() {
    Banc banc(1, QStringLiteral("+"), 7);
    QCOMPARE(banc.jeu->TailleCase(), 76);
    QCOMPARE(banc.jeu->Cellule(7, 5)->size(), QSize(76, 76));
    QCOMPARE(banc.jeu->Cellule(1, 0)->x() - banc.jeu->Cellule(0, 0)->x(), 76);
    // The table sits left of the counters and above the status bar.
    const QWidget* cadre = banc.jeu->findChild<QWidget*>(QStringLiteral("Panel2"));
    QVERIFY(cadre->geometry().right() < banc.jeu->findChild<QWidget*>(QStringLiteral("ColonneDroite"))->x());
    QVERIFY(cadre->geometry().bottom() < banc.jeu->findChild<QWidget*>(QStringLiteral("StatusBar1"))->y());
}

void TestJeuCarrelis::accessibilite() {
    Banc banc(1, QStringLiteral("+"), 3);
    const Tableau& t = banc.T();
    QAccessibleInterface* cellule = QAccessible::queryAccessibleInterface(banc.jeu->Cellule(2, 0));
    QCOMPARE(cellule->text(QAccessible::Name),
             QStringLiteral("En-tête de la colonne 2 : %1").arg(t.EnteteColonne[2]));
    QCOMPARE(QAccessible::queryAccessibleInterface(banc.jeu->Cellule(3, 1))->text(QAccessible::Name),
             QStringLiteral("Colonne 3, ligne 1 : à trouver"));
    banc.Cliquer(3, 1);
    banc.Taper(QStringLiteral("1"));
    QAccessibleInterface* clavier = QAccessible::queryAccessibleInterface(banc.Clavier());
    QCOMPARE(clavier->text(QAccessible::Name), QStringLiteral("Réponse : 1"));
    // Not a password field: a screen reader keeps quiet on what is typed in one.
    QVERIFY(!clavier->state().passwordEdit);
    banc.Taper(QString::number(t.Valeurs[3][1]).mid(1));
    banc.Entree();
    QLabel* resultat = banc.jeu->findChild<QLabel*>(QStringLiteral("Resultat"));
    const bool juste = QString::number(t.Valeurs[3][1]).startsWith(QLatin1Char('1'));
    QCOMPARE(QAccessible::queryAccessibleInterface(resultat)->text(QAccessible::Name),
             juste ? QStringLiteral("Juste") : QStringLiteral("Faux, c'était %1").arg(t.Valeurs[3][1]));
    QVERIFY(banc.plate.annonces.contains({resultat, QAccessible::Alert}));
    QVERIFY(banc.plate.annonces.contains({banc.Clavier(), QAccessible::NameChanged}));
    QVERIFY(QAccessible::queryAccessibleInterface(banc.jeu->Cellule(3, 1))
                ->text(QAccessible::Name)
                .endsWith(juste ? QStringLiteral("juste") : QStringLiteral("faux")));
    // The score is heard, not only the caption of its block, and its change is told.
    QLabel* compteur = banc.jeu->findChild<QLabel*>(QLatin1String(juste ? "CompteurSc" : "CompteurMr"));
    QCOMPARE(QAccessible::queryAccessibleInterface(compteur)->text(QAccessible::Name),
             juste ? QStringLiteral("Justes : 1") : QStringLiteral("Erreurs : 1"));
    QVERIFY(banc.plate.annonces.contains({compteur, QAccessible::NameChanged}));
    // The window is a window, named by its caption.
    QAccessibleInterface* fenetre = QAccessible::queryAccessibleInterface(banc.jeu);
    QCOMPARE(fenetre->role(), QAccessible::Window);
    QCOMPARE(fenetre->text(QAccessible::Name), QStringLiteral("Carrelis - Jeu n° 1 : remplir"));
}

void TestJeuCarrelis::aideParExercice_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("sujet");
    QTest::addColumn<QString>("titre");
    QTest::newRow("1") << 1 << "Remplir"
                       << "Carrelis - Jeu n° 1 : remplir";
    QTest::newRow("2") << 2 << "Trouver"
                       << "Carrelis - Jeu n° 2 : trouver";
    QTest::newRow("3") << 3 << "Defi"
                       << "Carrelis - Jeu n° 3 : défi";
}

void TestJeuCarrelis::aideParExercice() {
    QFETCH(int, numJeu);
    QFETCH(QString, sujet);
    QFETCH(QString, titre);
    Banc banc(numJeu, QStringLiteral("+"), 2);
    QCOMPARE(banc.jeu->windowTitle(), titre);
    QCOMPARE(banc.jeu->property("contexteAide").toInt(), numJeu + 1);
    QTest::mouseClick(banc.Bouton("BAide"), Qt::LeftButton);
    QCOMPARE(banc.plate.aidesAffichees, QStringList{banc.prog.FichierAide + QLatin1Char('#') + sujet});
}

void TestJeuCarrelis::quitterCacheLaFenetre() {
    Banc banc(1, QStringLiteral("+"), 2);
    banc.Cliquer(1, 1);
    QTest::mouseClick(banc.Bouton("SpeedButton1"), Qt::LeftButton);
    QVERIFY(!banc.jeu->isVisible());
    QCOMPARE(banc.N().NbBonnes + banc.N().NbErreurs, 0);
}

void TestJeuCarrelis::leMenuOuvreLExerciceChoisi() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    fenetres.Menu()->show();
    prog.Prefs.TailleJeu2 = 4;
    QTest::mouseClick(fenetres.Menu()->findChild<QPushButton*>(QStringLiteral("BoutonJ2M")), Qt::LeftButton);
    auto* jeu = fenetres.Obtenir<TF_Jeu_Carrelis_T>(IdFenetre::JeuCarrelis);
    QVERIFY(jeu->isVisible());
    QCOMPARE(jeu->windowTitle(), QStringLiteral("Carrelis - Jeu n° 2 : trouver"));
    QCOMPARE(jeu->Cellule(0, 0)->text(), QStringLiteral("x"));
    QCOMPARE(jeu->TableauJoue().NbColonnes, 6);
    QCOMPARE(QRect(jeu->pos(), jeu->size()), prog.GeometrieMenu);
    // Back at the menu with the window still open: the other exercise is set up all the same.
    QTest::mouseClick(jeu->Cellule(1, 1), Qt::LeftButton);
    fenetres.Menu()->activateWindow();
    QTest::mouseClick(fenetres.Menu()->findChild<QPushButton*>(QStringLiteral("BoutonJ1")), Qt::LeftButton);
    QCOMPARE(jeu->windowTitle(), QStringLiteral("Carrelis - Jeu n° 1 : remplir"));
    QCOMPARE(jeu->property("contexteAide").toInt(), 2);
    QCOMPARE(jeu->Cellule(0, 0)->text(), QStringLiteral("+"));
    QCOMPARE(jeu->NbReponses(), 0);
    QCOMPARE(jeu->CaseCourante(), QPoint(-1, -1));
    QVERIFY(jeu->findChild<QPushButton*>(QStringLiteral("Nouveau"))->isEnabled());
}

// The press moves the answer window; a pupil who drags off the cell before releasing types into
// that window, and the cell under it is the one judged, once.
void TestJeuCarrelis::uneCaseAppuyeePuisQuitteeEstCelleQuiEstJugee() {
    Banc banc(1, QStringLiteral("+"), 3);
    const Tableau& t = banc.T();
    const QPoint dehors = banc.jeu->findChild<QWidget*>(QStringLiteral("ColonneDroite"))->geometry().center();
    int jugees = 0;
    for (int r = 1; r <= t.NbLignes; ++r)
        for (int c = 1; c <= t.NbColonnes; ++c) {
            CaseTableau* cellule = banc.jeu->Cellule(c, r);
            QTest::mousePress(cellule, Qt::LeftButton);
            QTest::mouseRelease(banc.jeu, Qt::LeftButton, {}, dehors);
            QCOMPARE(banc.jeu->CaseCourante(), QPoint(c, r));
            banc.Taper(QString::number(t.Valeurs[c][r]));
            banc.Entree();
            ++jugees;
            QCOMPARE(banc.jeu->NbReponses(), jugees);
            QCOMPARE(banc.N().NbBonnes, jugees);
            QVERIFY(!banc.Bouton("Nouveau")->isEnabled());
        }
    QCOMPARE(banc.N().NbErreurs, 0);
    QVERIFY(banc.Bouton("BoutonBilan")->isEnabled());
}

void TestJeuCarrelis::seulesLesTouchesDeJeuCommencentLeTableau_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<bool>("commence");
    QTest::newRow("Alt") << int(Qt::Key_Alt) << false;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false;
    QTest::newRow("NumLock") << int(Qt::Key_NumLock) << false;
    QTest::newRow("a letter") << int(Qt::Key_Q) << false;
    QTest::newRow("a digit") << int(Qt::Key_4) << true;
    QTest::newRow("an arrow") << int(Qt::Key_Down) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
}

void TestJeuCarrelis::seulesLesTouchesDeJeuCommencentLeTableau() {
    QFETCH(int, touche);
    QFETCH(bool, commence);
    Banc banc(1, QStringLiteral("+"), 3);
    QTest::keyClick(banc.Clavier(), static_cast<Qt::Key>(touche));
    QCOMPARE(banc.Bouton("Nouveau")->isEnabled(), !commence);
    QCOMPARE(banc.Bouton("Changer")->isEnabled(), !commence);
    QCOMPARE(banc.jeu->CaseCourante() != QPoint(-1, -1), commence);
}

// Before any cell is chosen the keyboard is in the table, and the table shows it; Tab away, it
// shows it no more.
void TestJeuCarrelis::leClavierDansLeTableauSeVoit() {
    Banc banc(1, QStringLiteral("x"), 3);
    QVERIFY(QTest::qWaitForWindowActive(banc.jeu));
    QWidget* cadre = banc.jeu->findChild<QWidget*>(QStringLiteral("Panel2"));
    QVERIFY(banc.Clavier()->hasFocus());
    const QImage dedans = cadre->grab().toImage();
    banc.Bouton("SpeedButton1")->setFocus();
    const QImage dehors = cadre->grab().toImage();
    QVERIFY(dedans != dehors);
    banc.Clavier()->setFocus();
    QCOMPARE(cadre->grab().toImage(), dedans);
}

QTEST_MAIN(TestJeuCarrelis)
#include "tst_U_Jeu_Carrelis_T.moc"
