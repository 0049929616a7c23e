// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every exercise window stands on, checked the same way in the three games: the results
// handed over at the end, "Quitter" as each game wants it, the counters and "Juste"/"Faux" as a
// screen reader hears them, the accelerators, and "Changer" through the registry.
#include "core/AutresFenetres.h"
#include "core/EtiquetteAppreciation.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/PaletteCouleurs.h"
#include "sailboats/TableauImages.h"
#include "sailboats/U_Jeu_1.h"
#include "sailboats/U_Jeu_23.h"
#include "support/ActionsAccessibles.h"
#include "support/BancProgramme.h"
#include "tables/CaseTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

enum class Jeu { Carrelis, Remplir, Colorier };

// The registry's part, noted: the results handed over and the sizes asked for.
struct AutresTemoin : AutresFenetres {
    std::optional<quint8> ChoisirTaille(int numJeu, quint8) override {
        tailles.append(numJeu);
        if (!nouvelleTaille) return std::nullopt;
        return static_cast<quint8>(nouvelleTaille);
    }
    void MontrerBilan(const ResultatPartie& resultat) override { bilans.append(resultat); }
    void MontrerRapport(const Bilan&) override {}

    int nouvelleTaille = 0; // 0: the chooser is cancelled
    QList<int> tailles;
    QList<ResultatPartie> bilans;
};

// One exercise window on its own, its registry noted, playing one answer at a time as a pupil
// would, with the mouse and the keys.
struct Banc : BancProgramme {
    explicit Banc(Jeu jeu)
        : BancProgramme(jeu == Jeu::Carrelis ? ProfilCarrelis() : ProfilNavirelle()), jeu(jeu) {
        // The program's print of the exercise, noted with the exercise it was given.
        auto imprimerVoiliers = [this](const Destination&, const TableauVoiliers&, int numJeu) {
            imprimes.append(numJeu);
            return true;
        };
        switch (jeu) {
        case Jeu::Carrelis:
            fenetre = std::make_unique<TF_Jeu_Carrelis_T>(
                prog, autres, [this](const Destination&, const Tableau&, const ChoixExercice& choix) {
                    imprimes.append(choix.NumJeu);
                    return true;
                });
            break;
        case Jeu::Remplir:
            fenetre = std::make_unique<TF_Jeu_1>(prog, autres, imprimerVoiliers);
            break;
        case Jeu::Colorier:
            fenetre = std::make_unique<TF_Jeu_23>(prog, autres, imprimerVoiliers);
            break;
        }
        prog.Prefs.TailleJeu(NumJeu()) = 1;
        fenetre->Ouvrir(ChoixExercice{NumJeu(), Operation::Addition});
        QApplication::setActiveWindow(fenetre.get());
    }
    int NumJeu() const { return jeu == Jeu::Colorier ? 2 : 1; }
    QPushButton* Bouton(const char* nom) const {
        return fenetre->findChild<QPushButton*>(QLatin1String(nom));
    }
    const DeroulementPartie& Partie() const {
        if (auto* c = dynamic_cast<TF_Jeu_Carrelis_T*>(fenetre.get())) return c->Partie();
        if (auto* r = dynamic_cast<TF_Jeu_1*>(fenetre.get())) return r->Partie();
        return static_cast<TF_Jeu_23*>(fenetre.get())->Partie();
    }
    bool Fini() const { return Partie().EtapeEnCours() == DeroulementPartie::Etape::Terminee; }

    void Repondre(bool juste) const {
        switch (jeu) {
        case Jeu::Carrelis:
            return RepondreCarrelis(juste);
        case Jeu::Remplir:
            return RepondreRemplir(juste);
        case Jeu::Colorier:
            return RepondreColorier(juste);
        }
    }
    void Finir() const {
        for (int n = 0; !Fini() && n < 200; ++n)
            Repondre(n % 3 != 0);
    }

