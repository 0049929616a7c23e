// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/U_Jeu_Carrelis_T.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/AutresFenetres.h"
#include "core/IconeAide.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/ZoneMosaique.h"
#include "tables/CaseTableau.h"
#include "tables/GenerateurTableau.h"
#include "tables/ZoneReponse.h"

#include <QAccessible>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

using Apparence::Arial;
const QColor Argent(192, 192, 192), Bleu(0, 0, 255), Blanc(255, 255, 255),
    Aqua(0, 255, 255), Vert = Apparence::VertJuste, Rouge = Apparence::RougeFaux, Noir(0, 0, 0),
                       Jaune(255, 255, 0);

// The right-hand column, at the design size: it keeps its width and stands against the right edge.
constexpr int LargeurColonne = 160;
constexpr int HauteurBarre = 25;

const char* const Titres[] = {"", "Carrelis - Jeu n° 1 : remplir", "Carrelis - Jeu n° 2 : trouver",
                              "Carrelis - Jeu n° 3 : défi"};
const char* const SujetsAide[] = {"Som", "Remplir", "Trouver", "Defi"};

QWidget* Bloc(QWidget* parent, const char* nom, const char* titre, const QColor& fond, int y,
              QLabel*& compteur, const char* nomCompteur) {
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
    compteur = new QLabel(QStringLiteral("0"), bloc);
    compteur->setObjectName(QString::fromLatin1(nomCompteur));
    compteur->setGeometry(4, 33, 137, 80);
    compteur->setAlignment(Qt::AlignCenter);
    compteur->setFont(Arial(48, true));
    compteur->setStyleSheet(QStringLiteral("background: %1; color: black;").arg(Argent.name()));
    compteur->setProperty("titre", QString::fromUtf8(titre));
    compteur->setAccessibleName(QString::fromUtf8(titre));
    return bloc;
}

bool ToucheDeJeu(int code) {
    switch (code) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Space:
        return true;
    default:
        return code >= Qt::Key_0 && code <= Qt::Key_9;
    }
}

} // namespace

TF_Jeu_Carrelis_T::TF_Jeu_Carrelis_T(Programme& programme, AutresFenetres& autres, QWidget* parent)
    : FenetreExercice(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prog(programme),
      autres(autres) {
    setObjectName(QStringLiteral("F_Jeu_Carrelis_T"));
    resize(800, 600);
    FormCreate();
}

void TF_Jeu_Carrelis_T::FormCreate() {
    mobilier = new MobilierPleinEcran(*this, prog, {.Images = [this] {
        return std::pair{prog.Prefs.ImagesPref[1], prog.ImageExo[0]};
    }});
    panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    static_cast<QFrame*>(panel2)->setFrameShape(QFrame::Panel);
    static_cast<QFrame*>(panel2)->setFrameShadow(QFrame::Raised);
    panel2->setStyleSheet(
        QStringLiteral("QFrame#Panel2 { background: #1a2a6c; border: 3px outset #3a4aa0; }"));
    ConstruireColonneDroite();
    ConstruireBarreDEtat();
    ConstruireCases();
    pReponse = new ZoneReponse(this);
    pReponse->hide();
    pourcurseur = new QLineEdit(this);
    pourcurseur->setObjectName(QStringLiteral("Pourcurseur"));
    pourcurseur->setFrame(false);
    pourcurseur->setMaxLength(1);
    pourcurseur->setEchoMode(QLineEdit::NoEcho);
    pourcurseur->setGeometry(0, 0, 1, 1);
    pourcurseur->setAccessibleName(QStringLiteral("Tableau : choisis une case avec les flèches"));
    pourcurseur->installEventFilter(this);
    pourcurseur->lower();
    mobilier->Fond()->lower();
    setTabOrder(pourcurseur, nouveau);

    clignotement = new QTimer(this); // Timer2
    clignotement->setInterval(500);
    connect(clignotement, &QTimer::timeout, pReponse, &ZoneReponse::FaireClignoter);
    effacementResultat = new QTimer(this); // Timer3
    effacementResultat->setInterval(5000);
    effacementResultat->setSingleShot(true);
    connect(effacementResultat, &QTimer::timeout, this, &TF_Jeu_Carrelis_T::Timer3Timer);

    const QRect ecran = prog.Plate().GeometrieEcran();
    rapport = mobilier->MettreAEchelle();
    tailleCase = ecran.width() * 48 / 800;
    panel2->resize(11 * tailleCase + 10, 11 * tailleCase + 10);
}

void TF_Jeu_Carrelis_T::ConstruireCases() {
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 12; ++r) {
            auto* cellule = new CaseTableau(c, r, this);
            cellule->setFont(Arial(27, false));
            cellule->Peindre(Argent, Noir);
            cellule->setEnabled(false);
            cellule->hide();
            connect(cellule, &CaseTableau::Appuyee, this, &TF_Jeu_Carrelis_T::CaseAppuyee);
            connect(cellule, &CaseTableau::Cliquee, this, &TF_Jeu_Carrelis_T::CaseCliquee);
            cases[c][r] = cellule;
        }
}

