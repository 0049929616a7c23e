// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/FeuilleTableaux.h"
#include "sheets/PreparationDe.h"

#include <array>

// The rules of carrelis's sheet window: what each of its buttons and dialogs changes and which
// tables it draws anew.
class PreparationFeuille : public PreparationDe<FeuilleTableaux> {
  public:
    using PreparationDe::PreparationDe;

    const ReglagesFeuille& Reglages() const { return feuille.Reglages; }
    // The instruction and the size index of layouts 1 to 4.
    const QString& Consigne() const { return feuille.Reglages.Consigne; }
    quint8 TailleImp() const { return feuille.Reglages.TailleImp; }

    // Each showing of the window: addition, exercise 1, one table of size index 1 (and the
    // same size for the three tables of "3 diff."), no instructions, a new table. The program's
    // instruction is not taken: in carrelis the program's follows the sheet's.
    void Reinitialiser(const QString& consigneDuProgramme);
    // "+" or "x": new tables for the layout in force.
    bool ChoisirOperation(Operation operation);
    // "Jeu n° k": a new table of that kind; nothing changes for the kind already chosen.
    bool ChoisirJeu(int numJeu);
    // "1" to "4" show one table that many times; entering "3 diff." draws its three tables and
    // leaving it a new table of the kind chosen. Nothing changes for the layout in force.
    bool ChoisirDisposition(int disposition);
    // After the size dialogs: new tables when a size changed, nothing otherwise.
    bool ChangerTaille(quint8 tailleImp);
    bool ChangerTailles3D(const std::array<quint8, 3>& tailles);
    // After the instruction dialogs: the same tables under the new instructions.
    bool ChangerConsigne(const QString& consigne);
    bool ChangerConsignes3D(const std::array<QString, 3>& consignes);
    // "Nouveau": new tables for the layout in force.
    void Nouveau();

    std::array<quint8, 3> Tailles3D() const;
    std::array<QString, 3> Consignes3D() const;
};
