// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/U_Menu.h"
#include "core/Apparence.h"

#include "core/AideContextuelle.h"
#include "core/BarreDEtat.h"
#include "core/Echelle.h"
#include "core/FenetreExercice.h"
#include "core/MaintienGeometrie.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Preferences.h"
#include "core/Programme.h"
#include "core/ZoneMosaique.h"
#include "program/BoutonMenu.h"
#include "program/Fenetres.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

using Apparence::Arial;

constexpr int ContexteMenu = 1;
constexpr QSize TailleBloc(720, 430);

QString SansAccelerateur(QString libelle) {
    return libelle.remove(QLatin1Char('&'));
}

} // namespace

TF_Menu::TF_Menu(Programme& programme, Fenetres& fenetres, QWidget* parent)
    : QMainWindow(parent), prog(programme), fenetres(fenetres),
      rapport(RapportEchelle(programme.Plate().GeometrieEcran().size(), programme.Plate().PixelsParPouce())) {
    setObjectName(QStringLiteral("F_Menu"));
    // Built at the screen's scale from the start: built at the design size and scaled after, each
    // control would have its font looked up twice and the window laid out again at every change.
    setFont(PoliceDuMenu(font()));
    resize(AEchelle(800, rapport), AEchelle(600, rapport));
    DefinirContexteAide(*this, ContexteMenu);
    ConstruireCentre();
    ConstruireBarre();
    FormCreate();
}

// Start-up proper: the rest of the program reads what is set here, so the order matters.
void TF_Menu::FormCreate() {
    prog.Plate().MasquerBarreDesTaches(*this);
    // The program entry has already settled the folder; a menu built alone works where it stands.
    if (prog.RepProgramme.isEmpty()) prog.RepProgramme = QDir::currentPath();
    // The window was built at the screen's scale (the constructor).
    // A full-screen window takes the screen's geometry whatever its design size.
    prog.GeometrieMenu = prog.Plate().GeometrieEcran();
    setGeometry(prog.GeometrieMenu);
    prog.Aleatoire().Randomize();
    prog.InitValeurs();
    // The menu's own picture, unless the preferences, read at the first showing, name another.
    mobilier->Fond()->Prevoir(prog.Profil().ImageAccueil);
    setWindowTitle(prog.Profil().Titre);
}

void TF_Menu::ConstruireCentre() {
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("centre"));
    // The bands and the middle over the status bar.
    auto* pile = new QVBoxLayout(centre);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(0);
    auto* rangee = new QHBoxLayout;
    pile->addLayout(rangee, 1);
    rangee->setSpacing(0);
    // The unit calls the left band "margedroite" and the right one "margegauche": the names stay,
    // for the tests and the accessibility tree that find them.
    auto* gauche = new QFrame(centre);
    gauche->setObjectName(QStringLiteral("margedroite"));
    gauche->setFixedWidth(AEchelle(18, rapport));
    auto* droite = new QFrame(centre);
    droite->setObjectName(QStringLiteral("margegauche"));
    droite->setFixedWidth(AEchelle(17, rapport));
    auto* milieu = new QWidget(centre);
    milieu->setObjectName(QStringLiteral("milieu"));
    auto* colonne = new QVBoxLayout(milieu);
    colonne->setContentsMargins(0, 0, 0, 0);
    menu = new QWidget(milieu);
    menu->setObjectName(QStringLiteral("menu"));
    colonne->addWidget(menu);
    rangee->addWidget(gauche);
    rangee->addWidget(milieu, 1);
    rangee->addWidget(droite);
    for (QFrame* bande : {gauche, droite}) {
        bande->setFrameShape(QFrame::Panel);
        bande->setFrameShadow(QFrame::Raised);
        bande->installEventFilter(this);
    }
    // The menu holds itself: its hold starts a moment after its first showing and again at each
    // activation, and its mosaic lies in the middle band only.
    mobilier = new MobilierPleinEcran(
        *this, prog,
        {.Images =
             [this] {
                 return std::pair{prog.Prefs.ImagesPref[0], prog.Profil().ImageAccueil};
             },
         .CadreFond = menu,
         .Automatique = false});
    connect(mobilier->Fond(), &ZoneMosaique::Clique, this, &TF_Menu::Replacer);
    blocBoutons = new QWidget(menu);
    blocBoutons->setObjectName(QStringLiteral("BlocBoutons"));
    blocBoutons->setGeometry(RectangleAEchelle(QRect(QPoint(0, 0), TailleBloc), rapport));
    ConstruireBlocBoutons(blocBoutons);
    menu->installEventFilter(this);
    pile->addWidget(ConstruireBarreDEtat(centre));
    setCentralWidget(centre);
}

