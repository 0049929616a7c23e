// SPDX-License-Identifier: GPL-3.0-or-later
// Carrelis's sheet window: each showing starts afresh; which actions draw new tables and which
// keep them; the preview drawn once per change; printing the preview's tables, its key and a
// class set through the print dialog; a failed job said in French; a game left open keeps its
// table; keyboard, accessible names and announcements.
#include "core/AideContextuelle.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/DessinFeuille.h"
#include "sheets/U_ModifChoix3D.h"
#include "sheets/U_ModifChxImp.h"
#include "sheets/U_image.h"
#include "tables/U_Jeu_Carrelis_T.h"

#include "support/ActionsAccessibles.h"
#include "support/DialoguesScriptes.h"
#include "support/ImpressionsFeuilles.h"
#include "support/Pdf.h"
#include "support/PlateFormeTest.h"
#include "support/TextesDessines.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Banc {
    Banc() : prog(ProfilCarrelis(), plate), fenetre(prog, dialogues) {
        prog.InitValeurs();
        fenetre.show();
    }
    QPushButton* Bouton(const char* nom) const { return fenetre.findChild<QPushButton*>(QLatin1String(nom)); }
    void Cliquer(const char* nom) const { QTest::mouseClick(Bouton(nom), Qt::LeftButton); }
    const FeuilleTableaux& Feuille() const { return fenetre.Preparation().Feuille(); }
    QString Pdf(const QString& nom) {
        plate.fichierPdf = dossier.filePath(nom);
        return plate.fichierPdf;
    }

    QTemporaryDir dossier;
    PlateFormeTest plate;
    DialoguesScriptes dialogues;
    Programme prog;
    TF_Image fenetre;
};

QString Nom(QObject* objet) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(objet);
    return a ? a->text(QAccessible::Name) : QString();
}

// The preview's words, as they read on a drawing of the window's sheet at the preview's size.
QStringList LignesDe(const FeuilleTableaux& f, QSize taille) {
    TextesDessines apercu(taille);
    QPainter peintre(&apercu);
    DessinFeuille(peintre, taille, SurfaceFeuille::Apercu).DessinerFeuille(f);
    peintre.end();
    return LignesDeMots(apercu.Mots(), 2);
}

} // namespace

class TestFenetreFeuille : public QObject {
    Q_OBJECT

  private slots:
    void chaqueOuvertureRepartDeZero();
    void actionsEtTableaux_data();
    void actionsEtTableaux();
    void apercuDessineUneFoisParChangement();
    void imprimeLesTableauxDeLApercu_data();
    void imprimeLesTableauxDeLApercu();
    void pagesEtCopiesDemandees_data();
    void pagesEtCopiesDemandees();
    void impressionRateeDiteEnFrancais_data();
    void impressionRateeDiteEnFrancais();
    void renoncerNImprimeRien();
    void corrigeEtSerieDepuisLaFenetre();
    void consigneDesFeuillesPourLeBilan();
    void unJeuOuvertGardeSonTableau();
    void choixAuLecteurDEcran_data();
    void choixAuLecteurDEcran();
    void dialoguesDuProgramme();
    void accessibleAuClavierEtALaVoix();
};

void TestFenetreFeuille::chaqueOuvertureRepartDeZero() {
    Banc banc;
    QVERIFY(!banc.Bouton("BoutonImprimer")->isEnabled());
    banc.Cliquer("SpeedButton2");
    banc.Cliquer("BJeu3");
    banc.Cliquer("NbEx_A_Imprimer3D");
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
    QVERIFY(!banc.Bouton("BJeu1")->isVisible());
    banc.fenetre.hide();
    banc.fenetre.show();
    QVERIFY(banc.Bouton("Op1")->isChecked());
    QVERIFY(banc.Bouton("BJeu1")->isChecked());
    QVERIFY(banc.Bouton("NbEx_A_Imprimer1")->isChecked());
    for (const char* jeu : {"BJeu1", "BJeu2", "BJeu3"})
        QVERIFY(banc.Bouton(jeu)->isVisible());
    QVERIFY(!banc.Bouton("BoutonImprimer")->isEnabled());
    QCOMPARE(banc.Feuille().Copie.NbLignes, 2);
    QCOMPARE(banc.Feuille().Copie.NbColonnes, 3);
    QCOMPARE(ContexteAide(banc.fenetre), 5);
}

