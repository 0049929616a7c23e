#include "sailboats/U_Jeu_23.h"
#include "sailboats/ImpressionVoiliers.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/AutresFenetres.h"
#include "core/Echelle.h"
#include "core/IconeAide.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/Couleurs.h"
#include "sailboats/DescriptionsVoiliers.h"
#include "sailboats/EtiquetteAppreciation.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/PaletteCouleurs.h"
#include "sailboats/PaletteVoiliers.h"
#include "sailboats/TableauImages.h"
#include "sailboats/TramesEcran.h"

#include <QCloseEvent>
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

const char* const Legendes[] = {"", "", "Navirelle : exercice n° 2", "Navirelle : exercice n° 3"};

// What a screen reader user may do with a boat: colour its sails or its hull.
QList<ImageVoilier::Action> ActionsBateau(const ImageVoilier& image, int marge) {
    const int w = image.width(), pont = VoilierEcran::LigneFlottaison(image.height());
    return {{QStringLiteral("Colorier les voiles"), QPoint(w / 2 + marge, pont - marge),
             QStringLiteral("Peint les voiles de la couleur choisie dans la palette")},
            {QStringLiteral("Colorier la coque"), QPoint(w / 2, pont + marge),
             QStringLiteral("Peint la coque de la couleur choisie dans la palette")}};
}

} // namespace

