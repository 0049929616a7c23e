// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FenetreExercice.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/AutresFenetres.h"
#include "core/BarreDEtat.h"
#include "core/Echelle.h"
#include "core/EtiquetteAppreciation.h"
#include "core/IconeAide.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/RoleAccessible.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

FenetreExercice::FenetreExercice(Programme& programme, AutresFenetres& autres, QList<Exercice> exercices,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prog(programme),
      autres(autres), exercices(std::move(exercices)) {
    // A plain QWidget reaches assistive technologies as a "filler" pane; an exercise window is a
    // window, and screen readers announce it by its caption when it comes up.
    DonnerRoleAccessible<FenetreExercice, QAccessible::Window>();
    resize(800, 600);
    mobilier = new MobilierPleinEcran(*this, prog, {.Images = [this] {
        return std::pair{prog.Prefs.ImagesPref[1], prog.Profil().ImageExo};
    }});
    if (!this->exercices.isEmpty()) choix.NumJeu = this->exercices.front().NumJeu;
    MontrerExercice();
}

const FenetreExercice::Exercice& FenetreExercice::ExerciceEnCours() const {
    for (const Exercice& exercice : exercices)
        if (exercice.NumJeu == choix.NumJeu) return exercice;
    return exercices.front();
}

void FenetreExercice::MontrerExercice() {
    if (exercices.isEmpty()) return;
    setWindowTitle(QString::fromUtf8(ExerciceEnCours().Titre));
    DefinirContexteAide(*this, ExerciceEnCours().ContexteAide);
}

// One centred message at the bottom, 25 pixels high.
void FenetreExercice::ConstruireBarreDEtat(const QString& message, int largeurMessage) {
    constexpr int Hauteur = 25;
    auto* barre = new BarreDEtat(message, Apparence::Arial(16, false), this);
    barre->setGeometry(0, 600 - Hauteur, 800, Hauteur);
    barre->setAutoFillBackground(true);
    barre->Message()->setGeometry(0, 0, largeurMessage, Hauteur);
    barreDEtat = barre;
}

void FenetreExercice::ConstruireBoutons(QWidget* parent, std::initializer_list<DescriptionBouton> liste) {
    // In the order of Commande.
    static constexpr void (FenetreExercice::*actions[])() = {
        &FenetreExercice::Commencer, &FenetreExercice::Recommencer, &FenetreExercice::ChangerDeTaille,
        &FenetreExercice::VoirBilan, &FenetreExercice::Aide,        &FenetreExercice::Quitter};
    for (const DescriptionBouton& b : liste) {
        QPushButton* bouton = Apparence::BoutonExercice(parent, QString::fromLatin1(b.Nom),
                                                        QString::fromUtf8(b.Libelle), b.Position);
        boutons[static_cast<size_t>(b.Role)] = bouton;
        connect(bouton, &QPushButton::clicked, this, actions[static_cast<size_t>(b.Role)]);
    }
    if (QPushButton* aide = Bouton(Commande::Aide)) {
        aide->setStyleSheet(
            QStringLiteral("QPushButton { color: green; } QPushButton:disabled { color: gray; }"));
        aide->setIcon(IconeAide());
    }
}

void FenetreExercice::ConstruireAppreciation(QWidget* parent, const QRect& position) {
    appreciation = new EtiquetteAppreciation(prog.Plate(), parent);
    appreciation->setGeometry(position);
}

void FenetreExercice::AjouterCompteurs(QLabel* bonnes, QLabel* erreurs) {
    compteurs = {bonnes, erreurs};
}

// The switch lies at the right end of the status bar, where the message leaves room.
void FenetreExercice::PlacerInterrupteur(QPushButton* bouton) {
    interrupteur = bouton;
    interrupteur->setGeometry(636, 1, 160, 23);
    interrupteur->setFont(Apparence::Arial(13, true));
}

void FenetreExercice::MettreAEchelle() {
    rapport = mobilier->MettreAEchelle();
}

void FenetreExercice::Ouvrir(const ChoixExercice& choisi) {
    choix = choisi;
    if (!exercices.isEmpty())
        choix.NumJeu = std::clamp(choix.NumJeu, exercices.front().NumJeu, exercices.back().NumJeu);
    MontrerExercice();
    appreciation->Effacer();
    prog.Aleatoire().Randomize();
    mobilier->Placer();
    NouveauJeu();
    mobilier->Tenir();
    show();
    raise();
    activateWindow();
    PlaceDuJeu()->setFocus();
}

void FenetreExercice::NouveauJeu() {
    if (!MettreEnPlace(prog.Prefs.TailleJeu(choix.NumJeu))) MettreEnPlace(Preferences::TailleJeuParDefaut);
    MontrerCompteurs(false);
    MontrerEtape();
}

void FenetreExercice::MontrerEtape() {
    const BoutonsJeu actifs = deroulement->Boutons();
    const std::pair<Commande, bool> etats[] = {{Commande::Commencer, actifs.Commencer},
                                               {Commande::Nouveau, actifs.Nouveau},
                                               {Commande::Changer, actifs.Changer},
                                               {Commande::Bilan, actifs.Bilan},
                                               {Commande::Quitter, actifs.Quitter}};
    for (auto [commande, actif] : etats)
        if (QPushButton* bouton = Bouton(commande)) bouton->setEnabled(actif);
}

// A screen reader hears the score, not only the caption of its block.
void FenetreExercice::MontrerCompteurs(bool annoncer) {
    const CompteursResultat& n = deroulement->Compteurs();
    const int valeurs[] = {n.NbBonnes, n.NbErreurs};
    for (size_t i = 0; i < compteurs.size(); ++i) {
        QLabel* compteur = compteurs[i];
        if (!compteur) continue;
        const QString nom =
            QStringLiteral("%1 : %2").arg(compteur->property("titre").toString()).arg(valeurs[i]);
        if (compteur->accessibleName() == nom) continue;
        compteur->setText(QString::number(valeurs[i]));
        compteur->setAccessibleName(nom);
        if (annoncer) prog.Plate().Annoncer(*compteur, QAccessible::NameChanged);
    }
}

void FenetreExercice::Repondu(bool juste, const QString& parole) {
    appreciation->Afficher(juste, parole);
    MontrerCompteurs(true);
    MontrerEtape();
    if (deroulement->EtapeEnCours() == DeroulementPartie::Etape::Terminee)
        Bouton(Commande::Bilan)->setFocus();
}

void FenetreExercice::Recommencer() {
    NouveauJeu();
    PlaceDuJeu()->setFocus();
}

void FenetreExercice::Aide() {
    prog.Plate().AfficherAide(prog.FichierAide, QString::fromLatin1(ExerciceEnCours().SujetAide));
}

QWidget* FenetreExercice::PlaceApresChangement() {
    return Bouton(Commande::Changer);
}

void FenetreExercice::ChangerDeTaille() {
    quint8& taille = prog.Prefs.TailleJeu(choix.NumJeu);
    if (const std::optional<quint8> choisie = autres.ChoisirTaille(choix.NumJeu, taille);
        choisie && *choisie != taille) {
        taille = *choisie;
        NouveauJeu();
    }
    PlaceApresChangement()->setFocus();
}

PlateForme& FenetreExercice::Plate() const {
    return prog.Plate();
}

Hasard& FenetreExercice::Aleatoire() const {
    return prog.Aleatoire();
}

const Preferences& FenetreExercice::Prefs() const {
    return prog.Prefs;
}

ReglagesUtilisateur& FenetreExercice::Reglages() const {
    return prog.Reglages();
}

QRect FenetreExercice::GeometrieMenu() const {
    return prog.GeometrieMenu;
}

void FenetreExercice::MontrerBilan() {
    autres.MontrerBilan(ResultatPartie{choix.NumJeu, deroulement->Compteurs(), ImpressionExercice()});
    deroulement->BilanMontre();
}

void FenetreExercice::VoirBilan() {
    MontrerBilan();
    MontrerEtape();
    Bouton(Commande::Nouveau)->setFocus();
}

void FenetreExercice::Quitter() {
    if (deroulement->QuitterOuvreBilan()) MontrerBilan();
    quitte = true;
    close();
    quitte = false;
}

// Closed another way than by "Quitter" (the window manager): the answers given are not lost.
void FenetreExercice::closeEvent(QCloseEvent* evenement) {
    if (!quitte && deroulement && deroulement->QuitterOuvreBilan()) MontrerBilan();
    QWidget::closeEvent(evenement);
}

void FenetreExercice::hideEvent(QHideEvent* evenement) {
    QWidget::hideEvent(evenement);
    if (appreciation) appreciation->Effacer();
}

void FenetreExercice::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    if (barreDEtat)
        barreDEtat->setGeometry(0, height() - barreDEtat->height(), width(), barreDEtat->height());
    if (interrupteur) {
        interrupteur->move(width() - interrupteur->width() - AEchelle(4, rapport), interrupteur->y());
        interrupteur->setIconSize(QSize(2, 1) * (interrupteur->height() * 2 / 3));
    }
}
