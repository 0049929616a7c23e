// SPDX-License-Identifier: GPL-3.0-or-later
// Navirelle's exercises 2 and 3 driven as pupils play them: the palette and the mouse, the
// keyboard alone, the accessibility tree alone, the clicks that are no answers, the exercise
// changed while the window is open, and the bytes of the results files.
#include "core/Programme.h"
#include "core/ReglagesUtilisateur.h"
#include "program/Fenetres.h"
#include "program/U_Menu.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/Couleurs.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/PaletteCouleurs.h"
#include "sailboats/TableauImages.h"
#include "sailboats/U_Jeu_1.h"
#include "sailboats/U_Jeu_23.h"
#include "support/ActionsAccessibles.h"
#include "support/BilanVoiliers.h"
#include "support/FenetreTemoin.h"
#include "support/PlateFormeTest.h"
#include "support/TiragesVoiliers.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr auto Voiles = PartieBateau::Voiles;
constexpr auto Coque = PartieBateau::Coque;

// The window on a scripted screen, its table the scripted 3 x 4 one (exercise 3 with its samples)
// or, for another size, a seeded one.
struct Banc {
    explicit Banc(int numJeu, int taille = 1, QRect ecran = QRect(0, 0, 800, 600), bool vraiBilan = false)
        : prog(ProfilNavirelle(), plate, Tirages(numJeu, taille)), fenetres(prog) {
        plate.ecran = ecran;
        if (!vraiBilan) {
            auto temoin = std::make_unique<FenetreTemoin>();
            bilan = temoin.get();
            fenetres.Enregistrer(IdFenetre::Bilan, std::move(temoin));
        }
        fenetres.CreerAuDemarrage();
        prog.Prefs.TailleJeu(numJeu) = static_cast<quint8>(taille);
        jeu = fenetres.Obtenir<TF_Jeu_23>(IdFenetre::Jeu23);
        jeu->Ouvrir(ChoixExercice{numJeu, {}});
    }
    static std::unique_ptr<Hasard> Tirages(int numJeu, int taille) {
        if (taille != 1) return std::make_unique<HasardSysteme>(1789);
        auto script = std::make_unique<HasardScripte>();
        TableauScripte t = Tableau3x4();
        if (numJeu == 2) t.Modeles.clear();
        t.Ajouter(*script);
        return script;
    }
    QPushButton* Bouton(const char* nom) const { return jeu->findChild<QPushButton*>(QLatin1String(nom)); }
    template <class T = QWidget> T* Controle(const char* nom) const {
        return jeu->findChild<T*>(QLatin1String(nom));
    }
    QString Texte(const char* nom) const { return Controle<QLabel>(nom)->text(); }
    TableauImages* T() const { return jeu->Tableau(); }
    const CompteursResultat& N() const { return jeu->Compteurs(); }

    void Choisir(int couleur) const { QTest::mouseClick(jeu->Palette()->Bouton(couleur), Qt::LeftButton); }
    // A click of the colour on a header (row 0 or column 0) or on a part of a boat.
    void Peindre(QPoint p, PartieBateau partie, int couleur, Qt::MouseButton bouton = Qt::LeftButton) const {
        Choisir(couleur);
        ImageVoilier* image = T()->Image(p);
        const int pont = VoilierEcran::LigneFlottaison(image->height());
        const QPoint point = p.x() == 0 || p.y() == 0 ? image->rect().center()
                             : partie == Voiles       ? QPoint(image->width() / 2 + 4, pont - 4)
                                                      : QPoint(image->width() / 2, pont + 3);
        QTest::mouseClick(image, bouton, {}, point);
    }

    PlateFormeTest plate;
    Programme prog;
    FenetresTemoins fenetres;
    TF_Jeu_23* jeu = nullptr;
    FenetreTemoin* bilan = nullptr;
};

int Autre(int couleur) {
    return couleur == 4 ? 5 : 4;
}

struct Attendu {
    int bonnes = 0, erreurs = 0, bonnesGauche = 0, erreursGauche = 0, bonnesHaut = 0, erreursHaut = 0;
};

// Every header to find, then every part still to colour, `faux` wrong colours before the right
// one (with the right mouse button now and then on the boats: any button paints them).
Attendu ToutPeindre(const Banc& banc, int faux) {
    Attendu a;
    const TableauVoiliers& t = banc.jeu->TableauJoue();
    const PartieColorier& p = banc.jeu->Partie();
    int rang = 0;
    auto peindre = [&](QPoint pos, PartieBateau partie, int juste, int* bonnes, int* erreurs) {
        for (int i = 0; i < faux; ++i) {
            banc.Peindre(pos, partie, Autre(juste));
            ++a.erreurs;
            if (erreurs) ++*erreurs;
        }
        const bool bateau = pos.x() > 0 && pos.y() > 0;
        banc.Peindre(pos, partie, juste, bateau && ++rang % 7 == 0 ? Qt::RightButton : Qt::LeftButton);
        if (!faux) {
            ++a.bonnes;
            if (bonnes) ++*bonnes;
        }
    };
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        if (p.EnteteAColorier(Coque, r))
            peindre(QPoint(0, r), Coque, t.CouleursCoques[r], &a.bonnesGauche, &a.erreursGauche);
    for (int c = 1; c <= t.NbTotalHaut; ++c)
        if (p.EnteteAColorier(Voiles, c))
            peindre(QPoint(c, 0), Voiles, t.CouleursVoiles[c], &a.bonnesHaut, &a.erreursHaut);
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c) {
            if (p.EstModele(r, c)) continue;
            peindre(QPoint(c, r), Voiles, t.CouleursVoiles[c], nullptr, nullptr);
            peindre(QPoint(c, r), Coque, t.CouleursCoques[r], nullptr, nullptr);
        }
    return a;
}

