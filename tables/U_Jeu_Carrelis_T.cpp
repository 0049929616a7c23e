// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/U_Jeu_Carrelis_T.h"

#include "core/Apparence.h"
#include "core/EtiquetteAppreciation.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/ZoneMosaique.h"
#include "tables/CaseTableau.h"
#include "tables/ZoneReponse.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using Apparence::Arial;
const QColor Argent(192, 192, 192), Noir(0, 0, 0), Jaune(255, 255, 0);

// The right-hand column, at the design size: it keeps its width and stands against the right edge.
constexpr int LargeurColonne = 160;
constexpr int HauteurBarre = 25;

using Commande = FenetreExercice::Commande;

QLabel* Bloc(QWidget* parent, const char* nom, const char* titre, const QColor& fond, int y,
             const char* nomCompteur) {
    auto* bloc = new QFrame(parent);
    bloc->setObjectName(QString::fromLatin1(nom));
    bloc->setGeometry(0, y, 145, 117);
    bloc->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 2px outset %2; }")
                            .arg(bloc->objectName(), fond.name()));
    auto* bandeau = new QLabel(QString::fromUtf8(titre), bloc);
    bandeau->setGeometry(4, 4, 137, 25);
    bandeau->setAlignment(Qt::AlignCenter);
    bandeau->setFont(Arial(18, true));
    bandeau->setStyleSheet(QStringLiteral("background: %1; color: %2;").arg(Jaune.name(), fond.name()));
    auto* compteur = new QLabel(QStringLiteral("0"), bloc);
    compteur->setObjectName(QString::fromLatin1(nomCompteur));
    compteur->setGeometry(4, 33, 137, 80);
    compteur->setAlignment(Qt::AlignCenter);
    compteur->setFont(Arial(48, true));
    compteur->setStyleSheet(QStringLiteral("background: %1; color: black;").arg(Argent.name()));
    compteur->setProperty("titre", QString::fromUtf8(titre));
    compteur->setAccessibleName(QString::fromUtf8(titre));
    return compteur;
}

} // namespace

TF_Jeu_Carrelis_T::TF_Jeu_Carrelis_T(Programme& programme, AutresFenetres& autres, ImpressionTableau imprimer,
                                     QWidget* parent)
    : FenetreExercice(programme, autres,
                      {{1, "Carrelis - Jeu n° 1 : remplir", 2, "Remplir"},
                       {2, "Carrelis - Jeu n° 2 : trouver", 3, "Trouver"},
                       {3, "Carrelis - Jeu n° 3 : défi", 4, "Defi"}},
                      parent),
      imprimer(std::move(imprimer)) {
    setObjectName(QStringLiteral("F_Jeu_Carrelis_T"));
    Suivre(partie);
    grille = new GrilleCarrelis(*this);
    connect(grille, &GrilleCarrelis::Appuyee, this, &TF_Jeu_Carrelis_T::CaseAppuyee);
    connect(grille, &GrilleCarrelis::Cliquee, this, &TF_Jeu_Carrelis_T::CaseCliquee);
    ConstruireColonneDroite();
    ConstruireBarreDEtat(
        QStringLiteral("Clique dans la case que tu veux remplir, puis utilise le pavé numérique."), 640);
    ConstruireClavier();
    MettreAEchelle();
    tailleCase = Plate().GeometrieEcran().width() * 48 / 800;
    grille->Cadre()->resize(11 * tailleCase + 10, 11 * tailleCase + 10);
}

