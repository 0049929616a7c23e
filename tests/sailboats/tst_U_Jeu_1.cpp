// SPDX-License-Identifier: GPL-3.0-or-later
// Navirelle's exercise 1 driven as pupils play it: by the mouse, from the keyboard alone and
// through the accessibility tree alone, with and without hatches, on every screen from 800 x 600
// to 1920 x 1200, down to the bytes of the results files.
#include "core/Programme.h"
#include "core/ReglagesUtilisateur.h"
#include "program/Fenetres.h"
#include "program/U_Menu.h"
#include "sailboats/BarreScore.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/Couleurs.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/TableauImages.h"
#include "sailboats/U_Jeu_1.h"
#include "support/BilanVoiliers.h"
#include "support/FenetreTemoin.h"
#include "support/PlateFormeTest.h"
#include "support/TiragesVoiliers.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

enum class Maniere { ToutJuste, ToutFaux, Mixte };

// The window on a scripted screen; the draws are scripted (table and order of the boats) or, when
// no order is given, seeded.
struct Banc {
    explicit Banc(const QList<QPoint>& ordre = {}, int taille = 1, QRect ecran = QRect(0, 0, 800, 600),
                  bool vraiBilan = false)
        : prog(ProfilNavirelle(), plate, Tirages(ordre)), fenetres(prog) {
        plate.ecran = ecran;
        if (!vraiBilan) {
            auto temoin = std::make_unique<FenetreTemoin>();
            bilan = temoin.get();
            fenetres.Enregistrer(IdFenetre::Bilan, std::move(temoin));
        }
        fenetres.CreerAuDemarrage();
        prog.Prefs.TailleJeu1 = static_cast<quint8>(taille);
        jeu = fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
        jeu->Ouvrir(ChoixExercice{1, {}});
    }
    static std::unique_ptr<Hasard> Tirages(const QList<QPoint>& ordre) {
        if (ordre.isEmpty()) return std::make_unique<HasardSysteme>(2002);
        auto script = std::make_unique<HasardScripte>();
        Tableau3x4().Ajouter(*script);
        ProposerDans(*script, ordre, 3, 4);
        return script;
    }
    QPushButton* Bouton(const char* nom) const { return jeu->findChild<QPushButton*>(QLatin1String(nom)); }
    template <class T = QWidget> T* Controle(const char* nom) const {
        return jeu->findChild<T*>(QLatin1String(nom));
    }
    ImageVoilier* Case(QPoint p) const { return jeu->Tableau()->Case(p.y(), p.x()); }
    QPoint Propose() const { return QPoint(jeu->Partie().ColonneEnCours(), jeu->Partie().LigneEnCours()); }
    void Cliquer(QPoint p) const { QTest::mouseClick(Case(p), Qt::LeftButton); }
    void Commencer() const { QTest::mouseClick(Bouton("BoutonCommencer"), Qt::LeftButton); }
    QString Appreciation() const { return Controle<QLabel>("Appreciation")->text(); }
    // A cell still empty other than that of the boat proposed.
    QPoint AutreCaseVide() const {
        const PartieRemplir& p = jeu->Partie();
        for (int r = 1; r <= p.Tableau().NbTotalGauche; ++r)
            for (int c = 1; c <= p.Tableau().NbTotalHaut; ++c)
                if (QPoint(c, r) != Propose() && p.CaseCliquable(r, c)) return QPoint(c, r);
        return Propose();
    }

    PlateFormeTest plate;
    Programme prog;
    FenetresTemoins fenetres;
    TF_Jeu_1* jeu = nullptr;
    FenetreTemoin* bilan = nullptr;
};

QList<QPoint> OrdreInverse() {
    QList<QPoint> ordre = ToutesLesCases(3, 4);
    std::reverse(ordre.begin(), ordre.end());
    return ordre;
}

// The boat drawn in a picture: its hull and its sails in these colours.
bool MontreLeBateau(const ImageVoilier* image, int coque, int voiles) {
    const QImage& bitmap = image->Image();
    const int w = image->width(), h = image->height();
    const QPoint pont(w / 2, VoilierEcran::LigneFlottaison(h));
    return bitmap.pixel(pont + QPoint(0, 3)) == Couleurs[coque] &&
           bitmap.pixel(pont + QPoint(w / 8, -h / 10)) == Couleurs[voiles];
}