// The colours a picture shows at its fill seeds: sails, hull.
std::pair<QRgb, QRgb> Montre(const ImageVoilier* image, int marge) {
    const int pont = VoilierEcran::LigneFlottaison(image->height());
    return {image->Image().pixel(image->width() / 2 + marge, pont - marge),
            image->Image().pixel(image->width() / 2, pont + marge)};
}

void Activer(QWidget* fenetre) {
    QApplication::setActiveWindow(fenetre);
    QVERIFY(QTest::qWaitForWindowActive(fenetre));
}

using ActionsAccessibles::Nom;

} // namespace

class TestJeu23 : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void partiesEntieresALaSouris_data();
    void partiesEntieresALaSouris();
    void ligneDeFlottaison_data();
    void ligneDeFlottaison();
    void clicsQuiNeSontPasDesReponses_data();
    void clicsQuiNeSontPasDesReponses();
    void unClicEgareApresLeBilanNeBloqueRien();
    void paletteExclusive();
    void chaqueFaconDeChoisirUneCouleur_data();
    void chaqueFaconDeChoisirUneCouleur();
    void changerSelonLeReglageDeLExercice_data();
    void changerSelonLeReglageDeLExercice();
    void leMenuChangeDExerciceFenetreOuverte();
    void quitterApresDesErreursSeulesMontreLeBilan();
    void partieAuClavierSeul();
    void partieParLArbreDAccessibiliteSeul();
    void nomsEtAnnonces();
    void hachuresPartageesAvecLExercice1();
    void rienNeSeChevauche_data();
    void rienNeSeChevauche();
    void aideParExercice_data();
    void aideParExercice();
    void entreesDesBilansALOctetPres_data();
    void entreesDesBilansALOctetPres();
    void laFenetreDeBilanDitLesLignesDeNavirelle_data();
    void laFenetreDeBilanDitLesLignesDeNavirelle();
};

void TestJeu23::partiesEntieresALaSouris_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<int>("faux");
    for (int numJeu : {2, 3})
        for (int faux : {0, 1, 2})
            QTest::addRow("ex%d, %d wrong a part", numJeu, faux) << numJeu << faux;
}

void TestJeu23::partiesEntieresALaSouris() {
    QFETCH(int, numJeu);
    QFETCH(int, faux);
    Banc banc(numJeu);
    QCOMPARE(int(banc.N().NbTotal), numJeu == 2 ? 24 : 23);
    const Attendu a = ToutPeindre(banc, faux);
    const CompteursResultat& n = banc.N();
    QCOMPARE(n.NbBonnes, a.bonnes);
    QCOMPARE(n.NbErreurs, a.erreurs);
    QCOMPARE(banc.Texte("LabelBR"), QString::number(a.bonnes));
    QCOMPARE(banc.Texte("LabelMr"), QString::number(a.erreurs));
    if (numJeu == 3)
        QCOMPARE((QList<int>{n.NbBonnesGauche, n.NbErreursGauche, n.NbBonnesHaut, n.NbErreursHaut}),
                 (QList<int>{a.bonnesGauche, a.erreursGauche, a.bonnesHaut, a.erreursHaut}));
    QCOMPARE(banc.jeu->Partie().NbColories(), int(n.NbTotal));
    // Every boat in its colours, every picture done.
    const TableauVoiliers& t = banc.jeu->TableauJoue();
    const int marge = banc.T()->Geometrie().Marge;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c) {
            QCOMPARE(Montre(banc.T()->Case(r, c), marge),
                     (std::pair{Couleurs[t.CouleursVoiles[c]], Couleurs[t.CouleursCoques[r]]}));
            QVERIFY(!banc.T()->Case(r, c)->isEnabled());
        }
    QVERIFY(banc.Controle("PanelJeuTermine")->isVisible());
    QCOMPARE(banc.Controle("PanelJeuTermine")->geometry(), banc.jeu->Palette()->geometry());
    QVERIFY(banc.Bouton("BoutonBilan")->isEnabled());
    QVERIFY(!banc.Bouton("BoutonNouveauJeu")->isEnabled());
    QCOMPARE(banc.jeu->focusWidget(), banc.Bouton("BoutonBilan"));
    QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    QCOMPARE(banc.bilan->ouvertures, 1);
    QVERIFY(banc.Bouton("BoutonNouveauJeu")->isEnabled());
    QVERIFY(!banc.Controle("PanelJeuTermine")->isVisible());
}

