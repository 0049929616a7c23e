// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MiseAEchelle.h"

#include "core/Echelle.h"
#include "core/PlateForme.h"

#include <QLayout>
#include <QWidget>

namespace {

// The window's font always (the desktop's default one included); below it only fonts set on
// the control itself: the others follow their parent's, already scaled.
void PoliceDuControleAEchelle(QWidget& w, double rapport) {
    if (!w.isWindow() && !w.testAttribute(Qt::WA_SetFont)) return;
    w.setFont(PoliceAEchelle(w.font(), rapport));
}

} // namespace

void MettreAEchelle(QWidget& fenetre, const PlateForme& plateForme) {
    MettreAEchelle(fenetre, RapportEchelle(plateForme.GeometrieEcran().size(), plateForme.PixelsParPouce()));
}

void MettreAEchelle(QWidget& fenetre, double rapport) {
    if (rapport == 1.0) return;
    const QSize taille = fenetre.size();
    fenetre.resize(AEchelle(taille.width(), rapport), AEchelle(taille.height(), rapport));
    PoliceDuControleAEchelle(fenetre, rapport);
    for (QWidget* controle : fenetre.findChildren<QWidget*>()) {
        // A control placed by a layout gets its size from it; only hand-placed ones are moved.
        const QWidget* parent = controle->parentWidget();
        if (!controle->isWindow() && parent && !parent->layout())
            controle->setGeometry(RectangleAEchelle(controle->geometry(), rapport));
        PoliceDuControleAEchelle(*controle, rapport);
    }
}
