// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialogueChoix.h"

#include <array>

class SectionConsigne;

// The instructions of the three tables of a "3 diff." sheet, each chosen as in TF_Consigne, on
// a full screen.
class TF_Consigne3D : public DialogueChoix<std::array<QString, 3>> {
    Q_OBJECT
  public:
    explicit TF_Consigne3D(Programme& programme, QWidget* parent = nullptr);

    std::array<QString, 3> Choisie() const override;

  protected:
    void Montrer(const std::array<QString, 3>& consignes) override;

  private:
    std::array<SectionConsigne*, 3> sections{};
};
