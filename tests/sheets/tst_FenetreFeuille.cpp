// SPDX-License-Identifier: GPL-3.0-or-later
// What the sheet windows of both programs share, checked in each: every showing starts afresh
// with "Imprimer" waiting for the teacher's first action and the keyboard at the top of the
// column; the preview drawn once per change, as the window's sheet; the print dialog given up,
// the pages and copies it asks for, the key and the class set, a failed job said in French; the
// column heard by screen readers and driven by keys and through the accessibility tree.
#include "core/AideContextuelle.h"
#include "core/Programme.h"
#include "sailboats/DessinFeuilleVoiliers.h"
#include "sailboats/U_ImageVoiliers.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/DessinFeuille.h"
#include "sheets/U_image.h"

#include "support/ActionsAccessibles.h"
#include "support/DialoguesScriptes.h"
#include "support/ImpressionsFeuilles.h"
#include "support/Pdf.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QStringList Programmes{QStringLiteral("carrelis"), QStringLiteral("navirelle")};

struct Banc {
    explicit Banc(const QString& programme)
        : prog(programme == QLatin1String("navirelle") ? ProfilNavirelle() : ProfilCarrelis(), plate) {
        prog.InitValeurs();
        if (prog.Profil().FeuillesVoiliers)
            fenetre = std::make_unique<TF_ImageVoiliers>(prog, dialogues);
        else
            fenetre = std::make_unique<TF_Image>(prog, dialogues);
        fenetre->show();
    }
    QPushButton* Bouton(const char* nom) const {
        return fenetre->findChild<QPushButton*>(QLatin1String(nom));
    }
    void Cliquer(const char* nom) const { QTest::mouseClick(Bouton(nom), Qt::LeftButton); }
    ApercuFeuille& Apercu() const { return *fenetre->Apercu(); }
    QString Pdf(const QString& nom) {
        plate.fichierPdf = dossier.filePath(nom);
        return plate.fichierPdf;
    }
    const TF_ImageVoiliers* Voiliers() const { return qobject_cast<const TF_ImageVoiliers*>(fenetre.get()); }
    const TF_Image* Tableaux() const { return qobject_cast<const TF_Image*>(fenetre.get()); }

    // The window's sheet drawn anew at the preview's size, as its own drawing does.
    QImage DessinAttendu() const {
        QImage image(Apercu().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter peintre(&image);
        if (Voiliers())
            DessinFeuilleVoiliers(peintre, image.size()).DessinerApercu(Voiliers()->Preparation().Feuille());
        else
            DessinFeuille(peintre, image.size(), SurfaceFeuille::Apercu)
                .DessinerFeuille(Tableaux()->Preparation().Feuille());
        return image;
    }
    // The settings the column chooses: sign, exercise and layout; or exercise and drawing mode.
    QString Reglages() const {
        if (Voiliers()) {
            const FeuilleVoiliers& f = Voiliers()->Preparation().Feuille();
            return QStringLiteral("%1 %2").arg(f.NumJeu).arg(f.NoirEtBlanc ? "NB" : "couleur");
        }
        const FeuilleTableaux& f = Tableaux()->Preparation().Feuille();
        return QStringLiteral("%1 %2 %3")
            .arg(f.Op == Operation::Addition ? "+" : "x")
            .arg(f.Reglages.JeuImprime)
            .arg(f.Reglages.NbExAImprimer);
    }

    QTemporaryDir dossier;
    PlateFormeTest plate;
    DialoguesScriptes dialogues;
    Programme prog;
    std::unique_ptr<FenetreFeuille> fenetre;
};

using ActionsAccessibles::Nom;

void ColonneProgramme() {
    QTest::addColumn<QString>("programme");
    for (const QString& programme : Programmes)
        QTest::newRow(qPrintable(programme)) << programme;
}

} // namespace

class TestFenetreFeuille : public QObject {
    Q_OBJECT

