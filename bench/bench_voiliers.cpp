// SPDX-License-Identifier: GPL-3.0-or-later
// Boats drawn on screen: one cell (cleared, outlined, its three regions filled) on a whole
// 300 x 350 bitmap, and a whole 5 x 7 table (7 sail headers, 5 hull headers, 35 boats), each
// picture on its own 300 x 350 bitmap at the cell size of the screen height given. A table must
// appear within one frame (16 ms).
#include "Bancs.h"
#include "sailboats/Couleurs.h"
#include "sailboats/GeometrieVoiliers.h"
#include "sailboats/VoilierEcran.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_UnVoilier300x350(benchmark::State& etat) {
    QImage image(300, 350, QImage::Format_RGB32);
    for (auto _ : etat) {
        VoilierEcran v(image, image.size(), 5);
        v.EffacerImage(Argent);
        v.ContourVoilier();
        v.ColorierVoilier(Couleurs[8], Couleurs[10]);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Argument: the screen height; 1440 gives the largest cells of a 5-row table.
void BM_Tableau5x7(benchmark::State& etat) {
    const GeometrieVoiliers g = GeometrieVoiliers::Calculer(static_cast<int>(etat.range(0)), 5, 7);
    const QSize cellule(g.W, g.A);
    std::vector<QImage> images(7 + 5 + 35, QImage(300, 350, QImage::Format_RGB32));
    for (QImage& image : images)
        image.fill(Qt::white);
    for (auto _ : etat) {
        size_t i = 0;
        for (int c = 1; c <= 7; ++c) {
            VoilierEcran v(images[i++], cellule, g.Marge);
            v.EffacerImage(Argent);
            v.DessinerVoiles(Couleurs[c + 1]);
        }
        for (int r = 1; r <= 5; ++r) {
            VoilierEcran v(images[i++], cellule, g.Marge);
            v.EffacerImage(Argent);
            v.DessinerCoque(Couleurs[r + 6]);
        }
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 7; ++c) {
                VoilierEcran v(images[i++], cellule, g.Marge);
                v.EffacerImage(Argent);
                v.DessinerVoilier(Couleurs[r + 6], Couleurs[c + 1]);
            }
        benchmark::DoNotOptimize(images.back().constBits());
    }
}

} // namespace

BENCHMARK(BM_UnVoilier300x350)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tableau5x7)
    ->ArgName("ecran")
    ->Arg(600)
    ->Arg(768)
    ->Arg(1440)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return Bancs::Lancer<Bancs::SansApplication>(argc, argv);
}
