// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/U_Jeu_23.h"

#include "core/Apparence.h"
#include "core/Echelle.h"
#include "core/PlateForme.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/Couleurs.h"
#include "sailboats/DescriptionsVoiliers.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/PaletteCouleurs.h"
#include "sailboats/PaletteVoiliers.h"
#include "sailboats/TableauImages.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

using Apparence::Arial;

// Design sizes (800 x 600): the column of counters and buttons at the right, the table at the top
// left with the palette under it.
constexpr int LargeurColonne = 160;
constexpr int Bord = 8;
constexpr int LargeurBloc = 145;

QRect PlaceBouton(int rang) {
    return QRect(0, 324 + 44 * rang, LargeurBloc, 37);
}

// What a screen reader user may do with a boat: colour its sails or its hull.
QList<ImageVoilier::Action> ActionsBateau(const ImageVoilier& image, int marge) {
    const int w = image.width(), pont = VoilierEcran::LigneFlottaison(image.height());
    return {{QStringLiteral("Colorier les voiles"), QPoint(w / 2 + marge, pont - marge),
             QStringLiteral("Peint les voiles de la couleur choisie dans la palette")},
            {QStringLiteral("Colorier la coque"), QPoint(w / 2, pont + marge),
             QStringLiteral("Peint la coque de la couleur choisie dans la palette")}};
}

} // namespace

TF_Jeu_23::TF_Jeu_23(Programme& programme, AutresFenetres& autres, ImpressionVoiliers imprimer,
                     QWidget* parent)
    : FenetreJeuVoiliersDe(
          programme, autres, std::move(imprimer),
          {{2, "Navirelle : exercice n° 2", 3, "Colorier"}, {3, "Navirelle : exercice n° 3", 4, "Remplir"}},
          QStringLiteral("Les flèches choisissent une case ; V colorie les voiles, "
                         "C la coque, P revient à la palette."),
          parent) {
    setObjectName(QStringLiteral("F_Jeu_23"));
    ConnecterImages();
    palette = new PaletteCouleurs(Plate(), this);
    palette->move(Bord, 400);
    connect(palette, &PaletteCouleurs::Retour, tableau, [this] { tableau->setFocus(); });
    ConstruireJeuTermine(palette->geometry(), 22);
    ConstruireColonneDroite();
    ConstruireBarreEtTrames(
        QStringLiteral("Avec la souris, choisis une couleur et colorie les coques ou les voiles."), 636);
    // Back to the palette or to the table from anywhere in the window.
    connect(new QShortcut(QKeySequence(QStringLiteral("Alt+P")), this), &QShortcut::activated, this,
            [this] { palette->setFocus(); });
    connect(new QShortcut(QKeySequence(QStringLiteral("Alt+T")), this), &QShortcut::activated, this,
            [this] { tableau->setFocus(); });
    QWidget::setTabOrder(tableau, palette);
    QWidget::setTabOrder(palette, Bouton(Commande::Changer));
    QWidget::setTabOrder(Bouton(Commande::Quitter), boutonTrames);
    TerminerConstruction();
}

void TF_Jeu_23::ConnecterImages() {
    for (int c = 1; c <= TableauVoiliers::ColonnesMax; ++c)
        connect(tableau->EnteteVoiles(c), &ImageVoilier::Clic, this,
                [this, c] { EnteteCliquee(PartieBateau::Voiles, c); });
    for (int r = 1; r <= TableauVoiliers::LignesMax; ++r) {
        connect(tableau->EnteteCoque(r), &ImageVoilier::Clic, this,
                [this, r] { EnteteCliquee(PartieBateau::Coque, r); });
        for (int c = 1; c <= TableauVoiliers::ColonnesMax; ++c)
            connect(tableau->Case(r, c), &ImageVoilier::Appui, this,
                    [this, r, c](QPoint position) { CaseAppuyee(r, c, position); });
    }
    connect(tableau, &TableauImages::ToucheJouee, this, &TF_Jeu_23::ToucheJouee);
}