void TestJeu23::ligneDeFlottaison_data() {
    QTest::addColumn<int>("decalage"); // from the deck line
    QTest::addColumn<PartieBateau>("partie");
    QTest::newRow("one pixel above: sails") << -1 << Voiles;
    QTest::newRow("on the deck line: hull") << 0 << Coque;
    QTest::newRow("below: hull") << 5 << Coque;
}

void TestJeu23::ligneDeFlottaison() {
    QFETCH(int, decalage);
    QFETCH(PartieBateau, partie);
    Banc banc(2);
    ImageVoilier* image = banc.T()->Case(2, 2);
    const int pont = VoilierEcran::LigneFlottaison(image->height());
    banc.Choisir(partie == Voiles ? 4 : 10); // the sails of column 2 are blue, the hull of row 2 yellow
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(image->width() / 2 + 3, pont + decalage));
    QCOMPARE(banc.Texte("Appreciation"), QStringLiteral("Juste"));
    QCOMPARE(banc.jeu->Partie().CouleurCase(2, 2, partie), partie == Voiles ? 4 : 10);
}

void TestJeu23::clicsQuiNeSontPasDesReponses_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QPoint>("ou");  // x: column, y: row
    QTest::addColumn<int>("partie"); // 0 sails, 1 hull
    QTest::newRow("ex3 sample boat") << 3 << QPoint(3, 3) << 0;
    QTest::newRow("ex2 header") << 2 << QPoint(0, 1) << 1;
    QTest::newRow("ex3 part already right") << 3 << QPoint(1, 2) << 0;
}

// No message, nothing counted, and the last "Juste" stays with its 5 seconds running.
void TestJeu23::clicsQuiNeSontPasDesReponses() {
    QFETCH(int, numJeu);
    QFETCH(QPoint, ou);
    QFETCH(int, partie);
    Banc banc(numJeu);
    banc.Peindre(QPoint(1, 2), Voiles, 10);
    QCOMPARE(banc.Texte("Appreciation"), QStringLiteral("Juste"));
    const CompteursResultat avant = banc.N();
    banc.Peindre(ou, partie ? Coque : Voiles, 2);
    QCOMPARE(banc.N().NbErreurs, avant.NbErreurs);
    QCOMPARE(banc.N().NbBonnes, avant.NbBonnes);
    QCOMPARE(banc.Texte("Appreciation"), QStringLiteral("Juste"));
    QVERIFY(banc.jeu->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
}

// A click on the finished table, after the results, leaves "Nouveau jeu" and "Changer" as they
// were: the pupil is not left with "Quitter" alone.
void TestJeu23::unClicEgareApresLeBilanNeBloqueRien() {
    Banc banc(2);
    banc.prog.Prefs.ChoixModifiable2 = 1;
    ToutPeindre(banc, 0);
    QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    QVERIFY(banc.Bouton("BoutonNouveauJeu")->isEnabled());
    for (QPoint p : {QPoint(1, 1), QPoint(4, 3), QPoint(2, 0)})
        for (PartieBateau partie : {Voiles, Coque})
            banc.Peindre(p, partie, 2);
    QVERIFY(banc.Bouton("BoutonNouveauJeu")->isEnabled());
    QVERIFY(banc.Bouton("BoutonChanger")->isEnabled());
    QVERIFY(!banc.Bouton("BoutonBilan")->isEnabled());
    QCOMPARE(banc.N().NbErreurs, 0);
}

void TestJeu23::paletteExclusive() {
    Banc banc(2, 3);
    PaletteCouleurs* palette = banc.jeu->Palette();
    QCOMPARE(palette->Couleur(), 4);
    QVERIFY(palette->Bouton(4)->isChecked());
    banc.Choisir(9);
    banc.Choisir(15);
    int enfonces = 0;
    for (QPushButton* bouton : palette->findChildren<QPushButton*>())
        enfonces += bouton->isChecked();
    QCOMPARE(enfonces, 1);
    QVERIFY(palette->Bouton(15)->isChecked());
    // Clicking the pressed colour again keeps it pressed.
    banc.Choisir(15);
    QVERIFY(palette->Bouton(15)->isChecked());
    QCOMPARE(palette->Couleur(), 15);
    // Opened again from the menu: blue.
    banc.jeu->Ouvrir(ChoixExercice{2, {}});
    QCOMPARE(palette->Couleur(), 4);
}

void TestJeu23::chaqueFaconDeChoisirUneCouleur_data() {
    QTest::addColumn<QString>("facon");
    for (const char* facon : {"mouse", "keyboard", "Toggle", "setChecked"})
        QTest::newRow(facon) << facon;
}

// However the pupil checks "Rouge", red is the colour the next part is judged against: the hull
// of row 1 is red, and painting it is a right answer.
void TestJeu23::chaqueFaconDeChoisirUneCouleur() {
    QFETCH(QString, facon);
    Banc banc(2);
    PaletteCouleurs* palette = banc.jeu->Palette();
    QPushButton* rouge = palette->Bouton(8);
    if (facon == u"mouse") {
        QTest::mouseClick(rouge, Qt::LeftButton);
    } else if (facon == u"keyboard") {
        palette->setFocus();
        QTest::keyClick(palette, Qt::Key_R);
    } else if (facon == u"setChecked") {
        rouge->setChecked(true);
    } else {
        QVERIFY(ActionsAccessibles::Agir(*palette, QStringLiteral("Rouge"), facon));
    }
    QVERIFY(rouge->isChecked());
    QCOMPARE(palette->Couleur(), 8);
    QCOMPARE(Nom(palette), QStringLiteral("Palette : rouge"));
    ImageVoilier* image = banc.T()->Image(QPoint(1, 1));
    QTest::mouseClick(image, Qt::LeftButton, {},
                      QPoint(image->width() / 2, VoilierEcran::LigneFlottaison(image->height()) + 3));
    QCOMPARE(banc.N().NbBonnes, 1);
    QCOMPARE(banc.N().NbErreurs, 0);
}

void TestJeu23::changerSelonLeReglageDeLExercice_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QList<int>>("choixModifiables"); // exercises 1..3; empty: no preferences file
    QTest::addColumn<bool>("visible");
    QTest::newRow("ex2 without preferences file") << 2 << QList<int>{} << false;
    QTest::newRow("ex3 without preferences file") << 3 << QList<int>{} << false;
    QTest::newRow("ex2 on, ex1 off") << 2 << QList<int>{0, 1, 0} << true;
    QTest::newRow("ex2 off, ex1 on") << 2 << QList<int>{1, 0, 1} << false;
    QTest::newRow("ex3 on") << 3 << QList<int>{0, 0, 1} << true;
}

