// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDir;

// The printed sheets of both programs as PDF files, each page also rendered at 300 dpi to PNG
// (by pdftoppm, when it is there), for a look at what comes out of the printer: carrelis's five
// layouts, a key and the first pages of a class set; navirelle's three exercises in colour and
// in black and white, and a key. Adds the files written to `total`.
bool CapturerFeuilles(const QDir& sortie, int& total);
