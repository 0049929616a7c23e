#include "program/Lancement.h"
#include "core/ProfilProgramme.h"

int main(int argc, char** argv) { return LancerProgramme(argc, argv, ProfilCarrelis()); }
