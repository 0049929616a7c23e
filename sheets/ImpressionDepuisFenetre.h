// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/TravailImpression.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class Programme;
class QPagedPaintDevice;
class QWidget;

// A print started from a sheet window: the platform's print dialog (a PDF file where the machine
// has no printer), then the job. Giving up the dialog does nothing; a job that fails is said in
// French and the window stays as it was. True when the job went through.
bool ImprimerDepuisFenetre(Programme& prog, const QString& titre, QPageLayout::Orientation orientation,
                           const std::function<bool(QPagedPaintDevice&)>& travail);

// The same for a long job: a progress bar over its pages, in `fenetre`, while it is composed.
bool ImprimerAvecProgression(Programme& prog, QWidget& fenetre, const QString& titre,
                             QPageLayout::Orientation orientation, int pages,
                             const std::function<bool(QPagedPaintDevice&, const Progression&)>& travail);

// What the teacher reads when a job fails.
QString MessageImpressionRatee();
