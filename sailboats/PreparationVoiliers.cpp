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
    if (numJeu < 1 || numJeu > 3 || numJeu == feuille.NumJeu) return false;
    feuille.NumJeu = numJeu;
    return true;
}

bool PreparationVoiliers::ChoisirNoirEtBlanc(bool noirEtBlanc) {
    if (noirEtBlanc == feuille.NoirEtBlanc) return false;
    feuille.NoirEtBlanc = noirEtBlanc;
    return true;
}

bool PreparationVoiliers::ChangerTaille(quint8 indexTaille) {
    if (indexTaille == tailleImp || !feuille.Tableau.DefinirTaille(indexTaille - 1)) return false;
    tailleImp = indexTaille;
    feuille.TirerCouleurs(hasard);
    return true;
}

bool PreparationVoiliers::ChangerConsigne(const QString& consigne) {
    if (consigne == feuille.Consigne) return false;
    feuille.Consigne = consigne;
    return true;
}

void PreparationVoiliers::Nouveau() {
    feuille.TirerCouleurs(hasard);
}
