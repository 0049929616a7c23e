// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/ModeleSuivi.h"

#include <QSize>
#include <QString>

class QPainter;

// The class table of the follow-up on landscape pages: a title with the class and the date on each
// page, the header (the exercises, then the columns) again on each page, as many pages as the rows
// need, the class's row last.
namespace ImpressionSuivi {

constexpr int LignesParPage = 22;

int NombrePages(const ModeleSuivi::Tableau& tableau);

// Page `page` (from 0) on a printable surface of that size; titre names the class and the program,
// date is the day printed.
void DessinerPage(QPainter& peintre, QSize surface, int page, const ModeleSuivi::Tableau& tableau,
                  const QString& titre, const QString& date);

} // namespace ImpressionSuivi