void TF_Menu::ConstruireBlocBoutons(QWidget* bloc) {
    for (const TitreGroupe& groupe : prog.Profil().Menu.Groupes) {
        auto* panneau = new QFrame(bloc);
        panneau->setObjectName(groupe.NomPanneau);
        panneau->setGeometry(RectangleAEchelle(groupe.Position, rapport));
        panneau->setFrameShape(QFrame::Box);
        panneau->setLineWidth(2);
        panneau->setAutoFillBackground(true);
        QPalette couleurs = panneau->palette();
        couleurs.setColor(QPalette::Window, Qt::white);
        couleurs.setColor(QPalette::WindowText, Apparence::BleuTitre);
        panneau->setPalette(couleurs);
        auto* titre = new QLabel(groupe.Libelle, panneau);
        titre->setObjectName(groupe.NomLabel);
        titre->setAlignment(Qt::AlignCenter);
        titre->setFont(ArialAEchelle(24, true));
        titre->setGeometry(RectangleAEchelle(QRect(QPoint(0, 0), groupe.Position.size()), rapport));
        titre->setAccessibleName(groupe.Libelle);
    }
    const QList<BoutonJeu>& boutons = prog.Profil().Menu.Boutons;
    for (int i = 0; i < boutons.size(); ++i) {
        QPushButton* bouton = NouveauBouton(bloc, boutons[i].Nom, boutons[i].Libelle, boutons[i].Position);
        // Each multiplication button says so to a screen reader: the captions repeat.
        const QString groupe = !boutons[i].Op ? QString()
                               : *boutons[i].Op == Operation::Multiplication
                                   ? QStringLiteral("Table de multiplication, ")
                                   : QStringLiteral("Table d'addition, ");
        bouton->setAccessibleName(groupe + SansAccelerateur(boutons[i].Libelle));
        connect(bouton, &QPushButton::clicked, this, [this, i] { OuvrirJeu(i); });
        boutonsJeu.append(bouton);
    }
    QPushButton* quitter = NouveauBouton(bloc, QStringLiteral("SpeedButton3"), QStringLiteral("&Quitter"),
                                         prog.Profil().Menu.PositionQuitter);
    connect(quitter, &QPushButton::clicked, this, [this] { Executer(ActionMenu::Quitter); });
}

QPushButton* TF_Menu::NouveauBouton(QWidget* parent, const QString& nom, const QString& libelle,
                                    const QRect& position) {
    auto* bouton = new BoutonMenu(libelle, parent);
    bouton->setObjectName(nom);
    bouton->setGeometry(RectangleAEchelle(position, rapport));
    bouton->setFont(ArialAEchelle(22, true));
    bouton->setAccessibleName(SansAccelerateur(libelle));
    bouton->setCursor(Qt::PointingHandCursor);
    bouton->setAutoDefault(false);
    return bouton;
}

void TF_Menu::ConstruireBarre() {
    AjouterEntrees(menuBar(), prog.Profil().Menu.Barre);
    // F10 opens the preferences from anywhere in the main window.
    auto* f10 = new QAction(this);
    f10->setObjectName(QStringLiteral("RaccourciF10"));
    f10->setShortcut(Qt::Key_F10);
    f10->setShortcutContext(Qt::WindowShortcut);
    connect(f10, &QAction::triggered, this, [this] { OuvrirModal(IdFenetre::Preferences); });
    addAction(f10);
}

