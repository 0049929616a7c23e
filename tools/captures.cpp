// SPDX-License-Identifier: GPL-3.0-or-later
// Builds each program's windows on a scripted screen of 800 x 600 and 1024 x 768 and saves
// every window as <program>_<window>_<width>x<height>.png in the folder given as first argument,
// plus the table exercises at the start, in the middle and finished, the sheet windows in a few
// states, and the printed sheets (PDF, and PNG at 300 dpi).
// The second argument is the folder whose pictures and help the programs find, as in their
// program folder.
#include "core/FichierTexte.h"
#include "core/Programme.h"
#include "editor/U_traitexte.h"
#include "program/Fenetres.h"
#include "results/Bilan.h"
#include "results/U_Edit3.h"
#include "results/U_bilan.h"
#include "results/Unit_choix_imp_ind.h"
#include "results/Unit_efface_bilans.h"
#include "support/PlateFormeTest.h"
#include "support/Signes.h"
#include "tables/CaseTableau.h"
#include "tables/GenerateurTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"
#include "tools/CapturesFeuilles.h"
#include "tools/CapturesJeuxVoiliers.h"
#include "tools/CapturesSuivi.h"
#include "tools/CapturesVoiliers.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

namespace {

struct Capture {
    const ProfilProgramme& profil;
    QSize ecran;
    QDir sortie;
    int enregistrees = 0;
    bool echec = false;