TF_Jeu_23::TF_Jeu_23(Programme& programme, AutresFenetres& autres, QWidget* parent)
    : FenetreExercice(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prog(programme),
      autres(autres) {
    setObjectName(QStringLiteral("F_Jeu_23"));
    resize(800, 600);
    FormCreate();
}

void TF_Jeu_23::FormCreate() {
    mobilier = new MobilierPleinEcran(*this, prog, {.Images = [this] {
        return std::pair{prog.Prefs.ImagesPref[1], prog.ImageExo[0]};
    }});
    tableau = new TableauImages(prog.Plate(), this);
    tableau->move(Bord, Bord);
    tableau->setAccessibleDescription(
        QStringLiteral("Les flèches choisissent une case ; V colorie les voiles, "
                       "C la coque, P revient à la palette."));
    ConnecterImages();
    palette = new PaletteCouleurs(prog.Plate(), this);
    palette->move(Bord, 400);
    connect(palette, &PaletteCouleurs::Retour, tableau, [this] { tableau->setFocus(); });
    auto* termine = Apparence::Panneau(this, QStringLiteral("PanelJeuTermine"), palette->geometry(),
                                       QColor(176, 240, 176));
    QLabel* texte = Apparence::Etiquette(termine, QStringLiteral("LabelJeuTermine"),
                                         QStringLiteral("Le jeu est terminé !"), termine->rect(),
                                         Arial(22, true), Apparence::RougeFaux);
    texte->setAlignment(Qt::AlignCenter);
    termine->hide();
    panelJeuTermine = termine;
    ConstruireColonneDroite();
    statusBar1 = Apparence::BarreDEtat(
        this, QStringLiteral("Avec la souris, choisis une couleur et colorie les coques ou les voiles."),
        636);
    boutonTrames = new BoutonTrames(prog, statusBar1);
    boutonTrames->setGeometry(636, 1, 160, 23);
    boutonTrames->setFont(Arial(13, true));
    connect(boutonTrames, &BoutonTrames::TramesChangees, this, &TF_Jeu_23::AppliquerTrames);
    // Back to the palette or to the table from anywhere in the window.
    connect(new QShortcut(QKeySequence(QStringLiteral("Alt+P")), this), &QShortcut::activated, this,
            [this] { palette->setFocus(); });
    connect(new QShortcut(QKeySequence(QStringLiteral("Alt+T")), this), &QShortcut::activated, this,
            [this] { tableau->setFocus(); });
    QWidget::setTabOrder(tableau, palette);
    QWidget::setTabOrder(palette, boutonChanger);
    QWidget::setTabOrder(boutonQuitter, boutonTrames);
    rapport = mobilier->MettreAEchelle();
    AppliquerTrames(boutonTrames->isChecked());
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
    panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(800 - LargeurColonne, 0, LargeurColonne, 575);
    labelBR = Compteur(panel1, "Panel2", "Bonnes réponses", Apparence::VertJuste, 8, "LabelBR",
                       Apparence::VertJuste);
    labelMr = Compteur(panel1, "PanelChrono3", "Mauvaises réponses", QColor(128, 64, 64), 132, "LabelMr",
                       Apparence::Marron);
    appreciation = new EtiquetteAppreciation(prog.Plate(), panel1);
    appreciation->setGeometry(0, 258, LargeurBloc, 58);
    const std::pair<const char*, const char*> boutons[] = {{"BoutonChanger", "Chan&ger"},
                                                           {"BoutonNouveauJeu", "&Nouveau jeu"},
                                                           {"BoutonBilan", "&Bilan"},
                                                           {"BAide", "&Aide"},
                                                           {"BoutonQuitter", "&Quitter"}};
    QPushButton* crees[5];
    for (int i = 0; i < 5; ++i)
        crees[i] = Apparence::BoutonExercice(panel1, QString::fromLatin1(boutons[i].first),
                                             QString::fromUtf8(boutons[i].second),
                                             QRect(0, 324 + 44 * i, LargeurBloc, 37));
    boutonChanger = crees[0];
    boutonNouveauJeu = crees[1];
    boutonBilan = crees[2];
    bAide = crees[3];
    boutonQuitter = crees[4];
    bAide->setStyleSheet(
        QStringLiteral("QPushButton { color: green; } QPushButton:disabled { color: gray; }"));
    bAide->setIcon(IconeAide());
    connect(boutonChanger, &QPushButton::clicked, this, &TF_Jeu_23::BoutonChangerClick);
    connect(boutonNouveauJeu, &QPushButton::clicked, this, [this] {
        NouveauJeu();
        tableau->setFocus();
    });
    connect(boutonBilan, &QPushButton::clicked, this, &TF_Jeu_23::BoutonBilanClick);
    connect(bAide, &QPushButton::clicked, this, [this] {
        prog.Plate().AfficherAide(prog.FichierAide,
                                  choix.NumJeu == 2 ? QStringLiteral("Colorier") : QStringLiteral("Remplir"));
    });
    connect(boutonQuitter, &QPushButton::clicked, this, &TF_Jeu_23::BoutonQuitterClick);
}

void TF_Jeu_23::Ouvrir(const ChoixExercice& choisi) {
    choix = choisi;
    choix.NumJeu = choix.NumJeu == 3 ? 3 : 2;
    FormActivate();
    show();
    raise();
    activateWindow();
    tableau->setFocus();
}

void TF_Jeu_23::FormActivate() {
    setWindowTitle(QString::fromUtf8(Legendes[choix.NumJeu]));
    DefinirContexteAide(*this, choix.NumJeu == 2 ? 3 : 4);
    appreciation->Effacer();
    prog.Aleatoire().Randomize();
    palette->Choisir(PaletteVoiliers::CouleurDeDepart);
    mobilier->Placer();
    NouveauJeu();
    mobilier->Tenir();
}

void TF_Jeu_23::NouveauJeu() {
    Hasard& hasard = prog.Aleatoire();
    if (!partie.NouveauJeu(choix.NumJeu, prog.Prefs.TailleJeu(choix.NumJeu), hasard))
        partie.NouveauJeu(choix.NumJeu, Preferences::TailleJeuParDefaut, hasard);
    panelJeuTermine->hide();
    Disposer();
    Redessiner();
    MontrerCompteurs(false);
    MontrerBoutons();
}

void TF_Jeu_23::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    statusBar1->setGeometry(0, height() - statusBar1->height(), width(), statusBar1->height());
    boutonTrames->move(width() - boutonTrames->width() - AEchelle(4, rapport), boutonTrames->y());
    boutonTrames->setIconSize(QSize(2, 1) * (boutonTrames->height() * 2 / 3));
    bAide->setIconSize(QSize(1, 1) * (bAide->height() / 2));
    panel1->move(width() - panel1->width(), 0);
    if (partie.NumJeu() != 0) {
        Disposer();
        Redessiner();
    }
}

