// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/SectionConsigne.h"

#include "core/Apparence.h"
#include "core/GroupeExclusif.h"
#include "core/Libelles.h"
#include "sheets/ChoixConsigne.h"
#include "sheets/ReglagesFeuille.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
// Long enough for a sentence; the sheet cuts what does not fit at the edge of its table.
constexpr int LongueurConsigne = 120;
} // namespace

SectionConsigne::SectionConsigne(int n, QWidget* parent)
    : QWidget(parent), cadre(new QGroupBox(QStringLiteral("Consigne"), this)),
      groupe(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("SectionConsigne%1").arg(n));
    resize(740, 130);
    cadre->setObjectName(QStringLiteral("RadioGroup%1").arg(n));
    cadre->setGeometry(0, 0, 250, 130);
    cadre->setFont(Apparence::Arial(15, true));
    const QString items[] = {QStringLiteral("&Aucune consigne"), QStringLiteral("Consigne par &défaut"),
                             QStringLiteral("Consigne &personnalisée")};
    for (int item = 0; item < 3; ++item) {
        auto* choix = new QRadioButton(items[item], cadre);
        choix->setObjectName(QStringLiteral("RadioGroup%1Item%2").arg(n).arg(item));
        choix->setGeometry(14, 28 + item * 32, 228, 28);
        choix->setFont(Apparence::Arial(15, false));
        choix->setAccessibleName(Libelles::NomAccessible(items[item]));
        groupe->addButton(choix, item);
    }
    defaut = Apparence::Etiquette(this, QStringLiteral("Label%1").arg(n), ConsigneParDefaut(),
                                  QRect(270, 34, 470, 28), Apparence::Times(18, true));
    champ = new QLineEdit(this);
    champ->setObjectName(QStringLiteral("Edit%1").arg(n));
    champ->setGeometry(270, 88, 470, 32);
    champ->setMaxLength(LongueurConsigne);
    champ->setFont(Apparence::Arial(16, false));
    champ->setAccessibleName(QStringLiteral("Consigne personnalisée"));
    GroupeExclusif::SurChoix(*groupe, [this](int item) { ChoisirConsigne(item); });
    setTabOrder(groupe->button(2), champ);
}

void SectionConsigne::Montrer(const QString& consigne) {
    const int item = ChoixConsigne::ItemDe(consigne);
    if (item == ChoixConsigne::Personnalisee) champ->setText(consigne);
    GroupeExclusif::Montrer(*groupe, item);
}

QString SectionConsigne::Choisie() const {
    return ChoixConsigne::Consigne(Item(), champ->text());
}

int SectionConsigne::Item() const {
    return std::max(groupe->checkedId(), 0);
}

// The teacher who asks for an instruction of her own is put where she types it. An arrow checks
// its button before giving it the keyboard: the field takes the keyboard back once the arrow is done.
void SectionConsigne::ChoisirConsigne(int item) {
    if (item == ChoixConsigne::Personnalisee) {
        champ->setFocus(Qt::OtherFocusReason);
        QAbstractButton* bouton = groupe->button(item);
        QMetaObject::invokeMethod(
            champ,
            [this, bouton] {
                if (bouton->isChecked() && bouton->hasFocus()) champ->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
    }
    emit Choisi(item);
}
