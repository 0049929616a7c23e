// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/PolicesEnFond.h"

#include <fontconfig/fontconfig.h>

// fontconfig keeps the configuration its first caller loads for the whole process, and loading
// it is safe from any thread.
PolicesEnFond::PolicesEnFond() : lecture([] { FcInit(); }) {}

PolicesEnFond::~PolicesEnFond() {
    Attendre();
}

void PolicesEnFond::Attendre() {
    if (lecture.joinable()) lecture.join();
}
