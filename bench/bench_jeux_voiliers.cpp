// SPDX-License-Identifier: GPL-3.0-or-later
// Navirelle's exercise windows, the real ones on the offscreen platform: a new 5 x 7 table set up
// and painted; in exercise 1 a click on a cell until the boat, the bar and "Juste" are repainted;
// in exercise 3 a click on a part until it is filled and the counters repainted. All must fit in
// one frame (16 ms).
#include "Bancs.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/PaletteCouleurs.h"
#include "sailboats/TableauImages.h"
#include "sailboats/U_Jeu_1.h"
#include "sailboats/U_Jeu_23.h"
#include "support/FenetreTemoin.h"
#include "support/PlateFormeTest.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// A program on a 1024 x 768 screen whose results window is a stand-in that closes at once.
struct Banc {
    Banc() : prog(ProfilNavirelle(), plate, std::make_unique<HasardSysteme>(2002)), fenetres(prog) {
        plate.ecran = QRect(0, 0, 1024, 768);
        fenetres.Enregistrer(IdFenetre::Bilan, std::make_unique<FenetreTemoin>());
        fenetres.CreerAuDemarrage();
        for (int n = 1; n <= 3; ++n)
            prog.Prefs.TailleJeu(n) = 7;
    }
    PlateFormeTest plate;
    Programme prog;
    FenetresTemoins fenetres;
};

QPushButton* Bouton(QWidget* fenetre, const char* nom) {
    return fenetre->findChild<QPushButton*>(QLatin1String(nom));
}

void BM_Jeu1_NouveauTableau5x7(benchmark::State& etat) {
    Banc banc;
    auto* jeu = banc.fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    jeu->Ouvrir(ChoixExercice{1, {}});
    QApplication::processEvents();
    for (auto _ : etat) {
        QTest::mouseClick(Bouton(jeu, "BoutonNouveauJeu"), Qt::LeftButton);
        jeu->repaint();
    }
}

void BM_Jeu1_ClicJusquAuBateauDessine(benchmark::State& etat) {
    Banc banc;
    auto* jeu = banc.fenetres.Obtenir<TF_Jeu_1>(IdFenetre::Jeu1);
    jeu->Ouvrir(ChoixExercice{1, {}});
    QApplication::processEvents();
    int tableaux = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        if (jeu->Partie().EtapeEnCours() != PartieRemplir::Etape::EnJeu) {
            if (jeu->Partie().EtapeEnCours() == PartieRemplir::Etape::Terminee) {
                QTest::mouseClick(Bouton(jeu, "BoutonBilan"), Qt::LeftButton);
                QTest::mouseClick(Bouton(jeu, "BoutonNouveauJeu"), Qt::LeftButton);
                ++tableaux;
            }
            QTest::mouseClick(Bouton(jeu, "BoutonCommencer"), Qt::LeftButton);
            QApplication::processEvents();
        }
        ImageVoilier* cellule =
            jeu->Tableau()->Case(jeu->Partie().LigneEnCours(), jeu->Partie().ColonneEnCours());
        etat.ResumeTiming();

        QTest::mouseClick(cellule, Qt::LeftButton);
        cellule->repaint();
        jeu->findChild<QWidget*>(QStringLiteral("PanelBScore"))->repaint();
        jeu->findChild<QLabel*>(QStringLiteral("Appreciation"))->repaint();
        jeu->findChild<QWidget*>(QStringLiteral("PanelProposition"))->repaint();
    }
    etat.counters["tableaux_finis"] = tableaux;
}

void BM_Jeu23_NouveauTableau5x7(benchmark::State& etat) {
    Banc banc;
    auto* jeu = banc.fenetres.Obtenir<TF_Jeu_23>(IdFenetre::Jeu23);
    jeu->Ouvrir(ChoixExercice{static_cast<int>(etat.range(0)), {}});
    QApplication::processEvents();
    for (auto _ : etat) {
        QTest::mouseClick(Bouton(jeu, "BoutonNouveauJeu"), Qt::LeftButton);
        jeu->repaint();
    }
}