void TF_Jeu_Carrelis_T::ConstruireColonneDroite() {
    colonneDroite = new QWidget(this);
    colonneDroite->setObjectName(QStringLiteral("ColonneDroite"));
    colonneDroite->setGeometry(640, 0, LargeurColonne, 600 - HauteurBarre);
    Bloc(colonneDroite, "Panel3", "Justes", Vert, 8, compteurSc, "CompteurSc");
    Bloc(colonneDroite, "Panel6", "Erreurs", Apparence::Marron, 132, compteurMr, "CompteurMr");
    resultat = new QLabel(colonneDroite);
    resultat->setObjectName(QStringLiteral("Resultat"));
    resultat->setGeometry(0, 258, 145, 56);
    resultat->setAlignment(Qt::AlignCenter);
    resultat->setFont(Apparence::Times(37, true));
    resultat->setAccessibleName(QStringLiteral("Résultat"));
    nouveau = NouveauBouton(colonneDroite, QStringLiteral("Nouveau"), QStringLiteral("&Nouveau"), 324);
    changer = NouveauBouton(colonneDroite, QStringLiteral("Changer"), QStringLiteral("&Changer"), 368);
    boutonBilan = NouveauBouton(colonneDroite, QStringLiteral("BoutonBilan"), QStringLiteral("&Bilan"), 412);
    boutonBilan->setFont(Arial(21, true));
    bAide = NouveauBouton(colonneDroite, QStringLiteral("BAide"), QStringLiteral("&Aide"), 456);
    bAide->setFont(Arial(19, false));
    bAide->setStyleSheet(
        QStringLiteral("QPushButton { color: green; } QPushButton:disabled { color: gray; }"));
    bAide->setIcon(IconeAide());
    boutonQuitter =
        NouveauBouton(colonneDroite, QStringLiteral("SpeedButton1"), QStringLiteral("&Quitter"), 500);
    connect(nouveau, &QPushButton::clicked, this, &TF_Jeu_Carrelis_T::NouveauClick);
    connect(changer, &QPushButton::clicked, this, &TF_Jeu_Carrelis_T::ChangerClick);
    connect(boutonBilan, &QPushButton::clicked, this, &TF_Jeu_Carrelis_T::BoutonBilanClick);
    connect(bAide, &QPushButton::clicked, this, &TF_Jeu_Carrelis_T::BAideClick);
    connect(boutonQuitter, &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* TF_Jeu_Carrelis_T::NouveauBouton(QWidget* parent, const QString& nom, const QString& libelle,
                                              int y) {
    return Apparence::BoutonExercice(parent, nom, libelle, QRect(0, y, 145, 37));
}

void TF_Jeu_Carrelis_T::ConstruireBarreDEtat() {
    statusBar1 = Apparence::BarreDEtat(
        this, QStringLiteral("Clique dans la case que tu veux remplir, puis utilise le pavé numérique."),
        640);
}

void TF_Jeu_Carrelis_T::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    colonneDroite->move(width() - colonneDroite->width(), 0);
    statusBar1->setGeometry(0, height() - statusBar1->height(), width(), statusBar1->height());
    if (tableau.NbColonnes > 0) PlacerCadreEtCases();
}

void TF_Jeu_Carrelis_T::Ouvrir(const ChoixExercice& choisi) {
    choix = choisi;
    choix.NumJeu = std::clamp(choix.NumJeu, 1, 3);
    FormActivate();
    show();
    raise();
    activateWindow();
    pourcurseur->setFocus();
}

void TF_Jeu_Carrelis_T::hideEvent(QHideEvent* evenement) {
    QWidget::hideEvent(evenement);
    clignotement->stop();
    effacementResultat->stop();
}

void TF_Jeu_Carrelis_T::FormActivate() {
    prog.Aleatoire().Randomize();
    const int jeu = choix.NumJeu;
    DefinirContexteAide(*this, jeu + 1);
    setWindowTitle(QString::fromUtf8(Titres[jeu]));
    mobilier->Placer();
    MiseEnPlace();
    nouveau->setEnabled(true);
    changer->setEnabled(true);
    boutonBilan->setEnabled(false);
    mobilier->Tenir();
    clignotement->start();
    pourcurseur->setFocus();
}

void TF_Jeu_Carrelis_T::MiseEnPlace() {
    nouveau->setEnabled(true);
    changer->setEnabled(true);
    for (auto& colonne : cases)
        for (CaseTableau* cellule : colonne)
            cellule->hide();
    nbReponses = 0;
    compteurs = CompteursResultat{};
    resultat->clear();
    AfficherCompteur(compteurSc, 0, false);
    AfficherCompteur(compteurMr, 0, false);
    pReponse->hide();
    courante = QPoint(-1, -1);
    saisie.NouvelleCase();

    Tableau& t = tableau;
    if (!t.DefinirTaille(prog.Prefs.TailleJeu(choix.NumJeu))) t.DefinirTaille(3);
    const QRect ecran = prog.Plate().GeometrieEcran();
    tailleCase = DispositionJeu::TailleCase(ecran.height(), t.NbLignes, t.NbColonnes,
                                            prog.GeometrieMenu.width() - colonneDroite->width());
    GenerateurTableau generateur(t, prog.Aleatoire(), choix.Op);
    if (choix.NumJeu == 2)
        generateur.DisposerTrouver();
    else if (choix.NumJeu == 3)
        generateur.DisposerDefi();
    else
        generateur.DisposerRemplir();
    compteurs.NbTotal = t.NbTotal;
    compteurs.NbTotalHaut = t.NbTotalHaut;
    compteurs.NbTotalGauche = t.NbTotalGauche;

    PlacerCadreEtCases();
    AfficherEntetes();
    pReponse->Dimensionner(tailleCase, DispositionJeu::MargeReponse(ecran.height()));
    AjusterPolice();
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r)
            if (t.CaseRemplie[c][r]) cases[c][r]->setEnabled(false);
    t.CaseDonnee = t.CaseRemplie;
}