void TF_Jeu_Carrelis_T::ConstruireColonneDroite() {
    colonneDroite = new QWidget(this);
    colonneDroite->setObjectName(QStringLiteral("ColonneDroite"));
    colonneDroite->setGeometry(640, 0, LargeurColonne, 600 - HauteurBarre);
    AjouterCompteurs(Bloc(colonneDroite, "Panel3", "Justes", Apparence::VertJuste, 8, "CompteurSc"),
                     Bloc(colonneDroite, "Panel6", "Erreurs", Apparence::Marron, 132, "CompteurMr"));
    ConstruireAppreciation(colonneDroite, QRect(0, 258, 145, 56));
    appreciation->Nommer(QStringLiteral("Resultat"), QStringLiteral("Résultat"), QStringLiteral("Timer3"));
    appreciation->setFont(Apparence::Times(37, true));
    ConstruireBoutons(colonneDroite,
                      {{Commande::Nouveau, "Nouveau", "&Nouveau", QRect(0, 324, 145, 37)},
                       {Commande::Changer, "Changer", "&Changer", QRect(0, 368, 145, 37)},
                       {Commande::Bilan, "BoutonBilan", "&Bilan", QRect(0, 412, 145, 37)},
                       {Commande::Aide, "BAide", "&Aide", QRect(0, 456, 145, 37)},
                       {Commande::Quitter, "SpeedButton1", "&Quitter", QRect(0, 500, 145, 37)}});
    Bouton(Commande::Bilan)->setFont(Arial(21, true));
    Bouton(Commande::Aide)->setFont(Arial(19, false));
}

void TF_Jeu_Carrelis_T::ConstruireClavier() {
    zoneReponse = new ZoneReponse(this);
    zoneReponse->hide();
    clavier = new QLineEdit(this);
    clavier->setObjectName(QStringLiteral("Pourcurseur"));
    clavier->setFrame(false);
    clavier->setMaxLength(1);
    // Hidden by its size and emptied after each key, not by a password echo: a screen reader
    // would keep quiet on the digits typed in a password field.
    clavier->setGeometry(0, 0, 1, 1);
    clavier->setAccessibleName(QStringLiteral("Tableau : choisis une case avec les flèches"));
    clavier->installEventFilter(this);
    clavier->lower();
    mobilier->Fond()->lower();
    setTabOrder(clavier, Bouton(Commande::Nouveau));
    clignotement = new QTimer(this); // Timer2
    clignotement->setInterval(500);
    connect(clignotement, &QTimer::timeout, zoneReponse, &ZoneReponse::FaireClignoter);
}

QWidget* TF_Jeu_Carrelis_T::PlaceDuJeu() {
    return clavier;
}

void TF_Jeu_Carrelis_T::showEvent(QShowEvent* evenement) {
    FenetreExercice::showEvent(evenement);
    clignotement->start();
}

void TF_Jeu_Carrelis_T::hideEvent(QHideEvent* evenement) {
    FenetreExercice::hideEvent(evenement);
    clignotement->stop();
}

void TF_Jeu_Carrelis_T::resizeEvent(QResizeEvent* evenement) {
    FenetreExercice::resizeEvent(evenement);
    colonneDroite->move(width() - colonneDroite->width(), 0);
    if (TableauJoue().NbColonnes > 0) PlacerTableau();
}

bool TF_Jeu_Carrelis_T::MettreEnPlace(int taille) {
    if (!partie.NouveauJeu(choix, taille, Aleatoire())) return false;
    grille->Cacher();
    appreciation->Effacer();
    zoneReponse->hide();
    const Tableau& t = TableauJoue();
    const QRect ecran = Plate().GeometrieEcran();
    tailleCase = DispositionJeu::TailleCase(ecran.height(), t.NbLignes, t.NbColonnes,
                                            GeometrieMenu().width() - colonneDroite->width());
    PlacerTableau();
    grille->Afficher(t, choix.Op);
    zoneReponse->Dimensionner(tailleCase, DispositionJeu::MargeReponse(ecran.height()));
    QFont police(QStringLiteral("Arial"));
    police.setPointSize(DispositionJeu::TaillePolice(police, zoneReponse->LargeurTexte()));
    zoneReponse->ChoisirPolice(police);
    grille->ChoisirPolice(police);
    return true;
}

void TF_Jeu_Carrelis_T::PlacerTableau() {
    grille->Placer(TableauJoue(), tailleCase, colonneDroite->x(), barreDEtat->y());
    const QPoint courante = partie.CaseCourante();
    if (courante.x() >= 0) zoneReponse->move(Cellule(courante.x(), courante.y())->pos());
    zoneReponse->raise();
}

