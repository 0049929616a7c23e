// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/U_Jeu_1.h"

#include "core/Apparence.h"
#include "core/Echelle.h"
#include "core/EtiquetteAppreciation.h"
#include "core/PlateForme.h"
#include "sailboats/BarreScore.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/Couleurs.h"
#include "sailboats/DescriptionsVoiliers.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/TableauImages.h"

#include <QLabel>
#include <QPushButton>

namespace {

using Apparence::Arial;

const QColor FondTableau(216, 208, 200);

// Design sizes (800 x 600): the score column at the right, the row of buttons above the status
// bar, the table and the boat to place in the room left.
constexpr int LargeurScores = 132;
constexpr int HautBarres = 48;
constexpr int HauteurBoutons = 36, LargeurBouton = 100, EcartBoutons = 8;
constexpr int Bord = 8;

QRect PlaceBouton(int rang) {
    return QRect(rang * (LargeurBouton + EcartBoutons), 0, LargeurBouton, HauteurBoutons);
}

} // namespace

TF_Jeu_1::TF_Jeu_1(Programme& programme, AutresFenetres& autres, ImpressionVoiliers imprimer, QWidget* parent)
    : FenetreJeuVoiliersDe(
          programme, autres, std::move(imprimer), {{1, "Navirelle : exercice n° 1", 2, "Trouver"}},
          QStringLiteral("Les flèches choisissent une case, Entrée y place le bateau proposé."), parent) {
    setObjectName(QStringLiteral("F_Jeu_1"));
    for (int r = 1; r <= TableauVoiliers::LignesMax; ++r)
        for (int c = 1; c <= TableauVoiliers::ColonnesMax; ++c)
            connect(tableau->Case(r, c), &ImageVoilier::Clic, this, [this, r, c] { CaseCliquee(r, c); });
    connect(tableau, &TableauImages::ToucheJouee, this, &TF_Jeu_1::ToucheJouee);
    cadreProposition = Apparence::Panneau(this, QStringLiteral("PanelProposition"), QRect(), FondTableau);
    imageAPlacer = new ImageVoilier(cadreProposition);
    imageAPlacer->setObjectName(QStringLiteral("ImageAPlacer"));
    ConstruireScores();
    ConstruireBoutons();
    ConstruireBarreEtTrames(QStringLiteral("Avec la souris, choisis la case qui convient."), 600);
    QWidget::setTabOrder(tableau, Bouton(Commande::Commencer));
    QWidget::setTabOrder(Bouton(Commande::Quitter), boutonTrames);
    TerminerConstruction();
}

void TF_Jeu_1::ConstruireScores() {
    colonneScores = Apparence::Panneau(this, QStringLiteral("Panel1"),
                                       QRect(800 - LargeurScores, 0, LargeurScores, 575), FondTableau);
    for (auto [nom, texte, x, encre] : {std::tuple{"Label2", "Bonnes réponses", 16, Apparence::VertJuste},
                                        std::tuple{"Label1", "Mauvaises réponses", 70, Apparence::Marron}}) {
        QLabel* etiquette =
            Apparence::Etiquette(colonneScores, QString::fromLatin1(nom), QString::fromUtf8(texte),
                                 QRect(x, 4, 62, 40), Arial(10, true), encre);
        etiquette->setWordWrap(true);
        etiquette->setAlignment(Qt::AlignCenter);
    }
    barreBonnes = new BarreScore(QStringLiteral("Bonnes réponses"), Apparence::VertJuste, colonneScores);
    barreBonnes->setObjectName(QStringLiteral("PanelBScore"));
    barreBonnes->setGeometry(22, HautBarres, 50, 100);
    barreErreurs = new BarreScore(QStringLiteral("Mauvaises réponses"), Apparence::RougeFaux, colonneScores);
    barreErreurs->setObjectName(QStringLiteral("PanelMScore"));
    barreErreurs->setGeometry(78, HautBarres, 50, 100);
    graduationMax = Apparence::Etiquette(colonneScores, QStringLiteral("EtMax"), QString(),
                                         QRect(0, 0, 20, 16), Arial(11, true), Qt::black);
    graduationZero = Apparence::Etiquette(colonneScores, QStringLiteral("EtZero"), QStringLiteral("0"),
                                          QRect(0, 0, 20, 16), Arial(11, true), Qt::black);
    for (QLabel* etiquette : {graduationMax, graduationZero})
        etiquette->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ConstruireAppreciation(colonneScores, QRect(0, 505, LargeurScores, 60));
}

