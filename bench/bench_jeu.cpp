// From the Enter key in a cell to the judged cell repainted on screen: the pupil must see
// "Juste" or "Faux" within one frame (16 ms). The window is the real one, on the offscreen
// platform; only Enter, the judging and the repaint are timed.
#include "program/Fenetres.h"
#include "core/Programme.h"
#include "support/PlateFormeTest.h"
#include "tables/CaseTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void BM_ToucheEntreeJusquALaCaseRepeinte(benchmark::State& etat) {
    PlateFormeTest plate;
    plate.ecran = QRect(0, 0, 1024, 768);
    Programme prog(ProfilCarrelis(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    const int numJeu = static_cast<int>(etat.range(0));
    prog.Prefs.TailleJeu(numJeu) = 7;
    auto* jeu = fenetres.Obtenir<TF_Jeu_Carrelis_T>(IdFenetre::JeuCarrelis);
    jeu->Ouvrir(ChoixExercice{numJeu, Operation::Multiplication});
    const Tableau& tableau = jeu->TableauJoue();
    QApplication::processEvents();
    auto* clavier = jeu->findChild<QLineEdit*>(QStringLiteral("Pourcurseur"));
    auto* nouveau = jeu->findChild<QPushButton*>(QStringLiteral("Nouveau"));
    auto* bilan = jeu->findChild<QPushButton*>(QStringLiteral("BoutonBilan"));
    for (auto _ : etat) {
        etat.PauseTiming();
        auto cellule = PremiereCaseATrouver(tableau);
        if (!cellule) {
            QTest::mouseClick(bilan, Qt::LeftButton); // no results window here: the score message
            QTest::mouseClick(nouveau, Qt::LeftButton);
            cellule = PremiereCaseATrouver(tableau);
        }
        CaseTableau* caseJugee = jeu->Cellule(cellule->x(), cellule->y());
        QTest::mouseClick(caseJugee, Qt::LeftButton);
        QTest::keyClicks(clavier, QString::number(tableau.Valeurs[cellule->x()][cellule->y()]));
        QApplication::processEvents();
        etat.ResumeTiming();

        QTest::keyClick(clavier, Qt::Key_Return);
        QApplication::processEvents();
        caseJugee->repaint();
        jeu->findChild<QLabel*>(QStringLiteral("Resultat"))->repaint();
        jeu->findChild<QLabel*>(QStringLiteral("CompteurSc"))->repaint();
    }
}

} // namespace

BENCHMARK(BM_ToucheEntreeJusquALaCaseRepeinte)->ArgName("exercice")->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond)->Iterations(2000);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
