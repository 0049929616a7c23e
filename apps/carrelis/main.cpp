#include "shell/Lancement.h"
#include "shell/ProfilProgramme.h"

int main(int argc, char** argv) { return LancerProgramme(argc, argv, ProfilCarrelis()); }
