// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ImpressionDepuisFenetre.h"

#include <QProgressDialog>

bool ImprimerAvecProgression(PlateForme& plate, QWidget& fenetre, const QString& titre,
                             QPageLayout::Orientation orientation, int nombrePages,
                             const std::function<bool(const Destination&, const Progression&)>& travail) {
    return ImprimerDepuisFenetre(plate, titre, orientation, nombrePages, [&](const Destination& vers) {
        // One bar per window, kept for the next job: its last state tells what was done.
        auto* barre = fenetre.findChild<QProgressDialog*>(QStringLiteral("Progression"));
        if (!barre) {
            barre = new QProgressDialog(&fenetre);
            barre->setObjectName(QStringLiteral("Progression"));
            barre->setWindowTitle(titre);
            barre->setCancelButton(nullptr);
            barre->setAutoClose(true);
            barre->setAutoReset(false);
            barre->setMinimumDuration(0);
            barre->setWindowModality(Qt::WindowModal);
            barre->setAccessibleName(QStringLiteral("Préparation des feuilles"));
        }
        barre->setLabelText(QStringLiteral("Préparation des feuilles…"));
        barre->setRange(0, PagesDessinees(vers, nombrePages));
        barre->setValue(0);
        barre->show();
        const bool fait = travail(vers, [barre](int faites) { barre->setValue(faites); });
        barre->hide();
        return fait;
    });
}
