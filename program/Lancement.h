// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ProfilProgramme;

// The whole program entry of carrelis and navirelle: application, state, windows, event loop.
int LancerProgramme(int argc, char** argv, const ProfilProgramme& profil);

// Whether a graphical session can be reached (an X or Wayland display, or a platform chosen).
bool EcranDisponible();

// The application's name for the desktop; no display name, which the desktop would append to
// every caption ("Préférences — Carrelis").
void NommerApplication(const ProfilProgramme& profil);
