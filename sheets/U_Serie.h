// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/SerieFeuilles.h"

#include "core/DialogueActive.h"

#include <optional>

class PlateForme;
class QCheckBox;
class QLabel;
class QRadioButton;
class ChampNombre;

// What the sheet windows print beyond the sheet on show: its answer key, or a class set of 1
// to 40 different sheets, each followed by its key if asked. The window keeps the last choice
// between showings; "Annuler", Escape and the close button give up.
class TF_Serie : public DialogueActive {
    Q_OBJECT
  public:
    explicit TF_Serie(PlateForme& plate, QWidget* parent = nullptr);

    // Modal; the choice made, or nothing when the teacher gives up.
    std::optional<ChoixSerie> Choisir();
    ChoixSerie Choix() const;

  public slots:
    // A number of sheets that is none of 1..40 is corrected and shown first: nothing prints that
    // the teacher has not seen.
    void accept() override;

  protected:
    void FormActivate() override;

  private:
    void Actualiser();
    void Corrige();

    PlateForme& plate;
    QRadioButton* choixCorrige;
    QRadioButton* choixSerie;
    ChampNombre* nombreFeuilles;
    QCheckBox* avecCorriges;
    QLabel* resume;
    bool nombreCorrige = false; // the number shown was just corrected
};
