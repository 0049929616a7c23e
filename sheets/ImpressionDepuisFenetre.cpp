// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ImpressionDepuisFenetre.h"

#include "core/PlateForme.h"
#include "core/Programme.h"

#include <QPagedPaintDevice>
#include <QProgressDialog>

QString MessageImpressionRatee() {
    return QStringLiteral("L'impression n'a pas pu se faire : l'imprimante ou le fichier choisi n'a pas "
                          "accepté les pages. Vérifiez l'imprimante, ou le dossier du fichier, puis "
                          "recommencez.");
}

bool ImprimerDepuisFenetre(Programme& prog, const QString& titre, QPageLayout::Orientation orientation,
                           const std::function<bool(QPagedPaintDevice&)>& travail) {
    const auto page = prog.Plate().ChoisirImprimante(titre, orientation);
    if (!page) return false;
    if (travail(*page)) return true;
    prog.Plate().Avertir(MessageImpressionRatee());
    return false;
}

bool ImprimerAvecProgression(Programme& prog, QWidget& fenetre, const QString& titre,
                             QPageLayout::Orientation orientation, int pages,
                             const std::function<bool(QPagedPaintDevice&, const Progression&)>& travail) {
    return ImprimerDepuisFenetre(prog, titre, orientation, [&](QPagedPaintDevice& page) {
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
        barre->setRange(0, pages);
        barre->setValue(0);
        barre->show();
        const bool fait = travail(page, [barre](int faites) { barre->setValue(faites); });
        barre->hide();
        return fait;
    });
}
