// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/FeuilleTableaux.h"

#include "tables/GenerateurTableau.h"

#include <algorithm>

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

namespace {

const char* const Exercices[] = {"", "remplir", "trouver", "défi"};

QString Dimensions(const Tableau& t) {
    return QStringLiteral("%1 x %2").arg(t.NbLignes).arg(t.NbColonnes);
}

QString Consigne(const QString& consigne) {
    return consigne.isEmpty() ? QStringLiteral("sans consigne") : QStringLiteral("consigne : ") + consigne;
}

} // namespace

QString DescriptionFeuille(const FeuilleTableaux& feuille) {
    const ReglagesFeuille& r = feuille.Reglages;
    QString texte = feuille.Op == Operation::Addition ? QStringLiteral("Table d'addition")
                                                      : QStringLiteral("Table de multiplication");
    if (feuille.TroisDifferents()) {
        texte += QStringLiteral(", 3 tableaux différents");
        for (int i = 1; i <= 3; ++i)
            texte += QStringLiteral(" ; jeu n° %1 : %2, %3, %4")
                         .arg(i)
                         .arg(QString::fromUtf8(Exercices[i]), Dimensions(feuille.Trois[size_t(i - 1)]),
                              Consigne(r.ConsigneN(i)));
        return texte + QLatin1Char('.');
    }
    const int jeu = std::clamp(int(r.JeuImprime), 1, 3);
    const int fois = r.NbExAImprimer;
    return texte + QStringLiteral(", jeu n° %1 : %2, tableau de %3, %4 sur la feuille, %5.")
                       .arg(jeu)
                       .arg(QString::fromUtf8(Exercices[jeu]), Dimensions(feuille.Copie),
                            fois == 1 ? QStringLiteral("une fois") : QStringLiteral("%1 fois").arg(fois),
                            Consigne(r.Consigne));
}