    Jeu jeu;
    AutresTemoin autres;
    QList<int> imprimes;
    std::unique_ptr<FenetreExercice> fenetre;

  private:
    void RepondreCarrelis(bool juste) const {
        auto* carrelis = static_cast<TF_Jeu_Carrelis_T*>(fenetre.get());
        const Tableau& t = carrelis->TableauJoue();
        const QPoint p = PremiereCaseATrouver(t).value();
        QTest::mouseClick(carrelis->Cellule(p.x(), p.y()), Qt::LeftButton);
        auto* clavier = fenetre->findChild<QLineEdit*>(QStringLiteral("Pourcurseur"));
        QTest::keyClicks(clavier, QString::number(t.Valeurs[p.x()][p.y()] + (juste ? 0 : 1)));
        QTest::keyClick(clavier, Qt::Key_Return);
    }
    void RepondreRemplir(bool juste) const {
        auto* remplir = static_cast<TF_Jeu_1*>(fenetre.get());
        const PartieRemplir& p = remplir->Partie();
        if (p.EtapeEnCours() == PartieRemplir::Etape::MiseEnPlace)
            QTest::mouseClick(Bouton("BoutonCommencer"), Qt::LeftButton);
        QPoint clic(p.ColonneEnCours(), p.LigneEnCours());
        for (int r = 1; r <= p.Tableau().NbTotalGauche && !juste; ++r)
            for (int c = 1; c <= p.Tableau().NbTotalHaut; ++c)
                if (QPoint(c, r) != clic && p.CaseCliquable(r, c)) {
                    clic = QPoint(c, r);
                    juste = true;
                    break;
                }
        QTest::mouseClick(remplir->Tableau()->Case(clic.y(), clic.x()), Qt::LeftButton);
    }
    // The hull of the first boat whose hull is still to colour, else its sails.
    void RepondreColorier(bool juste) const {
        auto* colorier = static_cast<TF_Jeu_23*>(fenetre.get());
        const PartieColorier& p = colorier->Partie();
        const TableauVoiliers& t = p.Tableau();
        for (int r = 1; r <= t.NbTotalGauche; ++r)
            for (int c = 1; c <= t.NbTotalHaut; ++c) {
                if (!p.CaseAColorier(r, c)) continue;
                const bool coque = p.CouleurCase(r, c, PartieBateau::Coque) == 0;
                const int bonne = coque ? t.CouleursCoques[r] : t.CouleursVoiles[c];
                colorier->Palette()->Choisir(juste ? bonne : (bonne == 4 ? 5 : 4));
                ImageVoilier* image = colorier->Tableau()->Case(r, c);
                const int pont = VoilierEcran::LigneFlottaison(image->height());
                QTest::mouseClick(image, Qt::LeftButton, {},
                                  QPoint(image->width() / 2, coque ? pont + 3 : pont - 4));
                return;
            }
    }
};

// A screen reader's "press", which clicks the button a moment later, as a click shown on screen.
void Presser(QPushButton* bouton) {
    QSignalSpy clics(bouton, &QPushButton::clicked);
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(bouton);
    QVERIFY(acces->actionInterface());
    acces->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clics.count(), 1);
}

using ActionsAccessibles::Nom;

void Lignes() {
    QTest::addColumn<Jeu>("jeu");
    QTest::newRow("carrelis") << Jeu::Carrelis;
    QTest::newRow("navirelle, placing the boats") << Jeu::Remplir;
    QTest::newRow("navirelle, colouring the boats") << Jeu::Colorier;
}

} // namespace

Q_DECLARE_METATYPE(Jeu)

class TestFenetreExercice : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void laFinDeLaPartieVaAuBilan_data() { Lignes(); }
    void laFinDeLaPartieVaAuBilan();
    void quitterSelonLeJeu_data() { Lignes(); }
    void quitterSelonLeJeu();
    void justeOuFauxSeDitCinqSecondes_data() { Lignes(); }
    void justeOuFauxSeDitCinqSecondes();
    void aideEtQuitterAuClavier_data() { Lignes(); }
    void aideEtQuitterAuClavier();
    void changerDemandeLaTailleDeLExercice_data();
    void changerDemandeLaTailleDeLExercice();
};