QLabel* TF_Jeu_23::Compteur(QWidget* colonne, const char* nom, const char* titre, const QColor& fond, int y,
                            const char* nomCompteur, const QColor& encre) {
    auto* bloc = Apparence::Panneau(colonne, QString::fromLatin1(nom), QRect(0, y, LargeurBloc, 117), fond);
    QLabel* bandeau = Apparence::Etiquette(bloc, QStringLiteral("Titre") + QString::fromLatin1(nom),
                                           QString::fromUtf8(titre), QRect(4, 3, LargeurBloc - 8, 38),
                                           Arial(15, true), Qt::white);
    bandeau->setAlignment(Qt::AlignCenter);
    bandeau->setWordWrap(true);
    QLabel* compteur = Apparence::Etiquette(bloc, QString::fromLatin1(nomCompteur), QStringLiteral("0"),
                                            QRect(4, 43, LargeurBloc - 8, 70), Arial(64, true), encre);
    compteur->setAlignment(Qt::AlignCenter);
    compteur->setAutoFillBackground(true);
    QPalette couleurs = compteur->palette();
    couleurs.setColor(QPalette::Window, QColor(Couleurs[Argent]));
    compteur->setPalette(couleurs);
    compteur->setProperty("titre", QString::fromUtf8(titre));
    return compteur;
}

void TF_Jeu_23::ConstruireColonneDroite() {
    colonneDroite = new QWidget(this);
    colonneDroite->setObjectName(QStringLiteral("Panel1"));
    colonneDroite->setGeometry(800 - LargeurColonne, 0, LargeurColonne, 575);
    AjouterCompteurs(Compteur(colonneDroite, "Panel2", "Bonnes réponses", Apparence::VertJuste, 8, "LabelBR",
                              Apparence::VertJuste),
                     Compteur(colonneDroite, "PanelChrono3", "Mauvaises réponses", QColor(128, 64, 64), 132,
                              "LabelMr", Apparence::Marron));
    ConstruireAppreciation(colonneDroite, QRect(0, 258, LargeurBloc, 58));
    ConstruireBoutons(colonneDroite, {{Commande::Changer, "BoutonChanger", "Chan&ger", PlaceBouton(0)},
                                      {Commande::Nouveau, "BoutonNouveauJeu", "&Nouveau jeu", PlaceBouton(1)},
                                      {Commande::Bilan, "BoutonBilan", "&Bilan", PlaceBouton(2)},
                                      {Commande::Aide, "BAide", "&Aide", PlaceBouton(3)},
                                      {Commande::Quitter, "BoutonQuitter", "&Quitter", PlaceBouton(4)}});
}

// Every opening starts on blue.
void TF_Jeu_23::Ouvrir(const ChoixExercice& choisi) {
    palette->Choisir(PaletteVoiliers::CouleurDeDepart);
    FenetreJeuVoiliers::Ouvrir(choisi);
}

QWidget* TF_Jeu_23::PlaceDuJeu() {
    return tableau;
}

bool TF_Jeu_23::NouvellePartie(int taille) {
    return partie.NouveauJeu(choix.NumJeu, taille, Aleatoire());
}

void TF_Jeu_23::resizeEvent(QResizeEvent* evenement) {
    FenetreJeuVoiliers::resizeEvent(evenement);
    colonneDroite->move(width() - colonneDroite->width(), 0);
    Redisposer();
}

// The table as large as the screen's height allows without reaching the column at the right or
// pushing the palette under the status bar; the palette under it.
void TF_Jeu_23::Disposer() {
    const TableauVoiliers& t = partie.Tableau();
    const int bord = AEchelle(Bord, rapport);
    const QSize place(colonneDroite->x() - 2 * bord, barreDEtat->y() - 3 * bord - palette->height());
    const GeometrieVoiliers g = GeometrieVoiliers::DansLaPlace(Plate().GeometrieEcran().height(),
                                                               t.NbTotalGauche, t.NbTotalHaut, place);
    tableau->move(bord, bord);
    tableau->Disposer(g);
    palette->move(bord, tableau->y() + tableau->height() + bord);
    jeuTermine->setGeometry(palette->geometry());
}

void TF_Jeu_23::Redessiner() {
    const TableauVoiliers& t = partie.Tableau();
    for (int c = 1; c <= t.NbTotalHaut; ++c)
        DessinerEntete(PartieBateau::Voiles, c);
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        DessinerEntete(PartieBateau::Coque, r);
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c)
            DessinerCase(r, c);
    tableau->NommerCommeLeCadre(false);
}

