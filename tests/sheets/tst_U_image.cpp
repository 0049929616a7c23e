// SPDX-License-Identifier: GPL-3.0-or-later
// Carrelis's sheet window, on what is its own (what both sheet windows share is checked in
// tst_FenetreFeuille): each showing starts from addition, exercise 1 and one small table; which
// actions draw new tables and which keep them; the preview's tables printed on the page turned
// for their layout; the instructions, and the one the results window prints; a game left open
// keeps its table; the program's own dialogs.
#include "core/AideContextuelle.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/DessinFeuille.h"
#include "sheets/U_ModifChoix3D.h"
#include "sheets/U_ModifChxImp.h"
#include "sheets/U_image.h"
#include "tables/U_Jeu_Carrelis_T.h"

#include "support/DialoguesScriptes.h"
#include "support/ImpressionsFeuilles.h"
#include "support/Pdf.h"
#include "support/PlateFormeTest.h"
#include "support/TextesDessines.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QPainter>
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

// The preview's words, as they read on a drawing of the window's sheet at the preview's size.
QStringList LignesDe(const FeuilleTableaux& f, QSize taille) {
    TextesDessines apercu(taille);
    QPainter peintre(&apercu);
    DessinFeuille(peintre, taille, SurfaceFeuille::Apercu).DessinerFeuille(f);
    peintre.end();
    return LignesDeMots(apercu.Mots(), 2);
}

} // namespace

class TestFenetreTableaux : public QObject {
    Q_OBJECT

  private slots:
    void chaqueOuvertureRepartDeZero();
    void actionsEtTableaux_data();
    void actionsEtTableaux();
    void imprimeLesTableauxDeLApercu_data();
    void imprimeLesTableauxDeLApercu();
    void consigneDesFeuillesPourLeBilan();
    void unJeuOuvertGardeSonTableau();
    void troisTableauxDitsEnMots();
    void dialoguesDuProgramme();
};

void TestFenetreTableaux::chaqueOuvertureRepartDeZero() {
    Banc banc;
    banc.Cliquer("SpeedButton2");
    banc.Cliquer("BJeu3");
    banc.Cliquer("NbEx_A_Imprimer3D");
    QVERIFY(!banc.Bouton("BJeu1")->isVisible());
    banc.fenetre.hide();
    banc.fenetre.show();
    QVERIFY(banc.Bouton("Op1")->isChecked());
    QVERIFY(banc.Bouton("BJeu1")->isChecked());
    QVERIFY(banc.Bouton("NbEx_A_Imprimer1")->isChecked());
    for (const char* jeu : {"BJeu1", "BJeu2", "BJeu3"})
        QVERIFY(banc.Bouton(jeu)->isVisible());
    QCOMPARE(banc.Feuille().Copie.NbLignes, 2);
    QCOMPARE(banc.Feuille().Copie.NbColonnes, 3);
}

void TestFenetreTableaux::actionsEtTableaux_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<bool>("nouveau");    // a new table for layouts 1 to 4
    QTest::addColumn<bool>("imprimable"); // "Imprimer" offered afterwards
    QTest::addColumn<bool>("redessine");  // the preview drawn again
    QTest::newRow("the kind already chosen") << "BJeu1" << false << false << false;
    QTest::newRow("another kind") << "BJeu2" << true << true << true;
    QTest::newRow("+ again") << "Op1" << true << true << true;
    QTest::newRow("x") << "SpeedButton2" << true << true << true;
    QTest::newRow("two copies of the same table") << "NbEx_A_Imprimer2" << false << true << true;
    QTest::newRow("Nouveau") << "BoutonNouveau" << true << true << true;
    QTest::newRow("Changer, the dialog given up") << "BoutonChanger" << false << true << false;
    QTest::newRow("Consigne, the dialog given up") << "BoutonConsigne" << false << true << false;
}

void TestFenetreTableaux::actionsEtTableaux() {
    QFETCH(QString, bouton);
    QFETCH(bool, nouveau);
    QFETCH(bool, imprimable);
    QFETCH(bool, redessine);
    Banc banc;
    const Tableau avant = banc.Feuille().Copie;
    const int dessins = banc.fenetre.Apercu()->NombreDeDessins();
    banc.Cliquer(qPrintable(bouton));
    QCOMPARE(!MemeContenu(avant, banc.Feuille().Copie), nouveau);
    QCOMPARE(banc.Bouton("BoutonImprimer")->isEnabled(), imprimable);
    QCOMPARE(banc.fenetre.Apercu()->NombreDeDessins(), dessins + (redessine ? 1 : 0));
}

void TestFenetreTableaux::imprimeLesTableauxDeLApercu_data() {
    QTest::addColumn<QStringList>("boutons");
    QTest::addColumn<bool>("paysage");
    QTest::newRow("one table, landscape") << QStringList{"SpeedButton2", "BJeu2"} << true;
    QTest::newRow("three copies, portrait") << QStringList{"BJeu3", "NbEx_A_Imprimer3"} << false;
    QTest::newRow("3 diff., portrait, after Nouveau")
        << QStringList{"NbEx_A_Imprimer3D", "BoutonNouveau"} << false;
}

void TestFenetreTableaux::imprimeLesTableauxDeLApercu() {
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

void TestFenetreTableaux::consigneDesFeuillesPourLeBilan() {
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
void TestFenetreTableaux::unJeuOuvertGardeSonTableau() {
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

// A sheet of three new tables is said in words.
void TestFenetreTableaux::troisTableauxDitsEnMots() {
    Banc banc;
    ApercuFeuille* apercu = banc.fenetre.Apercu();
    banc.Cliquer("NbEx_A_Imprimer3D");
    QVERIFY(apercu->accessibleDescription().startsWith(
        QStringLiteral("Table d'addition, 3 tableaux différents ; jeu n° 1 : remplir")));
    QVERIFY(banc.plate.annonces.contains({apercu, QAccessible::DescriptionChanged}));
}

// Through the registry the window opens the program's own dialogs.
void TestFenetreTableaux::dialoguesDuProgramme() {
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

QTEST_MAIN(TestFenetreTableaux)
#include "tst_U_image.moc"