// Each exercise obeys its own "Modifier les choix pendant le jeu", as the preferences window shows.
void TestJeu23::changerSelonLeReglageDeLExercice() {
    QFETCH(int, numJeu);
    QFETCH(QList<int>, choixModifiables);
    QFETCH(bool, visible);
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    for (int n = 1; n <= choixModifiables.size(); ++n)
        prog.Prefs.ChoixModifiable(n) = static_cast<quint8>(choixModifiables[n - 1]);
    auto* jeu = fenetres.Obtenir<TF_Jeu_23>(IdFenetre::Jeu23);
    jeu->Ouvrir(ChoixExercice{numJeu, {}});
    QCOMPARE(jeu->findChild<QPushButton*>(QStringLiteral("BoutonChanger"))->isVisibleTo(jeu), visible);
}

// The window left open behind the menu: the other exercise is set up all the same.
void TestJeu23::leMenuChangeDExerciceFenetreOuverte() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    fenetres.Menu()->show();
    prog.Prefs.TailleJeu2 = 2;
    prog.Prefs.TailleJeu3 = 7;
    QTest::mouseClick(fenetres.Menu()->findChild<QPushButton*>(QStringLiteral("BoutonJ2")), Qt::LeftButton);
    auto* jeu = fenetres.Obtenir<TF_Jeu_23>(IdFenetre::Jeu23);
    QVERIFY(jeu->isVisible());
    QCOMPARE(jeu->windowTitle(), QStringLiteral("Navirelle : exercice n° 2"));
    QCOMPARE(jeu->property("contexteAide").toInt(), 3);
    QCOMPARE(int(jeu->Compteurs().NbTotal), 32);
    const TableauVoiliers& t = jeu->TableauJoue();
    jeu->Palette()->Choisir(Autre(t.CouleursCoques[1]));
    QTest::mouseClick(
        jeu->Tableau()->Case(1, 1), Qt::LeftButton, {},
        QPoint(jeu->Tableau()->Case(1, 1)->width() / 2, jeu->Tableau()->Case(1, 1)->height() - 8));
    QCOMPARE(jeu->Compteurs().NbErreurs, 1);
    fenetres.Menu()->activateWindow();
    QTest::mouseClick(fenetres.Menu()->findChild<QPushButton*>(QStringLiteral("BoutonJ3")), Qt::LeftButton);
    QCOMPARE(jeu->windowTitle(), QStringLiteral("Navirelle : exercice n° 3"));
    QCOMPARE(jeu->property("contexteAide").toInt(), 4);
    QCOMPARE(jeu->Partie().NumJeu(), 3);
    QCOMPARE(int(jeu->Compteurs().NbTotal), 68);
    QCOMPARE(jeu->Compteurs().NbErreurs, 0);
    QCOMPARE(jeu->Palette()->Couleur(), 4);
    QVERIFY(jeu->findChild<QPushButton*>(QStringLiteral("BoutonNouveauJeu"))->isEnabled());
    int modeles = 0;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 7; ++c)
            modeles += !jeu->Tableau()->Case(r, c)->isEnabled();
    QCOMPARE(modeles, 7);
    QVERIFY(jeu->Tableau()->EnteteCoque(1)->isEnabled());
}

