// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/FenetreJeuVoiliers.h"

#include "core/Apparence.h"
#include "core/PlateForme.h"
#include "core/Preferences.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/TableauImages.h"
#include "sailboats/TramesEcran.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int Bord = 8;
}

FenetreJeuVoiliers::FenetreJeuVoiliers(Programme& programme, AutresFenetres& autres,
                                       ImpressionVoiliers imprimer, QList<Exercice> exercices,
                                       const QString& usageDuTableau, QWidget* parent)
    : FenetreExercice(programme, autres, std::move(exercices), parent),
      tableau(new TableauImages(Plate(), this)), imprimer(std::move(imprimer)) {
    tableau->move(Bord, Bord);
    tableau->setAccessibleDescription(usageDuTableau);
}

void FenetreJeuVoiliers::ConstruireJeuTermine(const QRect& position, int taillePolice) {
    jeuTermine = Apparence::Panneau(this, QStringLiteral("PanelJeuTermine"), position, QColor(176, 240, 176));
    QLabel* texte = Apparence::Etiquette(jeuTermine, QStringLiteral("LabelJeuTermine"),
                                         QStringLiteral("Le jeu est terminé !"), jeuTermine->rect(),
                                         Apparence::Arial(taillePolice, true), Apparence::RougeFaux);
    texte->setAlignment(Qt::AlignCenter);
    jeuTermine->hide();
}

void FenetreJeuVoiliers::ConstruireBarreEtTrames(const QString& message, int largeurMessage) {
    ConstruireBarreDEtat(message, largeurMessage);
    boutonTrames = new BoutonTrames(Plate(), Reglages(), barreDEtat);
    PlacerInterrupteur(boutonTrames);
    connect(boutonTrames, &BoutonTrames::TramesChangees, this, &FenetreJeuVoiliers::AppliquerTrames);
}

void FenetreJeuVoiliers::TerminerConstruction() {
    MettreAEchelle();
    AppliquerTrames(boutonTrames->isChecked());
}

void FenetreJeuVoiliers::AppliquerTrames(bool actives) {
    const int echelle = TramesEcran::Echelle(Plate().GeometrieEcran().height());
    tableau->DefinirTrames(actives, echelle);
    TramerAussi(actives, echelle);
}

bool FenetreJeuVoiliers::MettreEnPlace(int taille) {
    if (!NouvellePartie(taille)) return false;
    Disposer();
    Redessiner();
    return true;
}

// Which "Modifier les choix pendant le jeu" governs "Changer": the exercise's own, as the
// preferences window shows one per exercise.
void FenetreJeuVoiliers::MontrerEtape() {
    FenetreExercice::MontrerEtape();
    Bouton(Commande::Changer)->setVisible(Prefs().ChoixModifiable(choix.NumJeu));
    const bool termine = Deroulement().EtapeEnCours() == DeroulementPartie::Etape::Terminee;
    jeuTermine->setVisible(termine);
    if (termine) jeuTermine->raise();
}

// "Imprimer l'exercice" prints the table as the game left it.
std::function<bool(const Destination&)> FenetreJeuVoiliers::ImpressionExercice() const {
    if (!imprimer) return {};
    return [imprimer = imprimer, joue = TableauJoue(), numJeu = choix.NumJeu](const Destination& vers) {
        return imprimer(vers, joue, numJeu);
    };
}

void FenetreJeuVoiliers::resizeEvent(QResizeEvent* evenement) {
    FenetreExercice::resizeEvent(evenement);
    QPushButton* aide = Bouton(Commande::Aide);
    aide->setIconSize(QSize(1, 1) * (aide->height() / 2));
}

void FenetreJeuVoiliers::Redisposer() {
    if (Compteurs().NbTotal == 0) return;
    Disposer();
    Redessiner();
}
