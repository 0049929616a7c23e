// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_ModifChxImp.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/DialogueFixe.h"
#include "core/PlateForme.h"
#include "sheets/GroupeTailles.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

namespace {
constexpr int ContexteFeuilles = 5;
}

TF_ModifImp::TF_ModifImp(PlateForme& plate, const QString& enTete, QWidget* parent)
    : DialogueChoix(1, parent), plate(plate), enTete(enTete) {
    // The heading, where the program has one, makes the window taller.
    const int haut = enTete.isEmpty() ? 0 : 40;
    DialogueFixe::Ouvrir(*this, QStringLiteral("F_ModifImp"),
                         QStringLiteral("Choix du nombre de cases du tableau"), QSize(300, 420 + haut));
    setFont(QFont());
    DefinirContexteAide(*this, ContexteFeuilles);
    if (!enTete.isEmpty()) {
        numeroJeu =
            Apparence::Etiquette(this, QStringLiteral("NumeroJeu"), QStringLiteral("Jeu n° 1"),
                                 QRect(16, 10, 268, 30), Apparence::Times(19, true), QColor(128, 0, 128));
        numeroJeu->setAlignment(Qt::AlignCenter);
    }
    QFrame* panneau = Apparence::Panneau(this, QStringLiteral("Panel3"), QRect(40, 12 + haut, 220, 330),
                                         Apparence::FondFenetre);
    nbCasesJeu1 = new GroupeTailles(QStringLiteral("NbCasesJeu1"), panneau);
    nbCasesJeu1->move(24, 14);
    Apparence::BoutonsFin(
        *this, {QStringLiteral("BitBtn2"), QStringLiteral("OK"), QRect(40, 360 + haut, 100, 38)},
        {QStringLiteral("BitBtn1"), QStringLiteral("Annuler"), QRect(160, 360 + haut, 100, 38)},
        Apparence::Arial(16, true));
    DialogueFixe::Terminer(*this, plate);
}

quint8 TF_ModifImp::Choisie() const {
    return nbCasesJeu1->Choisie();
}

void TF_ModifImp::Montrer(const quint8& tailleImp) {
    if (numeroJeu) numeroJeu->setText(enTete);
    nbCasesJeu1->Montrer(tailleImp);
    if (QAbstractButton* choix = nbCasesJeu1->Groupe()->checkedButton())
        choix->setFocus(Qt::OtherFocusReason);
    move(plate.GeometrieEcran().center() - rect().center());
}
