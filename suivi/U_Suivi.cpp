// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi/U_Suivi.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/EcritureFichier.h"
#include "core/Libelles.h"
#include "core/MobilierPleinEcran.h"
#include "core/NomDeFichier.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/TravailImpression.h"
#include "results/ExportSuivi.h"
#include "results/ImpressionSuivi.h"
#include "results/ModeleSuivi.h"
#include "results/SuiviClasse.h"
#include "suivi/DetailEleve.h"
#include "suivi/EnTeteGroupe.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Apparence::Arial;

const QString Titre = QStringLiteral("Suivi de la classe");
const QString SujetAide = QStringLiteral("Suivi");
// A reading shorter than this shows no progress bar: it would only flicker.
constexpr int DelaiBarre = 300;
constexpr int PasBarre = 1000;
// The table's smallest letters, when its columns would not fit the screen's width otherwise.
constexpr int PoliceTableauMin = 11;

enum Page { PageClasse, PageEleve };

} // namespace

TF_Suivi::TF_Suivi(Programme& programme, QWidget* parent)
    : DialogueSur({}, parent,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prog(programme), profil(programme.Profil()), plate(programme.Plate()) {
    setObjectName(QStringLiteral("F_Suivi"));
    setWindowTitle(Titre);
    setModal(true);
    resize(800, 600);
    DefinirSujetAide(*this, SujetAide);
    mobilier = new MobilierPleinEcran(*this, prog, {.Images = [this] {
        return std::pair{prog.Profil().ImageExo, QString()};
    }});

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(16, 12, 16, 12);
    cadre = new QFrame(this);
    cadre->setObjectName(QStringLiteral("Cadre"));
    cadre->setStyleSheet(
        QStringLiteral("QFrame#Cadre { background: rgba(255, 255, 255, 240); border: 2px solid navy;"
                       " border-radius: 10px; }"));
    disposition->addWidget(cadre);
    auto* colonne = new QVBoxLayout(cadre);
    colonne->setContentsMargins(14, 10, 14, 10);

    colonne->addLayout(ConstruireEntete(cadre));

    pages = new QStackedWidget(cadre);
    pages->setObjectName(QStringLiteral("Pages"));
    auto* pageClasse = new QWidget(pages);
    pageClasse->setObjectName(QStringLiteral("PageClasse"));
    ConstruirePageClasse(pageClasse);
    pages->addWidget(pageClasse);
    detail = new DetailEleve(profil, pages);
    pages->addWidget(detail);
    colonne->addWidget(pages, 1);
    ConstruireBoutons(cadre);

    connect(choixClasse, &QComboBox::activated, this, [this] { ChoisirClasse(choixClasse->currentText()); });
    mobilier->MettreAEchelle();
    policeTableau = tableau->font().pixelSize();
}

TF_Suivi::~TF_Suivi() = default;

// The window's title, and the class chooser that its label names (Alt+C).
QHBoxLayout* TF_Suivi::ConstruireEntete(QWidget* parent) {
    auto* entete = new QHBoxLayout;
    auto* titre = new QLabel(Titre, parent);
    titre->setObjectName(QStringLiteral("TitreSuivi"));
    titre->setFont(Arial(22, true));
    titre->setStyleSheet(QStringLiteral("color: #10288c;"));
    auto* libelleClasse = new QLabel(QStringLiteral("&Classe :"), parent);
    libelleClasse->setObjectName(QStringLiteral("LibelleClasse"));
    libelleClasse->setFont(Arial(16, true));
    choixClasse = new QComboBox(parent);
    choixClasse->setObjectName(QStringLiteral("ChoixClasse"));
    choixClasse->setAccessibleName(QStringLiteral("Classe"));
    choixClasse->setFont(Arial(16, false));
    choixClasse->setMinimumContentsLength(14);
    libelleClasse->setBuddy(choixClasse);
    entete->addWidget(titre);
    entete->addStretch(1);
    entete->addWidget(libelleClasse);
    entete->addWidget(choixClasse);
    return entete;
}

void TF_Suivi::ConstruirePageClasse(QWidget* page) {
    auto* colonne = new QVBoxLayout(page);
    colonne->setContentsMargins(0, 0, 0, 0);
    resume = new QLabel(page);
    resume->setObjectName(QStringLiteral("Resume"));
    resume->setTextFormat(Qt::PlainText);
    resume->setFont(Arial(15, true));
    colonne->addWidget(resume);
    modele = new ModeleSuivi(profil, this);
    tableau = new QTableView(page);
    tableau->setObjectName(QStringLiteral("TableauSuivi"));
    tableau->setHorizontalHeader(new EnTeteGroupe(ModeleSuivi::RoleGroupe, ModeleSuivi::RoleTitre, tableau));
    tableau->setModel(modele);
    tableau->setFont(Arial(12, false));
    tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau->setSelectionMode(QAbstractItemView::SingleSelection);
    tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau->setTabKeyNavigation(false);
    tableau->setAlternatingRowColors(true);
    tableau->setSortingEnabled(true);
    tableau->horizontalHeader()->setSortIndicatorShown(false);
    // The pupils' names head the rows: they stay in sight when the table scrolls sideways, and
    // screen readers give each cell its pupil. The model's own column of names is for the page
    // and the files; sorting on it goes through the corner above the names.
    tableau->setColumnHidden(0, true);
    tableau->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->verticalHeader()->setHighlightSections(false);
    if ((coin = tableau->findChild<QAbstractButton*>())) {
        coin->setObjectName(QStringLiteral("CoinEleves"));
        coin->setToolTip(QStringLiteral("Trier par élève"));
        coin->installEventFilter(this);
        connect(coin, &QAbstractButton::clicked, this, [this] { TrierPar(0); });
    }
    connect(tableau->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this] { tableau->horizontalHeader()->setSortIndicatorShown(true); });
    connect(tableau, &QTableView::activated, this, [this](const QModelIndex& i) { MontrerEleve(i.row()); });
    colonne->addWidget(tableau, 1);
    remarques = new QLabel(page);
    remarques->setObjectName(QStringLiteral("Remarques"));
    remarques->setTextFormat(Qt::PlainText);
    remarques->setWordWrap(true);
    remarques->setFont(Arial(13, false));
    remarques->setStyleSheet(QStringLiteral("color: #800000;"));
    colonne->addWidget(remarques);
}

