// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DialogueFixe.h"

#include "core/Apparence.h"
#include "core/MiseAEchelle.h"
#include "core/PlateForme.h"

#include <QDialog>

namespace DialogueFixe {

void Ouvrir(QDialog& dialogue, const QString& nom, const QString& titre, QSize taille, bool boutonFermer) {
    dialogue.setObjectName(nom);
    dialogue.setWindowTitle(titre);
    dialogue.setAccessibleName(titre);
    Qt::WindowFlags drapeaux = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint;
    if (boutonFermer) drapeaux |= Qt::WindowCloseButtonHint;
    dialogue.setWindowFlags(drapeaux);
    dialogue.setModal(true);
    dialogue.resize(taille);
    dialogue.setFont(Apparence::Arial(14, false));
    Apparence::Fond(dialogue);
}

void Terminer(QDialog& dialogue, const PlateForme& plateForme) {
    MettreAEchelle(dialogue, plateForme);
    dialogue.setFixedSize(dialogue.size());
    dialogue.move(plateForme.GeometrieEcran().center() - dialogue.rect().center());
}

} // namespace DialogueFixe
