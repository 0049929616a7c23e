// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QSize>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Draws page k (from 0) of a job on the painter, within the printable size given.
using DessinPage = std::function<void(QPainter& peintre, QSize surface, int page)>;
// Told after each page drawn, with the number of pages done.
using Progression = std::function<void(int pagesFaites)>;

// One print job on a paged device: a QPrinter chosen in the print dialog, or a QPdfWriter. The
// page is turned before the job starts and the printable size read after that; the copies are
// the print dialog's business. False when the job could not start (no printer, unwritable
// file), a page could not be added, or the job did not end well.
bool ImprimerPages(QPagedPaintDevice& page, QPageLayout::Orientation orientation, int nombrePages,
                   const DessinPage& dessiner, const Progression& progression = {});
