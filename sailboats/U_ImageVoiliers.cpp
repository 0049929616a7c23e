// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/U_ImageVoiliers.h"

#include "core/GroupeExclusif.h"
#include "core/Programme.h"
#include "sailboats/DessinFeuilleVoiliers.h"
#include "sailboats/ImpressionVoiliers.h"
#include "sheets/ColonneFeuille.h"
#include "sheets/DialoguesFeuille.h"

#include <QButtonGroup>
#include <QPushButton>

TF_ImageVoiliers::TF_ImageVoiliers(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
    : FenetreFeuille(programme, dialogues, parent), preparation(programme.Aleatoire()) {
    ConstruireColonne();
    Terminer();
}

void TF_ImageVoiliers::ConstruireColonne() {
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
}

// Each showing from the menu: exercise 1 in black and white at the smallest size, new colours,
// the program's instruction.
void TF_ImageVoiliers::Reinitialiser() {
    preparation.Reinitialiser(prog.Consigne);
}

void TF_ImageVoiliers::MontrerReglages() {
    GroupeExclusif::Montrer(*jeux, preparation.Feuille().NumJeu);
    GroupeExclusif::Montrer(*modes, preparation.Feuille().NoirEtBlanc ? 1 : 0);
}

void TF_ImageVoiliers::Dessiner(QPainter& peintre, QSize surface) const {
    DessinFeuilleVoiliers(peintre, surface).DessinerApercu(preparation.Feuille());
}

QString TF_ImageVoiliers::Description() const {
    return DescriptionFeuilleVoiliers(preparation.Feuille());
}

bool TF_ImageVoiliers::ChangerTaille() {
    quint8 taille = preparation.TailleImp();
    return dialogues.ChoisirTailleImp(taille) && preparation.ChangerTaille(taille);
}

// The instruction is the program's: the results window prints a game under it too.
bool TF_ImageVoiliers::ChangerConsigne() {
    QString consigne = prog.Consigne;
    if (dialogues.ChoisirConsigne(consigne)) prog.Consigne = consigne;
    return preparation.ChangerConsigne(prog.Consigne);
}

void TF_ImageVoiliers::Nouveau() {
    preparation.Nouveau();
}

QPageLayout::Orientation TF_ImageVoiliers::OrientationPages() const {
    return QPageLayout::Landscape;
}

bool TF_ImageVoiliers::ImprimerLaFeuille(const Destination& vers, bool corrige) const {
    return corrige ? ImprimerCorrigeVoiliers(vers, preparation.Feuille())
                   : ImprimerFeuilleVoiliers(vers, preparation.Feuille());
}

bool TF_ImageVoiliers::ImprimerLaSerie(const Destination& vers, const ChoixSerie& choix, Hasard& hasard,
                                       const Progression& progression) const {
    return ImprimerSerieVoiliers(vers, preparation.Feuille(), choix, hasard, progression);
}