void TestFenetreFeuille::actionsEtTableaux_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<bool>("nouveau");    // a new table for layouts 1 to 4
    QTest::addColumn<bool>("imprimable"); // "Imprimer" offered afterwards
    QTest::newRow("the kind already chosen") << "BJeu1" << false << false;
    QTest::newRow("another kind") << "BJeu2" << true << true;
    QTest::newRow("+ again") << "Op1" << true << true;
    QTest::newRow("x") << "SpeedButton2" << true << true;
    QTest::newRow("two copies of the same table") << "NbEx_A_Imprimer2" << false << true;
    QTest::newRow("Nouveau") << "BoutonNouveau" << true << true;
    QTest::newRow("Changer, the dialog given up") << "BoutonChanger" << false << true;
    QTest::newRow("Consigne, the dialog given up") << "BoutonConsigne" << false << true;
}

void TestFenetreFeuille::actionsEtTableaux() {
    QFETCH(QString, bouton);
    QFETCH(bool, nouveau);
    QFETCH(bool, imprimable);
    Banc banc;
    const Tableau avant = banc.Feuille().Copie;
    banc.Cliquer(qPrintable(bouton));
    QCOMPARE(!MemeContenu(avant, banc.Feuille().Copie), nouveau);
    QCOMPARE(banc.Bouton("BoutonImprimer")->isEnabled(), imprimable);
}

void TestFenetreFeuille::apercuDessineUneFoisParChangement() {
    Banc banc;
    ApercuFeuille* apercu = banc.fenetre.Apercu();
    const int dessins = apercu->NombreDeDessins();
    QCOMPARE(dessins, 1);
    for (int i = 0; i < 3; ++i)
        apercu->repaint();
    banc.Cliquer("BJeu1");
    QCOMPARE(apercu->NombreDeDessins(), dessins);
    banc.Cliquer("BoutonNouveau");
    QCOMPARE(apercu->NombreDeDessins(), dessins + 1);
    // The image is the window's sheet, drawn at the preview's size.
    QImage attendue(apercu->size(), QImage::Format_RGB32);
    attendue.fill(Qt::white);
    QPainter peintre(&attendue);
    DessinFeuille(peintre, attendue.size(), SurfaceFeuille::Apercu).DessinerFeuille(banc.Feuille());
    peintre.end();
    QCOMPARE(apercu->Image(), attendue);
    // A sheet of three new tables is announced in words.
    banc.Cliquer("NbEx_A_Imprimer3D");
    QVERIFY(apercu->accessibleDescription().contains(QStringLiteral("3 tableaux différents")));
    QVERIFY(banc.plate.annonces.contains({apercu, QAccessible::DescriptionChanged}));
}

void TestFenetreFeuille::imprimeLesTableauxDeLApercu_data() {
    QTest::addColumn<QStringList>("boutons");
    QTest::addColumn<bool>("paysage");
    QTest::newRow("one table, landscape") << QStringList{"SpeedButton2", "BJeu2"} << true;
    QTest::newRow("three copies, portrait") << QStringList{"BJeu3", "NbEx_A_Imprimer3"} << false;
    QTest::newRow("3 diff., portrait, after Nouveau")
        << QStringList{"NbEx_A_Imprimer3D", "BoutonNouveau"} << false;
}

