// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MiseAEchelle.h"

#include "core/Echelle.h"
#include "core/PlateForme.h"

#include <QLayout>
#include <QWidget>

namespace {

QRect RectangleAEchelle(const QRect& r, double rapport) {
    return {AEchelle(r.x(), rapport), AEchelle(r.y(), rapport), AEchelle(r.width(), rapport),
            AEchelle(r.height(), rapport)};
}

// The window's font always (the desktop's default one included); below it only fonts set on
// the control itself: the others follow their parent's, already scaled.
void PoliceAEchelle(QWidget& w, double rapport) {
    if (!w.isWindow() && !w.testAttribute(Qt::WA_SetFont)) return;
    QFont police = w.font();
    if (police.pixelSize() > 0)
        police.setPixelSize(std::max(1, AEchelle(police.pixelSize(), rapport)));
    else if (police.pointSizeF() > 0)
        police.setPointSizeF(police.pointSizeF() * rapport);
    w.setFont(police);
}

} // namespace

void MettreAEchelle(QWidget& fenetre, const PlateForme& plateForme) {
    MettreAEchelle(fenetre, RapportEchelle(plateForme.GeometrieEcran().size(), plateForme.PixelsParPouce()));
}

void MettreAEchelle(QWidget& fenetre, double rapport) {
    if (rapport == 1.0) return;
    const QSize taille = fenetre.size();
    fenetre.resize(AEchelle(taille.width(), rapport), AEchelle(taille.height(), rapport));
    PoliceAEchelle(fenetre, rapport);
    for (QWidget* controle : fenetre.findChildren<QWidget*>()) {
        // A control placed by a layout gets its size from it; only hand-placed ones are moved.
        const QWidget* parent = controle->parentWidget();
        if (!controle->isWindow() && parent && !parent->layout())
            controle->setGeometry(RectangleAEchelle(controle->geometry(), rapport));
        PoliceAEchelle(*controle, rapport);
    }
}