  private slots:
    void chaqueOuvertureRepartDeZero_data() { ColonneProgramme(); }
    void chaqueOuvertureRepartDeZero();
    void apercuDessineUneFoisParChangement_data() { ColonneProgramme(); }
    void apercuDessineUneFoisParChangement();
    void renoncerNImprimeRien_data() { ColonneProgramme(); }
    void renoncerNImprimeRien();
    void corrigeEtSerie_data();
    void corrigeEtSerie();
    void pagesEtCopiesDemandees_data();
    void pagesEtCopiesDemandees();
    void impressionRateeDiteEnFrancais_data();
    void impressionRateeDiteEnFrancais();
    void choixAuLecteurDEcran_data();
    void choixAuLecteurDEcran();
    void accessibleAuClavierEtALaVoix_data();
    void accessibleAuClavierEtALaVoix();
};

void TestFenetreFeuille::chaqueOuvertureRepartDeZero() {
    QFETCH(QString, programme);
    Banc banc(programme);
    QCOMPARE(banc.fenetre->objectName(), QStringLiteral("F_Image"));
    QCOMPARE(banc.fenetre->windowTitle(), QStringLiteral("Préparation de l'impression d'exercices"));
    QCOMPARE(ContexteAide(*banc.fenetre), 5);
    QWidget* premier = banc.fenetre->findChild<QWidget*>(QStringLiteral("Panel1"))->findChild<QPushButton*>();
    for (int ouverture = 1; ouverture <= 2; ++ouverture) {
        QVERIFY(!banc.Bouton("BoutonImprimer")->isEnabled());
        QCOMPARE(banc.fenetre->focusWidget(), premier);
        QCOMPARE(banc.Apercu().NombreDeDessins(), 2 * ouverture - 1);
        banc.Cliquer("BoutonNouveau");
        QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
        banc.fenetre->hide();
        banc.fenetre->show();
    }
}

void TestFenetreFeuille::apercuDessineUneFoisParChangement() {
    QFETCH(QString, programme);
    Banc banc(programme);
    ApercuFeuille& apercu = banc.Apercu();
    const int dessins = apercu.NombreDeDessins();
    for (int i = 0; i < 3; ++i)
        apercu.repaint();
    QCOMPARE(apercu.NombreDeDessins(), dessins);
    banc.plate.annonces.clear();
    banc.Cliquer("BoutonNouveau");
    QCOMPARE(apercu.NombreDeDessins(), dessins + 1);
    QCOMPARE(apercu.Image(), banc.DessinAttendu());
    QVERIFY(banc.plate.annonces.contains({&apercu, QAccessible::DescriptionChanged}));
    // The hidden "Afficher" of navirelle draws the sheet again, as its unit did.
    if (QPushButton* afficher = banc.Bouton("BoutonAfficher")) {
        afficher->click();
        QCOMPARE(apercu.NombreDeDessins(), dessins + 2);
    }
}

void TestFenetreFeuille::renoncerNImprimeRien() {
    QFETCH(QString, programme);
    Banc banc(programme);
    banc.Cliquer("BoutonNouveau");
    banc.Cliquer("BoutonImprimer");
    QCOMPARE(banc.plate.impressions.size(), 1);
    banc.Cliquer("BoutonSerie"); // the key and class-set chooser given up: no print dialog
    QCOMPARE(banc.dialogues.ouvertures[4], 1);
    QCOMPARE(banc.plate.impressions.size(), 1);
    QVERIFY(banc.plate.avertissements.isEmpty());
    QVERIFY(banc.fenetre->isVisible());
}

void TestFenetreFeuille::corrigeEtSerie_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QStringList>("boutons"); // clicked first
    QTest::addColumn<int>("nombre");
    QTest::addColumn<bool>("avecCorriges");
    QTest::addColumn<int>("pages");
    QTest::newRow("carrelis, four tables, with keys")
        << "carrelis" << QStringList{"NbEx_A_Imprimer4"} << 3 << true << 6;
    QTest::newRow("navirelle, without keys") << "navirelle" << QStringList{} << 4 << false << 4;
}

