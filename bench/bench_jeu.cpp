// SPDX-License-Identifier: GPL-3.0-or-later
// From the Enter key in a cell to the judged cell repainted on screen: the pupil must see
// "Juste" or "Faux" within one frame (16 ms). The window is the real one, on the offscreen
// platform; only Enter, the judging and the repaint are timed.
#include "Bancs.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "support/FenetreTemoin.h"
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
    FenetresTemoins fenetres(prog);
    // "Bilan" opens the results window modally at the end of each table: a stand-in that closes at
    // once lets the run go on, and keeps the results files out of the folder the run starts in.
    fenetres.Enregistrer(IdFenetre::Bilan, std::make_unique<FenetreTemoin>());
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
    int tableauxFinis = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        auto cellule = PremiereCaseATrouver(tableau);
        if (!cellule) {
            QTest::mouseClick(bilan, Qt::LeftButton);
            QTest::mouseClick(nouveau, Qt::LeftButton);
            cellule = PremiereCaseATrouver(tableau);
            ++tableauxFinis;
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
    etat.counters["tableaux_finis"] = tableauxFinis;
}

// The quick pass still goes through the end of at least two tables: a 7 x 7 table has under 64
// cells to find.
void Enregistrer(bool rapide) {
    benchmark::RegisterBenchmark("BM_ToucheEntreeJusquALaCaseRepeinte", BM_ToucheEntreeJusquALaCaseRepeinte)
        ->ArgName("exercice")
        ->Arg(1)
        ->Arg(3)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(rapide ? 150 : 2000);
}

} // namespace

int main(int argc, char** argv) {
    return Bancs::Lancer<QApplication>(argc, argv, Enregistrer);
}
