// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/TravailImpression.h"

#include <QPagedPaintDevice>
#include <QPainter>

bool ImprimerPages(QPagedPaintDevice& page, QPageLayout::Orientation orientation, int nombrePages,
                   const DessinPage& dessiner, const Progression& progression) {
    if (nombrePages < 1) return false;
    page.setPageOrientation(orientation);
    QPainter peintre;
    if (!peintre.begin(&page)) return false;
    const QSize surface(page.width(), page.height());
    for (int k = 0; k < nombrePages; ++k) {
        if (k > 0 && !page.newPage()) {
            peintre.end();
            return false;
        }
        peintre.save();
        dessiner(peintre, surface, k);
        peintre.restore();
        if (progression) progression(k + 1);
    }
    return peintre.end();
}
