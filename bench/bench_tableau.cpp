// Time to set up one table, per exercise and size, and the spread over many seeded set-ups:
// the rejection loops have no bound, so the slowest set-up matters as much as the typical one.
#include "shell/Hasard.h"
#include "tables/GenerateurTableau.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

void MiseEnPlace(Tableau& t, Hasard& hasard, int exercice, bool multiplication) {
    GenerateurTableau generateur(t, hasard, multiplication ? QStringLiteral("x") : QStringLiteral("+"));
    switch (exercice) {
    case 1: generateur.DisposerRemplir(); break;
    case 2: generateur.DisposerTrouver(); break;
    case 3: generateur.DisposerDefi(); break;
    default: generateur.TableauPourFeuille(3); break; // 4: the sheet challenge, with a new table per attempt
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

void BM_PireCasSur100000Graines(benchmark::State& etat) {
    const int exercice = static_cast<int>(etat.range(0));
    constexpr int NbGraines = 100000;
    std::vector<double> durees(NbGraines);
    for (auto _ : etat) {
        Tableau t;
        t.DefinirTaille(static_cast<int>(etat.range(1)));
        for (int graine = 0; graine < NbGraines; ++graine) {
            HasardSysteme hasard(static_cast<quint32>(graine));
            const auto debut = std::chrono::steady_clock::now();
            MiseEnPlace(t, hasard, exercice, graine % 2 == 1);
            durees[static_cast<size_t>(graine)] =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut).count();
        }
    }
    std::sort(durees.begin(), durees.end());
    etat.counters["median_us"] = durees[durees.size() / 2];
    etat.counters["p99.9_us"] = durees[durees.size() * 999 / 1000];
    etat.counters["max_us"] = durees.back();
}

void TaillesDuJeu(benchmark::internal::Benchmark* b) {
    for (int exercice = 1; exercice <= 4; ++exercice)
        for (int taille = exercice == 4 ? 0 : 1; taille <= TailleMax; ++taille)
            for (int multiplication = 0; multiplication <= 1; ++multiplication) b->Args({exercice, taille, multiplication});
}

void TaillesPireCas(benchmark::internal::Benchmark* b) {
    for (int exercice = 1; exercice <= 4; ++exercice)
        for (int taille = exercice == 4 ? 0 : 1; taille <= TailleMax; ++taille) b->Args({exercice, taille});
}

} // namespace

BENCHMARK(BM_MiseEnPlace)->Apply(TaillesDuJeu)->ArgNames({"exercice", "taille", "x"})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PireCasSur100000Graines)
    ->Apply(TaillesPireCas)
    ->ArgNames({"exercice", "taille"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