void TF_Menu::AjouterEntrees(QWidget* menuParent, const QList<EntreeMenu>& entrees) {
    for (const EntreeMenu& entree : entrees) {
        if (entree.Libelle.isEmpty()) {
            QAction* separateur = menuParent->addAction(QString());
            separateur->setSeparator(true);
            separateur->setObjectName(entree.Nom);
            continue;
        }
        if (entree.SousEntrees.isEmpty()) {
            menuParent->addAction(NouvelleAction(entree));
            continue;
        }
        auto* sousMenu = new QMenu(entree.Libelle, menuParent);
        sousMenu->setObjectName(entree.Nom);
        // A menu is a window of its own: it does not take the menu bar's font.
        sousMenu->setFont(PoliceDuMenu(sousMenu->font()));
        sousMenu->setAccessibleName(SansAccelerateur(entree.Libelle));
        if (entree.Replace) connect(sousMenu, &QMenu::aboutToShow, this, &TF_Menu::Replacer);
        AjouterEntrees(sousMenu, entree.SousEntrees);
        menuParent->addAction(sousMenu->menuAction());
    }
}

QAction* TF_Menu::NouvelleAction(const EntreeMenu& entree) {
    auto* action = new QAction(entree.Libelle, this);
    action->setObjectName(entree.Nom);
    // Run once the menu has closed and the action's caller has its answer: a screen reader that
    // triggers an entry through the accessibility bus would otherwise wait, silent, until the
    // window the entry opens is closed again.
    connect(
        action, &QAction::triggered, this,
        [this, entree] {
            if (entree.Action == ActionMenu::Jeu)
                OuvrirJeu(entree.Bouton);
            else
                Executer(entree.Action);
        },
        Qt::QueuedConnection);
    actions.append({action, entree});
    return action;
}

QWidget* TF_Menu::ConstruireBarreDEtat(QWidget* centre) {
    auto* barre = new BarreDEtat(QStringLiteral("Fais ton choix avec la souris ou le clavier."),
                                 ArialAEchelle(16, false), centre);
    // Its message where Qt's status bar puts one: 2 pixels from the left edge, 3 below the top and
    // 2 above the bottom, which make the bar's height.
    auto* disposition = new QHBoxLayout(barre);
    disposition->setContentsMargins(2, 3, 0, 2);
    disposition->addWidget(barre->Message());
    barre->installEventFilter(this);
    barre->Message()->installEventFilter(this);
    return barre;
}

MaintienGeometrie& TF_Menu::Timer1() const {
    return mobilier->Maintien();
}

void TF_Menu::OuvrirJeu(int bouton) {
    const QList<BoutonJeu>& boutons = prog.Profil().Menu.Boutons;
    if (bouton < 0 || bouton >= boutons.size()) return;
    const BoutonJeu& jeu = boutons[bouton];
    if (auto* exercice = qobject_cast<FenetreExercice*>(fenetres.Fenetre(jeu.Fenetre)))
        exercice->Ouvrir(ChoixExercice{jeu.NumJeu, jeu.Op.value_or(Operation::Addition)});
    else if (QWidget* fenetre = fenetres.Fenetre(jeu.Fenetre)) {
        fenetre->show();
        fenetre->raise();
        fenetre->activateWindow();
    }
}