bool Vide(const ImageVoilier* image) {
    const QImage montree = image->ImageMontree();
    for (int y = 0; y < montree.height(); ++y)
        for (int x = 0; x < montree.width(); ++x)
            if (montree.pixel(x, y) != Couleurs[Argent]) return false;
    return true;
}

// Focus and the frame need the window to be the active one, as on a desktop.
void Activer(QWidget* fenetre) {
    QApplication::setActiveWindow(fenetre);
    QVERIFY(QTest::qWaitForWindowActive(fenetre));
}

QAccessibleInterface* Acces(QObject* objet) {
    return QAccessible::queryAccessibleInterface(objet);
}

QString Nom(QObject* objet) {
    return Acces(objet)->text(QAccessible::Name);
}

} // namespace

Q_DECLARE_METATYPE(Maniere)

class TestJeu1 : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void partiesEntieresALaSouris_data();
    void partiesEntieresALaSouris();
    void uneCaseRemplieIgnoreLesClics();
    void commandesAChaqueEtape();
    void quitter_data();
    void quitter();
    void appreciationEffaceeApres5Secondes();
    void partieAuClavierSeul();
    void partieParLArbreDAccessibiliteSeul();
    void nomsEtAnnonces();
    void hachures();
    void rienNeSeChevauche_data();
    void rienNeSeChevauche();
    void changerDeTaille_data();
    void changerDeTaille();
    void leMenuOuvreUnNouveauJeu();
    void aideEtContexte();
    void entreeDesBilansALOctetPres();
    void leBilanImprimeLeTableauJoue();
};

void TestJeu1::partiesEntieresALaSouris_data() {
    QTest::addColumn<Maniere>("maniere");
    QTest::newRow("all right") << Maniere::ToutJuste;
    QTest::newRow("all wrong") << Maniere::ToutFaux;
    QTest::newRow("mixed") << Maniere::Mixte;
}

// Every boat goes to its own cell; a wrong cell stays empty and clickable; each answer raises one
// bar by exactly one twelfth of its panel, on a graduation.
void TestJeu1::partiesEntieresALaSouris() {
    QFETCH(Maniere, maniere);
    const QList<QPoint> ordre = OrdreInverse();
    Banc banc(ordre);
    const TableauVoiliers& t = banc.jeu->TableauJoue();
    QCOMPARE(t.CouleursCoques[1], quint8(8));
    banc.Commencer();
    auto* bonnes = banc.Controle<BarreScore>("PanelBScore");
    auto* mauvaises = banc.Controle<BarreScore>("PanelMScore");
    const int pas = bonnes->Pas();
    QVERIFY(pas > 0);
    QCOMPARE(pas * 12 + 2 * BarreScore::Bord, bonnes->height());
    int nbBonnes = 0, nbErreurs = 0;
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(banc.Propose(), ordre[i]);
        const QPoint p = ordre[i];
        QVERIFY(MontreLeBateau(banc.jeu->findChild<ImageVoilier*>(QStringLiteral("ImageAPlacer")),
                               t.CouleursCoques[p.y()], t.CouleursVoiles[p.x()]));
        const bool juste = maniere == Maniere::ToutJuste || (maniere == Maniere::Mixte && i % 3) || i == 11;
        const QPoint clic = juste ? p : banc.AutreCaseVide();
        banc.Cliquer(clic);
        ++(juste ? nbBonnes : nbErreurs);
        QCOMPARE(banc.Appreciation(), juste ? QStringLiteral("Juste") : QStringLiteral("Faux"));
        QVERIFY(MontreLeBateau(banc.Case(p), t.CouleursCoques[p.y()], t.CouleursVoiles[p.x()]));
        QVERIFY(!banc.Case(p)->isEnabled());
        if (!juste) {
            QVERIFY(Vide(banc.Case(clic)));
            QVERIFY(banc.Case(clic)->isEnabled());
        }
        QCOMPARE(bonnes->Barre().height(), pas * nbBonnes);
        QCOMPARE(mauvaises->Barre().height(), pas * nbErreurs);
        QCOMPARE(bonnes->Barre().top(), bonnes->Graduation(nbBonnes));
        QCOMPARE(mauvaises->Barre().bottom() + 1, mauvaises->Pied());
    }
    QCOMPARE(banc.jeu->Compteurs().NbBonnes, nbBonnes);
    QCOMPARE(banc.jeu->Compteurs().NbErreurs, nbErreurs);
    QVERIFY(banc.Controle("PanelJeuTermine")->isVisible());
    QVERIFY(banc.Bouton("BoutonBilan")->isEnabled());
    QCOMPARE(banc.jeu->focusWidget(), banc.Bouton("BoutonBilan"));
}

