// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>

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
