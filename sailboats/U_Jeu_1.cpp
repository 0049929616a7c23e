#include "sailboats/U_Jeu_1.h"
#include "sailboats/ImpressionVoiliers.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/AutresFenetres.h"
#include "core/Echelle.h"
#include "core/IconeAide.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "sailboats/BarreScore.h"
#include "sailboats/BoutonTrames.h"
#include "sailboats/Couleurs.h"
#include "sailboats/DescriptionsVoiliers.h"
#include "sailboats/EtiquetteAppreciation.h"
#include "sailboats/ImageVoilier.h"
#include "sailboats/TableauImages.h"
#include "sailboats/TramesEcran.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

using Apparence::Arial;

constexpr int ContexteJeu1 = 2;
const QColor FondTableau(216, 208, 200);

// Design sizes (800 x 600): the score column at the right, the row of buttons above the status
// bar, the table and the boat to place in the room left.
constexpr int LargeurScores = 132;
constexpr int HautBarres = 48;
constexpr int HauteurBoutons = 36, LargeurBouton = 100, EcartBoutons = 8;
constexpr int Bord = 8;

} // namespace

TF_Jeu_1::TF_Jeu_1(Programme& programme, AutresFenetres& autres, QWidget* parent)
    : FenetreExercice(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prog(programme),
      autres(autres) {
    setObjectName(QStringLiteral("F_Jeu_1"));
    setWindowTitle(QStringLiteral("Navirelle : exercice n° 1"));
    DefinirContexteAide(*this, ContexteJeu1);
    resize(800, 600);
    FormCreate();
}

void TF_Jeu_1::FormCreate() {
    mobilier = new MobilierPleinEcran(*this, prog, {.Images = [this] {
        return std::pair{prog.Prefs.ImagesPref[1], prog.ImageExo[0]};
    }});
    tableau = new TableauImages(prog.Plate(), this);
    tableau->move(Bord, Bord);
    tableau->setAccessibleDescription(
        QStringLiteral("Les flèches choisissent une case, Entrée y place le bateau proposé."));
    for (int r = 1; r <= TableauVoiliers::LignesMax; ++r)
        for (int c = 1; c <= TableauVoiliers::ColonnesMax; ++c)
            connect(tableau->Case(r, c), &ImageVoilier::Clic, this, [this, r, c] { CaseCliquee(r, c); });
    connect(tableau, &TableauImages::ToucheJouee, this, &TF_Jeu_1::ToucheJouee);
    panelProposition = Apparence::Panneau(this, QStringLiteral("PanelProposition"), QRect(), FondTableau);
    imageAPlacer = new ImageVoilier(panelProposition);
    imageAPlacer->setObjectName(QStringLiteral("ImageAPlacer"));
    ConstruireScores();
    ConstruireBoutons();
    statusBar1 =
        Apparence::BarreDEtat(this, QStringLiteral("Avec la souris, choisis la case qui convient."), 600);
    boutonTrames = new BoutonTrames(prog, statusBar1);
    boutonTrames->setGeometry(636, 1, 160, 23);
    boutonTrames->setFont(Arial(13, true));
    connect(boutonTrames, &BoutonTrames::TramesChangees, this, &TF_Jeu_1::AppliquerTrames);
    QWidget::setTabOrder(tableau, boutonCommencer);
    QWidget::setTabOrder(boutonQuitter, boutonTrames);
    rapport = mobilier->MettreAEchelle();
    AppliquerTrames(boutonTrames->isChecked());
}

void TF_Jeu_1::ConstruireScores() {
    panel1 = Apparence::Panneau(this, QStringLiteral("Panel1"),
                                QRect(800 - LargeurScores, 0, LargeurScores, 575), FondTableau);
    for (auto [nom, texte, x, encre] : {std::tuple{"Label2", "Bonnes réponses", 16, Apparence::VertJuste},
                                        std::tuple{"Label1", "Mauvaises réponses", 70, Apparence::Marron}}) {
        QLabel* etiquette = Apparence::Etiquette(panel1, QString::fromLatin1(nom), QString::fromUtf8(texte),
                                                 QRect(x, 4, 62, 40), Arial(10, true), encre);
        etiquette->setWordWrap(true);
        etiquette->setAlignment(Qt::AlignCenter);
    }
    bScore = new BarreScore(QStringLiteral("Bonnes réponses"), Apparence::VertJuste, panel1);
    bScore->setObjectName(QStringLiteral("PanelBScore"));
    bScore->setGeometry(22, HautBarres, 50, 100);
    mScore = new BarreScore(QStringLiteral("Mauvaises réponses"), Apparence::RougeFaux, panel1);
    mScore->setObjectName(QStringLiteral("PanelMScore"));
    mScore->setGeometry(78, HautBarres, 50, 100);
    etMax = Apparence::Etiquette(panel1, QStringLiteral("EtMax"), QString(), QRect(0, 0, 20, 16),
                                 Arial(11, true), Qt::black);
    etZero = Apparence::Etiquette(panel1, QStringLiteral("EtZero"), QStringLiteral("0"), QRect(0, 0, 20, 16),
                                  Arial(11, true), Qt::black);
    for (QLabel* etiquette : {etMax, etZero})
        etiquette->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    appreciation = new EtiquetteAppreciation(prog.Plate(), panel1);
    appreciation->setGeometry(0, 505, LargeurScores, 60);
}

void TF_Jeu_1::ConstruireBoutons() {
    rangeeBoutons = new QWidget(this);
    rangeeBoutons->setObjectName(QStringLiteral("RangeeBoutons"));
    rangeeBoutons->setGeometry(Bord, 600 - 25 - Bord - HauteurBoutons, 6 * (LargeurBouton + EcartBoutons),
                               HauteurBoutons);
    const std::pair<const char*, const char*> boutons[] = {{"BoutonCommencer", "&Commencer"},
                                                           {"BoutonNouveauJeu", "&Nouveau"},
                                                           {"BoutonChanger", "Chan&ger"},
                                                           {"BoutonBilan", "&Bilan"},
                                                           {"BAide", "&Aide"},
                                                           {"BoutonQuitter", "&Quitter"}};
    QPushButton* crees[6];
    for (int i = 0; i < 6; ++i) {
        crees[i] = Apparence::BoutonExercice(
            rangeeBoutons, QString::fromLatin1(boutons[i].first), QString::fromUtf8(boutons[i].second),
            QRect(i * (LargeurBouton + EcartBoutons), 0, LargeurBouton, HauteurBoutons));
        crees[i]->setFont(Arial(16, true));
    }
    boutonCommencer = crees[0];
    boutonNouveauJeu = crees[1];
    boutonChanger = crees[2];
    boutonBilan = crees[3];
    bAide = crees[4];
    boutonQuitter = crees[5];
    bAide->setStyleSheet(
        QStringLiteral("QPushButton { color: green; } QPushButton:disabled { color: gray; }"));
    bAide->setIcon(IconeAide());
    connect(boutonCommencer, &QPushButton::clicked, this, &TF_Jeu_1::BoutonCommencerClick);
    connect(boutonNouveauJeu, &QPushButton::clicked, this, [this] {
        NouveauJeu1();
        boutonCommencer->setFocus();
    });
    connect(boutonChanger, &QPushButton::clicked, this, &TF_Jeu_1::BoutonChangerClick);
    connect(boutonBilan, &QPushButton::clicked, this, &TF_Jeu_1::BoutonBilanClick);
    connect(bAide, &QPushButton::clicked, this,
            [this] { prog.Plate().AfficherAide(prog.FichierAide, QStringLiteral("Trouver")); });
    connect(boutonQuitter, &QPushButton::clicked, this, &TF_Jeu_1::BoutonQuitterClick);

    // Over the three buttons that wait for the results, once the table is full.
    auto* termine = Apparence::Panneau(
        this, QStringLiteral("PanelJeuTermine"),
        QRect(Bord, rangeeBoutons->y(), 3 * LargeurBouton + 2 * EcartBoutons, HauteurBoutons),
        QColor(176, 240, 176));
    QLabel* texte = Apparence::Etiquette(termine, QStringLiteral("LabelJeuTermine"),
                                         QStringLiteral("Le jeu est terminé !"), termine->rect(),
                                         Arial(18, true), Apparence::RougeFaux);
    texte->setAlignment(Qt::AlignCenter);
    termine->hide();
    panelJeuTermine = termine;
}

void TF_Jeu_1::Ouvrir(const ChoixExercice& choisi) {
    choix = choisi;
    choix.NumJeu = 1;
    FormActivate();
    show();
    raise();
    activateWindow();
    boutonCommencer->setFocus();
}

void TF_Jeu_1::FormActivate() {
    appreciation->Effacer();
    prog.Aleatoire().Randomize();
    mobilier->Placer();
    NouveauJeu1();
    mobilier->Tenir();
}

void TF_Jeu_1::NouveauJeu1() {
    Hasard& hasard = prog.Aleatoire();
    if (!partie.NouveauJeu(prog.Prefs.TailleJeu(1), hasard))
        partie.NouveauJeu(Preferences::TailleJeuParDefaut, hasard);
    panelJeuTermine->hide();
    Disposer();
    Redessiner();
    MontrerBoutons();
}

void TF_Jeu_1::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    statusBar1->setGeometry(0, height() - statusBar1->height(), width(), statusBar1->height());
    boutonTrames->move(width() - boutonTrames->width() - AEchelle(4, rapport), boutonTrames->y());
    boutonTrames->setIconSize(QSize(2, 1) * (boutonTrames->height() * 2 / 3));
    bAide->setIconSize(QSize(1, 1) * (bAide->height() / 2));
    panel1->setGeometry(width() - panel1->width(), 0, panel1->width(), statusBar1->y());
    appreciation->move(0, panel1->height() - AEchelle(70, rapport));
    const int hautBoutons = statusBar1->y() - AEchelle(Bord + HauteurBoutons, rapport);
    rangeeBoutons->move(rangeeBoutons->x(), hautBoutons);
    panelJeuTermine->move(panelJeuTermine->x(), hautBoutons);
    if (partie.Compteurs().NbTotal > 0) {
        Disposer();
        Redessiner();
    }
}