// The key and the class set come out on landscape pages, a bar follows the pages drawn, and the
// sheet on show stays as it was.
void TestFenetreFeuille::corrigeEtSerie() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(QString, programme);
    QFETCH(QStringList, boutons);
    QFETCH(int, nombre);
    QFETCH(bool, avecCorriges);
    QFETCH(int, pages);
    Banc banc(programme);
    for (const QString& bouton : boutons)
        banc.Cliquer(qPrintable(bouton));
    banc.dialogues.series = {ChoixSerie{ChoixSerie::Genre::Corrige, 1, false},
                             ChoixSerie{ChoixSerie::Genre::Serie, nombre, avecCorriges}};
    const QString corrige = banc.Pdf(QStringLiteral("corrige.pdf"));
    banc.Cliquer("BoutonSerie");
    QCOMPARE(Pdf::LirePage(corrige).pages, 1);
    QCOMPARE(LignesDeMots(Pdf::Mots(corrige).value(0), 2).value(0), TitreCorrige());
    const QImage montre = banc.Apercu().Image();
    const int dessins = banc.Apercu().NombreDeDessins();
    const QString serie = banc.Pdf(QStringLiteral("serie.pdf"));
    banc.Cliquer("BoutonSerie");
    QCOMPARE(banc.plate.impressions,
             (QStringList{QStringLiteral("Corrigé"), QStringLiteral("Série de feuilles")}));
    const Pdf::Page page = Pdf::LirePage(serie);
    QCOMPARE(page.pages, pages);
    QVERIFY(page.largeur > page.hauteur);
    auto* barre = banc.fenetre->findChild<QProgressDialog*>(QStringLiteral("Progression"));
    QVERIFY(barre);
    QCOMPARE(barre->maximum(), pages);
    QCOMPARE(barre->value(), pages);
    QCOMPARE(banc.Apercu().NombreDeDessins(), dessins);
    QCOMPARE(banc.Apercu().Image(), montre);
}

void TestFenetreFeuille::pagesEtCopiesDemandees_data() {
    PagesDemandees::ColonnesFenetre();
    for (const QString& programme : Programmes)
        PagesDemandees::Lignes(programme);
}

void TestFenetreFeuille::pagesEtCopiesDemandees() {
    QFETCH(QString, programme);
    Banc banc(programme);
    PagesDemandees::VerifierDans(banc);
}

void TestFenetreFeuille::impressionRateeDiteEnFrancais_data() {
    ImpressionsRatees::Colonnes();
    for (const QString& programme : Programmes)
        ImpressionsRatees::Lignes(programme);
}

// However late the job fails, the teacher reads it, and the window stays as it was.
void TestFenetreFeuille::impressionRateeDiteEnFrancais() {
    QFETCH(QString, programme);
    QFETCH(QString, bouton);
    QFETCH(ChoixSerie, choix);
    Banc banc(programme);
    banc.Cliquer("BoutonNouveau");
    const QImage avant = banc.Apercu().Image();
    const int dessins = banc.Apercu().NombreDeDessins();
    banc.dialogues.series = {choix};
    ImpressionsRatees::Verifier(banc.plate, banc.dossier.path(), *banc.fenetre,
                                [&] { banc.Cliquer(qPrintable(bouton)); });
    QCOMPARE(banc.Apercu().NombreDeDessins(), dessins);
    QCOMPARE(banc.Apercu().Image(), avant);
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
}

void TestFenetreFeuille::choixAuLecteurDEcran_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("bouton"); // its spoken name
    QTest::addColumn<QString>("reglages");
    LigneDe("carrelis", "the operation") << "Table de multiplication"
                                         << "x 1 1";
    LigneDe("carrelis", "the exercise") << "Jeu n° 2 : trouver"
                                        << "+ 2 1";
    LigneDe("carrelis", "the layout") << "3 tableaux différents"
                                      << "+ 1 5";
    LigneDe("navirelle", "the exercise") << "Jeu n° 3 : trouver"
                                         << "3 NB";
    LigneDe("navirelle", "the drawing") << "En couleurs"
                                        << "1 couleur";
}

