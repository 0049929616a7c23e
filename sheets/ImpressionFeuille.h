#pragma once

#include "sheets/DessinFeuille.h"

class QPagedPaintDevice;

// Printing on a paged device: a QPrinter chosen in the print dialog, or a QPdfWriter. Each call
// turns the page as the layout needs, runs one job of one page and ends it; false when the job
// could not start (no printer, unwritable file) or did not end well.

// The sheet window's "Imprimer": layouts 1 to 4 print `tableau` as it stands, layout 5 draws
// three new tables, so that sheet differs from its preview.
bool ImprimerFeuille(QPagedPaintDevice& page, const ReglagesFeuille& reglages, Tableau& tableau,
                     Operation operation, int numJeu, Hasard& hasard);

// The results window's "Imprimer l'exercice": the table as the game left it (its given cells,
// not the pupil's answers), alone on a landscape page.
bool ImprimerExercice(QPagedPaintDevice& page, const ContenuTableau& contenu);