void TF_Jeu_Carrelis_T::PlacerCadreEtCases() {
    const Tableau& t = tableau;
    const QRect cadre = DispositionJeu::CadreTableau(tailleCase, t.NbLignes, t.NbColonnes, colonneDroite->x(),
                                                     statusBar1->y());
    panel2->setGeometry(cadre);
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r) {
            CaseTableau* cellule = cases[c][r];
            cellule->setGeometry(DispositionJeu::Case(cadre, tailleCase, c, r));
            cellule->show();
            cellule->raise();
        }
    if (courante.x() >= 0) pReponse->move(cases[courante.x()][courante.y()]->pos());
    pReponse->raise();
}

// The corner shows the sign; header cells are blue; every shown cell carries its value.
void TF_Jeu_Carrelis_T::AfficherEntetes() {
    const Tableau& t = tableau;
    for (int c = 0; c <= t.NbColonnes; ++c)
        for (int r = 0; r <= t.NbLignes; ++r) {
            CaseTableau* cellule = cases[c][r];
            const bool entete = t.EstEnTete(c, r);
            const bool montree = t.CaseRemplie[c][r];
            // White digits on the blue headers: black on pure blue is hard to read for a child.
            cellule->Peindre(entete ? Bleu : Argent, entete ? Blanc : Noir);
            cellule->setText(montree ? QString::number(t.Valeurs[c][r]) : QString());
            cellule->setEnabled(true);
            AnnoncerCase(c, r);
        }
    cases[0][0]->Peindre(Blanc, Noir);
    cases[0][0]->setText(Signe(choix.Op));
}

void TF_Jeu_Carrelis_T::AjusterPolice() {
    QFont police(QStringLiteral("Arial"));
    police.setPointSize(DispositionJeu::TaillePolice(police, pReponse->LargeurTexte()));
    pReponse->ChoisirPolice(police);
    for (auto& colonne : cases)
        for (CaseTableau* cellule : colonne)
            cellule->setFont(police);
}

