#pragma once

struct ProfilProgramme;

// The whole program entry of carrelis and navirelle: application, state, windows, event loop.
int LancerProgramme(int argc, char** argv, const ProfilProgramme& profil);

// Whether a graphical session can be reached (an X or Wayland display, or a platform chosen).
bool EcranDisponible();
