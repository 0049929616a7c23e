// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Tirage.h"

#include <QPageLayout>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class PlateForme;
class QPainter;

// Draws page k (from 0) of a job on the painter, within the printable size given.
using DessinPage = std::function<void(QPainter& peintre, QSize surface, int page)>;
// Told after each page drawn, with the number of pages done.
using Progression = std::function<void(int pagesFaites)>;

// One print job of a document of nombrePages pages: the pages and copies its destination asks
// for, in their order. The page is turned before the job starts (an empty orientation keeps the
// one chosen in the print dialog) and the printable size read after that. False when none of the
// pages asked for exists, the job could not start (no printer, unwritable file), a page could not
// be added, or the painter did not end well.
bool ImprimerPages(const Destination& vers, std::optional<QPageLayout::Orientation> orientation,
                   int nombrePages, const DessinPage& dessiner, const Progression& progression = {});

// The number of pages a job of nombrePages draws for that destination, copies included.
int PagesDessinees(const Destination& vers, int nombrePages);

// A job as a window starts it: what it draws on the destination the print dialog chose; false
// when it did not go through.
using TravailImpression = std::function<bool(const Destination& vers)>;

// The print dialog (titled, turned, offering the pages 1..nombrePages when known, 0 otherwise),
// the job, then its pages handed over. Giving up the dialog does nothing; a job that fails,
// however late, is said in French, echec followed by the reason, and is never counted done.
// True when the pages were taken.
bool ImprimerDepuisFenetre(PlateForme& plate, const QString& titre,
                           std::optional<QPageLayout::Orientation> orientation, int nombrePages,
                           const TravailImpression& travail, const QString& echec);
bool ImprimerDepuisFenetre(PlateForme& plate, const QString& titre,
                           std::optional<QPageLayout::Orientation> orientation, int nombrePages,
                           const TravailImpression& travail);

// What the teacher reads when a print fails, with the reason when there is one.
QString MessageImpressionRatee(const QString& raison = {});