void TestJeu23::quitterApresDesErreursSeulesMontreLeBilan() {
    Banc banc(2, 2);
    banc.Peindre(QPoint(1, 1), Coque, Autre(banc.jeu->TableauJoue().CouleursCoques[1]));
    QCOMPARE(banc.N().NbErreurs, 1);
    QCOMPARE(banc.jeu->Partie().NbColories(), 0);
    QTest::mouseClick(banc.Bouton("BoutonQuitter"), Qt::LeftButton);
    QCOMPARE(banc.bilan->ouvertures, 1);
    QVERIFY(!banc.jeu->isVisible());
    // Nothing done: no results.
    banc.jeu->Ouvrir(ChoixExercice{2, {}});
    QTest::mouseClick(banc.Bouton("BoutonQuitter"), Qt::LeftButton);
    QCOMPARE(banc.bilan->ouvertures, 1);
}

// The colour from the palette by its initial, Enter back to the table, the arrows to the picture,
// then V for sails, C for a hull, Enter for a header.
void TestJeu23::partieAuClavierSeul() {
    Banc banc(3, 4);
    Activer(banc.jeu);
    const TableauVoiliers& t = banc.jeu->TableauJoue();
    const PartieColorier& p = banc.jeu->Partie();
    TableauImages* tableau = banc.T();
    PaletteCouleurs* palette = banc.jeu->Palette();
    QCOMPARE(banc.jeu->focusWidget(), tableau);
    auto aller = [&](QPoint but) {
        while (tableau->Cadre() != but) {
            const QPoint c = tableau->Cadre();
            QTest::keyClick(tableau, c.x() < but.x()   ? Qt::Key_Right
                                     : c.x() > but.x() ? Qt::Key_Left
                                     : c.y() < but.y() ? Qt::Key_Down
                                                       : Qt::Key_Up);
            QVERIFY2(tableau->Cadre() != c, "an arrow did not move the frame");
        }
    };
    auto prendre = [&](int couleur) {
        QTest::keyClick(tableau, Qt::Key_P);
        QCOMPARE(banc.jeu->focusWidget(), palette);
        const QChar initiale = Nom(palette->Bouton(couleur)).at(0);
        for (int essai = 0; essai < 11 && palette->Couleur() != couleur; ++essai)
            QTest::keyClick(palette, initiale.toLower().toLatin1());
        QCOMPARE(palette->Couleur(), couleur);
        QTest::keyClick(palette, Qt::Key_Return);
        QCOMPARE(banc.jeu->focusWidget(), tableau);
    };
    for (int r = 1; r <= t.NbTotalGauche; ++r) {
        prendre(t.CouleursCoques[r]);
        aller(QPoint(0, r));
        QTest::keyClick(tableau, Qt::Key_Return);
    }
    for (int c = 1; c <= t.NbTotalHaut; ++c) {
        prendre(t.CouleursVoiles[c]);
        aller(QPoint(c, 0));
        QTest::keyClick(tableau, Qt::Key_Space);
    }
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c) {
            if (p.EstModele(r, c)) continue;
            aller(QPoint(c, r));
            prendre(t.CouleursVoiles[c]);
            QTest::keyClick(tableau, Qt::Key_V);
            prendre(t.CouleursCoques[r]);
            QTest::keyClick(tableau, Qt::Key_C);
        }
    QVERIFY(p.Terminee());
    QCOMPARE(banc.N().NbBonnes, int(banc.N().NbTotal));
    QCOMPARE(banc.N().NbBonnesGauche, 4);
    QCOMPARE(banc.jeu->focusWidget(), banc.Bouton("BoutonBilan"));
    // The arrows over the palette, and Alt+P from anywhere.
    QTest::keyClick(banc.jeu, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(banc.jeu->focusWidget(), palette);
    palette->Choisir(4);
    QTest::keyClick(palette, Qt::Key_Right);
    QTest::keyClick(palette, Qt::Key_Right);
    QCOMPARE(palette->Couleur(), 3);
    QTest::keyClick(palette, Qt::Key_Left);
    QCOMPARE(palette->Couleur(), 5);
}

