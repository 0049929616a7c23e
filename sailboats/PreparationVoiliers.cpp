// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/PreparationVoiliers.h"

#include "sheets/ReglagesFeuille.h"

void PreparationVoiliers::Reinitialiser(const QString& consigne) {
    feuille.NumJeu = 1;
    feuille.NoirEtBlanc = true;
    feuille.Consigne = consigne;
    tailleImp = 1;
    feuille.Tableau.DefinirTaille(tailleImp - 1);
    feuille.TirerCouleurs(hasard);
}

bool PreparationVoiliers::ChoisirJeu(int numJeu) {
    return numJeu >= 1 && numJeu <= 3 && Remplacer(feuille.NumJeu, numJeu);
}

bool PreparationVoiliers::ChoisirNoirEtBlanc(bool noirEtBlanc) {
    return Remplacer(feuille.NoirEtBlanc, noirEtBlanc);
}

bool PreparationVoiliers::ChangerTaille(quint8 indexTaille) {
    if (indexTaille == tailleImp || !feuille.Tableau.DefinirTaille(indexTaille - 1)) return false;
    tailleImp = indexTaille;
    feuille.TirerCouleurs(hasard);
    return true;
}

bool PreparationVoiliers::ChangerConsigne(const QString& consigne) {
    return Remplacer(feuille.Consigne, consigne);
}

void PreparationVoiliers::Nouveau() {
    feuille.TirerCouleurs(hasard);
}
