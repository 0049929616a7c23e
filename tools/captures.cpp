// Builds each program's windows on a scripted screen of 800 x 600 and 1024 x 768 and saves
// every window as <program>_<window>_<width>x<height>.png in the folder given as first argument,
// plus the table exercises at the start, in the middle and finished.
// The second argument is the folder whose pictures and help the programs find, as in their
// program folder.
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "results/Bilan.h"
#include "results/U_Edit3.h"
#include "results/U_bilan.h"
#include "sheets/DessinFeuille.h"
#include "support/PlateFormeTest.h"
#include "support/Signes.h"
#include "tables/CaseTableau.h"
#include "tables/GenerateurTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"
#include "tools/CapturesVoiliers.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
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
    return !capture.echec;
}

// The five sheet layouts of carrelis: the preview of the sheet window on an 800 x 600 screen
// (<program>_Feuille_dispositionN.png) and the printed page, A4 at 150 dpi without its margins
// (..._page.png). Both show the same tables.
bool CapturerFeuilles(const ProfilProgramme& profil, const QDir& sortie, int& total) {
    struct Cas {
        int disposition, numJeu, tailleImp;
        const char* operation;
    };
    HasardSysteme hasard(2002);
    for (const Cas& cas :
         {Cas{1, 1, 2, "+"}, Cas{2, 2, 3, "x"}, Cas{3, 3, 6, "+"}, Cas{4, 1, 8, "x"}, Cas{5, 0, 1, "x"}}) {
        FeuilleTableaux feuille;
        ReglagesFeuille& reglages = feuille.Reglages;
        reglages.NbExAImprimer = quint8(cas.disposition);
        reglages.JeuImprime = quint8(std::max(cas.numJeu, 1));
        reglages.TailleImp = quint8(cas.tailleImp);
        reglages.Consigne = cas.disposition == 3 ? QString() : ConsigneParDefaut();
        reglages.TailleImp2 = 5;
        reglages.TailleImp3 = 8;
        reglages.Consigne1 = reglages.Consigne3 = ConsigneParDefaut();
        reglages.Consigne2 = QStringLiteral("Trouve les nombres qui manquent, puis complète le tableau.");
        feuille.Op = OperationDe(QString::fromLatin1(cas.operation));
        feuille.TirerTableaux(hasard);
        const bool paysage = ReglagesFeuille::Orientation(cas.disposition) == QPageLayout::Landscape;
        for (bool page : {false, true}) {
            QImage image(page ? (paysage ? QSize(1654, 1140) : QSize(1140, 1654)) : QSize(712, 573),
                         QImage::Format_RGB32);
            const int dpi = page ? 150 : 96;
            image.setDotsPerMeterX(qRound(dpi / 0.0254));
            image.setDotsPerMeterY(qRound(dpi / 0.0254));
            image.fill(Qt::white);
            QPainter peintre(&image);
            DessinFeuille(peintre, image.size(), page ? SurfaceFeuille::Page : SurfaceFeuille::Apercu)
                .DessinerFeuille(feuille);
            peintre.end();
            const QString fichier = sortie.filePath(QStringLiteral("%1_Feuille_disposition%2%3.png")
                                                        .arg(profil.NomExecutable)
                                                        .arg(cas.disposition)
                                                        .arg(page ? QStringLiteral("_page") : QString()));
            if (!image.save(fichier)) {
                std::fprintf(stderr, "captures: cannot write %s\n", qPrintable(fichier));
                return false;
            }
            ++total;
        }
    }
    return true;
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
    if (!CapturerFeuilles(ProfilCarrelis(), sortie, total)) return 1;
    if (!CapturerVoiliers(sortie, total)) return 1;
    std::printf("captures: %d pictures in %s\n", total, qPrintable(sortie.absolutePath()));
    return 0;
}