// A pupil who hears the screen: exercise 2 read from the header names and painted by the
// pictures' own actions, the palette pressed through its buttons. Nothing but the tree.
void TestJeu23::partieParLArbreDAccessibiliteSeul() {
    Banc banc(2);
    QList<QAccessibleInterface*> tous;
    std::function<void(QAccessibleInterface*)> parcourir = [&](QAccessibleInterface* i) {
        for (int k = 0; k < i->childCount(); ++k) {
            tous.append(i->child(k));
            parcourir(i->child(k));
        }
    };
    parcourir(QAccessible::queryAccessibleInterface(banc.jeu));
    auto trouver = [&](QAccessible::Role role, auto&& condition) -> QAccessibleInterface* {
        for (QAccessibleInterface* i : tous)
            if ((role == QAccessible::NoRole || i->role() == role) && condition(i->text(QAccessible::Name)))
                return i;
        return nullptr;
    };
    auto apres = [](const QString& nom) { return nom.section(QStringLiteral(" : "), 1); };
    // The colour names of the headers, as the pupil hears them.
    QMap<int, QString> voiles, coques;
    for (int c = 1; c <= 4; ++c)
        voiles[c] = apres(trouver(QAccessible::NoRole, [&](const QString& n) {
                              return n.startsWith(QStringLiteral("Voiles de la colonne %1 ").arg(c));
                          })->text(QAccessible::Name));
    for (int r = 1; r <= 3; ++r)
        coques[r] = apres(trouver(QAccessible::NoRole, [&](const QString& n) {
                              return n.startsWith(QStringLiteral("Coque de la ligne %1 ").arg(r));
                          })->text(QAccessible::Name));
    QCOMPARE(voiles[1], QStringLiteral("jaunes"));
    QCOMPARE(coques[3], QStringLiteral("blanche"));
    // Sails agree in the plural, hulls in the feminine; the palette says the colour itself.
    auto couleurDe = [](const QString& accord) {
        const QMap<QString, QString> noms{
            {"jaunes", "Jaune"}, {"bleues", "Bleu"}, {"vert clair", "Vert clair"}, {"roses", "Rose"},
            {"rouge", "Rouge"},  {"jaune", "Jaune"}, {"blanche", "Blanc"}};
        return noms.value(accord);
    };
    auto prendre = [&](const QString& nom) {
        QAccessibleInterface* bouton =
            trouver(QAccessible::RadioButton, [&](const QString& n) { return n == nom; });
        QVERIFY2(bouton, qPrintable(nom));
        if (bouton->state().checked) return;
        bouton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(bouton->state().checked);
    };
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c) {
            QAccessibleInterface* cellule = trouver(QAccessible::Button, [&](const QString& n) {
                return n.startsWith(QStringLiteral("Ligne %1, colonne %2 :").arg(r).arg(c));
            });
            QVERIFY(cellule);
            prendre(couleurDe(voiles[c]));
            cellule->actionInterface()->doAction(QStringLiteral("Colorier les voiles"));
            prendre(couleurDe(coques[r]));
            cellule->actionInterface()->doAction(QStringLiteral("Colorier la coque"));
            QCOMPARE(cellule->text(QAccessible::Name),
                     QStringLiteral("Ligne %1, colonne %2 : voiles %3, coque %4")
                         .arg(r)
                         .arg(c)
                         .arg(voiles[c], coques[r]));
            QVERIFY(cellule->state().disabled);
        }
    QCOMPARE(banc.N().NbBonnes, 24);
    QCOMPARE(trouver(QAccessible::NoRole,
                     [](const QString& n) { return n.startsWith(QStringLiteral("Bonnes réponses :")); })
                 ->text(QAccessible::Name),
             QStringLiteral("Bonnes réponses : 24"));
}

void TestJeu23::nomsEtAnnonces() {
    Banc banc(3);
    Activer(banc.jeu);
    TableauImages* tableau = banc.T();
    QCOMPARE(Nom(tableau->EnteteVoiles(2)), QStringLiteral("Voiles de la colonne 2 : pas encore coloriées"));
    QCOMPARE(Nom(tableau->EnteteCoque(1)), QStringLiteral("Coque de la ligne 1 : pas encore coloriée"));
    QCOMPARE(Nom(tableau->Case(1, 1)),
             QStringLiteral("Ligne 1, colonne 1 : bateau modèle, voiles jaunes, coque rouge"));
    QCOMPARE(QAccessible::queryAccessibleInterface(tableau->Case(1, 1))->role(), QAccessible::Graphic);
    QCOMPARE(Nom(tableau->Case(2, 1)),
             QStringLiteral("Ligne 2, colonne 1 : voiles pas encore coloriées, coque pas encore coloriée"));
    QAccessibleInterface* bleu = QAccessible::queryAccessibleInterface(banc.jeu->Palette()->Bouton(4));
    QCOMPARE(bleu->text(QAccessible::Name), QStringLiteral("Bleu"));
    QCOMPARE(bleu->role(), QAccessible::RadioButton);
    QVERIFY(bleu->state().checkable);
    QVERIFY(bleu->state().checked);
    QCOMPARE(Nom(banc.jeu->Palette()->Bouton(11)), QStringLiteral("Vert clair"));
    QCOMPARE(Nom(banc.jeu->Palette()), QStringLiteral("Palette : bleu"));
    banc.Peindre(QPoint(1, 2), Voiles, 10);
    QCOMPARE(Nom(tableau->Case(2, 1)),
             QStringLiteral("Ligne 2, colonne 1 : voiles jaunes, coque pas encore coloriée"));
    QVERIFY(!QAccessible::queryAccessibleInterface(bleu->object())->state().checked);
    auto* appreciation = banc.Controle<QLabel>("Appreciation");
    QVERIFY(banc.plate.annonces.contains({appreciation, QAccessible::Alert}));
    QVERIFY(banc.plate.annonces.contains({banc.Controle("LabelBR"), QAccessible::NameChanged}));
    QCOMPARE(Nom(banc.Controle("LabelBR")), QStringLiteral("Bonnes réponses : 1"));
    banc.Peindre(QPoint(0, 1), Coque, 2);
    QCOMPARE(Nom(appreciation), QStringLiteral("Faux"));
    QCOMPARE(Nom(banc.Controle("LabelMr")), QStringLiteral("Mauvaises réponses : 1"));
    // The palette from the keyboard says the colour it comes to.
    banc.jeu->Palette()->setFocus();
    banc.plate.annonces.clear();
    QTest::keyClick(banc.jeu->Palette(), Qt::Key_R);
    QCOMPARE(Nom(banc.jeu->Palette()), QStringLiteral("Palette : rouge"));
    QVERIFY(banc.plate.annonces.contains({banc.jeu->Palette(), QAccessible::NameChanged}));
    QAccessibleInterface* fenetre = QAccessible::queryAccessibleInterface(banc.jeu);
    QCOMPARE(fenetre->role(), QAccessible::Window);
    QCOMPARE(fenetre->text(QAccessible::Name), QStringLiteral("Navirelle : exercice n° 3"));
}

