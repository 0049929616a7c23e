// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"
#include "tables/Tableau.h"

#include <QPoint>
#include <QRect>

#include <optional>

class QFont;

// Directions of the arrow keys in a table.
enum class Direction { Gauche, Droite, Haut, Bas };

// The next cell still to be found from (c, r) in a direction, headers included; none when the
// edge is reached first. Starting on the edge, only the current cell itself is looked at.
std::optional<QPoint> ChercherCase(const Tableau& t, QPoint depart, Direction direction);

// The first cell still to be found, row by row: where the keyboard starts in a new table.
std::optional<QPoint> PremiereCaseATrouver(const Tableau& t);
// The next cell still to be found after (c, r), row by row, starting again at the top: the
// arrows alone cannot always reach a cell left on another row and column (Space key).
std::optional<QPoint> CaseSuivanteATrouver(const Tableau& t, QPoint depart);

// What a screen reader says of cell (c, r): where it stands and what it shows.
QString DescriptionCase(const Tableau& t, int c, int r, Operation operation, const QString& etat = {});

// Geometry of the exercise table on a screen of height H (integer arithmetic as the layout
// rules give it).
namespace DispositionJeu {
// Cell side for a table of NbLignes x NbColonnes, from the screen height; on screens narrower
// than 4:3 (5:4) the width left of the counters (largeurGauche) bounds it too, so that the frame
// keeps a margin on both sides.
int TailleCase(int hauteurEcran, int nbLignes, int nbColonnes, int largeurGauche);
// The frame around the table, centred left of the counters (bordGauche: left edge of the right-hand
// column) and above the status bar (hautBarre: its top edge); halves truncated toward zero.
QRect CadreTableau(int tailleCase, int nbLignes, int nbColonnes, int bordGauche, int hautBarre);
// Cell (c, r) inside that frame.
QRect Case(const QRect& cadre, int tailleCase, int c, int r);
// Margin of the white inner panel of the answer window.
int MargeReponse(int hauteurEcran);
// Largest font size, from 71 down, at which "100" is narrower than the answer area.
int TaillePolice(const QFont& police, int largeurZone);
} // namespace DispositionJeu