void TestFenetreFeuille::imprimeLesTableauxDeLApercu() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(QStringList, boutons);
    QFETCH(bool, paysage);
    Banc banc;
    banc.dialogues.tailles = {5};
    banc.Cliquer("BoutonChanger");
    for (const QString& bouton : boutons)
        banc.Cliquer(qPrintable(bouton));
    const QString fichier = banc.Pdf(QStringLiteral("feuille.pdf"));
    banc.Cliquer("BoutonImprimer");
    QCOMPARE(banc.plate.impressions, QStringList{QStringLiteral("Feuille d'exercices")});
    QVERIFY(banc.plate.avertissements.isEmpty());
    const Pdf::Page page = Pdf::LirePage(fichier);
    QCOMPARE(page.pages, 1);
    QCOMPARE(page.largeur > page.hauteur, paysage);
    const QList<QList<MotPlace>> mots = Pdf::Mots(fichier);
    QCOMPARE(LignesDeMots(mots.value(0), 2), LignesDe(banc.Feuille(), banc.fenetre.Apercu()->size()));
    // Printing again prints the same tables.
    banc.Cliquer("BoutonImprimer");
    QCOMPARE(LignesDeMots(Pdf::Mots(fichier).value(0), 2), LignesDeMots(mots.value(0), 2));
}

void TestFenetreFeuille::pagesEtCopiesDemandees_data() {
    PagesDemandees::Lignes();
}

void TestFenetreFeuille::pagesEtCopiesDemandees() {
    Banc banc;
    PagesDemandees::VerifierDans(banc);
}

void TestFenetreFeuille::impressionRateeDiteEnFrancais_data() {
    ImpressionsRatees::Lignes();
}

// However late the job fails, the teacher reads it, and the window stays as it was.
void TestFenetreFeuille::impressionRateeDiteEnFrancais() {
    QFETCH(QString, bouton);
    QFETCH(ChoixSerie, choix);
    Banc banc;
    banc.Cliquer("BoutonNouveau");
    const Tableau avant = banc.Feuille().Copie;
    const int dessins = banc.fenetre.Apercu()->NombreDeDessins();
    banc.dialogues.series = {choix};
    ImpressionsRatees::Verifier(banc.plate, banc.dossier.path(), banc.fenetre,
                                [&] { banc.Cliquer(qPrintable(bouton)); });
    QVERIFY(MemeContenu(avant, banc.Feuille().Copie));
    QCOMPARE(banc.fenetre.Apercu()->NombreDeDessins(), dessins);
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
}

void TestFenetreFeuille::renoncerNImprimeRien() {
    Banc banc;
    banc.Cliquer("BoutonNouveau");
    banc.Cliquer("BoutonImprimer");
    QCOMPARE(banc.plate.impressions.size(), 1);
    QVERIFY(banc.plate.avertissements.isEmpty());
    QVERIFY(banc.fenetre.isVisible());
}

void TestFenetreFeuille::corrigeEtSerieDepuisLaFenetre() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    Banc banc;
    banc.Cliquer("NbEx_A_Imprimer4");
    banc.dialogues.series = {ChoixSerie{ChoixSerie::Genre::Corrige, 1, false},
                             ChoixSerie{ChoixSerie::Genre::Serie, 3, true}};
    const QString corrige = banc.Pdf(QStringLiteral("corrige.pdf"));
    banc.Cliquer("BoutonSerie");
    QCOMPARE(Pdf::LirePage(corrige).pages, 1);
    QCOMPARE(LignesDeMots(Pdf::Mots(corrige).value(0), 2).value(0), QStringLiteral("Corrigé"));
    const Tableau montre = banc.Feuille().Copie;
    const QString serie = banc.Pdf(QStringLiteral("serie.pdf"));
    banc.Cliquer("BoutonSerie");
    QCOMPARE(banc.plate.impressions,
             (QStringList{QStringLiteral("Corrigé"), QStringLiteral("Série de feuilles")}));
    const Pdf::Page page = Pdf::LirePage(serie);
    QCOMPARE(page.pages, 6);
    QVERIFY(page.largeur > page.hauteur);
    auto* barre = banc.fenetre.findChild<QProgressDialog*>(QStringLiteral("Progression"));
    QVERIFY(barre);
    QCOMPARE(barre->maximum(), 6);
    QCOMPARE(barre->value(), 6);
    // The sheet on show stays as it was.
    QVERIFY(MemeContenu(montre, banc.Feuille().Copie));
    // Given up: nothing printed.
    banc.Cliquer("BoutonSerie");
    QCOMPARE(banc.plate.impressions.size(), 2);
}