namespace {

// What each menu action opens and does, in one place: an action is offered when the program has
// every window it needs.
struct Conduite {
    ActionMenu Action;
    QList<IdFenetre> Fenetres;
    void (*Faire)(TF_Menu& menu, Programme& prog);
};

const QList<Conduite>& Conduites() {
    using A = ActionMenu;
    using F = IdFenetre;
    static const QList<Conduite> table{
        {A::Quitter, {}, [](TF_Menu& m, Programme&) { m.close(); }},
        {A::Preferences,
         {F::Preferences},
         [](TF_Menu& m, Programme&) { m.Replacer(), m.OuvrirModal(F::Preferences); }},
        {A::APropos, {F::PubN}, [](TF_Menu& m, Programme&) { m.Replacer(), m.OuvrirModal(F::PubN); }},
        {A::ImprimerExercices, {F::Image}, [](TF_Menu& m, Programme&) { m.OuvrirModal(F::Image); }},
        {A::Listes,
         {F::Listes},
         [](TF_Menu& m, Programme& p) { p.RetourRepertoire(), m.OuvrirModal(F::Listes); }},
        {A::FichierTexte,
         {F::Traitexte},
         [](TF_Menu& m, Programme& p) {
             p.RetourRepertoire();
             m.Registre().EditerTexte({});
         }},
        {A::BilanGeneral,
         {F::Traitexte},
         [](TF_Menu& m, Programme& p) {
             p.RetourRepertoire();
             m.Registre().EditerTexte(TexteAOuvrir::Bilan(p.Profil().FichierBilan));
         }},
        {A::BilanIndividuel,
         {F::ChoixImpInd, F::Traitexte},
         [](TF_Menu& m, Programme&) {
             if (const std::optional<TexteAOuvrir> texte = m.Registre().ChoisirBilanIndividuel())
                 m.Registre().EditerTexte(*texte);
         }},
        {A::GestionBilans, {F::EffaceBilans}, [](TF_Menu& m, Programme&) { m.Registre().GererBilans(); }},
        {A::SuiviClasse, {F::Suivi}, [](TF_Menu& m, Programme& p) { m.Registre().OuvrirSuivi(p.Dossier()); }},
        {A::Aide,
         {},
         [](TF_Menu&, Programme& p) { p.Plate().AfficherAide(p.FichierAide, QStringLiteral("Som")); }},
        {A::PagePedagogique,
         {},
         [](TF_Menu&, Programme& p) { p.Plate().AfficherAide(p.FichierAide, QStringLiteral("Pedagogie")); }},
        {A::EffacerBarre, {}, [](TF_Menu& m, Programme& p) { p.Plate().MasquerBarreDesTaches(m); }},
    };
    return table;
}

const Conduite* ConduiteDe(ActionMenu action) {
    for (const Conduite& conduite : Conduites())
        if (conduite.Action == action) return &conduite;
    return nullptr;
}

} // namespace

void TF_Menu::Executer(ActionMenu action) {
    if (const Conduite* conduite = ConduiteDe(action)) conduite->Faire(*this, prog);
}

void TF_Menu::OuvrirModal(IdFenetre id) {
    if (auto* dialogue = qobject_cast<QDialog*>(fenetres.Fenetre(id))) dialogue->exec();
}

// Puts the window back at its place at once (Left and Top), without waiting for the timer.
void TF_Menu::Replacer() {
    if (!prog.GeometrieMenu.isEmpty() && pos() != prog.GeometrieMenu.topLeft())
        move(prog.GeometrieMenu.topLeft());
}

bool TF_Menu::Disponible(ActionMenu action, int bouton) const {
    if (action == ActionMenu::Jeu) {
        const QList<BoutonJeu>& boutons = prog.Profil().Menu.Boutons;
        return bouton >= 0 && bouton < boutons.size() && fenetres.Disponible(boutons[bouton].Fenetre);
    }
    const Conduite* conduite = ConduiteDe(action);
    if (!conduite) return true;
    for (IdFenetre id : conduite->Fenetres)
        if (!fenetres.Disponible(id)) return false;
    return true;
}

void TF_Menu::ActualiserDisponibilite() {
    for (int i = 0; i < boutonsJeu.size(); ++i)
        boutonsJeu[i]->setEnabled(Disponible(ActionMenu::Jeu, i));
    for (auto& [action, entree] : actions)
        action->setEnabled(Disponible(entree.Action, entree.Bouton));
    if (auto* f10 = findChild<QAction*>(QStringLiteral("RaccourciF10")))
        f10->setEnabled(Disponible(ActionMenu::Preferences, -1));
}

