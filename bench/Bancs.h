// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>

// The main() of every benchmark program.
namespace Bancs {

// For the benchmarks of the model alone, which need no Qt application.
struct SansApplication {
    SansApplication(int&, char**) {}
};

// "--rapide": one short pass over every benchmark and every argument, as the test run makes it.
// It shows that each benchmark still runs to its end; the times it prints mean nothing.
// The switch is taken out of the arguments before Google Benchmark reads them.
inline bool PrendreModeRapide(int& argc, char** argv) {
    bool rapide = false;
    int gardes = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rapide") == 0)
            rapide = true;
        else
            argv[gardes++] = argv[i];
    }
    argc = gardes;
    argv[argc] = nullptr;
    return rapide;
}

// Registers the benchmarks (enregistrer is told whether this is the quick pass; those of the
// BENCHMARK macros are registered already), makes the Qt application they need, on the offscreen
// platform unless another is asked for, and runs them. An argument Google Benchmark does not
// know fails the run, so that a misspelt filter does not measure nothing. terminer runs after
// the benchmarks, while the application still exists: what holds windows lets them go there.
template <class Application>
int Lancer(int argc, char** argv, const std::function<void(bool rapide)>& enregistrer = {},
           const std::function<void()>& terminer = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool rapide = PrendreModeRapide(argc, argv);
    if (enregistrer) enregistrer(rapide);
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (terminer) terminer();
    return 0;
}

} // namespace Bancs
