// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/FeuilleVoiliers.h"
#include "sheets/PreparationDe.h"

// The rules of navirelle's sheet window: which of its buttons and dialogs draw new colours and
// which draw the same ones another way.
class PreparationVoiliers : public PreparationDe<FeuilleVoiliers> {
  public:
    using PreparationDe::PreparationDe;

    const QString& Consigne() const { return feuille.Consigne; }
    quint8 TailleImp() const { return tailleImp; }

    // Each showing of the window: exercise 1, black and white, the smallest size, new colours,
    // under the program's instruction.
    void Reinitialiser(const QString& consigneDuProgramme);
    // "Jeu n° k", "Couleur" / "N et B": the same colours drawn another way.
    bool ChoisirJeu(int numJeu);
    bool ChoisirNoirEtBlanc(bool noirEtBlanc);
    // After the size dialog: new colours for another size, nothing for the same one.
    bool ChangerTaille(quint8 indexTaille);
    bool ChangerConsigne(const QString& consigne);
    // "Nouveau": new colours.
    void Nouveau();

  private:
    quint8 tailleImp = 1;
};
