// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Tirage.h"

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

// The editor's text on paper: laid out again for the page (its fonts at the printer's
// resolution, 2 cm margins), over as many pages as it needs, in one job.
namespace ImpressionTexte {

// Draws the pages and copies the destination asks for. False when the device would not take the
// pages (a PDF file that cannot be written, a printer gone) or none of them exists.
bool Imprimer(const QTextDocument& document, const Destination& vers);

// The number of pages the text takes on that device.
int NombreDePages(const QTextDocument& document, QPagedPaintDevice& page);

// A copy of the text laid out for the device's pages, the screen's document left as it is.
std::unique_ptr<QTextDocument> MiseEnPage(const QTextDocument& document, QPagedPaintDevice& page);

} // namespace ImpressionTexte