void TestJeu1::uneCaseRemplieIgnoreLesClics() {
    Banc banc(OrdreInverse());
    banc.Commencer();
    const QPoint premiere = banc.Propose();
    banc.Cliquer(premiere);
    const QPoint suivante = banc.Propose();
    QTest::mouseClick(banc.Case(premiere), Qt::LeftButton);
    QCOMPARE(banc.jeu->Compteurs().NbBonnes + banc.jeu->Compteurs().NbErreurs, 1);
    QCOMPARE(banc.Propose(), suivante);
    // Headers and the corner are no cells.
    QTest::mouseClick(banc.jeu->Tableau()->EnteteVoiles(2), Qt::LeftButton);
    QCOMPARE(banc.jeu->Compteurs().NbErreurs + banc.jeu->Compteurs().NbBonnes, 1);
}

void TestJeu1::commandesAChaqueEtape() {
    Banc banc(OrdreInverse());
    auto etats = [&] {
        QString e;
        for (const char* nom : {"BoutonCommencer", "BoutonNouveauJeu", "BoutonChanger", "BoutonBilan",
                                "BAide", "BoutonQuitter"})
            e += banc.Bouton(nom)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return e;
    };
    QCOMPARE(etats(), QStringLiteral("111011"));
    // Before "Commencer" the cells take no answer.
    banc.Cliquer(QPoint(1, 1));
    QCOMPARE(banc.jeu->Compteurs().NbBonnes + banc.jeu->Compteurs().NbErreurs, 0);
    banc.Commencer();
    QCOMPARE(etats(), QStringLiteral("000011"));
    for (int i = 0; i < 12; ++i)
        banc.Cliquer(banc.Propose());
    QCOMPARE(etats(), QStringLiteral("000111"));
    QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    QCOMPARE(banc.bilan->ouvertures, 1);
    QVERIFY(banc.bilan->modale);
    QCOMPARE(etats(), QStringLiteral("011011"));
    QVERIFY(!banc.Controle("PanelJeuTermine")->isVisible());
    // The finished table stays on show until "Nouveau".
    QVERIFY(!banc.Case(QPoint(1, 1))->isEnabled());
    QVERIFY(!Vide(banc.Case(QPoint(1, 1))));
}

void TestJeu1::quitter_data() {
    QTest::addColumn<int>("reponses"); // -1: "Commencer" not pressed
    QTest::addColumn<bool>("bilanVu");
    QTest::addColumn<int>("bilans"); // results windows opened by "Quitter"
    QTest::newRow("before Commencer") << -1 << false << 0;
    QTest::newRow("started, no answer") << 0 << false << 0;
    QTest::newRow("after one answer") << 1 << false << 1;
    QTest::newRow("finished, results not seen") << 12 << false << 1;
    QTest::newRow("after Bilan") << 12 << true << 0;
}

void TestJeu1::quitter() {
    QFETCH(int, reponses);
    QFETCH(bool, bilanVu);
    QFETCH(int, bilans);
    Banc banc(OrdreInverse());
    if (reponses >= 0) banc.Commencer();
    for (int i = 0; i < reponses; ++i)
        banc.Cliquer(banc.Propose());
    if (bilanVu) QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    const int avant = banc.bilan->ouvertures;
    QTest::mouseClick(banc.Bouton("BoutonQuitter"), Qt::LeftButton);
    QCOMPARE(banc.bilan->ouvertures - avant, bilans);
    QVERIFY(!banc.jeu->isVisible());
}

void TestJeu1::appreciationEffaceeApres5Secondes() {
    Banc banc(OrdreInverse());
    auto* minuterie = banc.jeu->findChild<QTimer*>(QStringLiteral("Timer2"));
    QCOMPARE(minuterie->interval(), 5000);
    banc.Commencer();
    banc.Cliquer(banc.Propose());
    QVERIFY(minuterie->isActive());
    minuterie->setInterval(20);
    banc.Cliquer(banc.AutreCaseVide()); // a new answer starts again
    QCOMPARE(banc.Appreciation(), QStringLiteral("Faux"));
    QTRY_COMPARE(banc.Appreciation(), QString());
}

