// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/BoutonTrames.h"

#include "core/PlateForme.h"
#include "core/ReglagesUtilisateur.h"
#include "sailboats/Couleurs.h"
#include "sailboats/TramesEcran.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>

const QString BoutonTrames::Cle = QStringLiteral("Voiliers/Hachures");

namespace {

// Three colours side by side with their hatches: what the switch lays over the pictures.
QIcon IconeTrames() {
    QImage image(48, 24, QImage::Format_RGB32);
    image.fill(Couleurs[Argent]);
    const int couleurs[] = {8, 10, 4};
    for (int i = 0; i < 3; ++i)
        for (int y = 2; y < 22; ++y)
            for (int x = 2 + 15 * i; x < 2 + 15 * i + 14; ++x)
                image.setPixel(x, y, Couleurs[couleurs[i]]);
    TramesEcran().Tramer(image);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

BoutonTrames::BoutonTrames(PlateForme& plate, ReglagesUtilisateur& reglages, QWidget* parent)
    : QPushButton(QStringLiteral("&Hachures"), parent), plate(plate), reglages(reglages) {
    setObjectName(QStringLiteral("BoutonTrames"));
    setCheckable(true);
    setAutoDefault(false);
    setIcon(IconeTrames());
    setAccessibleName(QStringLiteral("Hachures sur les couleurs"));
    setAccessibleDescription(
        QStringLiteral("Chaque couleur reçoit ses hachures, celles des feuilles en noir et blanc."));
    setToolTip(QStringLiteral("Hachures sur les couleurs (Alt+H)"));
    setChecked(reglages.Lire(Cle));
    connect(this, &QPushButton::toggled, this, &BoutonTrames::Basculer);
    connect(&reglages, &ReglagesUtilisateur::Change, this, &BoutonTrames::Changees);
}

// Alt+H switches the hatches where the pupil is: the keyboard stays on the table or the palette
// instead of following the shortcut to the button.
bool BoutonTrames::event(QEvent* evenement) {
    if (evenement->type() != QEvent::Shortcut) return QPushButton::event(evenement);
    const QPointer<QWidget> avant = window()->focusWidget();
    const bool traite = QPushButton::event(evenement);
    if (avant && avant != this) avant->setFocus(Qt::ShortcutFocusReason);
    return traite;
}

void BoutonTrames::Basculer(bool actives) {
    QString raison;
    if (!reglages.Ecrire(Cle, actives, &raison)) plate.Avertir(raison);
    plate.Annoncer(*this, QAccessible::StateChanged);
}

void BoutonTrames::Changees(const QString& cle, bool valeur) {
    if (cle != Cle) return;
    if (isChecked() != valeur) {
        const QSignalBlocker bloque(this);
        setChecked(valeur);
    }
    emit TramesChangees(valeur);
}
