// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DialogueActive.h"

#include <QShowEvent>

void DialogueActive::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous()) FormActivate();
}
