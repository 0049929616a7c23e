// SPDX-License-Identifier: GPL-3.0-or-later
#include "classlists/U_Eleves.h"
#include "core/Apparence.h"

#include "classlists/ListeClasse.h"
#include "core/AccesFichier.h"
#include "core/AideContextuelle.h"
#include "core/Libelles.h"
#include "core/NomDeFichier.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/Windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr QSize TailleFenetre(600, 470);
constexpr int GaucheBoutons = 332, LargeurBoutons = 252, HauteurBouton = 44;

using Apparence::Arial;
using Libelles::Guillemets;
using Libelles::NomAccessible;

// Colours through the palette and fonts set on the control, not style sheets: the window's
// scaling then reaches every text.
QLabel* NouveauLabel(QWidget* parent, const char* nom, const QString& texte, const QRect& position,
                     const QFont& police = Arial(15, true), const QColor& couleur = Apparence::BleuTitre) {
    return Apparence::Etiquette(parent, QLatin1String(nom), texte, position, police, couleur);
}

QFont Italique(int pixels) {
    QFont police = Arial(pixels, false);
    police.setItalic(true);
    return police;
}

QLineEdit* NouveauChamp(QWidget* parent, const char* nom, const QString& libelle, const QRect& position,
                        int longueurMax) {
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(QLatin1String(nom));
    champ->setGeometry(position);
    champ->setMaxLength(longueurMax);
    champ->setAccessibleName(NomAccessible(libelle));
    return champ;
}

} // namespace

TF_Listes::TF_Listes(Programme& programme, QWidget* parent)
    : DialogueListe(programme.Plate(), QStringLiteral("F_Listes"),
                    QStringLiteral("Création de listes d'élèves."), TailleFenetre, parent),
      prog(programme) {
    DefinirContexteAide(*this, prog.Profil().ContexteAideListes);

    ConstruireMenu();
    ConstruireChamps();
    ConstruireBoutons();

    // FormCreate: nothing can be typed or saved before a class is started or opened.
    for (QWidget* w : {static_cast<QWidget*>(boutonEnregistrer), static_cast<QWidget*>(boutonRayer),
                       static_cast<QWidget*>(champClasse), static_cast<QWidget*>(champEleve)})
        w->setEnabled(false);
    enregistrer1->setEnabled(false);
    boutonNouveau->setEnabled(true);
    rappelNomClasse->hide();
    AfficherNombre();

    Terminer();
}

void TF_Listes::ConstruireMenu() {
    auto* barre = new QMenuBar(this);
    barre->setObjectName(QStringLiteral("MainMenu1"));
    barre->setGeometry(0, 0, TailleFenetre.width(), 26);
    barre->setAccessibleName(QStringLiteral("Menu"));
    auto* fichier = barre->addMenu(QStringLiteral("&Fichier     "));
    fichier->setObjectName(QStringLiteral("Fichier1"));
    fichier->setAccessibleName(QStringLiteral("Fichier"));
    auto ajouter = [this, fichier](const char* nom, const QString& libelle, void (TF_Listes::*action)()) {
        QAction* entree = fichier->addAction(libelle, this, action);
        entree->setObjectName(QLatin1String(nom));
        return entree;
    };
    ajouter("Nouvellesrie1", QStringLiteral("&Nouvelle classe"), &TF_Listes::NouvelleListe);
    ajouter("Ouvrirunsrieexistante1", QStringLiteral("&Ouvrir une classe existante"),
            &TF_Listes::OuvrirListe);
    enregistrer1 = ajouter("Enregistrerlasrieencours1", QStringLiteral("&Enregistrer la classe en cours"),
                           &TF_Listes::Enregistrer);
    fichier->addSeparator()->setObjectName(QStringLiteral("N1"));
    ajouter("Quitter1", QStringLiteral("&Quitter"), &TF_Listes::reject);
    QAction* aide = barre->addAction(QStringLiteral("Ai&de     "));
    aide->setObjectName(QStringLiteral("Aide1"));
    connect(aide, &QAction::triggered, this,
            [this] { prog.Plate().AfficherAide(prog.FichierAide, QStringLiteral("Eleves")); });
}