// A button of the column checked through the accessibility tree chooses, as a click does: the
// sheet changes, its preview is drawn again and "Imprimer" is offered.
void TestFenetreFeuille::choixAuLecteurDEcran() {
    QFETCH(QString, programme);
    QFETCH(QString, bouton);
    QFETCH(QString, reglages);
    Banc banc(programme);
    const int dessins = banc.Apercu().NombreDeDessins();
    QVERIFY(ActionsAccessibles::Basculer(*banc.fenetre, bouton));
    QCOMPARE(banc.Reglages(), reglages);
    QCOMPARE(banc.Apercu().NombreDeDessins(), dessins + 1);
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
}

void TestFenetreFeuille::accessibleAuClavierEtALaVoix_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("bouton"); // pressed, in a group
    QTest::addColumn<QString>("nom");    // what a screen reader calls it
    QTest::addColumn<int>("touche");     // an arrow along the group
    QTest::addColumn<QString>("avant");  // the preview's description, before and after
    QTest::addColumn<QString>("apres");
    LigneDe("carrelis", "the signs") << "Op1"
                                     << "Table d'addition" << int(Qt::Key_Right)
                                     << "Table d'addition, jeu n° 1"
                                     << "Table de multiplication, jeu n° 1";
    // Groups laid out side by side or in two columns are walked in their order, as heard.
    LigneDe("carrelis", "the signs, downwards")
        << "Op1"
        << "Table d'addition" << int(Qt::Key_Down) << "Table d'addition, jeu n° 1"
        << "Table de multiplication, jeu n° 1";
    LigneDe("carrelis", "the layouts, downwards")
        << "NbEx_A_Imprimer1"
        << "Un tableau sur la feuille" << int(Qt::Key_Down) << "une fois sur la feuille"
        << "2 fois sur la feuille";
    LigneDe("navirelle", "the drawing modes") << "BNB"
                                              << "En noir et blanc" << int(Qt::Key_Up) << "en noir et blanc"
                                              << "en couleurs";
}

// Tab reaches every button, and in a group the one pressed, the arrows moving along it; the
// accelerator of "Nouveau" draws a new sheet; Escape closes like "Quitter".
void TestFenetreFeuille::accessibleAuClavierEtALaVoix() {
    QFETCH(QString, programme);
    QFETCH(QString, bouton);
    QFETCH(QString, nom);
    QFETCH(int, touche);
    QFETCH(QString, avant);
    QFETCH(QString, apres);
    Banc banc(programme);
    for (QPushButton* b : banc.fenetre->findChildren<QPushButton*>()) {
        QVERIFY2(!Nom(b).isEmpty(), qPrintable(b->objectName()));
        QVERIFY2(b->focusPolicy() & Qt::TabFocus || (b->group() && !b->isChecked()),
                 qPrintable(b->objectName()));
    }
    QPushButton* choisi = banc.Bouton(qPrintable(bouton));
    QCOMPARE(Nom(choisi), nom);
    QVERIFY(QAccessible::queryAccessibleInterface(choisi)->state().checked);
    QAccessibleInterface* apercu = QAccessible::queryAccessibleInterface(&banc.Apercu());
    QCOMPARE(apercu->role(), QAccessible::Graphic);
    QVERIFY(apercu->text(QAccessible::Description).contains(avant));
    banc.fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(banc.fenetre.get()));
    banc.plate.annonces.clear();
    choisi->setFocus();
    QTest::keyClick(choisi, Qt::Key(touche));
    QVERIFY(apercu->text(QAccessible::Description).contains(apres));
    QVERIFY(banc.plate.annonces.contains({&banc.Apercu(), QAccessible::DescriptionChanged}));
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
    // A mnemonic clicks its button a moment later, as a click shown on screen.
    const int dessins = banc.Apercu().NombreDeDessins();
    QTest::keyClick(banc.fenetre.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(banc.Apercu().NombreDeDessins(), dessins + 1);
    QTest::keyClick(banc.fenetre.get(), Qt::Key_Escape);
    QVERIFY(!banc.fenetre->isVisible());
}

QTEST_MAIN(TestFenetreFeuille)
#include "tst_FenetreFeuille.moc"