    void Enregistrer(QWidget& fenetre, const QString& nom) {
        QApplication::processEvents();
        const QString fichier = sortie.filePath(QStringLiteral("%1_%2_%3x%4.png")
                                                    .arg(profil.NomExecutable, nom)
                                                    .arg(ecran.width())
                                                    .arg(ecran.height()));
        if (fenetre.grab().save(fichier)) {
            ++enregistrees;
        } else {
            std::fprintf(stderr, "captures: cannot write %s\n", qPrintable(fichier));
            echec = true;
        }
    }
};

// Answers the cells to be found in reading order, the second one wrong, until `jusqua` answers.
void Repondre(TF_Jeu_Carrelis_T& jeu, const Tableau& t, int jusqua) {
    auto* clavier = jeu.findChild<QLineEdit*>(QStringLiteral("Pourcurseur"));
    int rang = 0;
    for (int r = 0; r <= t.NbLignes && rang < jusqua; ++r)
        for (int c = 0; c <= t.NbColonnes && rang < jusqua; ++c) {
            if (t.CaseRemplie[c][r]) continue;
            QTest::mouseClick(jeu.Cellule(c, r), Qt::LeftButton);
            QTest::keyClicks(clavier, QString::number(rang == 1 ? t.Valeurs[c][r] + 1 : t.Valeurs[c][r]));
            QTest::keyClick(clavier, Qt::Key_Return);
            ++rang;
        }
}

void CapturerJeux(Capture& capture, Programme& prog, Fenetres& fenetres) {
    auto* jeu = fenetres.Obtenir<TF_Jeu_Carrelis_T>(IdFenetre::JeuCarrelis);
    if (!jeu) return;
    const Operation operations[] = {Operation::Addition, Operation::Addition, Operation::Multiplication,
                                    Operation::Addition};
    for (int numJeu = 1; numJeu <= 3; ++numJeu) {
        prog.Prefs.TailleJeu(numJeu) = static_cast<quint8>(numJeu == 1 ? 3 : numJeu == 2 ? 6 : 7);
        jeu->Ouvrir(ChoixExercice{numJeu, operations[numJeu]});
        capture.Enregistrer(*jeu, QStringLiteral("Jeu%1_debut").arg(numJeu));
        Repondre(*jeu, jeu->TableauJoue(), 3);
        // A cell chosen, digits typed, the wrong answer still on show.
        const auto suivante = PremiereCaseATrouver(jeu->TableauJoue());
        QTest::mouseClick(jeu->Cellule(suivante->x(), suivante->y()), Qt::LeftButton);
        QTest::keyClicks(jeu->findChild<QLineEdit*>(QStringLiteral("Pourcurseur")), QStringLiteral("1"));
        capture.Enregistrer(*jeu, QStringLiteral("Jeu%1_milieu").arg(numJeu));
        Repondre(*jeu, jeu->TableauJoue(), 100);
        capture.Enregistrer(*jeu, QStringLiteral("Jeu%1_fin").arg(numJeu));
        jeu->hide();
    }
    // The results window of the last game with everything the teacher can allow.
    const ResultatPartie partie{3, jeu->Compteurs(), [](const Destination&) { return true; }};
    if (auto* bilan = qobject_cast<TF_bilan*>(fenetres.Fenetre(IdFenetre::Bilan))) {
        prog.Prefs.EnregistrerBilans = prog.Prefs.BilansIndividuels = 1;
        prog.Prefs.ImprimerResultats = prog.Prefs.ImprimerExercice = 1;
        bilan->Preparer(partie, ReglagesDuProgramme(prog, QStringLiteral("Léa")));
        bilan->show();
        capture.Enregistrer(*bilan, QStringLiteral("F_bilan_complet"));
        bilan->hide();
    }
    if (auto* rapport = qobject_cast<TF_Edit3*>(fenetres.Fenetre(IdFenetre::Edit3))) {
        rapport->Composer(
            ComposerBilan(prog.Profil(), partie, prog.Plate().Maintenant(), QStringLiteral("Léa")));
        rapport->show();
        capture.Enregistrer(*rapport, QStringLiteral("F_Edit3_compose"));
        rapport->hide();
    }
}

// The teacher's results windows over a folder of a class: the chooser with a pupil chosen, the
// manager with what it found.
void CapturerBilans(Capture& capture, Programme& prog, PlateFormeTest& plate, Fenetres& fenetres) {
    QTemporaryDir dossier, corbeille;
    for (const char* nom :
         {"CE1.elv", "CM2.elv", "Bilan CM2 Léa.txt", "Bilan CM2 Émile.txt", "Bilan CM2 Hugo.txt",
          "Bilan CE1 Paul.txt", "Bilan individuel Max.txt", "Bilan trimestre.rtf"}) {
        QFile fichier(QDir(dossier.path()).filePath(QString::fromUtf8(nom)));
        fichier.open(QIODevice::WriteOnly);
    }
    QFile general(QDir(dossier.path()).filePath(prog.Profil().FichierBilan));
    general.open(QIODevice::WriteOnly);
    const QString repertoire = std::exchange(prog.RepProgramme, dossier.path());
    if (auto* choix = fenetres.Obtenir<TF_choix_imp_ind>(IdFenetre::ChoixImpInd)) {
        choix->Preparer(prog.Dossier());
        choix->show();
        auto* classes = choix->findChild<QListWidget*>(QStringLiteral("ListBox3"));
        classes->setCurrentRow(1);
        auto* eleves = choix->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        eleves->setCurrentRow(1);
        capture.Enregistrer(*choix, QStringLiteral("F_choix_imp_ind_classe"));
        choix->hide();
    }
    if (auto* gestion = fenetres.Obtenir<TF_efface_bilans>(IdFenetre::EffaceBilans)) {
        gestion->Preparer(prog.Dossier());
        gestion->show();
        capture.Enregistrer(*gestion, QStringLiteral("F_efface_bilans_trouves"));
        // The teacher says yes: the pupils' files go to the trash, the teacher's own file stays.
        plate.reponsesQuestions = {true};
        plate.corbeille = corbeille.path();
        if (auto* effacer = gestion->findChild<QPushButton*>(QStringLiteral("BoutonEffaceI")))
            effacer->click();
        capture.Enregistrer(*gestion, QStringLiteral("F_efface_bilans_effaces"));
        gestion->hide();
    }
    prog.RepProgramme = repertoire;
}

// The text editor on a general results file, on a formatted letter, which is also printed
// (<program>_F_Traitexte_impression.pdf) to be looked at at the printer's resolution, on a table
// written by a converter, and the progress bar of a long file being opened.
void CapturerEditeur(Capture& capture, Programme& prog, PlateFormeTest& plate, Fenetres& fenetres) {
    auto* editeur = fenetres.Obtenir<TF_Traitexte>(IdFenetre::Traitexte);
    if (!editeur) return;
    QTemporaryDir dossier;
    const QString repertoire = std::exchange(prog.RepProgramme, dossier.path());
    QStringList lignes;
    for (const char* eleve : {"Léa", "Hugo", "Émile"})
        lignes << QString() << QString::fromUtf8(eleve) << prog.Profil().TitresBilan[1]
               << QStringLiteral("Le 06/12/2002   à  14:35:10")
               << QStringLiteral("Nombre total de bonnes réponses : \t14 / 20") << QString()
               << QStringLiteral("Nombre d'erreurs : \t3");
    QFile bilan(QDir(dossier.path()).filePath(prog.Profil().FichierBilan));
    if (bilan.open(QIODevice::WriteOnly)) bilan.write(FichierTexte::EncoderLignes(lignes));
    bilan.close();
    editeur->Preparer(TexteAOuvrir::Bilan(prog.Profil().FichierBilan));
    editeur->show();
    capture.Enregistrer(*editeur, QStringLiteral("F_Traitexte_bilan"));
    editeur->findChild<QAction*>(QStringLiteral("Quitter1"))->trigger();

    const QString lettre = QDir(dossier.path()).filePath(QStringLiteral("Lettre.rtf"));
    QFile rtf(lettre);
    if (rtf.open(QIODevice::WriteOnly))
        rtf.write(
            "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}{\\f2 Courier New;}}"
            "{\\colortbl;\\red16\\green40\\blue140;\\red200\\green0\\blue0;}"
            "\\pard\\qc\\sa240{\\f0\\fs40\\b\\cf1 Sortie \\'e0 la for\\'eat}\\par"
            "\\pard\\fi720\\sa120{\\f1\\fs26 Chers parents, la classe de CM2 ira en for\\'eat le "
            "{\\b mardi 12 mai}. Pr\\'e9voyez des {\\i bottes}, un {\\ul imperm\\'e9able} et un "
            "go\\'fbter ; le prix est de 4{\\super e} \\'e9tape {\\strike 5 \\'80} 3 \\'80.}\\par"
            "\\pard\\li720\\tx3600{\\f2\\fs22 D\\'e9part\\tab 8 h 30\\line Retour\\tab 16 h 30}\\par"
            "\\pard\\qr{\\f1\\fs26\\cf2\\i La ma\\'eetresse}\\par}");
    rtf.close();
    editeur->Preparer({});
    editeur->show();
    plate.reponsesOuvrir = {lettre};
    editeur->findChild<QAction*>(QStringLiteral("Ouvrir1"))->trigger();
    capture.Enregistrer(*editeur, QStringLiteral("F_Traitexte_mis_en_forme"));
    plate.fichierPdf =
        capture.sortie.filePath(capture.profil.NomExecutable + QStringLiteral("_F_Traitexte_impression.pdf"));
    editeur->findChild<QAction*>(QStringLiteral("Imprimer1"))->trigger();
    plate.fichierPdf.clear();
    editeur->findChild<QAction*>(QStringLiteral("Quitter1"))->trigger();

    const QString tableau = QDir(dossier.path()).filePath(QStringLiteral("Tableau.rtf"));
    QByteArray rangees =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24{\\b\\caps R\\'e9sultats du trimestre}\\par";
    for (const char* rangee : {"\\b \\'c9l\\'e8ve", "L\\'e9a", "Hugo"})
        rangees += "\\trowd\\cellx2500\\cellx5000\\cellx7500\\pard\\intbl " + QByteArray(rangee) +
                   "\\par\\cell\\pard\\intbl 14 / 20\\par\\cell\\pard\\intbl 3\\par\\cell\\row";
    QFile fichierTableau(tableau);
    if (fichierTableau.open(QIODevice::WriteOnly)) fichierTableau.write(rangees + "\\pard\\par}");
    fichierTableau.close();
    editeur->show();
    plate.reponsesOuvrir = {tableau};
    editeur->findChild<QAction*>(QStringLiteral("Ouvrir1"))->trigger();
    capture.Enregistrer(*editeur, QStringLiteral("F_Traitexte_tableau"));

    const QString long_ = QDir(dossier.path()).filePath(QStringLiteral("Long.txt"));
    QFile fichierLong(long_);
    if (fichierLong.open(QIODevice::WriteOnly))
        fichierLong.write(QByteArray("Une ligne\r\n").repeated(200000));
    fichierLong.close();
    editeur->delaiProgression = std::chrono::milliseconds(0);
    editeur->tranche = std::chrono::milliseconds(0);
    QTimer::singleShot(0, editeur, [&] {
        if (auto* barre = editeur->findChild<QWidget*>(QStringLiteral("ProgressionOuverture"))) {
            capture.Enregistrer(*barre, QStringLiteral("F_Traitexte_ouverture"));
            QTest::keyClick(barre, Qt::Key_Escape);
        }
    });
    plate.reponsesOuvrir = {long_};
    editeur->findChild<QAction*>(QStringLiteral("Ouvrir1"))->trigger();
    editeur->delaiProgression = std::chrono::milliseconds(300);
    editeur->findChild<QAction*>(QStringLiteral("Quitter1"))->trigger();
    prog.RepProgramme = repertoire;
}

// The sheet window once the teacher has chosen: "3 diff." of multiplication in carrelis, a
// colour sheet of exercise 3 in navirelle.
void CapturerFenetreFeuilles(Capture& capture, Fenetres& fenetres) {
    QWidget* feuille = fenetres.Fenetre(IdFenetre::Image);
    if (!feuille) return;
    feuille->show();
    for (const char* nom : {"SpeedButton2", "NbEx_A_Imprimer3D", "BJeu3", "BCouleur"})
        if (auto* bouton = feuille->findChild<QPushButton*>(QLatin1String(nom));
            bouton && bouton->isVisible())
            QTest::mouseClick(bouton, Qt::LeftButton);
    capture.Enregistrer(*feuille, QStringLiteral("F_Image_choisie"));
    feuille->hide();
}

// The class-set dialog once the teacher typed 41 and pressed Enter: the number corrected, and
// said so in the summary.
void CapturerNombreCorrige(Capture& capture, Fenetres& fenetres) {
    QWidget* serie = fenetres.Fenetre(IdFenetre::Serie);
    auto* champ = serie ? serie->findChild<QSpinBox*>(QStringLiteral("NombreFeuilles")) : nullptr;
    if (!champ) return;
    serie->show();
    champ->selectAll();
    QTest::keyClicks(champ, QStringLiteral("41"));
    QTest::keyClick(champ, Qt::Key_Return);
    capture.Enregistrer(*serie, QStringLiteral("F_Serie_corrige"));
    serie->hide();
}

bool Capturer(Capture& capture) {
    PlateFormeTest plate;
    plate.ecran = QRect(QPoint(0, 0), capture.ecran);
    Programme prog(capture.profil, plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    for (IdFenetre id : fenetres.OrdreDeCreation()) {
        QWidget* fenetre = fenetres.Fenetre(id);
        fenetre->show();
        capture.Enregistrer(*fenetre, fenetre->objectName());
        fenetre->hide();
    }
    CapturerJeux(capture, prog, fenetres);
    CapturerBilans(capture, prog, plate, fenetres);
    CapturerEditeur(capture, prog, plate, fenetres);
    CapturerJeuxVoiliers(prog, fenetres,
                         [&](QWidget& fenetre, const QString& nom) { capture.Enregistrer(fenetre, nom); });
    CapturerFenetreFeuilles(capture, fenetres);
    CapturerNombreCorrige(capture, fenetres);
    CapturerSuivi(prog, fenetres,
                  [&](QWidget& fenetre, const QString& nom) { capture.Enregistrer(fenetre, nom); });
    return !capture.echec;
}

// Navirelle's exercises alone on the screens whose shape bounds the table: 5:4 and 16:10.
bool CapturerJeuxSeuls(Capture& capture) {
    PlateFormeTest plate;
    plate.ecran = QRect(QPoint(0, 0), capture.ecran);
    Programme prog(capture.profil, plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    CapturerJeuxVoiliers(prog, fenetres,
                         [&](QWidget& fenetre, const QString& nom) { capture.Enregistrer(fenetre, nom); });
    return !capture.echec;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir sortie(
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots")).absolutePath());
    if (!QDir().mkpath(sortie.path())) return 1;
    if (argc > 2 && !QDir::setCurrent(QString::fromLocal8Bit(argv[2]))) return 1;
    int total = 0;
    for (const ProfilProgramme& profil : {ProfilCarrelis(), ProfilNavirelle()})
        for (QSize ecran : {QSize(800, 600), QSize(1024, 768)}) {
            Capture capture{profil, ecran, sortie};
            if (!Capturer(capture)) return 1;
            total += capture.enregistrees;
        }
    for (QSize ecran : {QSize(1280, 1024), QSize(1920, 1200)}) {
        const ProfilProgramme navirelle = ProfilNavirelle();
        Capture capture{navirelle, ecran, sortie};
        if (!CapturerJeuxSeuls(capture)) return 1;
        total += capture.enregistrees;
    }
    if (!CapturerFeuilles(sortie, total)) return 1;
    if (!CapturerVoiliers(sortie, total)) return 1;
    std::printf("captures: %d pictures in %s\n", total, qPrintable(sortie.absolutePath()));
    return 0;
}
