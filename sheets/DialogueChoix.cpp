// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/DialogueChoix.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/MobilierPleinEcran.h"

namespace {
// The sheets' topic: the help says nothing of these dialogs on their own.
constexpr int ContexteFeuilles = 5;
} // namespace

MobilierPleinEcran* OuvrirPleinEcran(QDialog& dialogue, Programme& prog, const QString& nom,
                                     const QString& titre, const QString& nomAccessible) {
    dialogue.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
    dialogue.setObjectName(nom);
    dialogue.setWindowTitle(titre);
    dialogue.setAccessibleName(nomAccessible);
    dialogue.setModal(true);
    dialogue.resize(800, 600);
    Apparence::Fond(dialogue);
    DefinirContexteAide(dialogue, ContexteFeuilles);
    return new MobilierPleinEcran(dialogue, prog, {});
}
