#include "shell/Echelle.h"

#include <cmath>

double RapportEchelle(int largeurEcran, int pixelsParPouce) {
    if (largeurEcran <= 0 || pixelsParPouce <= 0) return 1.0;
    return (largeurEcran * 96.0) / (pixelsParPouce * 800.0);
}

int AEchelle(int longueur, double rapport) { return static_cast<int>(std::lround(longueur * rapport)); }
