#include "sheets/FeuilleTableaux.h"

#include "tables/GenerateurTableau.h"

namespace {

void Tirer(Tableau& tableau, DimensionsTableau dimensions, int numJeu, Operation operation, Hasard& hasard) {
    tableau.NbLignes = dimensions.NbLignes;
    tableau.NbColonnes = dimensions.NbColonnes;
    GenerateurTableau(tableau, hasard, operation).TableauPourFeuille(numJeu);
    // The sheet shows what a new game would give.
    tableau.CaseDonnee = tableau.CaseRemplie;
}

} // namespace

void FeuilleTableaux::TirerCopie(Hasard& hasard) {
    Tirer(Copie, Reglages.Dimensions(), Reglages.JeuImprime, Op, hasard);
}

void FeuilleTableaux::TirerTrois(Hasard& hasard) {
    for (int i = 1; i <= 3; ++i)
        Tirer(Trois[static_cast<size_t>(i - 1)], Reglages.DimensionsN(i), i, Op, hasard);
}

void FeuilleTableaux::TirerTableaux(Hasard& hasard) {
    if (TroisDifferents())
        TirerTrois(hasard);
    else
        TirerCopie(hasard);
}

bool FeuilleTableaux::MemesTableaux(const FeuilleTableaux& autre) const {
    if (TroisDifferents() != autre.TroisDifferents()) return false;
    if (!TroisDifferents()) return MemeContenu(Copie, autre.Copie);
    for (size_t i = 0; i < Trois.size(); ++i)
        if (!MemeContenu(Trois[i], autre.Trois[i])) return false;
    return true;
}

bool MemeContenu(const Tableau& a, const Tableau& b) {
    if (a.NbLignes != b.NbLignes || a.NbColonnes != b.NbColonnes) return false;
    for (int c = 0; c <= a.NbColonnes && c < Tableau::Dim; ++c)
        for (int r = 0; r <= a.NbLignes && r < Tableau::Dim; ++r)
            if (a.Valeurs[c][r] != b.Valeurs[c][r] || a.CaseDonnee[c][r] != b.CaseDonnee[c][r]) return false;
    return true;
}