// The answer window goes when the table is finished.
void TF_Jeu_Carrelis_T::MontrerEtape() {
    FenetreExercice::MontrerEtape();
    if (partie.EtapeEnCours() == PartieCarrelis::Etape::Terminee) zoneReponse->hide();
}

// The press moves the answer window and unlocks typing: from then on the pressed cell is the one
// judged, whether the button is released on it (a click) or after dragging off it.
void TF_Jeu_Carrelis_T::CaseAppuyee(CaseTableau* cellule) {
    if (!partie.ChoisirCase(QPoint(cellule->Colonne(), cellule->Ligne()))) return;
    MontrerEtape();
    MontrerCaseCourante(false);
    cellule->Enfoncer(true);
}

void TF_Jeu_Carrelis_T::CaseCliquee(CaseTableau* cellule) {
    if (partie.CaseCourante() != QPoint(cellule->Colonne(), cellule->Ligne())) CaseAppuyee(cellule);
}

// The answer window over the cell now chosen, empty, the keyboard in it.
void TF_Jeu_Carrelis_T::MontrerCaseCourante(bool annoncer) {
    CaseTableau* cellule = Cellule(partie.CaseCourante().x(), partie.CaseCourante().y());
    zoneReponse->show();
    zoneReponse->raise();
    zoneReponse->AfficherTexte(QString(), Noir);
    clavier->clear();
    clavier->setFocus();
    zoneReponse->move(cellule->pos());
    zoneReponse->MontrerCurseur(true);
    clavier->setAccessibleName(cellule->accessibleName());
    if (annoncer) Plate().Annoncer(*clavier, QAccessible::NameChanged);
}

void TF_Jeu_Carrelis_T::AfficherReponse() {
    zoneReponse->AfficherTexte(partie.Saisie().Reponse(), Noir);
    clavier->setAccessibleName(QStringLiteral("Réponse : %1").arg(partie.Saisie().Reponse()));
    Plate().Annoncer(*clavier, QAccessible::NameChanged);
}

bool TF_Jeu_Carrelis_T::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == clavier && (evenement->type() == QEvent::FocusIn || evenement->type() == QEvent::FocusOut))
        grille->MontrerClavier(evenement->type() == QEvent::FocusIn);
    if (objet != clavier || evenement->type() != QEvent::KeyPress)
        return FenetreExercice::eventFilter(objet, evenement);
    auto* touche = static_cast<QKeyEvent*>(evenement);
    const int code = touche->key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_F1 || code == Qt::Key_Escape)
        return false;
    const auto [sorte, chiffre] = PartieCarrelis::ToucheDuClavier(code, touche->text());
    const PartieCarrelis::Effet effet = partie.Taper(sorte, chiffre);
    if (effet.Saisie) appreciation->Effacer();
    if (effet.CaseChoisie) {
        MontrerEtape();
        MontrerCaseCourante(true);
    }
    if (effet.ReponseChangee) AfficherReponse();
    if (effet.Jugee) MontrerJugement(*effet.Jugee);
    clavier->clear();
    return true;
}

void TF_Jeu_Carrelis_T::MontrerJugement(const PartieCarrelis::Reponse& reponse) {
    const QString valeur = QString::number(reponse.Valeur);
    zoneReponse->MontrerCurseur(false);
    zoneReponse->AfficherTexte(valeur, reponse.Juste ? Apparence::VertJuste : Apparence::RougeFaux);
    grille->Repondue(TableauJoue(), choix.Op, reponse.Case.x(), reponse.Case.y(), reponse.Juste);
    Repondu(reponse.Juste,
            reponse.Juste ? QStringLiteral("Juste") : QStringLiteral("Faux, c'était %1").arg(valeur));
}

// The table as the game left it, for the exercise played.
std::function<bool(const Destination&)> TF_Jeu_Carrelis_T::ImpressionExercice() const {
    if (!imprimer) return {};
    return [imprimer = imprimer, tableau = TableauJoue(), choix = choix](const Destination& vers) {
        return imprimer(vers, tableau, choix);
    };
}
