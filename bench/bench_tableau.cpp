// SPDX-License-Identifier: GPL-3.0-or-later
// Time to set up one table, per exercise and size, and the spread over many seeded set-ups:
// the rejection loops have no bound, so the slowest set-up matters as much as the typical one.
#include "Bancs.h"
#include "core/Hasard.h"
#include "tables/GenerateurTableau.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

void MiseEnPlace(Tableau& t, Hasard& hasard, int exercice, bool multiplication) {
    GenerateurTableau generateur(t, hasard, multiplication ? Operation::Multiplication : Operation::Addition);
    switch (exercice) {
    case 1:
        generateur.DisposerRemplir();
        break;
    case 2:
        generateur.DisposerTrouver();
        break;
    case 3:
        generateur.DisposerDefi();
        break;
    default:
        generateur.TableauPourFeuille(3);
        break; // 4: the sheet challenge, with a new table per attempt
    }
}

// Arguments: exercise (1..3, 4 = sheet challenge), size, multiplication.
void BM_MiseEnPlace(benchmark::State& etat) {
    const int exercice = static_cast<int>(etat.range(0));
    Tableau t;
    t.DefinirTaille(static_cast<int>(etat.range(1)));
    HasardSysteme hasard(12345);
    for (auto _ : etat) {
        MiseEnPlace(t, hasard, exercice, etat.range(2) != 0);
        benchmark::DoNotOptimize(t.CaseRemplie);
    }
}

// Counts the draws of a set-up: the rejection loops are what can make one set-up slow.
class HasardCompteur final : public Hasard {
  public:
    explicit HasardCompteur(quint32 graine) : hasard(graine) {}
    int Rnd(int n) override {
        ++tirages;
        return hasard.Rnd(n);
    }
    void Randomize() override {}
    int tirages = 0;

  private:
    HasardSysteme hasard;
};

double DureeMicro(int exercice, int taille, bool multiplication, quint32 graine) {
    Tableau t;
    t.DefinirTaille(taille);
    HasardSysteme hasard(graine);
    const auto debut = std::chrono::steady_clock::now();
    MiseEnPlace(t, hasard, exercice, multiplication);
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut).count();
}

// Over many seeds (100,000): the median set-up time, and the seed that draws the most, timed on
// its own (best of 200 runs, so that a busy machine does not pass for a slow rule).
void PireCas(benchmark::State& etat, int nbGraines) {
    const int exercice = static_cast<int>(etat.range(0)), taille = static_cast<int>(etat.range(1));
    std::vector<double> durees(static_cast<size_t>(nbGraines));
    int plusDeTirages = 0;
    quint32 pireGraine = 0;
    for (auto _ : etat) {
        for (int graine = 0; graine < nbGraines; ++graine) {
            const bool multiplication = graine % 2 == 1;
            durees[static_cast<size_t>(graine)] =
                DureeMicro(exercice, taille, multiplication, static_cast<quint32>(graine));
            Tableau t;
            t.DefinirTaille(taille);
            HasardCompteur compteur(static_cast<quint32>(graine));
            MiseEnPlace(t, compteur, exercice, multiplication);
            if (compteur.tirages > plusDeTirages) {
                plusDeTirages = compteur.tirages;
                pireGraine = static_cast<quint32>(graine);
            }
        }
    }
    std::sort(durees.begin(), durees.end());
    double pire = 1e9;
    for (int essai = 0; essai < 200; ++essai)
        pire = std::min(pire, DureeMicro(exercice, taille, pireGraine % 2 == 1, pireGraine));
    etat.counters["median_us"] = durees[durees.size() / 2];
    etat.counters["p99.9_us"] = durees[durees.size() * 999 / 1000];
    etat.counters["max_tirages"] = plusDeTirages;
    etat.counters["pire_us"] = pire;
}

void TaillesDuJeu(benchmark::internal::Benchmark* b) {
    for (int exercice = 1; exercice <= 4; ++exercice)
        for (int taille = exercice == 4 ? 0 : 1; taille <= TailleMax; ++taille)
            for (int multiplication = 0; multiplication <= 1; ++multiplication)
                b->Args({exercice, taille, multiplication});
}

void TaillesPireCas(benchmark::internal::Benchmark* b) {
    for (int exercice = 1; exercice <= 4; ++exercice)
        for (int taille = exercice == 4 ? 0 : 1; taille <= TailleMax; ++taille)
            b->Args({exercice, taille});
}

void Enregistrer(bool rapide) {
    auto* miseEnPlace = benchmark::RegisterBenchmark("BM_MiseEnPlace", BM_MiseEnPlace)
                            ->Apply(TaillesDuJeu)
                            ->ArgNames({"exercice", "taille", "x"})
                            ->Unit(benchmark::kMicrosecond);
    if (rapide) miseEnPlace->MinTime(0.001);
    const int nbGraines = rapide ? 1000 : 100000;
    benchmark::RegisterBenchmark(("BM_PireCasSur" + std::to_string(nbGraines) + "Graines").c_str(),
                                 [nbGraines](benchmark::State& etat) { PireCas(etat, nbGraines); })
        ->Apply(TaillesPireCas)
        ->ArgNames({"exercice", "taille"})
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    return Bancs::Lancer<Bancs::SansApplication>(argc, argv, Enregistrer);
}