// The table, the boat beside it and the bars, as large as the screen's height allows without
// reaching the score column or the buttons.
void TF_Jeu_1::Disposer() {
    const TableauVoiliers& t = partie.Tableau();
    const int bord = AEchelle(Bord, rapport);
    const QSize place(panel1->x() - 2 * bord, rangeeBoutons->y() - 2 * bord);
    const GeometrieVoiliers g =
        GeometrieVoiliers::DansLaPlace(prog.Plate().GeometrieEcran().height(), t.NbTotalGauche, t.NbTotalHaut,
                                       place, [](int w) { return w / 3 + w * 3 / 2; });
    tableau->move(bord, bord);
    tableau->Disposer(g);
    panelProposition->setGeometry(g.W / 3 + tableau->x() + tableau->width(), g.A + tableau->y() + g.Marge,
                                  g.W * 3 / 2, g.A * 3 / 2);
    imageAPlacer->setGeometry((panelProposition->width() - g.W) / 2, (panelProposition->height() - g.A) / 2,
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
    const int hauteur = PartieRemplir::HauteurPanneauBarres(prog.Plate().GeometrieEcran().height(), n, place);
    for (BarreScore* barre : {bScore, mScore}) {
        barre->move(barre->x(), haut);
        barre->Definir(hauteur, n);
    }
    bScore->Afficher(partie.Compteurs().NbBonnes);
    mScore->Afficher(partie.Compteurs().NbErreurs);
    etMax->setText(QString::number(n));
    etMax->move(etMax->x(), haut + bScore->Graduation(n) - etMax->height() / 2);
    etZero->move(etZero->x(), haut + bScore->Pied() - etZero->height() / 2);
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
    if (annoncer) prog.Plate().Annoncer(*imageAPlacer, QAccessible::NameChanged);
}

void TF_Jeu_1::MontrerBoutons() {
    const BoutonsJeu b = partie.Boutons();
    boutonCommencer->setEnabled(b.Commencer);
    boutonNouveauJeu->setEnabled(b.Nouveau);
    boutonChanger->setEnabled(b.Changer);
    boutonChanger->setVisible(prog.Prefs.ChoixModifiable(1));
    boutonBilan->setEnabled(b.Bilan);
    boutonQuitter->setEnabled(b.Quitter);
}

void TF_Jeu_1::AppliquerTrames(bool actives) {
    const int echelle = TramesEcran::Echelle(prog.Plate().GeometrieEcran().height());
    tableau->DefinirTrames(actives, echelle);
    imageAPlacer->DefinirTrames(actives, echelle);
}

void TF_Jeu_1::BoutonCommencerClick() {
    if (!partie.Commencer(prog.Aleatoire())) return;
    const TableauVoiliers& t = partie.Tableau();
    for (int r = 1; r <= t.NbTotalGauche; ++r)
        for (int c = 1; c <= t.NbTotalHaut; ++c)
            tableau->Case(r, c)->setEnabled(partie.CaseCliquable(r, c));
    MontrerBateauAPlacer(true);
    MontrerBoutons();
    tableau->setFocus();
}

void TF_Jeu_1::CaseCliquee(int ligne, int colonne) {
    if (!partie.CaseCliquable(ligne, colonne)) return;
    appreciation->Effacer();
    const auto reponse = partie.Repondre(ligne, colonne, prog.Aleatoire());
    if (!reponse) return;
    const CompteursResultat& n = partie.Compteurs();
    BarreScore* barre = reponse->Juste ? bScore : mScore;
    barre->Afficher(reponse->Juste ? n.NbBonnes : n.NbErreurs);
    DessinerCase(reponse->Ligne, reponse->Colonne);
    QString parole = reponse->Juste ? QStringLiteral("Juste")
                                    : QStringLiteral("Faux : ce bateau va ligne %1, colonne %2")
                                          .arg(reponse->Ligne)
                                          .arg(reponse->Colonne);
    if (reponse->Fin) parole += QStringLiteral(". Le jeu est terminé !");
    appreciation->Afficher(reponse->Juste, parole);
    prog.Plate().Annoncer(*barre, QAccessible::NameChanged);
    tableau->NommerCommeLeCadre(false);
    MontrerBateauAPlacer(!reponse->Fin);
    if (reponse->Fin) {
        MontrerBoutons();
        panelJeuTermine->show();
        panelJeuTermine->raise();
        boutonBilan->setFocus();
    }
}

// Keyboard play: Enter or Space places the boat in the framed cell (and starts the game when
// it is still to start).
void TF_Jeu_1::ToucheJouee(QPoint cadre, int touche) {
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter && touche != Qt::Key_Space) return;
    if (partie.EtapeEnCours() == PartieRemplir::Etape::MiseEnPlace) {
        BoutonCommencerClick();
        return;
    }
    CaseCliquee(cadre.y(), cadre.x());
}

