// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class MobilierPleinEcran;
class Programme;
class SectionConsigne;

// The instructions of the three tables of a "3 diff." sheet, each chosen as in TF_Consigne, on
// a full screen. "OK" keeps the three choices; "Annuler", Escape and the close button none.
class TF_Consigne3D : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Consigne3D(Programme& programme, QWidget* parent = nullptr);

    // Opens on the three instructions, modal, and writes them back on "OK"; true when one changed.
    bool Choisir(std::array<QString, 3>& consignes);
    void Preparer(const std::array<QString, 3>& consignes) { ouvertes = consignes; }
    std::array<QString, 3> ConsignesChoisies() const;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    Programme& prog;
    MobilierPleinEcran* mobilier = nullptr;
    std::array<SectionConsigne*, 3> sections{};
    std::array<QString, 3> ouvertes;
};
