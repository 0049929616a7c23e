#pragma once

// Windows are drawn for a screen 800 pixels wide at 96 pixels per inch and grow or shrink with
// the real screen: (screen width x 96) / (pixels per inch x 800).
double RapportEchelle(int largeurEcran, int pixelsParPouce);

// A design length (pixels at 800 x 600, 96 dpi) at the given ratio, rounded to the nearest pixel.
int AEchelle(int longueur, double rapport);
