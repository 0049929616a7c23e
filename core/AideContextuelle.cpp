// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AideContextuelle.h"

#include "core/PlateForme.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
constexpr char ProprieteContexte[] = "contexteAide";
constexpr char ProprieteSujet[] = "sujetAide";
} // namespace

void DefinirContexteAide(QWidget& fenetre, int contexte) {
    fenetre.setProperty(ProprieteContexte, contexte);
}

int ContexteAide(const QWidget& fenetre) {
    return fenetre.property(ProprieteContexte).toInt();
}

QString AncreContexte(int contexte) {
    return contexte > 0 ? QStringLiteral("contexte-%1").arg(contexte) : QStringLiteral("Som");
}

void DefinirSujetAide(QWidget& fenetre, const QString& sujet) {
    fenetre.setProperty(ProprieteSujet, sujet);
}

QString AncreAide(const QWidget& fenetre) {
    const QString sujet = fenetre.property(ProprieteSujet).toString();
    return sujet.isEmpty() ? AncreContexte(ContexteAide(fenetre)) : sujet;
}

RaccourciAide::RaccourciAide(PlateForme& plate, const QString& fichierAide, QObject* parent)
    : QObject(parent), plate(plate), fichierAide(fichierAide) {}

bool RaccourciAide::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_F1 &&
        objet->isWidgetType()) {
        const QWidget* fenetre = static_cast<QWidget*>(objet)->window();
        plate.AfficherAide(fichierAide, AncreAide(*fenetre));
        return true;
    }
    return QObject::eventFilter(objet, evenement);
}