// The first showing: by then every window of the program exists.
void TF_Menu::FormShow() {
    // The preferences are read now; their window, created when first opened, reads them again
    // into its controls then (and at every opening), so it need not slow the start.
    QString alerte;
    ChargerPreferences(prog.Prefs, prog.Profil().FichierPref, alerte);
    prog.PrefSauvees.CopierSaufListeClasse(prog.Prefs);
    // Said once the menu is on screen, over it.
    if (!alerte.isEmpty()) QTimer::singleShot(0, this, [this, alerte] { prog.Plate().Avertir(alerte); });
    ActualiserDisponibilite();
    mobilier->Fond()->update();
    // The hold starts a moment after the window is up.
    QTimer::singleShot(1, this, [this] { mobilier->Maintien().Demarrer(); });
    if (!boutonsJeu.isEmpty() && boutonsJeu.first()->isEnabled()) boutonsJeu.first()->setFocus();
}

void TF_Menu::paintEvent(QPaintEvent* evenement) {
    QMainWindow::paintEvent(evenement);
    if (dejaPeint) return;
    dejaPeint = true;
    // Once this paint has reached the screen.
    QTimer::singleShot(0, this, &TF_Menu::Peint);
}

// The menu bar draws in the family of the buttons and of the status bar. Every caption of the
// menu is a fixed French phrase in the Latin script, which needs none of OpenType's shaping
// (ligatures, contextual forms, marks): drawn without it, the start neither runs the shaping
// engine nor reads and copies those tables of its fonts, about 0.8 MB. The children take it from
// the window; the letters keep their places but for a pixel in a few kerned pairs ("Ta", "Fa").
QFont TF_Menu::PoliceDuMenu(const QFont& police) const {
    QFont aEchelle = PoliceAEchelle(Apparence::ArialDuBureau(police), rapport);
    aEchelle.setStyleStrategy(QFont::PreferNoShaping);
    return aEchelle;
}

// The titles', buttons' and status bar's captions, 16 pixels and more, are drawn unhinted: at
// those sizes the desktop's light hinting moves no stem by a visible amount, and skipping it spares
// FreeType's autohinter on each of the start's glyphs, at each of the places along the line where
// it draws them (3 % of the whole start, counted in instructions). The menu bar keeps the
// desktop's rendering, which its small letters need.
QFont TF_Menu::ArialAEchelle(int pixels, bool gras) const {
    QFont police = PoliceAEchelle(Arial(pixels, gras), rapport);
    police.setHintingPreference(QFont::PreferNoHinting);
    return police;
}

void TF_Menu::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    if (dejaMontre) return;
    dejaMontre = true;
    FormShow();
}

void TF_Menu::changeEvent(QEvent* evenement) {
    QMainWindow::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow()) mobilier->Maintien().Demarrer();
}

// Closing the menu ends the program, whatever else is still open (the help, an exercise).
void TF_Menu::FormClose() {
    prog.Plate().MontrerBarreDesTaches(*this);
    mobilier->Maintien().Arreter();
    QCoreApplication::quit();
}

void TF_Menu::closeEvent(QCloseEvent* evenement) {
    FormClose();
    evenement->accept();
}

void TF_Menu::CentrerBloc() {
    const QSize taille = blocBoutons->size();
    blocBoutons->move(std::max(0, (menu->width() - taille.width()) / 2),
                      std::max(0, (menu->height() - taille.height()) / 2));
}

bool TF_Menu::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == menu && evenement->type() == QEvent::Resize)
        CentrerBloc();
    else if (objet != menu && evenement->type() == QEvent::MouseButtonPress)
        Replacer();
    return QMainWindow::eventFilter(objet, evenement);
}
