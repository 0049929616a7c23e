// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_image.h"

#include "core/GroupeExclusif.h"
#include "sheets/ColonneFeuille.h"

#include <QButtonGroup>
#include <QPushButton>

TF_Image::TF_Image(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
    : FenetreFeuilleDe(programme, dialogues, parent) {
    ColonneFeuille& c = Colonne();
    operations = new QButtonGroup(this);
    operations->addButton(c.Bouton(QStringLiteral("Op1"), QStringLiteral("+"), ColonneFeuille::Rouge,
                                   QRect(4, 6, 35, 32), QStringLiteral("Table d'addition"), true),
                          0);
    operations->addButton(c.Bouton(QStringLiteral("SpeedButton2"), QStringLiteral("x"), ColonneFeuille::Rouge,
                                   QRect(41, 6, 35, 32), QStringLiteral("Table de multiplication"), true),
                          1);
    jeux = AjouterJeux(46, {"remplir", "trouver", "défi"});
    AjouterConsigne(142);
    c.Etiquette(QStringLiteral("Label1"), QStringLiteral("Nombre d'exercices sur la feuille"),
                QRect(4, 176, 72, 52));
    dispositions = new QButtonGroup(this);
    for (int n = 1; n <= 4; ++n)
        dispositions->addButton(c.Bouton(QStringLiteral("NbEx_A_Imprimer%1").arg(n), QString::number(n),
                                         ColonneFeuille::BleuMarine,
                                         QRect(n % 2 ? 4 : 41, 232 + 30 * ((n - 1) / 2), 35, 28),
                                         n == 1 ? QStringLiteral("Un tableau sur la feuille")
                                                : QStringLiteral("%1 fois le même tableau").arg(n),
                                         true),
                                n);
    dispositions->addButton(c.Bouton(QStringLiteral("NbEx_A_Imprimer3D"), QStringLiteral("3 diff."),
                                     ColonneFeuille::BleuMarine, QRect(4, 292, 72, 28),
                                     QStringLiteral("3 tableaux différents"), true),
                            ReglagesFeuille::TroisDifferents);
    AjouterChangerEtNouveau(334);
    AjouterImpression(412);

    // The signs side by side and the layouts in two columns: a screen reader's user, who hears
    // no columns, walks each group in its order with any arrow.
    GroupeExclusif::FlechesDansLOrdre(*operations);
    GroupeExclusif::FlechesDansLOrdre(*dispositions);
    GroupeExclusif::SurChoix(*operations, [this](int bouton) {
        Agir(preparation.ChoisirOperation(bouton == 0 ? Operation::Addition : Operation::Multiplication));
    });
    GroupeExclusif::SurChoix(*jeux, [this](int numJeu) { ChoisirExercice(numJeu); });
    GroupeExclusif::SurChoix(*dispositions,
                             [this](int disposition) { Agir(preparation.ChoisirDisposition(disposition)); });
    Terminer();
}

void TF_Image::MontrerReglages() {
    const FeuilleTableaux& f = preparation.Feuille();
    GroupeExclusif::Montrer(*operations, f.Op == Operation::Addition ? 0 : 1);
    GroupeExclusif::Montrer(*jeux, f.Reglages.JeuImprime);
    GroupeExclusif::Montrer(*dispositions, f.Reglages.NbExAImprimer);
    for (QAbstractButton* bouton : jeux->buttons())
        bouton->setVisible(!f.TroisDifferents());
}

// The kind already chosen changes nothing, not even "Imprimer".
void TF_Image::ChoisirExercice(int numJeu) {
    if (preparation.ChoisirJeu(numJeu)) Agir(true);
}

bool TF_Image::ChangerTaille() {
    if (!preparation.Feuille().TroisDifferents()) return FenetreFeuilleDe::ChangerTaille();
    std::array<quint8, 3> tailles = preparation.Tailles3D();
    return dialogues.ChoisirTailles3D(tailles) && preparation.ChangerTailles3D(tailles);
}

bool TF_Image::ChangerConsigne() {
    if (!preparation.Feuille().TroisDifferents()) return FenetreFeuilleDe::ChangerConsigne();
    std::array<QString, 3> consignes = preparation.Consignes3D();
    return dialogues.ChoisirConsignes3D(consignes) && preparation.ChangerConsignes3D(consignes);
}
