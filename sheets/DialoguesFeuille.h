// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/SerieFeuilles.h"

#include <QString>

#include <array>
#include <optional>

// What the sheet windows of both programs ask of the sheet dialogs, each shown modally on a value
// of the window's own: a dialog left by "Annuler", Escape or its close button changes nothing.
// The registry answers with the program's dialogs, created once; tests script their answers.
class DialoguesFeuille {
  public:
    virtual ~DialoguesFeuille() = default;

    // "Consigne" (layouts 1 to 4, and navirelle's sheet); true when the instruction changed.
    virtual bool ChoisirConsigne(QString& consigne) = 0;
    // "Consigne" of "3 diff.": the instructions of its three tables.
    virtual bool ChoisirConsignes3D(std::array<QString, 3>& consignes) = 0;
    // "Changer": the size index 1..8; true when it changed.
    virtual bool ChoisirTailleImp(quint8& tailleImp) = 0;
    // "Changer" of "3 diff.": the three size indexes.
    virtual bool ChoisirTailles3D(std::array<quint8, 3>& tailles) = 0;
    // "Corrigé et série": the key of the sheet on show, or a class set; nothing when given up.
    virtual std::optional<ChoixSerie> ChoisirSerie() = 0;
};
