// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

struct PixelsIcone;
struct ProfilProgramme;

// The whole program entry of carrelis and navirelle: application, state, windows, event loop.
int LancerProgramme(int argc, char** argv, const ProfilProgramme& profil);

// Whether a graphical session can be reached (an X or Wayland display, or a platform chosen).
bool EcranDisponible();

// The application's name for the desktop; no display name, which the desktop would append to
// every caption ("Préférences — Carrelis").
void NommerApplication(const ProfilProgramme& profil);

// The program's window icon, from the pictures it is built with; null when it has none.
QIcon IconeProgramme(const QList<PixelsIcone>& pixels);

// What the application gets before its first window: its names, French dates and numbers, the
// menu bar kept in the window and the program's style.
void PreparerApplication(const ProfilProgramme& profil);
