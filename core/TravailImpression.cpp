// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TravailImpression.h"

#include "core/PlateForme.h"
#include "core/SortieImpression.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

QString ImpressionRatee() {
    return QStringLiteral("L'impression n'a pas pu se faire : l'imprimante ou le fichier choisi n'a pas "
                          "accepté les pages. Vérifiez l'imprimante, ou le dossier du fichier, puis "
                          "recommencez.");
}

QString AvecRaison(const QString& message, const QString& raison) {
    return raison.isEmpty() ? message : message + QStringLiteral("\n\n(%1)").arg(raison);
}

} // namespace

bool ImprimerPages(const Destination& vers, std::optional<QPageLayout::Orientation> orientation,
                   int nombrePages, const DessinPage& dessiner, const Progression& progression) {
    const QList<int> ordre = vers.Demande.Ordre(nombrePages);
    if (ordre.isEmpty()) return false;
    QPagedPaintDevice& page = vers.Page;
    if (orientation) page.setPageOrientation(*orientation);
    QPainter peintre;
    if (!peintre.begin(&page)) return false;
    const QSize surface(page.width(), page.height());
    for (qsizetype i = 0; i < ordre.size(); ++i) {
        if (i > 0 && !page.newPage()) {
            peintre.end();
            return false;
        }
        peintre.save();
        dessiner(peintre, surface, ordre[i]);
        peintre.restore();
        if (progression) progression(static_cast<int>(i + 1));
    }
    return peintre.end();
}

int PagesDessinees(const Destination& vers, int nombrePages) {
    return static_cast<int>(vers.Demande.Ordre(nombrePages).size());
}

QString MessageImpressionRatee(const QString& raison) {
    return AvecRaison(ImpressionRatee(), raison);
}

bool ImprimerDepuisFenetre(PlateForme& plate, const QString& titre,
                           std::optional<QPageLayout::Orientation> orientation, int nombrePages,
                           const TravailImpression& travail, const QString& echec) {
    const std::unique_ptr<SortieImpression> sortie = plate.ChoisirImpression(titre, orientation, nombrePages);
    if (!sortie) return false;
    QString raison = sortie->Refus();
    if (raison.isEmpty() && travail(sortie->Vers()) && sortie->Livrer(raison)) return true;
    plate.Avertir(AvecRaison(echec, raison));
    return false;
}

bool ImprimerDepuisFenetre(PlateForme& plate, const QString& titre,
                           std::optional<QPageLayout::Orientation> orientation, int nombrePages,
                           const TravailImpression& travail) {
    return ImprimerDepuisFenetre(plate, titre, orientation, nombrePages, travail, ImpressionRatee());
}