void TF_Listes::ConstruireChamps() {
    QFrame* panneau = Apparence::Panneau(this, QStringLiteral("Panel1"), QRect(16, 40, 300, 414));

    const QString nomClasse = QStringLiteral("Nom de la classe :");
    const QString nouvelEleve = QStringLiteral("Nouvel élève :");
    const QString titreListe = QStringLiteral("Liste des élèves :");
    NouveauLabel(panneau, "Label1", nomClasse, QRect(16, 10, 268, 22));
    champClasse =
        NouveauChamp(panneau, "Edit1", nomClasse, QRect(16, 34, 268, 30), NomDeFichier::OctetsClasseMax);
    rappelNomClasse = NouveauLabel(panneau, "Label4", QStringLiteral("Il faut donner un nom à la classe."),
                                   QRect(16, 66, 268, 22), Arial(14, true), QColor(192, 0, 0));
    NouveauLabel(panneau, "Label2", nouvelEleve, QRect(16, 92, 268, 22));
    champEleve = NouveauChamp(panneau, "Edit2", nouvelEleve, QRect(16, 116, 268, 30), LongueurNomEleve);
    listeEleves =
        ListeTitree(panneau, "ListBox1", NouveauLabel(panneau, "Label3", titreListe, QRect(16, 156, 268, 22)),
                    QRect(16, 180, 268, 196), QAbstractItemView::SingleSelection);
    nombreEleves = NouveauLabel(panneau, "Label5", QString(), QRect(16, 382, 268, 22), Arial(13, false),
                                QColor(80, 80, 80));

    champClasse->installEventFilter(this);
    listeEleves->installEventFilter(this);
    connect(champEleve, &QLineEdit::returnPressed, this, &TF_Listes::Edit2Entree);
    connect(listeEleves, &QListWidget::itemSelectionChanged, this, &TF_Listes::ChoisirEleve);
}

QPushButton* TF_Listes::NouveauBouton(const char* nom, const QString& libelle, int haut) {
    // Enter belongs to the fields (next field, add the pupil): no button takes it.
    return Apparence::Bouton(this, QLatin1String(nom), libelle,
                             QRect(GaucheBoutons, haut, LargeurBoutons, HauteurBouton));
}

void TF_Listes::ConstruireBoutons() {
    boutonNouveau = NouveauBouton("bouton_nouveau", QStringLiteral("&Nouvelle classe."), 56);
    boutonOuvrir = NouveauBouton("bouton_ouvrir", QStringLiteral("&Ouvrir une classe existante."), 112);
    boutonEnregistrer =
        NouveauBouton("bouton_enregistrer", QStringLiteral("&Enregistrer la classe en cours."), 168);
    boutonRayer = NouveauBouton("bouton_rayer", QStringLiteral("&Rayer l'élève de la liste."), 224);
    boutonQuitter = NouveauBouton("bouton_quitter", QStringLiteral("&Quitter l'éditeur."), 410);
    // What the teacher does most, said where the buttons leave room.
    QLabel* conseil = NouveauLabel(
        this, "Label6",
        QStringLiteral("Tapez le nom d'un élève puis appuyez sur Entrée\u00a0: il rejoint "
                       "la liste, rangée par ordre alphabétique. N'oubliez pas "
                       "d'enregistrer la classe avant de quitter."),
        QRect(GaucheBoutons + 4, 292, LargeurBoutons - 8, 100), Italique(13), QColor(64, 74, 96));
    conseil->setWordWrap(true);
    conseil->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(boutonNouveau, &QPushButton::clicked, this, &TF_Listes::NouvelleListe);
    connect(boutonOuvrir, &QPushButton::clicked, this, &TF_Listes::OuvrirListe);
    connect(boutonEnregistrer, &QPushButton::clicked, this, &TF_Listes::Enregistrer);
    connect(boutonRayer, &QPushButton::clicked, this, &TF_Listes::Rayer);
    connect(boutonQuitter, &QPushButton::clicked, this, &TF_Listes::reject);
}

void TF_Listes::FormActivate() {
    if (champClasse->isEnabled())
        champClasse->setFocus(Qt::OtherFocusReason);
    else
        boutonNouveau->setFocus(Qt::OtherFocusReason);
}

