#include "sheets/ImpressionFeuille.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <functional>

namespace {

// The printable size is read only once the page is turned.
bool Imprimer(QPagedPaintDevice& page, QPageLayout::Orientation orientation,
              const std::function<void(DessinFeuille&)>& dessiner) {
    page.setPageOrientation(orientation);
    QPainter peintre;
    if (!peintre.begin(&page)) return false;
    DessinFeuille dessin(peintre, QSize(page.width(), page.height()), SurfaceFeuille::Page);
    dessiner(dessin);
    return peintre.end();
}

} // namespace

bool ImprimerFeuille(QPagedPaintDevice& page, const ReglagesFeuille& reglages, Tableau& tableau,
                     Operation operation, int numJeu, Hasard& hasard) {
    return Imprimer(page, ReglagesFeuille::Orientation(reglages.NbExAImprimer), [&](DessinFeuille& dessin) {
        dessin.DessinerFeuille(reglages, tableau, operation, numJeu, hasard);
    });
}

bool ImprimerExercice(QPagedPaintDevice& page, const ContenuTableau& contenu) {
    return Imprimer(page, QPageLayout::Landscape,
                    [&](DessinFeuille& dessin) { dessin.DessinerCopies(1, contenu); });
}
