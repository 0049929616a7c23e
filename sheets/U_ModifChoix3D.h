// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class GroupeTailles;
class MobilierPleinEcran;
class Programme;

// The sizes of the three tables of a "3 diff." sheet, side by side on a full screen. Each
// showing starts from the sizes in force; "&Valider" keeps the choice, "&Annuler", Escape and
// the close button keep the sizes it opened with.
class TF_Choix3D : public QDialog {
    Q_OBJECT
  public:
    explicit TF_Choix3D(Programme& programme, QWidget* parent = nullptr);

    // Opens on the three size indexes, modal, and writes the choice back on "&Valider"; true
    // when one of them changed.
    bool Choisir(std::array<quint8, 3>& tailles);
    void Preparer(const std::array<quint8, 3>& tailles) { taillesAvant = tailles; }
    std::array<quint8, 3> TaillesChoisies() const;

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    Programme& prog;
    MobilierPleinEcran* mobilier = nullptr;
    std::array<GroupeTailles*, 3> groupes{};
    std::array<quint8, 3> taillesAvant{1, 1, 1};
};