void TestFenetreFeuille::consigneDesFeuillesPourLeBilan() {
    Banc banc;
    QVERIFY(banc.prog.Consigne.isEmpty());
    banc.dialogues.consignes = {QStringLiteral("Complète vite.")};
    banc.Cliquer("BoutonConsigne");
    QCOMPARE(banc.Feuille().Reglages.Consigne, QStringLiteral("Complète vite."));
    QCOMPARE(banc.prog.Consigne, QStringLiteral("Complète vite."));
    // "3 diff." has instructions of its own and keeps its tables under new ones.
    banc.Cliquer("NbEx_A_Imprimer3D");
    const FeuilleTableaux avant = banc.Feuille();
    banc.dialogues.consignes3D = {{QStringLiteral("Un"), QString(), ConsigneParDefaut()}};
    banc.Cliquer("BoutonConsigne");
    QCOMPARE(banc.dialogues.ouvertures[1], 1);
    QVERIFY(banc.Feuille().MemesTableaux(avant));
    QCOMPARE(banc.Feuille().Reglages.Consigne3, ConsigneParDefaut());
    QCOMPARE(banc.prog.Consigne, QStringLiteral("Complète vite."));
    banc.fenetre.hide();
    banc.fenetre.show();
    QVERIFY(banc.prog.Consigne.isEmpty());
}

// A game left open behind the menu keeps its table, its exercise and what it prints.
void TestFenetreFeuille::unJeuOuvertGardeSonTableau() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    auto* jeu = fenetres.Obtenir<TF_Jeu_Carrelis_T>(IdFenetre::JeuCarrelis);
    jeu->Ouvrir(ChoixExercice{2, Operation::Multiplication});
    const Tableau joue = jeu->TableauJoue();
    const Preferences prefs = prog.Prefs;
    auto* feuille = fenetres.Obtenir<TF_Image>(IdFenetre::Image);
    feuille->show();
    for (const char* bouton :
         {"Op1", "BJeu3", "BoutonNouveau", "NbEx_A_Imprimer3D", "BoutonNouveau", "NbEx_A_Imprimer1"})
        QTest::mouseClick(feuille->findChild<QPushButton*>(QLatin1String(bouton)), Qt::LeftButton);
    feuille->hide();
    QVERIFY(MemeContenu(jeu->TableauJoue(), joue));
    QCOMPARE(jeu->TableauJoue().CaseRemplie, joue.CaseRemplie);
    QCOMPARE(jeu->Choix().NumJeu, 2);
    QCOMPARE(jeu->Choix().Op, Operation::Multiplication);
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(prog.Prefs.TailleJeu(n), prefs.TailleJeu(n));
}

void TestFenetreFeuille::choixAuLecteurDEcran_data() {
    QTest::addColumn<QString>("bouton"); // its spoken name
    QTest::addColumn<QString>("reglages");
    QTest::newRow("the operation") << "Table de multiplication"
                                   << "x 1 1";
    QTest::newRow("the exercise") << "Jeu n° 2 : trouver"
                                  << "+ 2 1";
    QTest::newRow("the layout") << "3 tableaux différents"
                                << "+ 1 5";
}

// A button of the column checked through the accessibility tree chooses, as a click does: the
// sheet changes, its preview is drawn again and "Imprimer" is offered.
void TestFenetreFeuille::choixAuLecteurDEcran() {
    QFETCH(QString, bouton);
    QFETCH(QString, reglages);
    Banc banc;
    const auto etat = [&] {
        const FeuilleTableaux& f = banc.Feuille();
        return QStringLiteral("%1 %2 %3")
            .arg(f.Op == Operation::Addition ? "+" : "x")
            .arg(f.Reglages.JeuImprime)
            .arg(f.Reglages.NbExAImprimer);
    };
    const int dessins = banc.fenetre.Apercu()->NombreDeDessins();
    QVERIFY(ActionsAccessibles::Basculer(banc.fenetre, bouton));
    QCOMPARE(etat(), reglages);
    QCOMPARE(banc.fenetre.Apercu()->NombreDeDessins(), dessins + 1);
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
}

