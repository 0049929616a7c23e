// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialogueChoix.h"
#include "sheets/SectionConsigne.h"

// The instructions of the three tables of a "3 diff." sheet, one under another, each chosen as
// in TF_Consigne.
class TF_Consigne3D : public DialogueTrois<SectionConsigne, QString> {
    Q_OBJECT
  public:
    explicit TF_Consigne3D(Programme& programme, QWidget* parent = nullptr);
};