// The arrows take the frame to the cell of the boat shown, Enter places it; Space starts.
void TestJeu1::partieAuClavierSeul() {
    Banc banc({}, 7);
    Activer(banc.jeu);
    QCOMPARE(banc.jeu->focusWidget(), banc.Bouton("BoutonCommencer"));
    QTest::keyClick(banc.Bouton("BoutonCommencer"), Qt::Key_Space);
    TableauImages* tableau = banc.jeu->Tableau();
    QCOMPARE(banc.jeu->focusWidget(), tableau);
    QVERIFY(banc.jeu->findChild<QWidget*>(QStringLiteral("CadreClavier"))->isVisible());
    for (int i = 0; i < 35; ++i) {
        const QPoint but = banc.Propose();
        while (tableau->Cadre() != but) {
            const QPoint c = tableau->Cadre();
            const Qt::Key fleche = c.x() < but.x()   ? Qt::Key_Right
                                   : c.x() > but.x() ? Qt::Key_Left
                                   : c.y() < but.y() ? Qt::Key_Down
                                                     : Qt::Key_Up;
            QTest::keyClick(tableau, fleche);
            QVERIFY2(tableau->Cadre() != c, "an arrow did not move the frame");
        }
        QTest::keyClick(tableau, i % 2 ? Qt::Key_Return : Qt::Key_Space);
    }
    QCOMPARE(banc.jeu->Compteurs().NbBonnes, 35);
    QCOMPARE(banc.jeu->focusWidget(), banc.Bouton("BoutonBilan"));
    // The buttons answer their accelerators (a moment later, as a click shown on screen).
    QTest::keyClick(banc.jeu, Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(banc.bilan->ouvertures, 1);
    QTRY_VERIFY(banc.Bouton("BoutonNouveauJeu")->isEnabled());
    Activer(banc.jeu);
    QTest::keyClick(banc.jeu, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(banc.jeu->Partie().EtapeEnCours(), PartieRemplir::Etape::MiseEnPlace);
}

// A pupil who hears the screen: reads the boat to place, finds the headers of its colours, and
// acts on the cell where they cross. Nothing but the accessibility tree.
void TestJeu1::partieParLArbreDAccessibiliteSeul() {
    Banc banc({}, 4);
    QAccessibleInterface* fenetre = Acces(banc.jeu);
    // Every descendant of the window, by the accessibility tree's own children.
    QList<QAccessibleInterface*> tous;
    std::function<void(QAccessibleInterface*)> parcourir = [&](QAccessibleInterface* i) {
        for (int k = 0; k < i->childCount(); ++k) {
            tous.append(i->child(k));
            parcourir(i->child(k));
        }
    };
    parcourir(fenetre);
    // The table itself speaks as its framed cell: the pictures are what is looked for.
    auto trouver = [&](auto&& condition) -> QAccessibleInterface* {
        for (QAccessibleInterface* i : tous)
            if (i->role() != QAccessible::Border && condition(i->text(QAccessible::Name))) return i;
        return nullptr;
    };
    QAccessibleInterface* commencer =
        trouver([](const QString& n) { return n == QLatin1String("Commencer"); });
    QVERIFY(commencer);
    commencer->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    const QString prefixe = QStringLiteral("Bateau à placer : coque ");
    // A button pressed this way clicks a moment later, as on screen.
    QTRY_VERIFY(trouver([&](const QString& n) { return n.startsWith(prefixe); }));
    for (int i = 0; i < 24; ++i) {
        const QString bateau = trouver([&](const QString& n) { return n.startsWith(prefixe); })
                                   ->text(QAccessible::Name)
                                   .mid(prefixe.size());
        const QString coque = bateau.section(QStringLiteral(", voiles "), 0, 0);
        const QString voiles = bateau.section(QStringLiteral(", voiles "), 1);
        const QString enteteLigne = trouver([&](const QString& n) {
                                        return n.startsWith(QStringLiteral("Coque de la ligne")) &&
                                               n.endsWith(QStringLiteral(" : ") + coque);
                                    })->text(QAccessible::Name);
        const QString enteteColonne = trouver([&](const QString& n) {
                                          return n.startsWith(QStringLiteral("Voiles de la colonne")) &&
                                                 n.endsWith(QStringLiteral(" : ") + voiles);
                                      })->text(QAccessible::Name);
        const QString ligne = enteteLigne.section(QLatin1Char(' '), 4, 4);
        const QString colonne = enteteColonne.section(QLatin1Char(' '), 4, 4);
        QAccessibleInterface* cellule = trouver([&](const QString& n) {
            return n == QStringLiteral("Ligne %1, colonne %2 : vide").arg(ligne, colonne);
        });
        QVERIFY2(cellule, qPrintable(bateau));
        QCOMPARE(cellule->role(), QAccessible::Button);
        cellule->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(cellule->text(QAccessible::Name),
                 QStringLiteral("Ligne %1, colonne %2 : bateau à coque %3 et voiles %4")
                     .arg(ligne, colonne, coque, voiles));
    }
    QCOMPARE(banc.jeu->Compteurs().NbBonnes, 24);
    QAccessibleInterface* barre =
        trouver([](const QString& n) { return n.startsWith(QStringLiteral("Bonnes réponses :")); });
    QCOMPARE(barre->role(), QAccessible::ProgressBar);
    QCOMPARE(barre->text(QAccessible::Name), QStringLiteral("Bonnes réponses : 24 sur 24"));
    QCOMPARE(barre->valueInterface()->currentValue().toInt(), 24);
    QCOMPARE(barre->valueInterface()->maximumValue().toInt(), 24);
}

void TestJeu1::nomsEtAnnonces() {
    Banc banc(OrdreInverse());
    Activer(banc.jeu);
    TableauImages* tableau = banc.jeu->Tableau();
    QCOMPARE(Nom(tableau->EnteteVoiles(2)), QStringLiteral("Voiles de la colonne 2 : bleues"));
    QCOMPARE(Nom(tableau->EnteteCoque(3)), QStringLiteral("Coque de la ligne 3 : blanche"));
    QCOMPARE(Nom(tableau->Case(2, 3)), QStringLiteral("Ligne 2, colonne 3 : vide"));
    auto* aPlacer = banc.jeu->findChild<ImageVoilier*>(QStringLiteral("ImageAPlacer"));
    QCOMPARE(Nom(aPlacer), QStringLiteral("Bateau à placer : aucun pour l'instant"));
    QCOMPARE(Acces(tableau->EnteteVoiles(2))->role(), QAccessible::Graphic);
    banc.Commencer();
    // Row 3, column 4: white hull, pink sails.
    QCOMPARE(Nom(aPlacer), QStringLiteral("Bateau à placer : coque blanche, voiles roses"));
    QVERIFY(banc.plate.annonces.contains({aPlacer, QAccessible::NameChanged}));
    banc.plate.annonces.clear();
    banc.Cliquer(QPoint(1, 1));
    auto* appreciation = banc.Controle<QLabel>("Appreciation");
    QCOMPARE(Nom(appreciation), QStringLiteral("Faux : ce bateau va ligne 3, colonne 4"));
    QCOMPARE(Nom(tableau->Case(3, 4)),
             QStringLiteral("Ligne 3, colonne 4 : bateau à coque blanche et voiles roses"));
    QCOMPARE(Nom(banc.Controle("PanelMScore")), QStringLiteral("Mauvaises réponses : 1 sur 12"));
    QCOMPARE(banc.plate.annonces.first(),
             (std::pair<QObject*, QAccessible::Event>{appreciation, QAccessible::Alert}));
    QVERIFY(banc.plate.annonces.contains({banc.Controle("PanelMScore"), QAccessible::NameChanged}));
    QVERIFY(banc.plate.annonces.contains({aPlacer, QAccessible::NameChanged}));
    // The table speaks as its framed cell, and says where the frame goes.
    tableau->setFocus();
    QTest::keyClick(tableau, Qt::Key_Down);
    QCOMPARE(Nom(tableau), QStringLiteral("Ligne 2, colonne 1 : vide"));
    QVERIFY(banc.plate.annonces.contains({tableau, QAccessible::NameChanged}));
    QTest::keyClick(tableau, Qt::Key_Left);
    QCOMPARE(Nom(tableau), QStringLiteral("Coque de la ligne 2 : jaune"));
    QAccessibleInterface* fenetre = Acces(banc.jeu);
    QCOMPARE(fenetre->role(), QAccessible::Window);
    QCOMPARE(fenetre->text(QAccessible::Name), QStringLiteral("Navirelle : exercice n° 1"));
}

// The switch lays the sheets' hatches over every coloured picture, from the mouse or Alt+H; the
// user's choice outlives the window, the preferences file left alone.
void TestJeu1::hachures() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Navirelle/Navirelle.ini"));
    {
        PlateFormeTest plate;
        plate.fichierReglages = fichier;
        Programme prog(ProfilNavirelle(), plate);
        Fenetres fenetres(prog);
        fenetres.CreerAuDemarrage();
        auto* jeu = fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
        jeu->Ouvrir(ChoixExercice{1, {}});
        Activer(jeu);
        auto* bouton = jeu->findChild<BoutonTrames*>(QStringLiteral("BoutonTrames"));
        QVERIFY(!bouton->isChecked());
        ImageVoilier* entete = jeu->Tableau()->EnteteVoiles(1);
        QCOMPARE(entete->ImageMontree(), entete->Image().copy(entete->rect()));
        jeu->Tableau()->setFocus();
        QTest::keyClick(jeu, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(bouton->isChecked());
        QCOMPARE(jeu->focusWidget(), jeu->Tableau()); // the keyboard stays on the table
        QVERIFY(Acces(bouton)->state().checked);
        QVERIFY(plate.annonces.contains({bouton, QAccessible::StateChanged}));
        QVERIFY(entete->Trames());
        QVERIFY(entete->ImageMontree() != entete->Image().copy(entete->rect()));
        QVERIFY(jeu->findChild<ImageVoilier*>(QStringLiteral("ImageAPlacer"))->Trames());
        QVERIFY(ReglagesUtilisateur(fichier).Lire(BoutonTrames::Cle));
        // What the game draws keeps its plain colours under the hatches.
        QTest::mouseClick(jeu->findChild<QPushButton*>(QStringLiteral("BoutonCommencer")), Qt::LeftButton);
        const int r = jeu->Partie().LigneEnCours(), c = jeu->Partie().ColonneEnCours();
        QTest::mouseClick(jeu->Tableau()->Case(r, c), Qt::LeftButton);
        QVERIFY(MontreLeBateau(jeu->Tableau()->Case(r, c), jeu->TableauJoue().CouleursCoques[r],
                               jeu->TableauJoue().CouleursVoiles[c]));
        QVERIFY(jeu->Tableau()->Case(r, c)->Trames());
        QVERIFY(!QFile::exists(QDir(prog.Dossier()).filePath(prog.Profil().FichierPref)));
    }
    // The next run starts with the hatches; the switch turns them off everywhere.
    PlateFormeTest plate;
    plate.fichierReglages = fichier;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    auto* jeu = fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    jeu->Ouvrir(ChoixExercice{1, {}});
    QVERIFY(jeu->Tableau()->Case(1, 1)->Trames());
    QTest::mouseClick(jeu->findChild<BoutonTrames*>(), Qt::LeftButton);
    QVERIFY(!jeu->Tableau()->Case(1, 1)->Trames());
    QVERIFY(!ReglagesUtilisateur(fichier).Lire(BoutonTrames::Cle));
}

void TestJeu1::rienNeSeChevauche_data() {
    QTest::addColumn<QRect>("ecran");
    QTest::addColumn<int>("taille");
    for (QSize ecran : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1280, 800),
                        QSize(1366, 768), QSize(1600, 1200), QSize(1920, 1080), QSize(1920, 1200)})
        for (int taille : {1, 4, 7})
            QTest::addRow("%dx%d size %d", ecran.width(), ecran.height(), taille)
                << QRect(QPoint(0, 0), ecran) << taille;
}