// Through the registry the window opens the program's own dialogs.
void TestFenetreFeuille::dialoguesDuProgramme() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    auto* feuille = fenetres.Obtenir<TF_Image>(IdFenetre::Image);
    feuille->show();
    auto repondre = [](const char* choix, const char* bouton) {
        QTimer::singleShot(0, [=] {
            QWidget* dialogue = QApplication::activeModalWidget();
            QVERIFY(dialogue);
            QTest::mouseClick(dialogue->findChild<QRadioButton*>(QLatin1String(choix)), Qt::LeftButton);
            QTest::mouseClick(dialogue->findChild<QPushButton*>(QLatin1String(bouton)), Qt::LeftButton);
        });
    };
    repondre("NbCasesJeu1Item3", "BitBtn2");
    QTest::mouseClick(feuille->findChild<QPushButton*>(QStringLiteral("BoutonChanger")), Qt::LeftButton);
    QCOMPARE(feuille->Preparation().Feuille().Copie.NbColonnes, 5);
    QTest::mouseClick(feuille->findChild<QPushButton*>(QStringLiteral("NbEx_A_Imprimer3D")), Qt::LeftButton);
    repondre("NbCasesJeu3Item7", "bouton_valider");
    QTest::mouseClick(feuille->findChild<QPushButton*>(QStringLiteral("BoutonChanger")), Qt::LeftButton);
    QCOMPARE(feuille->Preparation().Feuille().Trois[2].NbColonnes, 7);
    QCOMPARE(ContexteAide(*fenetres.Fenetre(IdFenetre::Choix3D)), 5);
    repondre("RadioGroup1Item1", "SpeedButton1");
    QTest::mouseClick(feuille->findChild<QPushButton*>(QStringLiteral("BoutonConsigne")), Qt::LeftButton);
    QCOMPARE(feuille->Preparation().Feuille().Reglages.Consigne1, ConsigneParDefaut());
}

void TestFenetreFeuille::accessibleAuClavierEtALaVoix() {
    Banc banc;
    // Tab reaches every button; in a group, the one pressed, the arrows moving along the group.
    for (QPushButton* bouton : banc.fenetre.findChildren<QPushButton*>()) {
        QVERIFY2(!Nom(bouton).isEmpty(), qPrintable(bouton->objectName()));
        QVERIFY2(bouton->focusPolicy() & Qt::TabFocus || (bouton->group() && !bouton->isChecked()),
                 qPrintable(bouton->objectName()));
    }
    QCOMPARE(Nom(banc.Bouton("SpeedButton2")), QStringLiteral("Table de multiplication"));
    QAccessibleInterface* apercu = QAccessible::queryAccessibleInterface(banc.fenetre.Apercu());
    QCOMPARE(apercu->role(), QAccessible::Graphic);
    QVERIFY(apercu->text(QAccessible::Description).startsWith(QStringLiteral("Table d'addition, jeu n° 1")));
    QVERIFY(QAccessible::queryAccessibleInterface(banc.Bouton("Op1"))->state().checked);
    // Keys: an arrow along the signs, the accelerator of "Nouveau", then Escape closes like
    // "Quitter".
    banc.fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&banc.fenetre));
    banc.Bouton("Op1")->setFocus();
    QTest::keyClick(banc.Bouton("Op1"), Qt::Key_Right);
    QCOMPARE(banc.Feuille().Op, Operation::Multiplication);
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
    const Tableau avant = banc.Feuille().Copie;
    // A mnemonic clicks its button a moment later, as a click shown on screen.
    QTest::keyClick(&banc.fenetre, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(!MemeContenu(avant, banc.Feuille().Copie));
    QTest::keyClick(&banc.fenetre, Qt::Key_Escape);
    QVERIFY(!banc.fenetre.isVisible());
}

QTEST_MAIN(TestFenetreFeuille)
#include "tst_U_image.moc"