// "Bilan", pressed through the accessibility tree, hands over this game's exercise and counts
// (and navirelle's print of the table); then a new table may start.
void TestFenetreExercice::laFinDeLaPartieVaAuBilan() {
    QFETCH(Jeu, jeu);
    Banc banc(jeu);
    QVERIFY(!banc.Bouton("BoutonBilan")->isEnabled());
    banc.Finir();
    QVERIFY(banc.Fini());
    QVERIFY(banc.Bouton("BoutonBilan")->isEnabled());
    QCOMPARE(banc.fenetre->focusWidget(), banc.Bouton("BoutonBilan"));
    QVERIFY(banc.autres.bilans.isEmpty());
    Presser(banc.Bouton("BoutonBilan"));
    QCOMPARE(banc.autres.bilans.size(), 1);
    const ResultatPartie& resultat = banc.autres.bilans.front();
    const CompteursResultat& n = banc.fenetre->Compteurs();
    QCOMPARE(resultat.NumJeu, banc.NumJeu());
    QCOMPARE(
        (QList<int>{resultat.Compteurs.NbBonnes, resultat.Compteurs.NbErreurs, resultat.Compteurs.NbTotal}),
        (QList<int>{n.NbBonnes, n.NbErreurs, n.NbTotal}));
    QVERIFY(n.NbBonnes > 0 && n.NbErreurs > 0);
    // The print the program gave the window, for the exercise played.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter page(&pdf);
    QVERIFY(resultat.ImprimerExercice && resultat.ImprimerExercice(page));
    QCOMPARE(banc.imprimes, QList<int>{banc.NumJeu()});
    QVERIFY(!banc.Bouton("BoutonBilan")->isEnabled());
    QCOMPARE(banc.fenetre->focusWidget(), banc.Bouton(jeu == Jeu::Carrelis ? "Nouveau" : "BoutonNouveauJeu"));
    QCOMPARE(banc.Partie().EtapeEnCours(), DeroulementPartie::Etape::BilanVu);
}

// Navirelle shows the results of answers not yet seen before it closes; carrelis closes and
// records nothing. Nothing answered, nothing shown.
void TestFenetreExercice::quitterSelonLeJeu() {
    QFETCH(Jeu, jeu);
    Banc banc(jeu);
    QPushButton* quitter = banc.Bouton(jeu == Jeu::Carrelis ? "SpeedButton1" : "BoutonQuitter");
    Presser(quitter);
    QVERIFY(!banc.fenetre->isVisible());
    QVERIFY(banc.autres.bilans.isEmpty());
    banc.fenetre->Ouvrir(ChoixExercice{banc.NumJeu(), Operation::Addition});
    banc.Repondre(false);
    Presser(quitter);
    QVERIFY(!banc.fenetre->isVisible());
    QCOMPARE(banc.autres.bilans.size(), jeu == Jeu::Carrelis ? 0 : 1);
    // Closed by the desktop after the results were seen: not twice.
    banc.fenetre->show();
    banc.fenetre->close();
    QCOMPARE(banc.autres.bilans.size(), jeu == Jeu::Carrelis ? 0 : 1);
}