// The next part to colour of exercise 3, the palette already on its colour: its picture and the
// point of the click. Headers first, then the boats.
std::pair<ImageVoilier*, QPoint> PartieSuivante(TF_Jeu_23& jeu) {
    const PartieColorier& p = jeu.Partie();
    const TableauVoiliers& t = p.Tableau();
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        if (p.EnteteAColorier(PartieBateau::Coque, r)) {
            jeu.Palette()->Choisir(t.CouleursCoques[r]);
            return {jeu.Tableau()->EnteteCoque(r), QPoint(5, 5)};
        }
    for (int c = 1; c <= t.NbTotalHaut; ++c)
        if (p.EnteteAColorier(PartieBateau::Voiles, c)) {
            jeu.Palette()->Choisir(t.CouleursVoiles[c]);
            return {jeu.Tableau()->EnteteVoiles(c), QPoint(5, 5)};
        }
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c) {
            if (!p.CaseAColorier(r, c)) continue;
            ImageVoilier* image = jeu.Tableau()->Case(r, c);
            const int pont = VoilierEcran::LigneFlottaison(image->height());
            const bool voiles = !p.CouleurCase(r, c, PartieBateau::Voiles);
            jeu.Palette()->Choisir(voiles ? t.CouleursVoiles[c] : t.CouleursCoques[r]);
            return {image, QPoint(image->width() / 2, voiles ? pont / 2 : pont + 2)};
        }
    return {nullptr, QPoint()};
}

void BM_Jeu3_ClicJusquALaPartieColoriee(benchmark::State& etat) {
    Banc banc;
    auto* jeu = banc.fenetres.Obtenir<TF_Jeu_23>(IdFenetre::Jeu23);
    jeu->Ouvrir(ChoixExercice{3, {}});
    QApplication::processEvents();
    int tableaux = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        if (jeu->Partie().Terminee()) {
            QTest::mouseClick(Bouton(jeu, "BoutonBilan"), Qt::LeftButton);
            QTest::mouseClick(Bouton(jeu, "BoutonNouveauJeu"), Qt::LeftButton);
            ++tableaux;
        }
        const auto [image, point] = PartieSuivante(*jeu);
        QApplication::processEvents();
        etat.ResumeTiming();

        QTest::mouseClick(image, Qt::LeftButton, {}, point);
        image->repaint();
        jeu->findChild<QLabel*>(QStringLiteral("LabelBR"))->repaint();
        jeu->findChild<QLabel*>(QStringLiteral("Appreciation"))->repaint();
    }
    etat.counters["tableaux_finis"] = tableaux;
}

void Enregistrer(bool rapide) {
    const int fois = rapide ? 40 : 1000;
    benchmark::RegisterBenchmark("BM_Jeu1_NouveauTableau5x7", BM_Jeu1_NouveauTableau5x7)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(rapide ? 3 : 200);
    // The quick pass still goes through the end of a table: 35 boats.
    benchmark::RegisterBenchmark("BM_Jeu1_ClicJusquAuBateauDessine", BM_Jeu1_ClicJusquAuBateauDessine)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(fois);
    benchmark::RegisterBenchmark("BM_Jeu23_NouveauTableau5x7", BM_Jeu23_NouveauTableau5x7)
        ->ArgName("exercice")
        ->Arg(2)
        ->Arg(3)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(rapide ? 3 : 200);
    // The quick pass goes through the end of a table: 68 parts.
    benchmark::RegisterBenchmark("BM_Jeu3_ClicJusquALaPartieColoriee", BM_Jeu3_ClicJusquALaPartieColoriee)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(rapide ? 80 : 1000);
}

} // namespace

int main(int argc, char** argv) {
    return Bancs::Lancer<QApplication>(argc, argv, Enregistrer);
}
