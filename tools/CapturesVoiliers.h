// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDir;

// Navirelle's boats as PNG files for a look: every hull colour by every sail colour on screen at
// several picture sizes (the outline alone in the corner), and the sheet boats in colour and in
// black and white at 96 and 600 dpi (image and PDF). Adds the files written to `total`.
bool CapturerVoiliers(const QDir& sortie, int& total);
