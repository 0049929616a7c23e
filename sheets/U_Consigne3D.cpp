// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_Consigne3D.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/MobilierPleinEcran.h"
#include "sheets/SectionConsigne.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {
constexpr int ContexteFeuilles = 5;
}

TF_Consigne3D::TF_Consigne3D(Programme& programme, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prog(programme) {
    setObjectName(QStringLiteral("F_Consigne3D"));
    setWindowTitle(QStringLiteral("Consigne"));
    setAccessibleName(QStringLiteral("Consignes des trois exercices"));
    setModal(true);
    resize(800, 600);
    Apparence::Fond(*this);
    DefinirContexteAide(*this, ContexteFeuilles);
    mobilier = new MobilierPleinEcran(*this, prog, {});
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
    QPushButton* ok = Apparence::Bouton(this, QStringLiteral("SpeedButton1"), QStringLiteral("OK"),
                                        QRect(500, 548, 120, 40), Apparence::Arial(16, true));
    QPushButton* annuler = Apparence::Bouton(this, QStringLiteral("BoutonAnnuler"), QStringLiteral("Annuler"),
                                             QRect(640, 548, 120, 40), Apparence::Arial(16, true));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(precedent, ok);
    setTabOrder(ok, annuler);
    mobilier->MettreAEchelle();
}

bool TF_Consigne3D::Choisir(std::array<QString, 3>& consignes) {
    Preparer(consignes);
    if (exec() != QDialog::Accepted) return false;
    const std::array<QString, 3> choisies = ConsignesChoisies();
    if (choisies == consignes) return false;
    consignes = choisies;
    return true;
}

std::array<QString, 3> TF_Consigne3D::ConsignesChoisies() const {
    return {sections[0]->Consigne(), sections[1]->Consigne(), sections[2]->Consigne()};
}

void TF_Consigne3D::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous()) return;
    for (size_t i = 0; i < 3; ++i)
        sections[i]->Montrer(ouvertes[i]);
    sections[0]->Groupe()->checkedButton()->setFocus(Qt::OtherFocusReason);
}