QPushButton* TF_Suivi::Bouton(QWidget* parent, const char* nom, const QString& libelle) {
    auto* bouton = Apparence::Bouton(parent, QLatin1String(nom), libelle, QRect(), Arial(15, true));
    bouton->setMinimumHeight(32);
    return bouton;
}

void TF_Suivi::ConstruireBoutons(QWidget* cadre) {
    auto* rangee = new QHBoxLayout;
    QPushButton* detailEleve = Bouton(cadre, "BoutonDetail", QStringLiteral("&Détail de l'élève"));
    QPushButton* trier = Bouton(cadre, "BoutonTrier", QStringLiteral("&Trier par…"));
    trier->setMenu(MenuTri(trier));
    QPushButton* actualiser = Bouton(cadre, "BoutonActualiser", QStringLiteral("Act&ualiser"));
    QPushButton* exporter = Bouton(cadre, "BoutonExporter", QStringLiteral("E&xporter…"));
    exporter->setMenu(MenuExport(exporter));
    QPushButton* imprimer = Bouton(cadre, "BoutonImprimer", QStringLiteral("&Imprimer"));
    boutonRetour = Bouton(cadre, "BoutonRetour", QStringLiteral("&Retour au tableau"));
    QPushButton* aide = Bouton(cadre, "BoutonAide", QStringLiteral("&Aide"));
    QPushButton* fermer = Bouton(cadre, "BoutonFermer", QStringLiteral("&Fermer"));
    boutonsClasse = {detailEleve, trier, actualiser, exporter, imprimer};
    for (QPushButton* bouton : {detailEleve, trier, actualiser, exporter, imprimer, boutonRetour})
        rangee->addWidget(bouton);
    rangee->addStretch(1);
    rangee->addWidget(aide);
    rangee->addWidget(fermer);
    static_cast<QVBoxLayout*>(cadre->layout())->addLayout(rangee);
    boutonRetour->hide();
    connect(detailEleve, &QPushButton::clicked, this,
            [this] { MontrerEleve(tableau->currentIndex().row()); });
    connect(actualiser, &QPushButton::clicked, this, &TF_Suivi::Actualiser);
    connect(imprimer, &QPushButton::clicked, this, &TF_Suivi::Imprimer);
    connect(boutonRetour, &QPushButton::clicked, this, &TF_Suivi::RetourTableau);
    connect(aide, &QPushButton::clicked, this, &TF_Suivi::Aide);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* f5 = new QAction(this);
    f5->setObjectName(QStringLiteral("RaccourciF5"));
    f5->setShortcut(Qt::Key_F5);
    connect(f5, &QAction::triggered, this, [this] {
        if (pages->currentIndex() == PageClasse) Actualiser();
    });
    addAction(f5);
}

