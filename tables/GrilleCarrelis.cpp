// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/GrilleCarrelis.h"

#include "core/Apparence.h"
#include "tables/CaseTableau.h"
#include "tables/DispositionJeu.h"

namespace {
const QColor Argent(192, 192, 192), Bleu(0, 0, 255), Blanc(255, 255, 255), Aqua(0, 255, 255), Noir(0, 0, 0);
} // namespace

GrilleCarrelis::GrilleCarrelis(QWidget& fenetre) : QObject(&fenetre) {
    auto* panel2 = new QFrame(&fenetre);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameShape(QFrame::Panel);
    panel2->setFrameShadow(QFrame::Raised);
    cadre = panel2;
    MontrerClavier(false);
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 12; ++r) {
            auto* cellule = new CaseTableau(c, r, &fenetre);
            cellule->setFont(Apparence::Arial(27, false));
            cellule->Peindre(Argent, Noir);
            cellule->setEnabled(false);
            cellule->hide();
            connect(cellule, &CaseTableau::Appuyee, this, &GrilleCarrelis::Appuyee);
            connect(cellule, &CaseTableau::Cliquee, this, &GrilleCarrelis::Cliquee);
            cases[c][r] = cellule;
        }
}

void GrilleCarrelis::MontrerClavier(bool dedans) {
    cadre->setStyleSheet(
        dedans ? QStringLiteral("QFrame#Panel2 { background: #1a2a6c; border: 5px solid #ffd700; }")
               : QStringLiteral("QFrame#Panel2 { background: #1a2a6c; border: 3px outset #3a4aa0; }"));
}

void GrilleCarrelis::Cacher() {
    for (auto& colonne : cases)
        for (CaseTableau* cellule : colonne)
            cellule->hide();
}

void GrilleCarrelis::Placer(const Tableau& t, int tailleCase, int bordGauche, int hautBarre) {
    const QRect rectangle =
        DispositionJeu::CadreTableau(tailleCase, t.NbLignes, t.NbColonnes, bordGauche, hautBarre);
    cadre->setGeometry(rectangle);
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r) {
            CaseTableau* cellule = cases[c][r];
            cellule->setGeometry(DispositionJeu::Case(rectangle, tailleCase, c, r));
            cellule->show();
            cellule->raise();
        }
}

void GrilleCarrelis::Afficher(const Tableau& t, Operation operation) {
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r) {
            CaseTableau* cellule = cases[c][r];
            const bool entete = t.EstEnTete(c, r);
            const bool montree = t.CaseRemplie[c][r];
            // White digits on the blue headers: black on pure blue is hard to read for a child.
            cellule->Peindre(entete ? Bleu : Argent, entete ? Blanc : Noir);
            cellule->setText(montree ? QString::number(t.Valeurs[c][r]) : QString());
            cellule->setEnabled(!montree);
            Nommer(t, operation, c, r);
        }
    cases[0][0]->Peindre(Blanc, Noir);
    cases[0][0]->setText(Signe(operation));
}

void GrilleCarrelis::Repondue(const Tableau& t, Operation operation, int c, int r, bool juste) {
    CaseTableau* cellule = cases[c][r];
    cellule->Peindre(t.EstEnTete(c, r) ? Aqua : Blanc, juste ? Apparence::VertJuste : Apparence::RougeFaux,
                     !juste);
    cellule->setText(QString::number(t.Valeurs[c][r]));
    cellule->setEnabled(false);
    Nommer(t, operation, c, r, juste ? QStringLiteral("juste") : QStringLiteral("faux"));
}

void GrilleCarrelis::ChoisirPolice(const QFont& police) {
    for (auto& colonne : cases)
        for (CaseTableau* cellule : colonne)
            cellule->setFont(police);
}

void GrilleCarrelis::Nommer(const Tableau& t, Operation operation, int c, int r, const QString& etat) {
    cases[c][r]->setAccessibleName(DescriptionCase(t, c, r, operation, etat));
}
