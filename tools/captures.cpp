// Builds each program's windows on a scripted screen of 800 x 600 and 1024 x 768 and saves
// every window as <program>_<window>_<width>x<height>.png in the folder given as first argument,
// plus the table exercises at the start, in the middle and finished, the sheet windows in a few
// states, and the printed sheets (PDF, and PNG at 300 dpi).
// The second argument is the folder whose pictures and help the programs find, as in their
// program folder.
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "results/Bilan.h"
#include "results/U_Edit3.h"
#include "results/U_bilan.h"
#include "support/PlateFormeTest.h"
#include "support/Signes.h"
#include "tables/CaseTableau.h"
#include "tables/GenerateurTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"
#include "tools/CapturesFeuilles.h"
#include "tools/CapturesVoiliers.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <cstdio>

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
    const ResultatPartie partie{3, jeu->Compteurs(), [](QPagedPaintDevice&) { return true; }};
    if (auto* bilan = qobject_cast<TF_bilan*>(fenetres.Fenetre(IdFenetre::Bilan))) {
        prog.Prefs.EnregistrerBilans = prog.Prefs.BilansIndividuels = 1;
        prog.Prefs.ImprimerResultats = prog.Prefs.ImprimerExercice = 1;
        prog.NomEleve = QStringLiteral("Léa");
        bilan->Preparer(partie);
        bilan->show();
        capture.Enregistrer(*bilan, QStringLiteral("F_bilan_complet"));
        bilan->hide();
    }
    if (auto* rapport = qobject_cast<TF_Edit3*>(fenetres.Fenetre(IdFenetre::Edit3))) {
        rapport->Composer(ComposerBilan(prog, partie, QStringLiteral("Léa")));
        rapport->show();
        capture.Enregistrer(*rapport, QStringLiteral("F_Edit3_compose"));
        rapport->hide();
    }
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
    CapturerFenetreFeuilles(capture, fenetres);
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
    if (!CapturerFeuilles(sortie, total)) return 1;
    if (!CapturerVoiliers(sortie, total)) return 1;
    std::printf("captures: %d pictures in %s\n", total, qPrintable(sortie.absolutePath()));
    return 0;
}