// One switch for the three exercises: turned on in exercise 1, exercise 2's pictures and palette
// are hatched at once.
void TestJeu23::hachuresPartageesAvecLExercice1() {
    Banc banc(2, 3);
    auto* jeu1 = banc.fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    jeu1->Ouvrir(ChoixExercice{1, {}});
    QPushButton* jaune = banc.jeu->Palette()->Bouton(10);
    const QImage avant = jaune->icon().pixmap(jaune->iconSize()).toImage();
    QTest::mouseClick(jeu1->findChild<BoutonTrames*>(), Qt::LeftButton);
    QVERIFY(banc.jeu->findChild<BoutonTrames*>()->isChecked());
    QVERIFY(banc.T()->EnteteVoiles(1)->Trames());
    QVERIFY(banc.T()->Case(3, 4)->Trames());
    QVERIFY(jaune->icon().pixmap(jaune->iconSize()).toImage() != avant);
    QTest::mouseClick(banc.jeu->findChild<BoutonTrames*>(), Qt::LeftButton);
    QVERIFY(!jeu1->Tableau()->Case(1, 1)->Trames());
    QCOMPARE(jaune->icon().pixmap(jaune->iconSize()).toImage(), avant);
}

void TestJeu23::rienNeSeChevauche_data() {
    QTest::addColumn<QRect>("ecran");
    QTest::addColumn<int>("taille");
    for (QSize ecran : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768),
                        QSize(1920, 1080), QSize(1920, 1200)})
        for (int taille : {1, 7})
            QTest::addRow("%dx%d size %d", ecran.width(), ecran.height(), taille)
                << QRect(QPoint(0, 0), ecran) << taille;
}

void TestJeu23::rienNeSeChevauche() {
    QFETCH(QRect, ecran);
    QFETCH(int, taille);
    Banc banc(3, taille, ecran);
    auto zone = [&](const char* nom) {
        QWidget* w = banc.Controle(nom);
        return QRect(w->mapTo(banc.jeu, QPoint(0, 0)), w->size());
    };
    const QList<const char*> noms{"PanelExercice", "PanelCouleurs", "Panel1", "StatusBar1"};
    for (const char* a : noms) {
        QVERIFY2(banc.jeu->rect().contains(zone(a)), a);
        for (const char* b : noms)
            if (a != b)
                QVERIFY2(!zone(a).intersects(zone(b)), qPrintable(QStringLiteral("%1 / %2").arg(a, b)));
    }
    for (const char* bouton : {"BoutonQuitter", "Appreciation", "PanelChrono3"})
        QVERIFY2(zone("Panel1").contains(zone(bouton)), bouton);
    QVERIFY(zone("Panel1").bottom() < zone("StatusBar1").top());
    // The fills keep to their parts on the shrunk pictures too: colour a boat and look.
    const TableauVoiliers& t = banc.jeu->TableauJoue();
    const int c = banc.jeu->Partie().EstModele(2, 1) ? 2 : 1;
    banc.Peindre(QPoint(c, 2), Voiles, t.CouleursVoiles[c]);
    banc.Peindre(QPoint(c, 2), Coque, t.CouleursCoques[2]);
    ImageVoilier* image = banc.T()->Case(2, c);
    QCOMPARE(Montre(image, banc.T()->Geometrie().Marge),
             (std::pair{Couleurs[t.CouleursVoiles[c]], Couleurs[t.CouleursCoques[2]]}));
    QCOMPARE(image->Image().pixel(2, 2), Couleurs[Argent]);
    QCOMPARE(image->Image().pixel(image->width() - 3, image->height() - 3), Couleurs[Argent]);
}