void TF_Jeu_1::BoutonChangerClick() {
    const quint8 tailleAvant = prog.Prefs.TailleJeu(1);
    autres.ChoisirTaille(1);
    if (prog.Prefs.TailleJeu(1) != tailleAvant) NouveauJeu1();
    boutonChanger->setFocus();
}

void TF_Jeu_1::MontrerBilan() {
    // "Imprimer l'exercice" prints the table as the game left it, in the teacher's colours.
    const auto imprimer = [this, tableau = TableauJoue(), numJeu = 1](const Destination& vers) {
        return ImprimerExerciceVoiliers(vers, tableau, numJeu, prog.Prefs.PrefNoirEtBlanc != 0,
                                        prog.Consigne);
    };
    autres.MontrerBilan(ResultatPartie{1, partie.Compteurs(), imprimer});
    partie.BilanMontre();
}

void TF_Jeu_1::BoutonBilanClick() {
    MontrerBilan();
    panelJeuTermine->hide();
    MontrerBoutons();
    boutonNouveauJeu->setFocus();
}

void TF_Jeu_1::BoutonQuitterClick() {
    if (partie.QuitterOuvreBilan()) MontrerBilan();
    quitte = true;
    close();
    quitte = false;
}

// Closed another way than by "Quitter" (the window manager): the answers given are not lost.
void TF_Jeu_1::closeEvent(QCloseEvent* evenement) {
    if (!quitte && partie.QuitterOuvreBilan()) MontrerBilan();
    QWidget::closeEvent(evenement);
}

void TF_Jeu_1::hideEvent(QHideEvent* evenement) {
    QWidget::hideEvent(evenement);
    appreciation->Effacer();
}
