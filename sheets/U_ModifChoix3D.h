// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialogueChoix.h"
#include "sheets/GroupeTailles.h"

// The sizes of the three tables of a "3 diff." sheet, side by side. Each showing starts from the
// sizes in force, whatever was clicked the last time.
class TF_Choix3D : public DialogueTrois<GroupeTailles, quint8> {
    Q_OBJECT
  public:
    explicit TF_Choix3D(Programme& programme, QWidget* parent = nullptr);
};