void TF_Suivi::FormActivate() {
    MontrerPage(PageClasse);
    // Read once the window is up, so that a long reading shows over it.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) Actualiser();
    });
}

bool TF_Suivi::Actualiser() {
    if (lectureEnCours || Ouverte().isEmpty()) return false;
    auto lu = std::make_unique<ReleveBilans::Releve>();
    const bool complet = LireEnFond(ReleveBilans::Inventorier(Ouverte(), profil), *lu);
    if (fermerApresLecture) {
        fermerApresLecture = false;
        QDialog::reject();
        return false;
    }
    modele->Vider();
    releve = std::move(lu);
    if (!complet) {
        releve = std::make_unique<ReleveBilans::Releve>();
        resume->clear();
        remarques->setText(
            QStringLiteral("La lecture des bilans a été arrêtée : rien n'est montré. « Actualiser » "
                           "les relit."));
        plate.Annoncer(*remarques, QAccessible::NameChanged);
        return false;
    }
    RemplirChoix();
    return true;
}

// The folder read away from the window, which keeps answering: past a moment, a progress bar
// shows over it, and its "Annuler" stops the reading.
bool TF_Suivi::LireEnFond(const ReleveBilans::Inventaire& inventaire, ReleveBilans::Releve& lu) {
    std::atomic<bool> arret{false};
    std::atomic<qint64> lus{0}, total{1};
    std::unique_ptr<QThread> fil(QThread::create([&] {
        lu = ReleveBilans::Lire(inventaire, profil, [&](qint64 n, qint64 t) {
            lus = n;
            total = std::max<qint64>(t, 1);
            return !arret;
        });
    }));
    QProgressDialog barre(QStringLiteral("Lecture des bilans…"), QStringLiteral("Annuler"), 0, PasBarre,
                          this);
    barre.setObjectName(QStringLiteral("Progression"));
    barre.setWindowTitle(Titre);
    barre.setAccessibleName(QStringLiteral("Lecture des bilans"));
    barre.setWindowModality(Qt::WindowModal);
    barre.setMinimumDuration(DelaiBarre);
    barre.setAutoClose(false);
    barre.setAutoReset(false);
    // Its button, Escape, or its window closed: each stops the reading.
    connect(&barre, &QProgressDialog::canceled, this, [&] { arret = true; });
    connect(&barre, &QDialog::rejected, this, [&] { arret = true; });
    QTimer avance;
    avance.setInterval(50);
    QElapsedTimer depuis;
    connect(&avance, &QTimer::timeout, this, [&] {
        // Given a value sooner, the bar would guess the time left and show early.
        if (depuis.elapsed() >= DelaiBarre) barre.setValue(int(PasBarre * lus / total));
        if (barre.wasCanceled()) arret = true;
    });
    QEventLoop attente;
    connect(fil.get(), &QThread::finished, &attente, &QEventLoop::quit);
    lectureEnCours = &arret;
    cadre->setEnabled(false);
    fil->start();
    depuis.start();
    barre.setValue(0);
    avance.start();
    attente.exec();
    fil->wait();
    lectureEnCours = nullptr;
    cadre->setEnabled(true);
    return !lu.Annule;
}