// A screen reader hears the score, not only the caption of its block.
void TF_Jeu_Carrelis_T::AfficherCompteur(QLabel* compteur, int valeur, bool annoncer) {
    compteur->setText(QString::number(valeur));
    compteur->setAccessibleName(
        QStringLiteral("%1 : %2").arg(compteur->property("titre").toString()).arg(valeur));
    if (annoncer) prog.Plate().Annoncer(*compteur, QAccessible::NameChanged);
}

void TF_Jeu_Carrelis_T::AnnoncerCase(int c, int r, const QString& etat) {
    cases[c][r]->setAccessibleName(DescriptionCase(tableau, c, r, choix.Op, etat));
}

// The press moves the answer window and unlocks typing: from then on the pressed cell is the one
// judged, whether the button is released on it (a click) or after dragging off it.
void TF_Jeu_Carrelis_T::CaseAppuyee(CaseTableau* cellule) {
    CommencerSaisie();
    courante = QPoint(cellule->Colonne(), cellule->Ligne());
    pourcurseur->setAccessibleName(cellule->accessibleName());
    saisie.NouvelleCase();
    pReponse->show();
    pReponse->raise();
    pReponse->AfficherTexte(QString(), Noir);
    pourcurseur->clear();
    pourcurseur->setFocus();
    pReponse->MontrerCurseur(true);
    cellule->Enfoncer(true);
    pReponse->move(cellule->pos());
}

void TF_Jeu_Carrelis_T::CaseCliquee(CaseTableau* cellule) {
    if (courante != QPoint(cellule->Colonne(), cellule->Ligne())) CaseAppuyee(cellule);
}

// The first cell chosen in a table: from then on only "Quitter" leaves before the end.
void TF_Jeu_Carrelis_T::CommencerSaisie() {
    nouveau->setEnabled(false);
    changer->setEnabled(false);
    boutonBilan->setEnabled(false);
}

void TF_Jeu_Carrelis_T::AllerACase(QPoint position) {
    courante = position;
    pReponse->show();
    pReponse->raise();
    pReponse->AfficherTexte(QString(), Noir);
    pourcurseur->clear();
    pourcurseur->setFocus();
    pReponse->move(cases[position.x()][position.y()]->pos());
    pReponse->MontrerCurseur(true);
    saisie.NouvelleCase();
    pourcurseur->setAccessibleName(cases[position.x()][position.y()]->accessibleName());
    prog.Plate().Annoncer(*pourcurseur, QAccessible::NameChanged);
}

void TF_Jeu_Carrelis_T::AfficherReponse() {
    pReponse->AfficherTexte(saisie.Reponse(), Noir);
    pourcurseur->setAccessibleName(QStringLiteral("Réponse : %1").arg(saisie.Reponse()));
    prog.Plate().Annoncer(*pourcurseur, QAccessible::NameChanged);
}

bool TF_Jeu_Carrelis_T::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != pourcurseur || evenement->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objet, evenement);
    auto* touche = static_cast<QKeyEvent*>(evenement);
    const int code = touche->key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_F1 || code == Qt::Key_Escape)
        return false;
    // Keyboard play: before any cell is chosen, a key that plays starts at the first cell to be
    // found. Alt, Shift or NumLock alone must not start the table: Alt+N and Alt+C would then
    // find their buttons disabled.
    if (courante.x() < 0) {
        if (!ToucheDeJeu(code)) return true;
        const auto premiere = PremiereCaseATrouver(tableau);
        if (!premiere) return true;
        CommencerSaisie();
        AllerACase(*premiere);
        if (!(code >= Qt::Key_0 && code <= Qt::Key_9)) return true;
    }
    if (code == Qt::Key_Space) {
        if (const auto suivante = CaseSuivanteATrouver(tableau, courante)) AllerACase(*suivante);
    } else if (!ToucheFleche(code)) {
        ToucheFrappee(code, touche->text());
    }
    pourcurseur->clear();
    return true;
}

bool TF_Jeu_Carrelis_T::ToucheFleche(int touche) {
    std::optional<QPoint> trouvee;
    switch (touche) {
    case Qt::Key_Left:
        if (saisie.EffacerParLaGauche())
            AfficherReponse();
        else if (courante.x() != 0)
            trouvee = ChercherCase(tableau, courante, Direction::Gauche);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (saisie.Reponse().isEmpty())
            trouvee = ChercherCase(tableau, courante,
                                   touche == Qt::Key_Right ? Direction::Droite
                                   : touche == Qt::Key_Up  ? Direction::Haut
                                                           : Direction::Bas);
        break;
    default:
        return false;
    }
    if (trouvee) AllerACase(*trouvee);
    return true;
}

