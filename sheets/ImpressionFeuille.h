// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DessinFeuille.h"
#include "sheets/SerieFeuilles.h"

#include <vector>

class Hasard;

// Printing carrelis's sheets on a paged device: a QPrinter chosen in the print dialog, or a
// QPdfWriter. Each call turns the page as the layout needs and runs one job; false when the job
// could not start (no printer, unwritable file) or did not end well.

// The sheet window's "Imprimer": the tables of the preview, in every layout.
bool ImprimerFeuille(const Destination& vers, const FeuilleTableaux& feuille);
// The answer key of the sheet: the same tables with every header and cell written in.
bool ImprimerCorrige(const Destination& vers, const FeuilleTableaux& feuille);

// A class set: `nombre` sheets with the settings of `modele`, each with new tables of its own,
// all different from one another.
std::vector<FeuilleTableaux> TirerSerie(const FeuilleTableaux& modele, int nombre, Hasard& hasard);
// The class set in one job, each sheet followed by its key if asked; the sheets are those of
// TirerSerie.
bool ImprimerSerie(const Destination& vers, const FeuilleTableaux& modele, const ChoixSerie& choix,
                   Hasard& hasard, const Progression& progression = {});

// The results window's "Imprimer l'exercice": the table as the game left it (its given cells,
// not the pupil's answers), alone on a landscape page.
bool ImprimerExercice(const Destination& vers, const ContenuTableau& contenu);