void TF_Suivi::RemplirChoix() {
    const QString avant = choixClasse->currentText();
    const QStringList choix = SuiviClasse::Choix(*releve);
    choixClasse->clear();
    choixClasse->addItems(choix);
    // The class shown before stays; the first time, the first class, or the whole school
    // when the folder has no class list.
    int garde = choixClasse->findText(avant);
    if (garde < 0) garde = releve->Classes.isEmpty() ? int(choix.size()) - 1 : 0;
    choixClasse->setCurrentIndex(garde);
    ChoisirClasse(choixClasse->currentText());
}

void TF_Suivi::ChoisirClasse(const QString& choix) {
    if (!releve) return;
    if (choixClasse->currentText() != choix) choixClasse->setCurrentText(choix);
    modele->Montrer(*releve, choix);
    tableau->setColumnHidden(0, true);
    tableau->horizontalHeader()->setSortIndicatorShown(false);
    MontrerTableau();
}

void TF_Suivi::MontrerTableau() {
    const int eleves = int(modele->Eleves().size());
    int parties = 0;
    for (const SuiviClasse::LigneEleve& l : modele->Eleves())
        parties += int(l.Parties.size());
    const QString choix = modele->Choix();
    const QString qui = choix == SuiviClasse::ToutesLesClasses  ? QStringLiteral("Toute l'école")
                        : choix == QStringLiteral("individuel") ? QStringLiteral("Élèves sans classe")
                                                                : QStringLiteral("Classe ") + choix;
    quiTableau = qui;
    resumeTableau = QStringLiteral("%1 : %2 élève%3, %4 partie%5 de %6.")
                        .arg(qui)
                        .arg(eleves)
                        .arg(eleves > 1 ? "s" : "")
                        .arg(parties)
                        .arg(parties > 1 ? "s" : "")
                        .arg(profil.Titre);
    resume->setText(resumeTableau);
    tableau->setAccessibleName(QStringLiteral("Tableau de suivi : %1").arg(qui));
    remarques->setText(releve->Remarques.join(QLatin1Char('\n')));
    remarques->setVisible(!releve->Remarques.isEmpty());
    AjusterColonnes();
    tableau->setCurrentIndex(modele->index(0, 1));
    // The reading took the keyboard away from the window's controls: it comes back to the table.
    if (pages->currentIndex() == PageClasse) tableau->setFocus();
    plate.Annoncer(*resume, QAccessible::NameChanged);
}

// Every exercise in sight when the screen allows it: the letters shrink, down to a size still read
// with ease, before the table scrolls sideways.
void TF_Suivi::AjusterColonnes() {
    QFont police = tableau->font();
    for (int taille = policeTableau; taille >= PoliceTableauMin; --taille) {
        police.setPixelSize(taille);
        // The frame's style sheet gave each viewport the font it had when first polished, and a
        // font set on its scroll area no longer reaches it: each is told, or a header would paint
        // its titles larger than the widths measured here.
        for (QAbstractScrollArea* zone : std::initializer_list<QAbstractScrollArea*>{
                 tableau, tableau->horizontalHeader(), tableau->verticalHeader()}) {
            zone->setFont(police);
            zone->viewport()->setFont(police);
        }
        tableau->resizeColumnsToContents();
        QHeaderView* entete = tableau->horizontalHeader();
        // A title wider than its column's cells keeps its whole width (the style's measure of
        // the header falls short of what it paints).
        const QFontMetrics mesure(police);
        for (int c = 1; c < modele->columnCount(); ++c)
            entete->resizeSection(
                c, std::max(entete->sectionSize(c),
                            mesure.horizontalAdvance(
                                modele->headerData(c, Qt::Horizontal, ModeleSuivi::RoleTitre).toString()) +
                                mesure.averageCharWidth() * 2));
        if (entete->length() + tableau->verticalHeader()->sizeHint().width() <= tableau->width() - 4) break;
    }
    tableau->verticalHeader()->setDefaultSectionSize(QFontMetrics(police).height() + 8);
}

