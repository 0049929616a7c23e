// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialogueChoix.h"

class PlateForme;
class SectionConsigne;

// The instruction of a sheet of layouts 1 to 4, and of navirelle's sheet: no instruction, the
// default one or the teacher's own. A band across the screen, centred in height.
class TF_Consigne : public DialogueChoix<QString> {
    Q_OBJECT
  public:
    explicit TF_Consigne(PlateForme& plate, QWidget* parent = nullptr);

    QString Choisie() const override;

  protected:
    void Montrer(const QString& consigne) override;

  private:
    void Placer();

    PlateForme& plate;
    SectionConsigne* section;
};