// The label says the answer and what it was, the score says its value, both are announced; five
// seconds later the label is empty and named as at rest.
void TestFenetreExercice::justeOuFauxSeDitCinqSecondes() {
    QFETCH(Jeu, jeu);
    Banc banc(jeu);
    auto* etiquette = banc.fenetre->findChild<EtiquetteAppreciation*>();
    const QString auRepos = Nom(etiquette);
    banc.Repondre(false);
    QCOMPARE(etiquette->text(), QStringLiteral("Faux"));
    QVERIFY(Nom(etiquette).startsWith(QStringLiteral("Faux")));
    QVERIFY(banc.plate.annonces.contains({etiquette, QAccessible::Alert}));
    const char* erreurs = jeu == Jeu::Carrelis  ? "CompteurMr"
                          : jeu == Jeu::Remplir ? "PanelMScore"
                                                : "LabelMr";
    QWidget* compteur = banc.fenetre->findChild<QWidget*>(QLatin1String(erreurs));
    QVERIFY2(Nom(compteur).contains(QStringLiteral(" : 1")), qPrintable(Nom(compteur)));
    QVERIFY(banc.plate.annonces.contains({compteur, QAccessible::NameChanged}));
    QTimer* minuterie = etiquette->Minuterie();
    QVERIFY(minuterie->isActive());
    QVERIFY(minuterie->isSingleShot());
    QCOMPARE(minuterie->interval(), 5000);
    emit minuterie->timeout({});
    QCOMPARE(etiquette->text(), QString());
    QCOMPARE(Nom(etiquette), auRepos);
}

// Alt+A opens the help at the exercise's topic, Alt+Q closes the window, from wherever the
// keyboard is in it.
void TestFenetreExercice::aideEtQuitterAuClavier() {
    QFETCH(Jeu, jeu);
    Banc banc(jeu);
    QVERIFY(QTest::qWaitForWindowActive(banc.fenetre.get()));
    QWidget* ici = banc.fenetre->focusWidget();
    QVERIFY(ici);
    QTest::keyClick(ici, Qt::Key_A, Qt::AltModifier);
    const char* sujet = jeu == Jeu::Colorier ? "Colorier" : jeu == Jeu::Remplir ? "Trouver" : "Remplir";
    QTRY_COMPARE(banc.plate.aidesAffichees,
                 QStringList{banc.prog.FichierAide + QLatin1Char('#') + QLatin1String(sujet)});
    QTest::keyClick(banc.fenetre->focusWidget(), Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY(!banc.fenetre->isVisible());
}

void TestFenetreExercice::changerDemandeLaTailleDeLExercice_data() {
    QTest::addColumn<Jeu>("jeu");
    QTest::addColumn<int>("taille"); // chosen; 0: cancelled
    for (auto [jeu, nom] : {std::pair{Jeu::Carrelis, "carrelis"},
                            {Jeu::Remplir, "navirelle 1"},
                            {Jeu::Colorier, "navirelle 2"}})
        for (int taille : {0, 1, 7})
            QTest::addRow("%s, size %d", nom, taille) << jeu << taille;
}

// The chooser is asked for the exercise played; a new table comes only with another size.
void TestFenetreExercice::changerDemandeLaTailleDeLExercice() {
    QFETCH(Jeu, jeu);
    QFETCH(int, taille);
    Banc banc(jeu);
    banc.prog.Prefs.ChoixModifiable(banc.NumJeu()) = 1;
    banc.fenetre->Ouvrir(ChoixExercice{banc.NumJeu(), Operation::Addition});
    const int total = banc.fenetre->Compteurs().NbTotal;
    banc.autres.nouvelleTaille = taille;
    QPushButton* changer = banc.Bouton(jeu == Jeu::Carrelis ? "Changer" : "BoutonChanger");
    QVERIFY(changer->isVisible());
    Presser(changer);
    QCOMPARE(banc.autres.tailles, QList<int>{banc.NumJeu()});
    const int attendu = taille == 7 ? (jeu == Jeu::Colorier ? 70 : 35) : total;
    QCOMPARE(int(banc.fenetre->Compteurs().NbTotal), attendu);
    QCOMPARE(banc.Partie().EtapeEnCours(), DeroulementPartie::Etape::MiseEnPlace);
}

QTEST_MAIN(TestFenetreExercice)
#include "tst_FenetreExercice.moc"