void TestJeu23::aideParExercice_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("sujet");
    QTest::addColumn<int>("contexte");
    QTest::newRow("2 colours") << 2 << "Colorier" << 3;
    QTest::newRow("3 finds") << 3 << "Remplir" << 4;
}

void TestJeu23::aideParExercice() {
    QFETCH(int, numJeu);
    QFETCH(QString, sujet);
    QFETCH(int, contexte);
    Banc banc(numJeu);
    QCOMPARE(banc.jeu->property("contexteAide").toInt(), contexte);
    QTest::mouseClick(banc.Bouton("BAide"), Qt::LeftButton);
    QCOMPARE(banc.plate.aidesAffichees, QStringList{banc.prog.FichierAide + QLatin1Char('#') + sujet});
}

void TestJeu23::entreesDesBilansALOctetPres_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QStringList>("resultat");
    QTest::newRow("exercise 2") << 2
                                << QStringList{"Navirelle jeu n° 2 : colorier", "Le 06/12/2002   à  14:35:10",
                                               "Nombre total de bonnes réponses : \t0 / 24", "",
                                               "Nombre d'erreurs : \t24"};
    QTest::newRow("exercise 3: the four lines of the headers")
        << 3
        << QStringList{"Navirelle jeu n° 3 : Trouver",
                       "Le 06/12/2002   à  14:35:10",
                       "Nombre total de bonnes réponses : \t0 / 23",
                       "Coques bien coloriées :\t0 / 3",
                       "Voiles bien coloriées : \t0 / 4",
                       "",
                       "Nombre d'erreurs : \t23",
                       "Erreurs sur les coques à gauche : \t3",
                       "Erreurs sur les voiles au-dessus : \t4"};
}

// A whole game, one wrong colour on every part, saved from the results window under a class.
void TestJeu23::entreesDesBilansALOctetPres() {
    QFETCH(int, numJeu);
    QFETCH(QStringList, resultat);
    QTemporaryDir dossier;
    const QString initial = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    {
        Banc banc(numJeu, 1, QRect(0, 0, 800, 600), true);
        banc.prog.RepProgramme = dossier.path();
        banc.plate.maintenant = QDateTime(QDate(2002, 12, 6), QTime(14, 35, 10));
        banc.prog.Prefs.EnregistrerBilans = 1;
        banc.prog.Prefs.BilansIndividuels = 1;
        ToutPeindre(banc, 1);
        EnregistrerAuProchainBilan(QStringLiteral("Léa"));
        QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
        QVERIFY(!banc.Bouton("BoutonBilan")->isEnabled());
    }
    QDir::setCurrent(initial);
    auto contenu = [&](const QString& nom) {
        QFile f(dossier.filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QCOMPARE(contenu(QStringLiteral("bilan navirelle.txt")),
             LignesWindows(QStringList{"", "Léa"} + resultat));
    QCOMPARE(contenu(QStringLiteral("Bilan individuel Léa.txt")),
             LignesWindows(QStringList{"", "Léa", ""} + resultat));
}

void TestJeu23::laFenetreDeBilanDitLesLignesDeNavirelle_data() {
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QStringList>("lignes"); // caption and value of each line shown
    QTest::newRow("exercise 2: the good answers and the errors")
        << 2 << QStringList{"Nombre total de bonnes réponses :", "0 / 24", "Nombre total d'erreurs :", "24"};
    QTest::newRow("exercise 3: first tries, and the four lines of the headers")
        << 3
        << QStringList{"Nombre total de bonnes réponses au premier essai :",
                       "0 / 23",
                       "Nombre total d'erreurs :",
                       "23",
                       "Nombre de coques bien coloriées au premier essai :",
                       "0 / 3",
                       "Nombre de voiles bien coloriées au premier essai :",
                       "0 / 4",
                       "Nombre d'erreurs pour les coques à gauche :",
                       "3",
                       "Nombre d'erreurs pour les voiles en haut :",
                       "4"};
}

// What the pupil reads at the end of a game, the results window being the real one.
void TestJeu23::laFenetreDeBilanDitLesLignesDeNavirelle() {
    QFETCH(int, numJeu);
    QFETCH(QStringList, lignes);
    Banc banc(numJeu, 1, QRect(0, 0, 800, 600), true);
    ToutPeindre(banc, 1);
    QStringList lues;
    QTimer::singleShot(0, [&] {
        QWidget* bilan = QApplication::activeModalWidget();
        for (const char* nom :
             {"LabelScore", "LabelScore23", "NBTOTALB", "LabelErreurs", "Erreurs", "LabelScore1", "BR1",
              "LabelScore2", "BR2", "LabelErreurs1", "Erreurs1", "LabelErreurs2", "Erreurs2"}) {
            auto* etiquette = bilan->findChild<QLabel*>(QLatin1String(nom));
            if (etiquette->isVisible()) lues << etiquette->text();
        }
        bilan->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    QCOMPARE(lues, lignes);
}

QTEST_MAIN(TestJeu23)
#include "tst_U_Jeu_23.moc"
