// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/DialoguesFeuille.h"

#include <functional>

class QWidget;
enum class IdFenetre;

// The sheet dialogs of a program, found among its windows when first asked for: the registry
// hands the lookup, and keeps the windows. A window that is not the expected dialog (a test's
// stand-in) answers as a dialog left by "Annuler".
class DialoguesFenetres final : public DialoguesFeuille {
  public:
    using Recherche = std::function<QWidget*(IdFenetre)>;
    explicit DialoguesFenetres(Recherche fenetre) : fenetre(std::move(fenetre)) {}

    bool ChoisirConsigne(QString& consigne) override;
    bool ChoisirConsignes3D(std::array<QString, 3>& consignes) override;
    bool ChoisirTailleImp(quint8& tailleImp) override;
    bool ChoisirTailles3D(std::array<quint8, 3>& tailles) override;
    std::optional<ChoixSerie> ChoisirSerie() override;

  private:
    Recherche fenetre;
};
