// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/PartieRemplir.h"

#include "core/Hasard.h"

#include <algorithm>

bool PartieRemplir::NouveauJeu(int taille, Hasard& hasard) {
    TableauVoiliers nouveau;
    if (taille < 1 || !nouveau.DefinirTaille(taille) || !nouveau.TirerCouleurs(hasard)) return false;
    tableau = nouveau;
    Recommencer(tableau.NbTotalGauche * tableau.NbTotalHaut, tableau.NbTotalGauche, tableau.NbTotalHaut);
    casePlacee = {};
    remplie = {};
    ligneEnCours = colonneEnCours = nbPlaces = 0;
    return true;
}

bool PartieRemplir::Commencer(Hasard& hasard) {
    if (EtapeEnCours() != Etape::MiseEnPlace || compteurs.NbTotal == 0) return false;
    EntrerEnJeu();
    ProposerVoilier(hasard);
    return true;
}

// Drawn again until a boat not yet proposed comes: the row first, then the column.
void PartieRemplir::ProposerVoilier(Hasard& hasard) {
    int r, c;
    do {
        r = hasard.Rnd(tableau.NbTotalGauche) + 1;
        c = hasard.Rnd(tableau.NbTotalHaut) + 1;
    } while (casePlacee[r][c]);
    casePlacee[r][c] = true;
    ligneEnCours = r;
    colonneEnCours = c;
    ++nbPlaces;
}

bool PartieRemplir::CaseCliquable(int ligne, int colonne) const {
    return EtapeEnCours() == Etape::EnJeu && ligne >= 1 && ligne <= tableau.NbTotalGauche && colonne >= 1 &&
           colonne <= tableau.NbTotalHaut && !remplie[ligne][colonne];
}

std::optional<PartieRemplir::Reponse> PartieRemplir::Repondre(int ligne, int colonne, Hasard& hasard) {
    if (!CaseCliquable(ligne, colonne)) return std::nullopt;
    const bool juste = ligne == ligneEnCours && colonne == colonneEnCours;
    ++(juste ? compteurs.NbBonnes : compteurs.NbErreurs);
    const Reponse reponse{juste, ligneEnCours, colonneEnCours, nbPlaces >= compteurs.NbTotal};
    remplie[ligneEnCours][colonneEnCours] = true;
    if (reponse.Fin) {
        Terminer();
        ligneEnCours = colonneEnCours = 0;
    } else {
        ProposerVoilier(hasard);
    }
    return reponse;
}

int PartieRemplir::HauteurPanneauBarres(int hauteurEcran, int nbTotal, int hauteurMax) {
    if (nbTotal <= 0) return 0;
    const int place = std::min(hauteurEcran * 480 / 600, hauteurMax);
    return std::max(place / nbTotal, 1) * nbTotal;
}

int PartieRemplir::HauteurBarre(int hauteurPanneau, int nbTotal, int reponses) {
    return nbTotal <= 0 ? 0 : hauteurPanneau / nbTotal * reponses;
}
