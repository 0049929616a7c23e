// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class PlateForme;

// Every window calls this once, at creation: the geometry and fonts of the window and of all
// its controls, laid out for 800 x 600 at 96 dpi, follow the real screen's width.
void MettreAEchelle(QWidget& fenetre, const PlateForme& plateForme);
void MettreAEchelle(QWidget& fenetre, double rapport);