// The table as large as the screen's height allows without reaching the column at the right or
// pushing the palette under the status bar; the palette under it.
void TF_Jeu_23::Disposer() {
    const TableauVoiliers& t = partie.Tableau();
    const int bord = AEchelle(Bord, rapport);
    const QSize place(panel1->x() - 2 * bord, statusBar1->y() - 3 * bord - palette->height());
    const GeometrieVoiliers g = GeometrieVoiliers::DansLaPlace(prog.Plate().GeometrieEcran().height(),
                                                               t.NbTotalGauche, t.NbTotalHaut, place);
    tableau->move(bord, bord);
    tableau->Disposer(g);
    palette->move(bord, tableau->y() + tableau->height() + bord);
    panelJeuTermine->setGeometry(palette->geometry());
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

// A screen reader hears the score, not only the caption of its block.
void TF_Jeu_23::MontrerCompteurs(bool annoncer) {
    const CompteursResultat& n = partie.Compteurs();
    for (auto [compteur, valeur] : {std::pair{labelBR, n.NbBonnes}, std::pair{labelMr, n.NbErreurs}}) {
        const QString nom = QStringLiteral("%1 : %2").arg(compteur->property("titre").toString()).arg(valeur);
        if (compteur->accessibleName() == nom) continue;
        compteur->setText(QString::number(valeur));
        compteur->setAccessibleName(nom);
        if (annoncer) prog.Plate().Annoncer(*compteur, QAccessible::NameChanged);
    }
}

// Which "Modifier les choix pendant le jeu" governs "Changer": the exercise's own, as the
// preferences window shows one per exercise.
void TF_Jeu_23::MontrerBoutons() {
    const BoutonsJeu b = partie.Boutons();
    boutonNouveauJeu->setEnabled(b.Nouveau);
    boutonChanger->setEnabled(b.Changer);
    boutonChanger->setVisible(prog.Prefs.ChoixModifiable(choix.NumJeu));
    boutonBilan->setEnabled(b.Bilan);
    boutonQuitter->setEnabled(b.Quitter);
}

void TF_Jeu_23::AppliquerTrames(bool actives) {
    const int echelle = TramesEcran::Echelle(prog.Plate().GeometrieEcran().height());
    tableau->DefinirTrames(actives, echelle);
    palette->DefinirTrames(actives, echelle);
}

void TF_Jeu_23::EnteteCliquee(PartieBateau quoi, int n) {
    const PartieColorier::Effet effet = partie.ColorierEntete(quoi, n, palette->Couleur());
    if (effet == PartieColorier::Effet::Aucun) return;
    DessinerEntete(quoi, n);
    Juger(effet, quoi);
}

void TF_Jeu_23::CaseAppuyee(int r, int c, QPoint position) {
    const int pont = VoilierEcran::LigneFlottaison(tableau->Case(r, c)->height());
    Colorier(PartieColorier::PartieSous(position.y(), pont), r, c);
}

void TF_Jeu_23::Colorier(PartieBateau quoi, int r, int c) {
    const PartieColorier::Effet effet = partie.ColorierCase(r, c, quoi, palette->Couleur());
    if (effet == PartieColorier::Effet::Aucun) return;
    DessinerCase(r, c);
    Juger(effet, quoi);
}

// After an answer: "Juste" or "Faux" for 5 s, the counters, the commands, and at the end the
// message over the palette.
void TF_Jeu_23::Juger(PartieColorier::Effet effet, PartieBateau) {
    appreciation->Effacer();
    const bool juste = effet == PartieColorier::Effet::Juste;
    QString parole = juste ? QStringLiteral("Juste") : QStringLiteral("Faux");
    if (partie.Terminee()) parole += QStringLiteral(". Le jeu est terminé !");
    appreciation->Afficher(juste, parole);
    MontrerCompteurs(true);
    MontrerBoutons();
    tableau->NommerCommeLeCadre(juste);
    if (partie.Terminee()) {
        panelJeuTermine->show();
        panelJeuTermine->raise();
        boutonBilan->setFocus();
    }
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

void TF_Jeu_23::BoutonChangerClick() {
    const quint8 tailleAvant = prog.Prefs.TailleJeu(choix.NumJeu);
    autres.ChoisirTaille(choix.NumJeu);
    if (prog.Prefs.TailleJeu(choix.NumJeu) != tailleAvant) NouveauJeu();
    panelJeuTermine->hide();
    boutonChanger->setFocus();
}

void TF_Jeu_23::MontrerBilan() {
    // "Imprimer l'exercice" prints the table as the game left it, in the teacher's colours.
    const auto imprimer = [this, tableau = TableauJoue(), numJeu = choix.NumJeu](const Destination& vers) {
        return ImprimerExerciceVoiliers(vers, tableau, numJeu, prog.Prefs.PrefNoirEtBlanc != 0,
                                        prog.Consigne);
    };
    autres.MontrerBilan(ResultatPartie{choix.NumJeu, partie.Compteurs(), imprimer});
    partie.BilanMontre();
}

void TF_Jeu_23::BoutonBilanClick() {
    MontrerBilan();
    panelJeuTermine->hide();
    MontrerBoutons();
    boutonNouveauJeu->setFocus();
}

void TF_Jeu_23::BoutonQuitterClick() {
    if (partie.QuitterOuvreBilan()) MontrerBilan();
    quitte = true;
    close();
    quitte = false;
}

// Closed another way than by "Quitter" (the window manager): the answers given are not lost.
void TF_Jeu_23::closeEvent(QCloseEvent* evenement) {
    if (!quitte && partie.QuitterOuvreBilan()) MontrerBilan();
    QWidget::closeEvent(evenement);
}

void TF_Jeu_23::hideEvent(QHideEvent* evenement) {
    QWidget::hideEvent(evenement);
    appreciation->Effacer();
}
