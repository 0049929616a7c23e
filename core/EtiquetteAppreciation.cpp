// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EtiquetteAppreciation.h"

#include "core/Apparence.h"
#include "core/PlateForme.h"

#include <QTimer>

EtiquetteAppreciation::EtiquetteAppreciation(PlateForme& plateForme, QWidget* parent)
    : QLabel(parent), plate(plateForme), timer2(new QTimer(this)) {
    Nommer(QStringLiteral("Appreciation"), QStringLiteral("Appréciation"), QStringLiteral("Timer2"));
    setAlignment(Qt::AlignCenter);
    setFont(Apparence::Times(48, true));
    timer2->setInterval(DureeMs);
    timer2->setSingleShot(true);
    connect(timer2, &QTimer::timeout, this, &EtiquetteAppreciation::Effacer);
}

void EtiquetteAppreciation::Nommer(const QString& objet, const QString& auRepos, const QString& minuterie) {
    setObjectName(objet);
    nomAuRepos = auRepos;
    if (text().isEmpty()) setAccessibleName(nomAuRepos);
    timer2->setObjectName(minuterie);
}

void EtiquetteAppreciation::Afficher(bool juste, const QString& parole) {
    const QString mot = juste ? QStringLiteral("Juste") : QStringLiteral("Faux");
    setText(mot);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, juste ? Apparence::VertJuste : Apparence::RougeFaux);
    setPalette(palette);
    setAccessibleName(parole.isEmpty() ? mot : parole);
    plate.Annoncer(*this, QAccessible::Alert);
    timer2->start();
}

void EtiquetteAppreciation::Effacer() {
    timer2->stop();
    clear();
    setAccessibleName(nomAuRepos);
}
