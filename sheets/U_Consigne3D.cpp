// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_Consigne3D.h"

#include "core/Apparence.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_Consigne3D::TF_Consigne3D(Programme& programme, QWidget* parent)
    : DialogueTrois(programme, QStringLiteral("F_Consigne3D"), QStringLiteral("Consigne"),
                    QStringLiteral("Consignes des trois exercices"), {}, parent) {
    QWidget* precedent = nullptr;
    for (int i = 0; i < 3; ++i) {
        const int haut = 14 + i * 178;
        const QString titre = QStringLiteral("Exercice  n° %1").arg(i + 1);
        QLabel* etiquette =
            Apparence::Etiquette(this, QStringLiteral("Label%1").arg(i + 4), titre, QRect(30, haut, 400, 28),
                                 Apparence::Times(20, true), QColor(128, 0, 128));
        etiquette->setAccessibleName(titre.simplified());
        sections[size_t(i)] = new SectionConsigne(i + 1, this);
        sections[size_t(i)]->move(30, haut + 34);
        sections[size_t(i)]->setAccessibleName(titre.simplified());
        if (precedent) setTabOrder(precedent, sections[size_t(i)]);
        precedent = sections[size_t(i)]->Champ();
    }
    const auto [ok, annuler] = Apparence::BoutonsFin(
        *this, {QStringLiteral("SpeedButton1"), QStringLiteral("OK"), QRect(500, 548, 120, 40)},
        {QStringLiteral("BoutonAnnuler"), QStringLiteral("Annuler"), QRect(640, 548, 120, 40)},
        Apparence::Arial(16, true));
    setTabOrder(precedent, ok);
    setTabOrder(ok, annuler);
    Terminer();
}
