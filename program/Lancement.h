// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

struct ProfilProgramme;

// The whole program entry of carrelis and navirelle: application, state, windows, event loop.
int LancerProgramme(int argc, char** argv, const ProfilProgramme& profil);

// Whether a graphical session can be reached (an X or Wayland display, or a platform chosen).
bool EcranDisponible();

// The application's name for the desktop; no display name, which the desktop would append to
// every caption ("Préférences — Carrelis").
void NommerApplication(const ProfilProgramme& profil);

// The program's icon at the sizes a desktop shows, read from a hicolor folder
// (<dossier>/48x48/apps/<nom>.png...); null when none is there.
QIcon IconeProgramme(const QString& dossierIcones, const QString& nom);

// What the application gets before its first window: its names, French dates and numbers, the
// menu bar kept in the window and the program's style.
void PreparerApplication(const ProfilProgramme& profil);
