// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/PartieColorier.h"

#include "core/Hasard.h"

bool PartieColorier::NouveauJeu(int jeu, int taille, Hasard& hasard) {
    if (jeu != 2 && jeu != 3) return false;
    TableauVoiliers nouveau;
    if (taille < 1 || !nouveau.DefinirTaille(taille) || !nouveau.TirerCoquesEtVoiles(hasard)) return false;
    if (jeu == 3) nouveau.TirerLignesModeles(hasard);
    numJeu = jeu;
    tableau = nouveau;
    const int lignes = tableau.NbTotalGauche, colonnes = tableau.NbTotalHaut;
    // Two parts a boat; in exercise 3 the samples' parts are given and the headers are found.
    nbTotal = 2 * lignes * colonnes + (jeu == 3 ? lignes - colonnes : 0);
    Recommencer(nbTotal, tableau.NbTotalGauche, tableau.NbTotalHaut);
    nbColories = 0;
    teteCoqueFaite = teteCoqueEssayee = {};
    teteVoileFaite = teteVoileEssayee = {};
    coqueFaite = coqueEssayee = voileFaite = voileEssayee = {};
    return true;
}

bool PartieColorier::DansLeTableau(int ligne, int colonne) const {
    return ligne >= 1 && ligne <= tableau.NbTotalGauche && colonne >= 1 && colonne <= tableau.NbTotalHaut;
}

bool PartieColorier::EnteteAColorier(PartieBateau partie, int n) const {
    if (numJeu != 3 || Terminee()) return false;
    if (partie == PartieBateau::Coque) return n >= 1 && n <= tableau.NbTotalGauche && !teteCoqueFaite[n];
    return n >= 1 && n <= tableau.NbTotalHaut && !teteVoileFaite[n];
}

bool PartieColorier::CaseAColorier(int ligne, int colonne) const {
    return numJeu != 0 && !Terminee() && DansLeTableau(ligne, colonne) && !EstModele(ligne, colonne) &&
           !(coqueFaite[ligne][colonne] && voileFaite[ligne][colonne]);
}

int PartieColorier::CouleurJuste(PartieBateau partie, int ligne, int colonne) const {
    return partie == PartieBateau::Coque ? tableau.CouleursCoques[ligne] : tableau.CouleursVoiles[colonne];
}

PartieColorier::Effet PartieColorier::ColorierEntete(PartieBateau partie, int n, int couleur) {
    if (!EnteteAColorier(partie, n)) return Effet::Aucun;
    const bool coque = partie == PartieBateau::Coque;
    const bool juste = CouleurJuste(partie, coque ? n : 0, coque ? 0 : n) == couleur;
    if (coque)
        return Juger(juste, teteCoqueFaite[n], teteCoqueEssayee[n], &compteurs.NbBonnesGauche,
                     &compteurs.NbErreursGauche);
    return Juger(juste, teteVoileFaite[n], teteVoileEssayee[n], &compteurs.NbBonnesHaut,
                 &compteurs.NbErreursHaut);
}

PartieColorier::Effet PartieColorier::ColorierCase(int ligne, int colonne, PartieBateau partie, int couleur) {
    if (!CaseAColorier(ligne, colonne)) return Effet::Aucun;
    const bool coque = partie == PartieBateau::Coque;
    bool& faite = coque ? coqueFaite[ligne][colonne] : voileFaite[ligne][colonne];
    bool& essayee = coque ? coqueEssayee[ligne][colonne] : voileEssayee[ligne][colonne];
    if (faite) return Effet::Aucun;
    return Juger(CouleurJuste(partie, ligne, colonne) == couleur, faite, essayee, nullptr, nullptr);
}

// A right part counts as a good answer only at its first try; every wrong try is an error.
PartieColorier::Effet PartieColorier::Juger(bool juste, bool& faite, bool& essayee, int* bonnesEntete,
                                            int* erreursEntete) {
    EntrerEnJeu();
    if (juste) {
        ++nbColories;
        faite = true;
        if (!essayee) {
            ++compteurs.NbBonnes;
            if (bonnesEntete) ++*bonnesEntete;
        }
    } else {
        ++compteurs.NbErreurs;
        if (erreursEntete) ++*erreursEntete;
    }
    essayee = true;
    if (Terminee()) Terminer();
    return juste ? Effet::Juste : Effet::Faux;
}

int PartieColorier::CouleurEntete(PartieBateau partie, int n) const {
    const bool coque = partie == PartieBateau::Coque;
    const bool donnee = numJeu == 2 || (coque ? teteCoqueFaite[n] : teteVoileFaite[n]);
    return donnee ? CouleurJuste(partie, coque ? n : 0, coque ? 0 : n) : 0;
}

int PartieColorier::CouleurCase(int ligne, int colonne, PartieBateau partie) const {
    const bool coque = partie == PartieBateau::Coque;
    const bool faite =
        EstModele(ligne, colonne) || (coque ? coqueFaite[ligne][colonne] : voileFaite[ligne][colonne]);
    return faite ? CouleurJuste(partie, ligne, colonne) : 0;
}
