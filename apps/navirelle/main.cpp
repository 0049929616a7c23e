// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProfilProgramme.h"
#include "program/Lancement.h"

int main(int argc, char** argv) {
    return LancerProgramme(argc, argv, ProfilNavirelle());
}
