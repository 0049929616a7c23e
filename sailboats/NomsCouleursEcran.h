// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Colours said as a sighted pupil sees them on screen: the legend's names in lower case, except
// white, which the black-and-white legend names after the silver it is printed in ("Gris clair")
// and which is "blanc" here. Numbers without a name give an empty text.
QString NomCouleurEcran(int numero);
// The name agreeing with "coque" (feminine), and with "voiles" (feminine plural): "bleue",
// "bleues", "blanche", "blanches"; compound names and "marron" never change ("vert clair").
QString CouleurDeCoque(int numero);
QString CouleurDeVoiles(int numero);
