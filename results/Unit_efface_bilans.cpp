// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Unit_efface_bilans.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "results/BilansIndividuels.h"
#include "results/EffacementBilans.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr QSize TailleFenetre(520, 440);

using Apparence::Arial;

} // namespace

TF_efface_bilans::TF_efface_bilans(PlateForme& plate, const QString& fichierGeneral, QWidget* parent)
    : DialogueListe(plate, QStringLiteral("F_efface_bilans"), QStringLiteral("Gestion des bilans"),
                    TailleFenetre, parent),
      fichierGeneral(fichierGeneral) {
    DefinirSujetAide(*this, QStringLiteral("Bilans"));

    label2 = Apparence::Etiquette(this, QStringLiteral("Label2"), QString(), QRect(16, 14, 488, 24));
    boutonEffaceG = Apparence::Bouton(this, QStringLiteral("BoutonEffaceG"),
                                      QStringLiteral("Effacer le bilan &général"), QRect(16, 44, 280, 38));
    QLabel* label3 =
        Apparence::Etiquette(this, QStringLiteral("Label3"), QStringLiteral("Bilans individuels &trouvés :"),
                             QRect(16, 100, 488, 22));
    listBox1 = ListeTitree(this, "ListBox1", label3, QRect(16, 124, 488, 188), QAbstractItemView::NoSelection,
                           Arial(14, false));
    boutonEffaceI =
        Apparence::Bouton(this, QStringLiteral("BoutonEffaceI"),
                          QStringLiteral("Effacer les bilans &individuels"), QRect(16, 320, 280, 38));
    label1 = LigneMessage("Label1", QRect(16, 366, 352, 60), QColor(0, 100, 0));
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    boutonQuitter = Apparence::Bouton(this, QStringLiteral("Bouton_Quitter"), QStringLiteral("&Quitter"),
                                      QRect(384, 380, 120, 38));

    connect(boutonEffaceG, &QPushButton::clicked, this, &TF_efface_bilans::EffacerBilanGeneral);
    connect(boutonEffaceI, &QPushButton::clicked, this, &TF_efface_bilans::EffacerBilansIndividuels);
    connect(boutonQuitter, &QPushButton::clicked, this, &QDialog::accept);

    Terminer();
}

void TF_efface_bilans::Gerer(const QString& dossierBilans) {
    Preparer(dossierBilans);
    exec();
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
    Montrer(EffacementBilans::EffacerBilanGeneral(plate, dossier, fichierGeneral), boutonEffaceG);
}

// Only the files listed go, whatever else begins with "Bilan" in the folder.
void TF_efface_bilans::EffacerBilansIndividuels() {
    QStringList fichiers;
    for (int i = 0; i < listBox1->count(); ++i)
        fichiers.append(listBox1->item(i)->text());
    Montrer(EffacementBilans::EffacerBilansIndividuels(plate, dossier, fichiers), boutonEffaceI);
}

// The folder as the erasing left it; the keyboard goes to "Quitter" once nothing is left to erase.
void TF_efface_bilans::Montrer(const EffacementBilans::CompteRendu& compte, const QPushButton* bouton) {
    Relire();
    if (compte.Accepte) Dire(*label1, compte.Message);
    if (!bouton->isEnabled()) boutonQuitter->setFocus(Qt::OtherFocusReason);
}

// The next showing reads the folder again.
void TF_efface_bilans::Vider() {
    listBox1->clear();
}
