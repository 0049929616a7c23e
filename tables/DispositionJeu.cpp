// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/DispositionJeu.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

std::optional<QPoint> ChercherCase(const Tableau& t, QPoint depart, Direction direction) {
    int c = depart.x(), r = depart.y();
    auto surLeBord = [&] {
        switch (direction) {
        case Direction::Gauche:
            return c == 0;
        case Direction::Droite:
            return c == t.NbColonnes;
        case Direction::Haut:
            return r == 0;
        case Direction::Bas:
            return r == t.NbLignes;
        }
        return true;
    };
    for (;;) {
        if (!surLeBord()) {
            c += direction == Direction::Droite ? 1 : direction == Direction::Gauche ? -1 : 0;
            r += direction == Direction::Bas ? 1 : direction == Direction::Haut ? -1 : 0;
        }
        if (t.CaseRemplie[c][r] == 0) return QPoint(c, r);
        if (surLeBord()) return std::nullopt;
    }
}

std::optional<QPoint> PremiereCaseATrouver(const Tableau& t) {
    for (int r = 0; r <= t.NbLignes; ++r)
        for (int c = 0; c <= t.NbColonnes; ++c)
            if (t.CaseRemplie[c][r] == 0) return QPoint(c, r);
    return std::nullopt;
}

QString DescriptionCase(const Tableau& t, int c, int r, Operation operation, const QString& etat) {
    const QString contenu =
        t.CaseRemplie[c][r] ? QString::number(t.Valeurs[c][r]) : QStringLiteral("à trouver");
    QString texte;
    if (c == 0 && r == 0)
        return QStringLiteral("Signe de l'opération : %1")
            .arg(operation == Operation::Addition ? QStringLiteral("plus") : QStringLiteral("fois"));
    if (r == 0)
        texte = QStringLiteral("En-tête de la colonne %1 : %2").arg(c).arg(contenu);
    else if (c == 0)
        texte = QStringLiteral("En-tête de la ligne %1 : %2").arg(r).arg(contenu);
    else
        texte = QStringLiteral("Colonne %1, ligne %2 : %3").arg(c).arg(r).arg(contenu);
    return etat.isEmpty() ? texte : texte + QStringLiteral(", ") + etat;
}

std::optional<QPoint> CaseSuivanteATrouver(const Tableau& t, QPoint depart) {
    const int largeur = t.NbColonnes + 1, total = largeur * (t.NbLignes + 1);
    const int origine = depart.y() * largeur + depart.x();
    for (int pas = 1; pas <= total; ++pas) {
        const int i = (origine + pas) % total;
        if (t.CaseRemplie[i % largeur][i / largeur] == 0) return QPoint(i % largeur, i / largeur);
    }
    return std::nullopt;
}

namespace DispositionJeu {

constexpr int MargeCadre = 8;

int TailleCase(int hauteurEcran, int nbLignes, int nbColonnes, int largeurGauche) {
    const int selonHauteur =
        std::min(hauteurEcran * (489 / (nbLignes + 1)) / 600, hauteurEcran * (613 / (nbColonnes + 1)) / 600);
    const int selonLargeur = (largeurGauche - 10 - 2 * MargeCadre) / (nbColonnes + 1);
    return std::max(1, std::min(selonHauteur, selonLargeur));
}

QRect CadreTableau(int tailleCase, int nbLignes, int nbColonnes, int bordGauche, int hautBarre) {
    const int largeur = (nbColonnes + 1) * tailleCase + 10;
    const int hauteur = (nbLignes + 1) * tailleCase + 10;
    return QRect((bordGauche - largeur) / 2, (hautBarre - hauteur) / 2, largeur, hauteur);
}

QRect Case(const QRect& cadre, int tailleCase, int c, int r) {
    return QRect(cadre.left() + c * tailleCase + 5, cadre.top() + r * tailleCase + 5, tailleCase, tailleCase);
}

int MargeReponse(int hauteurEcran) {
    return hauteurEcran * 2 / 600;
}

int TaillePolice(const QFont& police, int largeurZone) {
    QFont essai = police;
    int taille = 72;
    do {
        --taille;
        essai.setPointSize(taille);
    } while (taille > 1 && QFontMetrics(essai).horizontalAdvance(QStringLiteral("100")) >= largeurZone);
    return taille;
}

} // namespace DispositionJeu
