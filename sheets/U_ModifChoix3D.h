// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialogueChoix.h"

#include <array>

class GroupeTailles;

// The sizes of the three tables of a "3 diff." sheet, side by side on a full screen. Each
// showing starts from the sizes in force, whatever was clicked the last time.
class TF_Choix3D : public DialogueChoix<std::array<quint8, 3>> {
    Q_OBJECT
  public:
    explicit TF_Choix3D(Programme& programme, QWidget* parent = nullptr);

    std::array<quint8, 3> Choisie() const override;

  protected:
    void Montrer(const std::array<quint8, 3>& tailles) override;

  private:
    std::array<GroupeTailles*, 3> groupes{};
};
