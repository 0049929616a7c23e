// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Unit_efface_bilans.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/DialogueFixe.h"
#include "core/Libelles.h"
#include "core/PlateForme.h"
#include "results/BilansIndividuels.h"
#include "results/EffacementBilans.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize TailleFenetre(520, 440);

using Apparence::Arial;

} // namespace

TF_efface_bilans::TF_efface_bilans(PlateForme& plate, const QString& fichierGeneral, QWidget* parent)
    : QDialog(parent), plate(plate), fichierGeneral(fichierGeneral) {
    DialogueFixe::Ouvrir(*this, QStringLiteral("F_efface_bilans"), QStringLiteral("Gestion des bilans"),
                         TailleFenetre);
    DefinirSujetAide(*this, QStringLiteral("Bilans"));

    label2 = Apparence::Etiquette(this, QStringLiteral("Label2"), QString(), QRect(16, 14, 488, 24));
    boutonEffaceG = Apparence::Bouton(this, QStringLiteral("BoutonEffaceG"),
                                      QStringLiteral("Effacer le bilan &général"), QRect(16, 44, 280, 38));
    QLabel* label3 =
        Apparence::Etiquette(this, QStringLiteral("Label3"), QStringLiteral("Bilans individuels &trouvés :"),
                             QRect(16, 100, 488, 22));
    listBox1 = new QListWidget(this);
    listBox1->setObjectName(QStringLiteral("ListBox1"));
    listBox1->setGeometry(16, 124, 488, 188);
    listBox1->setFont(Arial(14, false));
    listBox1->setSelectionMode(QAbstractItemView::NoSelection);
    listBox1->setAccessibleName(Libelles::NomAccessible(label3->text()));
    label3->setBuddy(listBox1);
    boutonEffaceI =
        Apparence::Bouton(this, QStringLiteral("BoutonEffaceI"),
                          QStringLiteral("Effacer les bilans &individuels"), QRect(16, 320, 280, 38));
    label1 = Apparence::Etiquette(this, QStringLiteral("Label1"), QString(), QRect(16, 366, 352, 60),
                                  Arial(14, true), QColor(0, 100, 0));
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    boutonQuitter = Apparence::Bouton(this, QStringLiteral("Bouton_Quitter"), QStringLiteral("&Quitter"),
                                      QRect(384, 380, 120, 38));

    connect(boutonEffaceG, &QPushButton::clicked, this, &TF_efface_bilans::EffacerBilanGeneral);
    connect(boutonEffaceI, &QPushButton::clicked, this, &TF_efface_bilans::EffacerBilansIndividuels);
    connect(boutonQuitter, &QPushButton::clicked, this, &QDialog::accept);

    DialogueFixe::Terminer(*this, plate);
}

void TF_efface_bilans::Gerer(const QString& dossierBilans) {
    Preparer(dossierBilans);
    exec();
}

void TF_efface_bilans::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous()) FormActivate();
}

void TF_efface_bilans::FormActivate() {
    label1->clear();
    Relire();
    boutonQuitter->setFocus(Qt::OtherFocusReason);
}

// What the folder holds now: the general file, the pupils' files.
void TF_efface_bilans::Relire() {
    const bool trouve = EffacementBilans::Present(QDir(dossier).filePath(fichierGeneral));
    label2->setText(trouve ? QStringLiteral("Le bilan général a été trouvé")
                           : QStringLiteral("Pas de bilan général"));
    boutonEffaceG->setEnabled(trouve);
    listBox1->clear();
    listBox1->addItems(BilansIndividuels::Fichiers(dossier));
    boutonEffaceI->setEnabled(listBox1->count() > 0);
}

void TF_efface_bilans::EffacerBilanGeneral() {
    const EffacementBilans::CompteRendu compte =
        EffacementBilans::EffacerBilanGeneral(plate, dossier, fichierGeneral);
    Relire();
    if (compte.Accepte) Resultat(compte.Message);
    if (!boutonEffaceG->isEnabled()) boutonQuitter->setFocus(Qt::OtherFocusReason);
}

// Only the files listed go, whatever else begins with "Bilan" in the folder.
void TF_efface_bilans::EffacerBilansIndividuels() {
    QStringList fichiers;
    for (int i = 0; i < listBox1->count(); ++i)
        fichiers.append(listBox1->item(i)->text());
    const EffacementBilans::CompteRendu compte =
        EffacementBilans::EffacerBilansIndividuels(plate, dossier, fichiers);
    Relire();
    if (compte.Accepte) Resultat(compte.Message);
    if (!boutonEffaceI->isEnabled()) boutonQuitter->setFocus(Qt::OtherFocusReason);
}

void TF_efface_bilans::Resultat(const QString& texte) {
    label1->setText(texte);
    plate.Annoncer(*label1, QAccessible::NameChanged);
}

// Every way out empties the list: the next showing reads the folder again.
void TF_efface_bilans::done(int resultat) {
    listBox1->clear();
    QDialog::done(resultat);
}