bool TF_Listes::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress) return QDialog::eventFilter(objet, evenement);
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter;
    if (objet == champClasse) {
        rappelNomClasse->hide();
        if (entree) {
            champEleve->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    // Delete does from the keyboard what the button does.
    if (objet == listeEleves && touche == Qt::Key_Delete && boutonRayer->isEnabled()) {
        Rayer();
        return true;
    }
    return QDialog::eventFilter(objet, evenement);
}

void TF_Listes::NouvelleListe() {
    Vider();
    ActiverSaisie();
    champClasse->setFocus(Qt::OtherFocusReason);
}

void TF_Listes::ActiverSaisie() {
    champClasse->setEnabled(true);
    champEleve->setEnabled(true);
    boutonEnregistrer->setEnabled(true);
    enregistrer1->setEnabled(true);
}

// The dialog may leave the current directory elsewhere: the program folder comes back in
// every case.
void TF_Listes::OuvrirListe() {
    const QString chemin = prog.Plate().ChoisirFichierAOuvrir(QStringLiteral("Ouvrir une classe existante"),
                                                              QStringLiteral("fichiers élèves (*.elv)"),
                                                              QDir::currentPath(), QString());
    if (!chemin.isEmpty()) OuvrirFichier(chemin);
    prog.RetourRepertoire();
}

// A file that cannot be read leaves the list being edited as it was.
void TF_Listes::OuvrirFichier(const QString& chemin) {
    ListeClasse::Contenu contenu;
    QString raison;
    const QString fichier = QFileInfo(chemin).fileName();
    if (!ListeClasse::Charger(chemin, contenu, raison)) {
        prog.Plate().Avertir(QStringLiteral("La classe %1 n'a pas pu être ouverte\u00a0: %2.")
                                 .arg(Guillemets(fichier), raison));
        return;
    }
    Vider();
    eleves = ListeClasse::Trier(contenu.Eleves);
    for (int rang = 0; rang < eleves.size(); ++rang)
        InsererElement(rang, eleves[rang]);
    champClasse->setText(fichier.size() > 4 ? fichier.chopped(4) : QString());
    fichierOuvert = fichier;
    ActiverSaisie();
    AfficherNombre();
    if (contenu.NbEnregistrements > ListeClasse::MaxEleves)
        prog.Plate().Avertir(
            QStringLiteral("Le fichier %1 compte %2 élèves, mais une classe en compte %3 au plus\u00a0: "
                           "seuls les %3 premiers sont repris. En enregistrant la classe, les "
                           "autres sortiront du fichier.")
                .arg(Guillemets(fichier), QString::number(contenu.NbEnregistrements),
                     QString::number(ListeClasse::MaxEleves)));
}

void TF_Listes::Enregistrer() {
    const QString classe = champClasse->text();
    if (classe.isEmpty()) {
        rappelNomClasse->show();
        if (champClasse->isEnabled()) champClasse->setFocus(Qt::OtherFocusReason);
        prog.Plate().Annoncer(*rappelNomClasse, QAccessible::Alert);
        return;
    }
    QString refus;
    QString fichier = NomDeFichier::FichierListe(classe, refus);
    if (fichier.isEmpty()) {
        prog.Plate().Avertir(refus);
        return;
    }
    // A class opened as "OLD.ELV" goes back to that file, not to a second "OLD.elv" beside it.
    if (fichierOuvert.compare(fichier, Qt::CaseInsensitive) == 0 && fichierOuvert.chopped(4) == classe)
        fichier = fichierOuvert;
    const QString chemin = AccesFichier::Dans(prog.Dossier(), fichier);
    if (fichier != fichierOuvert && QFileInfo(chemin).isFile() &&
        !prog.Plate().Demander(QStringLiteral("La classe %1 existe déjà. Voulez-vous remplacer sa liste "
                                              "d'élèves par celle-ci\u00a0?")
                                   .arg(Guillemets(classe))))
        return;
    QString raison;
    if (ListeClasse::Enregistrer(chemin, eleves, raison))
        fichierOuvert = fichier;
    else
        prog.Plate().Avertir(QStringLiteral("La classe n'a pas été enregistrée dans %1\u00a0: %2.")
                                 .arg(Guillemets(fichier), raison));
}

// The pupil struck out is the one selected, which a screen reader's action selects without
// making it the list's current entry.
void TF_Listes::Rayer() {
    const QList<QListWidgetItem*> choisis = listeEleves->selectedItems();
    if (choisis.isEmpty()) return;
    const int rang = listeEleves->row(choisis.first());
    const QString raye = NomDit(*choisis.first());
    eleves.removeAt(rang);
    delete listeEleves->takeItem(rang);
    // Nothing stays selected: the next arrow key starts again from the top of the list.
    listeEleves->setCurrentItem(nullptr);
    listeEleves->clearSelection();
    boutonRayer->setEnabled(false);
    listeEleves->setFocus(Qt::OtherFocusReason);
    AfficherNombre(QStringLiteral("%1 rayé de la liste").arg(raye));
}

// The name goes in as typed, an empty one included; a 51st, or one the file cannot hold, is
// refused and stays in the field.
void TF_Listes::Edit2Entree() {
    const QString nom = champEleve->text();
    if (eleves.size() >= ListeClasse::MaxEleves) {
        prog.Plate().Avertir(
            QStringLiteral("Une classe compte %1 élèves au plus\u00a0: %2 n'a pas été ajouté à la liste.")
                .arg(ListeClasse::MaxEleves)
                .arg(Guillemets(nom)));
        return;
    }
    if (!Windows1252::PeutCoder(nom)) {
        prog.Plate().Avertir(NomDeFichier::CaracteresNonGardes(nom) +
                             QStringLiteral(" Il n'a pas été ajouté à la liste."));
        return;
    }
    const qsizetype place = ListeClasse::PlaceTriee(eleves, nom);
    eleves.insert(place, nom);
    QListWidgetItem* element = InsererElement(static_cast<int>(place), nom);
    listeEleves->scrollToItem(element);
    champEleve->clear();
    AfficherNombre(QStringLiteral("%1 ajouté à la liste").arg(NomDit(*element)));
}

// An empty name is a blank line on screen: a screen reader still says something for it.
QListWidgetItem* TF_Listes::InsererElement(int rang, const QString& nom) {
    auto* element = new QListWidgetItem(nom);
    if (nom.isEmpty()) element->setData(Qt::AccessibleTextRole, QStringLiteral("(nom vide)"));
    listeEleves->insertItem(rang, element);
    return element;
}

void TF_Listes::ChoisirEleve() {
    if (!listeEleves->selectedItems().isEmpty()) boutonRayer->setEnabled(true);
}

void TF_Listes::Vider() {
    eleves.clear();
    fichierOuvert.clear();
    listeEleves->clear();
    champClasse->clear();
    champEleve->clear();
    rappelNomClasse->hide();
    boutonRayer->setEnabled(false); // nothing left to strike out
    AfficherNombre();
}

// What was just done (a pupil added or struck out) is said before the count: the field that
// empties, or the list that loses the entry, says nothing of it.
void TF_Listes::AfficherNombre(const QString& fait) {
    const auto n = eleves.size();
    nombreEleves->setText(n == 0 ? QStringLiteral("Aucun élève (%1 au plus).").arg(ListeClasse::MaxEleves)
                          : n == 1
                              ? QStringLiteral("1 élève (%1 au plus).").arg(ListeClasse::MaxEleves)
                              : QStringLiteral("%1 élèves (%2 au plus).").arg(n).arg(ListeClasse::MaxEleves));
    if (fait.isEmpty()) {
        nombreEleves->setAccessibleName(nombreEleves->text());
        return;
    }
    nombreEleves->setAccessibleName(fait + QStringLiteral("\u00a0: ") + nombreEleves->text());
    prog.Plate().Annoncer(*nombreEleves, QAccessible::NameChanged);
}

// The name as a screen reader says it, in quotes; an empty name by what the list says for it.
QString TF_Listes::NomDit(const QListWidgetItem& element) {
    const QVariant dit = element.data(Qt::AccessibleTextRole);
    return dit.isValid() ? dit.toString() : Guillemets(element.text());
}
