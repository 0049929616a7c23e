// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/PartieCarrelis.h"

#include "tables/DispositionJeu.h"
#include "tables/GenerateurTableau.h"

bool PartieCarrelis::NouveauJeu(const ChoixExercice& choisi, int taille, Hasard& hasard) {
    if (taille < 1 || !tableau.DefinirTaille(taille)) return false;
    choix = choisi;
    GenerateurTableau generateur(tableau, hasard, choix.Op);
    if (choix.NumJeu == 2)
        generateur.DisposerTrouver();
    else if (choix.NumJeu == 3)
        generateur.DisposerDefi();
    else
        generateur.DisposerRemplir();
    tableau.CaseDonnee = tableau.CaseRemplie;
    Recommencer(tableau.NbTotal, tableau.NbTotalGauche, tableau.NbTotalHaut);
    saisie.NouvelleCase();
    courante = QPoint(-1, -1);
    nbReponses = 0;
    return true;
}

bool PartieCarrelis::CaseATrouver(QPoint p) const {
    return p.x() >= 0 && p.x() <= tableau.NbColonnes && p.y() >= 0 && p.y() <= tableau.NbLignes &&
           tableau.CaseRemplie[p.x()][p.y()] == 0;
}

// The first cell chosen in a table starts the game: from then on only "Quitter" leaves before
// the end.
bool PartieCarrelis::ChoisirCase(QPoint p) {
    if (!CaseATrouver(p)) return false;
    EntrerEnJeu();
    AllerA(p);
    return true;
}

void PartieCarrelis::AllerA(QPoint p) {
    courante = p;
    saisie.NouvelleCase();
}

PartieCarrelis::Effet PartieCarrelis::Taper(Touche touche, QChar chiffre) {
    Effet effet;
    if (courante.x() < 0) {
        // Alt, Shift or a letter alone must not start the table: Alt+N and Alt+C would then find
        // their buttons disabled.
        if (touche == Touche::Autre) return effet;
        const auto premiere = PremiereCaseATrouver(tableau);
        if (!premiere) return effet;
        ChoisirCase(*premiere);
        effet.CaseChoisie = true;
        if (touche != Touche::Chiffre) return effet;
    }
    switch (touche) {
    case Touche::Suivante:
        if (const auto suivante = CaseSuivanteATrouver(tableau, courante)) {
            AllerA(*suivante);
            effet.CaseChoisie = true;
        }
        return effet;
    case Touche::Gauche:
        if (saisie.EffacerParLaGauche()) {
            effet.ReponseChangee = true;
            return effet;
        }
        effet.CaseChoisie = courante.x() != 0 && Deplacer(touche);
        return effet;
    case Touche::Droite:
    case Touche::Haut:
    case Touche::Bas:
        effet.CaseChoisie = saisie.Reponse().isEmpty() && Deplacer(touche);
        return effet;
    default:
        break;
    }
    effet.Saisie = true;
    const ToucheSaisie sorte = touche == Touche::Chiffre      ? ToucheSaisie::Chiffre
                               : touche == Touche::Effacement ? ToucheSaisie::Effacement
                               : touche == Touche::Entree     ? ToucheSaisie::Entree
                                                              : ToucheSaisie::Autre;
    switch (saisie.Touche(sorte, chiffre)) {
    case EffetSaisie::Affichage:
        effet.ReponseChangee = true;
        break;
    case EffetSaisie::Verifier:
        effet.Jugee = Juger();
        break;
    case EffetSaisie::Rien:
        break;
    }
    return effet;
}

bool PartieCarrelis::Deplacer(Touche fleche) {
    const Direction direction = fleche == Touche::Gauche   ? Direction::Gauche
                                : fleche == Touche::Droite ? Direction::Droite
                                : fleche == Touche::Haut   ? Direction::Haut
                                                           : Direction::Bas;
    const auto trouvee = ChercherCase(tableau, courante, direction);
    if (trouvee) AllerA(*trouvee);
    return trouvee.has_value();
}

// A cell is answered once: whatever path led here, an answered cell is never judged again.
std::optional<PartieCarrelis::Reponse> PartieCarrelis::Juger() {
    const int c = courante.x(), r = courante.y();
    if (!CaseATrouver(courante)) return std::nullopt;
    ++nbReponses;
    tableau.CaseRemplie[c][r] = 1;
    const int valeur = tableau.Valeurs[c][r];
    const bool juste = saisie.Reponse() == QString::number(valeur);
    CompteursResultat& n = compteurs;
    ++(juste ? n.NbBonnes : n.NbErreurs);
    (juste ? n.NbBonnesGauche : n.NbErreursGauche) += c == 0;
    (juste ? n.NbBonnesHaut : n.NbErreursHaut) += r == 0;
    saisie.Vider();
    const bool fin = nbReponses == n.NbTotal;
    if (fin) Terminer();
    return Reponse{juste, courante, valeur, fin};
}