// On 5:4 screens the screen's height alone would push the table and its boat under the score
// column; on every screen the table, the boat, the scores, the buttons and the status bar keep
// apart, inside the window.
void TestJeu1::rienNeSeChevauche() {
    QFETCH(QRect, ecran);
    QFETCH(int, taille);
    Banc banc({}, taille, ecran);
    banc.Commencer();
    auto zone = [&](const char* nom) {
        QWidget* w = banc.Controle(nom);
        return QRect(w->mapTo(banc.jeu, QPoint(0, 0)), w->size());
    };
    const QRect fenetre = banc.jeu->rect();
    QCOMPARE(fenetre.size(), ecran.size());
    const QList<const char*> noms{"PanelExercice", "PanelProposition", "Panel1", "RangeeBoutons",
                                  "StatusBar1"};
    for (const char* a : noms) {
        QVERIFY2(fenetre.contains(zone(a)), a);
        for (const char* b : noms)
            if (a != b)
                QVERIFY2(!zone(a).intersects(zone(b)), qPrintable(QStringLiteral("%1 / %2").arg(a, b)));
    }
    for (const char* dansLesScores : {"PanelBScore", "PanelMScore", "Appreciation", "EtMax", "EtZero"})
        QVERIFY2(zone("Panel1").contains(zone(dansLesScores)), dansLesScores);
    QVERIFY(zone("PanelBScore").bottom() < zone("Appreciation").top());
    QVERIFY(zone("EtZero").bottom() < zone("Appreciation").top());
    const int n = banc.jeu->Compteurs().NbTotal;
    QCOMPARE(banc.Controle<BarreScore>("PanelBScore")->Pas() * n + 2 * BarreScore::Bord,
             banc.Controle("PanelBScore")->height());
    // Nothing smaller than needed: the cell keeps the screen's size where there is room.
    const GeometrieVoiliers& g = banc.jeu->Tableau()->Geometrie();
    const GeometrieVoiliers libre = GeometrieVoiliers::Calculer(ecran.height(), g.Lignes, g.Colonnes);
    QVERIFY(g.A <= libre.A);
    QVERIFY(g.A >= libre.A * 3 / 4);
    // The boat to place is drawn whole, filled right.
    QVERIFY(MontreLeBateau(banc.jeu->findChild<ImageVoilier*>(QStringLiteral("ImageAPlacer")),
                           banc.jeu->TableauJoue().CouleursCoques[banc.Propose().y()],
                           banc.jeu->TableauJoue().CouleursVoiles[banc.Propose().x()]));
}

