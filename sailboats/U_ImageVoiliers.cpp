// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/U_ImageVoiliers.h"

#include "core/GroupeExclusif.h"
#include "sheets/ColonneFeuille.h"

#include <QButtonGroup>
#include <QPushButton>

TF_ImageVoiliers::TF_ImageVoiliers(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
    : FenetreFeuilleDe(programme, dialogues, parent) {
    ColonneFeuille& c = Colonne();
    jeux = AjouterJeux(8, {"remplir", "colorier", "trouver"});
    AjouterConsigne(108);
    modes = new QButtonGroup(this);
    modes->addButton(c.Bouton(QStringLiteral("BCouleur"), QStringLiteral("Couleur"),
                              ColonneFeuille::BleuMarine, QRect(4, 150, 72, 28),
                              QStringLiteral("En couleurs"), true),
                     0);
    modes->addButton(c.Bouton(QStringLiteral("BNB"), QStringLiteral("N et B"), ColonneFeuille::BleuMarine,
                              QRect(4, 180, 72, 28), QStringLiteral("En noir et blanc"), true),
                     1);
    AjouterChangerEtNouveau(222, QStringLiteral("Nouvelles couleurs"));
    // Hidden: it only draws the sheet again.
    QPushButton* afficher = c.Bouton(QStringLiteral("BoutonAfficher"), QStringLiteral("Afficher"),
                                     ColonneFeuille::Noir, QRect(4, 290, 72, 30));
    afficher->hide();
    AjouterImpression(300);

    // Whatever the teacher chose, "Imprimer" is offered.
    GroupeExclusif::SurChoix(*jeux, [this](int numJeu) { Agir(preparation.ChoisirJeu(numJeu)); });
    GroupeExclusif::SurChoix(
        *modes, [this](int noirEtBlanc) { Agir(preparation.ChoisirNoirEtBlanc(noirEtBlanc == 1)); });
    connect(afficher, &QPushButton::clicked, this, [this] { Agir(true); });
    Terminer();
}

void TF_ImageVoiliers::MontrerReglages() {
    GroupeExclusif::Montrer(*jeux, preparation.Feuille().NumJeu);
    GroupeExclusif::Montrer(*modes, preparation.Feuille().NoirEtBlanc ? 1 : 0);
}