void TF_Jeu_1::ConstruireBoutons() {
    rangeeBoutons = new QWidget(this);
    rangeeBoutons->setObjectName(QStringLiteral("RangeeBoutons"));
    rangeeBoutons->setGeometry(Bord, 600 - 25 - Bord - HauteurBoutons, 6 * (LargeurBouton + EcartBoutons),
                               HauteurBoutons);
    FenetreExercice::ConstruireBoutons(
        rangeeBoutons, {{Commande::Commencer, "BoutonCommencer", "&Commencer", PlaceBouton(0)},
                        {Commande::Nouveau, "BoutonNouveauJeu", "&Nouveau", PlaceBouton(1)},
                        {Commande::Changer, "BoutonChanger", "Chan&ger", PlaceBouton(2)},
                        {Commande::Bilan, "BoutonBilan", "&Bilan", PlaceBouton(3)},
                        {Commande::Aide, "BAide", "&Aide", PlaceBouton(4)},
                        {Commande::Quitter, "BoutonQuitter", "&Quitter", PlaceBouton(5)}});
    for (QPushButton* bouton : rangeeBoutons->findChildren<QPushButton*>())
        bouton->setFont(Arial(16, true));
    // Over the three buttons that wait for the results, once the table is full.
    ConstruireJeuTermine(
        QRect(Bord, rangeeBoutons->y(), 3 * LargeurBouton + 2 * EcartBoutons, HauteurBoutons), 18);
}

QWidget* TF_Jeu_1::PlaceDuJeu() {
    return Bouton(Commande::Commencer);
}

bool TF_Jeu_1::NouvellePartie(int taille) {
    return partie.NouveauJeu(taille, Aleatoire());
}

void TF_Jeu_1::resizeEvent(QResizeEvent* evenement) {
    FenetreJeuVoiliers::resizeEvent(evenement);
    colonneScores->setGeometry(width() - colonneScores->width(), 0, colonneScores->width(), barreDEtat->y());
    appreciation->move(0, colonneScores->height() - AEchelle(70, rapport));
    const int hautBoutons = barreDEtat->y() - AEchelle(Bord + HauteurBoutons, rapport);
    rangeeBoutons->move(rangeeBoutons->x(), hautBoutons);
    jeuTermine->move(jeuTermine->x(), hautBoutons);
    Redisposer();
}

// The table, the boat beside it and the bars, as large as the screen's height allows without
// reaching the score column or the buttons.
void TF_Jeu_1::Disposer() {
    const TableauVoiliers& t = partie.Tableau();
    const int bord = AEchelle(Bord, rapport);
    const QSize place(colonneScores->x() - 2 * bord, rangeeBoutons->y() - 2 * bord);
    const GeometrieVoiliers g =
        GeometrieVoiliers::DansLaPlace(Plate().GeometrieEcran().height(), t.NbTotalGauche, t.NbTotalHaut,
                                       place, [](int w) { return w / 3 + w * 3 / 2; });
    tableau->move(bord, bord);
    tableau->Disposer(g);
    cadreProposition->setGeometry(g.W / 3 + tableau->x() + tableau->width(), g.A + tableau->y() + g.Marge,
                                  g.W * 3 / 2, g.A * 3 / 2);
    imageAPlacer->setGeometry((cadreProposition->width() - g.W) / 2, (cadreProposition->height() - g.A) / 2,
                              g.W - 2, g.A - 2);
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c)
            tableau->Case(r, c)->DefinirActions({{QString(), QPoint(g.W / 2, g.A / 2)}});
    PlacerBarres();
}

void TF_Jeu_1::PlacerBarres() {
    const int n = partie.Compteurs().NbTotal;
    const int haut = AEchelle(HautBarres, rapport);
    const int place = appreciation->y() - AEchelle(12, rapport) - haut - 2 * BarreScore::Bord;
    const int hauteur = PartieRemplir::HauteurPanneauBarres(Plate().GeometrieEcran().height(), n, place);
    for (BarreScore* barre : {barreBonnes, barreErreurs}) {
        barre->move(barre->x(), haut);
        barre->Definir(hauteur, n);
    }
    barreBonnes->Afficher(partie.Compteurs().NbBonnes);
    barreErreurs->Afficher(partie.Compteurs().NbErreurs);
    graduationMax->setText(QString::number(n));
    graduationMax->move(graduationMax->x(), haut + barreBonnes->Graduation(n) - graduationMax->height() / 2);
    graduationZero->move(graduationZero->x(), haut + barreBonnes->Pied() - graduationZero->height() / 2);
}

// The bar that grew is heard.
void TF_Jeu_1::MontrerCompteurs(bool annoncer) {
    const CompteursResultat& n = partie.Compteurs();
    for (auto [barre, valeur] : {std::pair{barreBonnes, n.NbBonnes}, std::pair{barreErreurs, n.NbErreurs}}) {
        if (barre->Valeur() == valeur) continue;
        barre->Afficher(valeur);
        if (annoncer) Plate().Annoncer(*barre, QAccessible::NameChanged);
    }
}

