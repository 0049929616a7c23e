// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_Consigne.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/MiseAEchelle.h"
#include "core/PlateForme.h"
#include "sheets/SectionConsigne.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int ContexteFeuilles = 5;
}

TF_Consigne::TF_Consigne(PlateForme& plate, QWidget* parent)
    : DialogueChoix(QString(), parent,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      plate(plate), section(new SectionConsigne(1, this)) {
    setObjectName(QStringLiteral("F_Consigne"));
    setWindowTitle(QStringLiteral("Consigne"));
    setAccessibleName(windowTitle());
    setModal(true);
    resize(785, 262);
    Apparence::Fond(*this);
    DefinirContexteAide(*this, ContexteFeuilles);
    section->move(22, 24);
    // Enter keeps the choice from anywhere in the window, the text field included.
    const auto [ok, annuler] = Apparence::BoutonsFin(
        *this, {QStringLiteral("SpeedButton1"), QStringLiteral("OK"), QRect(500, 196, 120, 40)},
        {QStringLiteral("BoutonAnnuler"), QStringLiteral("Annuler"), QRect(640, 196, 120, 40)},
        Apparence::Arial(16, true));
    setTabOrder(section->Champ(), ok);
    setTabOrder(ok, annuler);
    MettreAEchelle(*this, plate);
    Placer();
}

// Across the whole screen, as high as 280 of its 800-pixel design width, centred in height.
void TF_Consigne::Placer() {
    const QRect ecran = plate.GeometrieEcran();
    const int hauteur = ecran.width() * 280 / 800;
    setFixedSize(ecran.width(), hauteur);
    move(ecran.left(), ecran.top() + (ecran.height() - hauteur) / 2);
}

QString TF_Consigne::Choisie() const {
    return section->Choisie();
}

void TF_Consigne::Montrer(const QString& consigne) {
    section->Montrer(consigne);
    section->Groupe()->checkedButton()->setFocus(Qt::OtherFocusReason);
}