bool TF_Suivi::MontrerEleve(int ligne) {
    const SuiviClasse::LigneEleve* eleve = modele->Eleve(ligne);
    if (!eleve || !releve) return false;
    detail->Montrer(*eleve, *releve, modele->headerData(ligne, Qt::Vertical).toString());
    MontrerPage(PageEleve);
    return true;
}

void TF_Suivi::RetourTableau() {
    MontrerPage(PageClasse);
}

void TF_Suivi::MontrerPage(int page) {
    pages->setCurrentIndex(page);
    for (QPushButton* bouton : boutonsClasse)
        bouton->setVisible(page == PageClasse);
    boutonRetour->setVisible(page == PageEleve);
    choixClasse->setEnabled(page == PageClasse);
    QWidget* cible =
        page == PageClasse ? static_cast<QWidget*>(tableau) : static_cast<QWidget*>(detail->Liste());
    cible->setFocus();
    plate.Annoncer(*pages, QAccessible::NameChanged);
}

QMenu* TF_Suivi::MenuTri(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("MenuTri"));
    for (int colonne = 0; colonne < modele->columnCount(); ++colonne) {
        QAction* action =
            menu->addAction(modele->NomColonne(colonne), this, [this, colonne] { TrierPar(colonne); });
        action->setObjectName(QStringLiteral("Tri%1").arg(colonne));
        if (colonne % ModeleSuivi::NombreRubriques == 0) menu->addSeparator();
    }
    return menu;
}

QMenu* TF_Suivi::MenuExport(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("MenuExport"));
    menu->addAction(QStringLiteral("Toutes les &parties, une ligne par partie…"), this,
                    [this] { Exporter(true); })
        ->setObjectName(QStringLiteral("ExporterParties"));
    menu->addAction(QStringLiteral("Le &tableau affiché…"), this, [this] { Exporter(false); })
        ->setObjectName(QStringLiteral("ExporterTableau"));
    return menu;
}

// The pupils' results and the class lists are never replaced by an export, whatever name the
// teacher gives: the dialog only asks before replacing, and an answer given in haste would lose them.
bool TF_Suivi::FichierDuProgramme(const QString& chemin) const {
    const QFileInfo fichier(chemin);
    if (fichier.absoluteDir().canonicalPath() != QDir(Ouverte()).canonicalPath()) return false;
    const QString nom = fichier.fileName().toLower();
    return (nom.startsWith(QStringLiteral("bilan")) && nom.endsWith(QStringLiteral(".txt"))) ||
           nom.endsWith(QStringLiteral(".elv")) || nom.endsWith(QStringLiteral(".pfr"));
}

bool TF_Suivi::Exporter(bool parties) {
    if (!releve || modele->rowCount() == 0) return false;
    const QString propose = NomDeFichier::SansCaracteresInterdits(
        QStringLiteral("Suivi %1 - %2.csv")
            .arg(modele->Choix() == SuiviClasse::ToutesLesClasses ? QStringLiteral("école") : modele->Choix(),
                 parties ? QStringLiteral("parties") : QStringLiteral("tableau")));
    int type = 0;
    const QString chemin = plate.ChoisirFichierAEnregistrer(
        parties ? QStringLiteral("Exporter toutes les parties") : QStringLiteral("Exporter le tableau"),
        {QStringLiteral("Fichier CSV pour tableur (*.csv)")}, type, Ouverte(), propose);
    if (chemin.isEmpty()) return false;
    const QString nom = Libelles::Guillemets(QFileInfo(chemin).fileName());
    if (FichierDuProgramme(chemin)) {
        plate.Avertir(
            QStringLiteral("%1 est un fichier des bilans ou des listes d'élèves : l'export ne le remplace "
                           "pas. Choisissez un autre nom.")
                .arg(nom));
        return false;
    }
    int lignes = 0;
    for (const SuiviClasse::LigneEleve& l : modele->Eleves())
        lignes += int(l.Parties.size());
    const QByteArray octets = parties ? ExportSuivi::Parties(profil, *releve, modele->Eleves())
                                      : ExportSuivi::Tableau(modele->Affiche());
    QString raison;
    if (!EcritureFichier::Remplacer(chemin, octets, raison, RaisonFichier::Lieu::DossierChoisi)) {
        plate.Avertir(QStringLiteral("Le fichier %1 n'a pas été enregistré : %2.").arg(nom, raison));
        return false;
    }
    if (!parties) lignes = modele->rowCount();
    resume->setText(
        resumeTableau +
        QStringLiteral(" Exporté dans %1 : %2 ligne%3.").arg(nom).arg(lignes).arg(lignes > 1 ? "s" : ""));
    plate.Annoncer(*resume, QAccessible::NameChanged);
    return true;
}