void TF_Jeu_Carrelis_T::ToucheFrappee(int touche, const QString& texte) {
    resultat->clear();
    effacementResultat->stop();
    ToucheSaisie sorte = ToucheSaisie::Autre;
    QChar chiffre;
    if (touche == Qt::Key_Backspace)
        sorte = ToucheSaisie::Effacement;
    else if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
        sorte = ToucheSaisie::Entree;
    else if (texte.size() == 1 && texte.at(0).isDigit() && texte.at(0).unicode() < 128) {
        sorte = ToucheSaisie::Chiffre;
        chiffre = texte.at(0);
    }
    switch (saisie.Touche(sorte, chiffre)) {
    case EffetSaisie::Affichage:
        AfficherReponse();
        break;
    case EffetSaisie::Verifier:
        VerifierReponse();
        break;
    case EffetSaisie::Rien:
        break;
    }
}

void TF_Jeu_Carrelis_T::VerifierReponse() {
    Tableau& t = tableau;
    CompteursResultat& n = compteurs;
    const int c = courante.x(), r = courante.y();
    // A cell is answered once: whatever path led here, an answered cell is never judged again.
    if (c < 0 || r < 0 || t.CaseRemplie[c][r]) return;
    ++nbReponses;
    t.CaseRemplie[c][r] = 1;
    pReponse->MontrerCurseur(false);
    const QString valeur = QString::number(t.Valeurs[c][r]);
    const bool juste = saisie.Reponse() == valeur;
    if (juste) {
        ++n.NbBonnes;
        n.NbBonnesGauche += c == 0;
        n.NbBonnesHaut += r == 0;
        pReponse->AfficherTexte(saisie.Reponse(), Vert);
        AfficherCompteur(compteurSc, n.NbBonnes, true);
    } else {
        ++n.NbErreurs;
        n.NbErreursGauche += c == 0;
        n.NbErreursHaut += r == 0;
        pReponse->AfficherTexte(valeur, Rouge);
        AfficherCompteur(compteurMr, n.NbErreurs, true);
    }
    saisie.Vider();
    resultat->setText(juste ? QStringLiteral("Juste") : QStringLiteral("Faux"));
    resultat->setStyleSheet(QStringLiteral("color: %1;").arg((juste ? Vert : Rouge).name()));
    effacementResultat->start();
    CaseTableau* cellule = cases[c][r];
    cellule->Peindre(t.EstEnTete(c, r) ? Aqua : Blanc, juste ? Vert : Rouge, !juste);
    cellule->setText(valeur);
    cellule->setEnabled(false);
    AnnoncerCase(c, r, juste ? QStringLiteral("juste") : QStringLiteral("faux"));

    resultat->setAccessibleName(juste ? QStringLiteral("Juste")
                                      : QStringLiteral("Faux, c'était %1").arg(valeur));
    prog.Plate().Annoncer(*resultat, QAccessible::Alert);
    if (nbReponses == n.NbTotal) TableauTermine();
}

void TF_Jeu_Carrelis_T::TableauTermine() {
    pReponse->hide();
    boutonBilan->setEnabled(true);
    boutonBilan->setFocus();
}

void TF_Jeu_Carrelis_T::NouveauClick() {
    MiseEnPlace();
    pourcurseur->setFocus();
}

void TF_Jeu_Carrelis_T::ChangerClick() {
    const quint8 tailleAvant = prog.Prefs.TailleJeu(choix.NumJeu);
    autres.ChoisirTaille(choix.NumJeu);
    if (prog.Prefs.TailleJeu(choix.NumJeu) != tailleAvant) MiseEnPlace();
    tableau.CaseDonnee = tableau.CaseRemplie;
    pourcurseur->setFocus();
}

void TF_Jeu_Carrelis_T::BoutonBilanClick() {
    autres.MontrerBilan(ResultatPartie{choix.NumJeu, compteurs, {}});
    boutonBilan->setEnabled(false);
    nouveau->setEnabled(true);
    changer->setEnabled(true);
    nouveau->setFocus();
}

void TF_Jeu_Carrelis_T::BAideClick() {
    prog.Plate().AfficherAide(prog.FichierAide, QString::fromLatin1(SujetsAide[choix.NumJeu]));
}

void TF_Jeu_Carrelis_T::Timer3Timer() {
    resultat->clear();
}