void TestJeu1::changerDeTaille_data() {
    QTest::addColumn<bool>("permis");
    QTest::addColumn<int>("choix"); // 0: Cancel
    QTest::addColumn<int>("taille");
    QTest::newRow("another size: a new table") << true << 6 << 6;
    QTest::newRow("Cancel: the same table") << true << 0 << 1;
    QTest::newRow("not allowed: no button") << false << 0 << 1;
}

void TestJeu1::changerDeTaille() {
    QFETCH(bool, permis);
    QFETCH(int, choix);
    QFETCH(int, taille);
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate, std::make_unique<HasardSysteme>(5));
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    prog.Prefs.TailleJeu1 = 1;
    prog.Prefs.ChoixModifiable1 = permis;
    auto* jeu = fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    jeu->Ouvrir(ChoixExercice{1, {}});
    auto* changer = jeu->findChild<QPushButton*>(QStringLiteral("BoutonChanger"));
    QCOMPARE(changer->isVisibleTo(jeu), permis);
    if (!permis) return;
    const auto coques = jeu->TableauJoue().CouleursCoques;
    QString titre;
    QTimer::singleShot(0, [&] {
        QWidget* choixTaille = QApplication::activeModalWidget();
        titre = choixTaille->findChild<QLabel*>(QStringLiteral("NumeroJeu"))->text();
        if (choix)
            QTest::mouseClick(choixTaille->findChild<QRadioButton*>(QStringLiteral("Taille%1").arg(choix)),
                              Qt::LeftButton);
        QTest::mouseClick(choixTaille->findChild<QPushButton*>(QLatin1String(choix ? "BitBtn2" : "BitBtn1")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(changer, Qt::LeftButton);
    QCOMPARE(titre, QStringLiteral("Exercice n° 1"));
    QCOMPARE(int(prog.Prefs.TailleJeu1), taille);
    QCOMPARE(int(jeu->Compteurs().NbTotal),
             DimensionsTaille(taille).NbLignes * DimensionsTaille(taille).NbColonnes);
    if (!choix) QCOMPARE(jeu->TableauJoue().CouleursCoques, coques);
}

// From the menu, each time: a new game, even over a game still open behind the menu.
void TestJeu1::leMenuOuvreUnNouveauJeu() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    fenetres.Menu()->show();
    auto* bouton = fenetres.Menu()->findChild<QPushButton*>(QStringLiteral("BoutonJ1"));
    QVERIFY(bouton->isEnabled());
    QTest::mouseClick(bouton, Qt::LeftButton);
    auto* jeu = fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    QVERIFY(jeu->isVisible());
    QCOMPARE(QRect(jeu->pos(), jeu->size()), prog.GeometrieMenu);
    QTest::mouseClick(jeu->findChild<QPushButton*>(QStringLiteral("BoutonCommencer")), Qt::LeftButton);
    QCOMPARE(jeu->Partie().NbPlaces(), 1);
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(jeu->Partie().NbPlaces(), 0);
    QCOMPARE(jeu->Partie().EtapeEnCours(), PartieRemplir::Etape::MiseEnPlace);
    QVERIFY(jeu->findChild<QPushButton*>(QStringLiteral("BoutonCommencer"))->isEnabled());
}

void TestJeu1::aideEtContexte() {
    Banc banc;
    QCOMPARE(banc.jeu->property("contexteAide").toInt(), 2);
    QTest::mouseClick(banc.Bouton("BAide"), Qt::LeftButton);
    QCOMPARE(banc.plate.aidesAffichees, QStringList{banc.prog.FichierAide + QStringLiteral("#Trouver")});
}

// A whole game to the results files: the general file and the pupil's own, to the byte.
void TestJeu1::entreeDesBilansALOctetPres() {
    QTemporaryDir dossier;
    const QString initial = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    {
        Banc banc(OrdreInverse(), 1, QRect(0, 0, 800, 600), true);
        banc.prog.RepProgramme = dossier.path();
        banc.plate.maintenant = QDateTime(QDate(2002, 12, 6), QTime(14, 35, 10));
        banc.prog.Prefs.EnregistrerBilans = 1;
        banc.prog.Prefs.BilansIndividuels = 1;
        banc.Commencer();
        for (int i = 0; i < 12; ++i)
            banc.Cliquer(i % 4 == 1 ? banc.AutreCaseVide() : banc.Propose());
        EnregistrerAuProchainBilan(QStringLiteral("Paul"));
        QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    }
    QDir::setCurrent(initial);
    const QStringList resultat{"Navirelle jeu n° 1 : remplir", "Le 06/12/2002   à  14:35:10",
                               "Nombre total de bonnes réponses : \t9 / 12", "", "Nombre d'erreurs : \t3"};
    auto contenu = [&](const QString& nom) {
        QFile f(dossier.filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QCOMPARE(contenu(QStringLiteral("bilan navirelle.txt")),
             LignesWindows(QStringList{"", "Paul"} + resultat));
    QCOMPARE(contenu(QStringLiteral("Bilan individuel Paul.txt")),
             LignesWindows(QStringList{"", "Paul", ""} + resultat));
}

// "Imprimer l'exercice" of the results window prints the table just played, with the instruction.
void TestJeu1::leBilanImprimeLeTableauJoue() {
    QTemporaryDir dossier;
    Banc banc(OrdreInverse(), 1, QRect(0, 0, 800, 600), true);
    banc.prog.Prefs.ImprimerExercice = 1;
    banc.plate.fichierPdf = dossier.filePath(QStringLiteral("exercice.pdf"));
    banc.Commencer();
    for (int i = 0; i < 12; ++i)
        banc.Cliquer(banc.Propose());
    bool imprimable = false;
    QTimer::singleShot(0, [&] {
        QWidget* bilan = QApplication::activeModalWidget();
        if (!bilan) return;
        auto* imprimer = bilan->findChild<QPushButton*>(QStringLiteral("ImprimeExo"));
        imprimable = imprimer->isEnabled();
        imprimer->click();
        bilan->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    QTest::mouseClick(banc.Bouton("BoutonBilan"), Qt::LeftButton);
    QVERIFY(imprimable);
    QCOMPARE(banc.plate.impressions, QStringList{QStringLiteral("Exercice")});
    QProcess texte;
    texte.start(QStringLiteral("pdftotext"), {banc.plate.fichierPdf, QStringLiteral("-")});
    QVERIFY(texte.waitForFinished(20000));
    QVERIFY(QString::fromUtf8(texte.readAllStandardOutput()).contains(banc.prog.Consigne));
}

QTEST_MAIN(TestJeu1)
#include "tst_U_Jeu_1.moc"