bool TF_Suivi::Imprimer() {
    if (!releve || modele->rowCount() == 0) return false;
    const ModeleSuivi::Tableau tableauAffiche = modele->Affiche();
    const QString titre = QStringLiteral("Suivi de la classe : %1 (%2)").arg(quiTableau, profil.Titre);
    const QString date = QStringLiteral("Imprimé le ") + plate.Maintenant().date().toString(u"dd/MM/yyyy");
    const int pages = ImpressionSuivi::NombrePages(tableauAffiche);
    int imprimees = 0;
    const bool fait =
        ImprimerDepuisFenetre(plate, Titre, QPageLayout::Landscape, pages, [&](const Destination& vers) {
            imprimees = static_cast<int>(vers.Demande.Choisies(pages).size());
            return ImprimerPages(
                vers, QPageLayout::Landscape, pages, [&](QPainter& peintre, QSize surface, int k) {
                    ImpressionSuivi::DessinerPage(peintre, surface, k, tableauAffiche, titre, date);
                });
        });
    if (fait) {
        resume->setText(
            resumeTableau +
            QStringLiteral(" Tableau imprimé : %1 page%2.").arg(imprimees).arg(imprimees > 1 ? "s" : ""));
        plate.Annoncer(*resume, QAccessible::NameChanged);
    }
    return fait;
}

void TF_Suivi::TrierPar(int colonne) {
    QHeaderView* entete = tableau->horizontalHeader();
    const bool memeColonne = entete->isSortIndicatorShown() && entete->sortIndicatorSection() == colonne;
    const Qt::SortOrder ordre = memeColonne && entete->sortIndicatorOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    entete->setSortIndicatorShown(true);
    tableau->sortByColumn(colonne, ordre);
    resume->setText(resumeTableau + QStringLiteral(" Trié par %1, %2.")
                                        .arg(modele->NomColonne(colonne).toLower(),
                                             ordre == Qt::AscendingOrder
                                                 ? QStringLiteral("ordre croissant")
                                                 : QStringLiteral("ordre décroissant")));
    plate.Annoncer(*resume, QAccessible::NameChanged);
}

bool TF_Suivi::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != coin || evenement->type() != QEvent::Paint) return QDialog::eventFilter(objet, evenement);
    // The corner names the column of names, as a header section would.
    QPainter peintre(coin);
    QStyleOptionHeader option;
    option.initFrom(coin);
    option.rect = coin->rect();
    option.text = modele->NomColonne(0);
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    QFont police = coin->font();
    police.setBold(true);
    peintre.setFont(police);
    coin->style()->drawControl(QStyle::CE_Header, &option, &peintre, coin);
    return true;
}

void TF_Suivi::Aide() {
    plate.AfficherAide(prog.FichierAide, SujetAide);
}

void TF_Suivi::reject() {
    if (lectureEnCours) {
        *lectureEnCours = true;
        fermerApresLecture = true;
        return;
    }
    if (pages->currentIndex() == PageEleve) return RetourTableau();
    QDialog::reject();
}