void TF_Jeu_1::Redessiner() {
    const TableauVoiliers& t = partie.Tableau();
    const int marge = tableau->Geometrie().Marge;
    for (int c = 1; c <= t.NbTotalHaut; ++c) {
        VoilierEcran dessin = tableau->EnteteVoiles(c)->Dessin(marge);
        dessin.EffacerImage(Argent);
        dessin.DessinerVoiles(Couleurs[t.CouleursVoiles[c]]);
        tableau->EnteteVoiles(c)->setEnabled(false);
        tableau->EnteteVoiles(c)->setAccessibleName(
            DescriptionsVoiliers::EnteteVoiles(c, t.CouleursVoiles[c]));
    }
    for (int r = 1; r <= t.NbTotalGauche; ++r) {
        VoilierEcran dessin = tableau->EnteteCoque(r)->Dessin(marge);
        dessin.EffacerImage(Argent);
        dessin.DessinerCoque(Couleurs[t.CouleursCoques[r]]);
        tableau->EnteteCoque(r)->setEnabled(false);
        tableau->EnteteCoque(r)->setAccessibleName(DescriptionsVoiliers::EnteteCoque(r, t.CouleursCoques[r]));
    }
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c)
            DessinerCase(r, c);
    MontrerBateauAPlacer(false);
    tableau->NommerCommeLeCadre(false);
}

void TF_Jeu_1::DessinerCase(int r, int c) {
    const TableauVoiliers& t = partie.Tableau();
    ImageVoilier* image = tableau->Case(r, c);
    VoilierEcran dessin = image->Dessin(tableau->Geometrie().Marge);
    dessin.EffacerImage(Argent);
    const bool remplie = partie.CaseRemplie(r, c);
    if (remplie) dessin.DessinerVoilier(Couleurs[t.CouleursCoques[r]], Couleurs[t.CouleursVoiles[c]]);
    image->setEnabled(partie.CaseCliquable(r, c));
    image->setAccessibleName(DescriptionsVoiliers::CaseARemplir(r, c, remplie ? t.CouleursCoques[r] : 0,
                                                                remplie ? t.CouleursVoiles[c] : 0));
}

void TF_Jeu_1::MontrerBateauAPlacer(bool annoncer) {
    const TableauVoiliers& t = partie.Tableau();
    const int r = partie.LigneEnCours(), c = partie.ColonneEnCours();
    VoilierEcran dessin = imageAPlacer->Dessin(tableau->Geometrie().Marge);
    dessin.EffacerImage(Argent);
    const int coque = r ? t.CouleursCoques[r] : 0, voiles = c ? t.CouleursVoiles[c] : 0;
    if (r && c) dessin.DessinerVoilier(Couleurs[coque], Couleurs[voiles]);
    imageAPlacer->setAccessibleName(DescriptionsVoiliers::BateauAPlacer(coque, voiles));
    if (annoncer) Plate().Annoncer(*imageAPlacer, QAccessible::NameChanged);
}

void TF_Jeu_1::TramerAussi(bool actives, int echelle) {
    imageAPlacer->DefinirTrames(actives, echelle);
}

void TF_Jeu_1::Commencer() {
    if (!partie.Commencer(Aleatoire())) return;
    const TableauVoiliers& t = partie.Tableau();
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c)
            tableau->Case(r, c)->setEnabled(partie.CaseCliquable(r, c));
    MontrerBateauAPlacer(true);
    MontrerEtape();
    tableau->setFocus();
}

// Right or wrong, the boat goes into its own cell and the next one is proposed.
void TF_Jeu_1::CaseCliquee(int ligne, int colonne) {
    const auto reponse = partie.Repondre(ligne, colonne, Aleatoire());
    if (!reponse) return;
    DessinerCase(reponse->Ligne, reponse->Colonne);
    QString parole = reponse->Juste ? QStringLiteral("Juste")
                                    : QStringLiteral("Faux : ce bateau va ligne %1, colonne %2")
                                          .arg(reponse->Ligne)
                                          .arg(reponse->Colonne);
    if (reponse->Fin) parole += QStringLiteral(". Le jeu est terminé !");
    Repondu(reponse->Juste, parole);
    tableau->NommerCommeLeCadre(false);
    MontrerBateauAPlacer(!reponse->Fin);
}

// Keyboard play: Enter or Space places the boat in the framed cell (and starts the game when
// it is still to start).
void TF_Jeu_1::ToucheJouee(QPoint cadre, int touche) {
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter && touche != Qt::Key_Space) return;
    if (partie.EtapeEnCours() == PartieRemplir::Etape::MiseEnPlace) {
        Commencer();
        return;
    }
    CaseCliquee(cadre.y(), cadre.x());
}