void TF_Jeu_23::DessinerEntete(PartieBateau quoi, int n) {
    const bool voiles = quoi == PartieBateau::Voiles;
    ImageVoilier* image = voiles ? tableau->EnteteVoiles(n) : tableau->EnteteCoque(n);
    VoilierEcran dessin = image->Dessin(tableau->Geometrie().Marge);
    dessin.EffacerImage(Argent);
    const int couleur = partie.CouleurEntete(quoi, n);
    if (voiles) {
        dessin.ContourVoiles();
        if (couleur) dessin.ColorierVoiles(Couleurs[couleur]);
    } else {
        dessin.ContourCoque();
        if (couleur) dessin.ColorierCoque(Couleurs[couleur]);
    }
    const bool aColorier = partie.EnteteAColorier(quoi, n);
    image->setEnabled(aColorier);
    image->DefinirActions(aColorier ? QList<ImageVoilier::Action>{{QString(), image->rect().center()}}
                                    : QList<ImageVoilier::Action>{});
    image->setAccessibleName(voiles ? DescriptionsVoiliers::EnteteVoiles(n, couleur)
                                    : DescriptionsVoiliers::EnteteCoque(n, couleur));
}

void TF_Jeu_23::DessinerCase(int r, int c) {
    ImageVoilier* image = tableau->Case(r, c);
    VoilierEcran dessin = image->Dessin(tableau->Geometrie().Marge);
    dessin.EffacerImage(Argent);
    dessin.ContourVoilier();
    const int voiles = partie.CouleurCase(r, c, PartieBateau::Voiles);
    const int coque = partie.CouleurCase(r, c, PartieBateau::Coque);
    if (voiles) dessin.ColorierVoiles(Couleurs[voiles]);
    if (coque) dessin.ColorierCoque(Couleurs[coque]);
    const bool aColorier = partie.CaseAColorier(r, c);
    image->setEnabled(aColorier);
    image->DefinirActions(aColorier ? ActionsBateau(*image, tableau->Geometrie().Marge)
                                    : QList<ImageVoilier::Action>{});
    image->setAccessibleName(
        DescriptionsVoiliers::CaseAColorier(r, c, coque, voiles, partie.EstModele(r, c)));
}

void TF_Jeu_23::TramerAussi(bool actives, int echelle) {
    palette->DefinirTrames(actives, echelle);
}

void TF_Jeu_23::EnteteCliquee(PartieBateau quoi, int n) {
    const PartieColorier::Effet effet = partie.ColorierEntete(quoi, n, palette->Couleur());
    if (effet == PartieColorier::Effet::Aucun) return;
    DessinerEntete(quoi, n);
    Juger(effet);
}

void TF_Jeu_23::CaseAppuyee(int r, int c, QPoint position) {
    const int pont = VoilierEcran::LigneFlottaison(tableau->Case(r, c)->height());
    Colorier(PartieColorier::PartieSous(position.y(), pont), r, c);
}

void TF_Jeu_23::Colorier(PartieBateau quoi, int r, int c) {
    const PartieColorier::Effet effet = partie.ColorierCase(r, c, quoi, palette->Couleur());
    if (effet == PartieColorier::Effet::Aucun) return;
    DessinerCase(r, c);
    Juger(effet);
}

// After an answer: "Juste" or "Faux" for 5 s, the counters, the commands, and at the end the
// message over the palette.
void TF_Jeu_23::Juger(PartieColorier::Effet effet) {
    const bool juste = effet == PartieColorier::Effet::Juste;
    QString parole = juste ? QStringLiteral("Juste") : QStringLiteral("Faux");
    if (partie.Terminee()) parole += QStringLiteral(". Le jeu est terminé !");
    Repondu(juste, parole);
    tableau->NommerCommeLeCadre(juste);
}

// Keyboard play on the framed picture: V paints sails, C a hull; on a header, Enter or Space
// paints it too; P goes back to the palette.
void TF_Jeu_23::ToucheJouee(QPoint cadre, int touche) {
    if (touche == Qt::Key_P) {
        palette->setFocus();
        return;
    }
    const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space;
    if (cadre.y() == 0 && (entree || touche == Qt::Key_V)) {
        EnteteCliquee(PartieBateau::Voiles, cadre.x());
    } else if (cadre.x() == 0 && (entree || touche == Qt::Key_C)) {
        EnteteCliquee(PartieBateau::Coque, cadre.y());
    } else if (cadre.x() > 0 && cadre.y() > 0 && (touche == Qt::Key_V || touche == Qt::Key_C)) {
        if (tableau->Case(cadre.y(), cadre.x())->isEnabled())
            Colorier(touche == Qt::Key_V ? PartieBateau::Voiles : PartieBateau::Coque, cadre.y(), cadre.x());
    }
}
