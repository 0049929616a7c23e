// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TravailImpression.h"

class PlateForme;
class QWidget;

// A long print started from a window: ImprimerDepuisFenetre with a progress bar over the pages
// drawn, in `fenetre`, while the job is composed.
bool ImprimerAvecProgression(PlateForme& plate, QWidget& fenetre, const QString& titre,
                             QPageLayout::Orientation orientation, int nombrePages,
                             const std::function<bool(const Destination&, const Progression&)>& travail);
