// SPDX-License-Identifier: GPL-3.0-or-later
// Printing sheets to PDF, as the print dialog's PDF file or a printer job receives them: the
// "3 diff." sheet of carrelis (target 50 ms), a 5 x 7 black-and-white sailboat sheet with its
// legend (target 100 ms), and class sets of 30 sheets each followed by its key (target 3 s).
// The PDF is written into memory, so that the disk's speed does not count.
#include "Bancs.h"
#include "core/Hasard.h"
#include "sailboats/ImpressionVoiliers.h"
#include "sheets/ImpressionFeuille.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

namespace {

FeuilleTableaux TroisDifferents(Hasard& hasard) {
    FeuilleTableaux f;
    f.Reglages.NbExAImprimer = ReglagesFeuille::TroisDifferents;
    f.Reglages.TailleImp1 = 4;
    f.Reglages.TailleImp2 = 6;
    f.Reglages.TailleImp3 = 8;
    f.Reglages.Consigne1 = f.Reglages.Consigne2 = f.Reglages.Consigne3 = ConsigneParDefaut();
    f.Op = Operation::Multiplication;
    f.TirerTableaux(hasard);
    return f;
}

FeuilleVoiliers Voiliers5x7(Hasard& hasard) {
    FeuilleVoiliers f;
    f.Tableau.DefinirTaille(7);
    f.NumJeu = 3;
    f.NoirEtBlanc = true;
    f.Consigne = ConsigneParDefaut();
    f.TirerCouleurs(hasard);
    return f;
}

template <class Travail> void EnPdf(benchmark::State& etat, Travail travail) {
    for (auto _ : etat) {
        QBuffer memoire;
        memoire.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoire);
        pdf.setResolution(600);
        if (!travail(pdf)) etat.SkipWithError("the job failed");
        benchmark::DoNotOptimize(memoire.size());
        etat.counters["Ko"] = double(memoire.size()) / 1024;
    }
}

void BM_FeuilleTroisDifferents(benchmark::State& etat) {
    HasardSysteme hasard(1);
    const FeuilleTableaux f = TroisDifferents(hasard);
    EnPdf(etat, [&](QPagedPaintDevice& page) { return ImprimerFeuille(page, f); });
}

void BM_FeuilleVoiliers5x7NoirEtBlanc(benchmark::State& etat) {
    HasardSysteme hasard(1);
    const FeuilleVoiliers f = Voiliers5x7(hasard);
    EnPdf(etat, [&](QPagedPaintDevice& page) { return ImprimerFeuille(page, f); });
}

const ChoixSerie TrenteAvecCorriges{ChoixSerie::Genre::Serie, 30, true};

void BM_SerieTroisDifferents30AvecCorriges(benchmark::State& etat) {
    HasardSysteme hasard(1);
    const FeuilleTableaux f = TroisDifferents(hasard);
    EnPdf(etat, [&](QPagedPaintDevice& page) { return ImprimerSerie(page, f, TrenteAvecCorriges, hasard); });
}

void BM_SerieVoiliers5x7x30AvecCorriges(benchmark::State& etat) {
    HasardSysteme hasard(1);
    const FeuilleVoiliers f = Voiliers5x7(hasard);
    EnPdf(etat, [&](QPagedPaintDevice& page) { return ImprimerSerie(page, f, TrenteAvecCorriges, hasard); });
}

} // namespace

BENCHMARK(BM_FeuilleTroisDifferents)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FeuilleVoiliers5x7NoirEtBlanc)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerieTroisDifferents30AvecCorriges)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerieVoiliers5x7x30AvecCorriges)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Fonts are measured and embedded through the application's font database.
int main(int argc, char** argv) {
    return Bancs::Lancer<QGuiApplication>(argc, argv);
}
