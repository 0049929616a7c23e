// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MobilierPleinEcran.h"

#include "core/Echelle.h"
#include "core/MaintienGeometrie.h"
#include "core/MiseAEchelle.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/ZoneMosaique.h"

#include <QEvent>
#include <QWidget>

MobilierPleinEcran::MobilierPleinEcran(QWidget& fenetre, Programme& programme, Options options)
    : QObject(&fenetre), fenetre(fenetre), prog(programme),
      cadreFond(options.CadreFond ? options.CadreFond : &fenetre),
      maintien(new MaintienGeometrie(fenetre, programme.GeometrieMenu, options.IntervalleMs)),
      automatique(options.Automatique) {
    maintien->setParent(this);
    maintien->setObjectName(options.NomMaintien);
    if (options.Images) {
        fond = new ZoneMosaique(std::move(options.Images), cadreFond);
        fond->setObjectName(QStringLiteral("PaintBox1"));
        fond->lower();
    }
    fenetre.installEventFilter(this);
    if (cadreFond != &fenetre) cadreFond->installEventFilter(this);
}

double MobilierPleinEcran::MettreAEchelle() {
    const double rapport =
        RapportEchelle(prog.Plate().GeometrieEcran().size(), prog.Plate().PixelsParPouce());
    ::MettreAEchelle(fenetre, rapport);
    return rapport;
}

void MobilierPleinEcran::Placer() {
    PlacerPleinEcran(fenetre, prog.GeometrieMenu, prog.Plate());
}

void MobilierPleinEcran::Tenir() {
    maintien->Demarrer();
}

void MobilierPleinEcran::Lacher() {
    maintien->Arreter();
}

bool MobilierPleinEcran::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == cadreFond && evenement->type() == QEvent::Resize && fond)
        fond->setGeometry(cadreFond->rect());
    if (objet == &fenetre && automatique) {
        // A window shown by another one (not the desktop giving it back) is placed and held.
        if (evenement->type() == QEvent::Show && !evenement->spontaneous()) {
            Placer();
            Tenir();
        } else if (evenement->type() == QEvent::Hide) {
            Lacher();
        }
    }
    return QObject::eventFilter(objet, evenement);
}
