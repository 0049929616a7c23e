// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/U_bilan.h"
#include "core/Apparence.h"

#include "classlists/ListeClasse.h"
#include "core/AccesFichier.h"
#include "core/AideContextuelle.h"
#include "core/AutresFenetres.h"
#include "core/Libelles.h"
#include "core/MobilierPleinEcran.h"
#include "core/NomDeFichier.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/TravailImpression.h"
#include "results/Bilan.h"
#include "results/FichiersBilans.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace {

using Apparence::Arial;

constexpr int ContexteBilan = 10;

QString Sur(int nombre, int total) {
    return QStringLiteral("%1 / %2").arg(nombre).arg(total);
}

} // namespace

TF_bilan::TF_bilan(Programme& programme, AutresFenetres& autres, QWidget* parent)
    : DialogueActive(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prog(programme),
      autres(autres) {
    setObjectName(QStringLiteral("F_bilan"));
    setWindowTitle(QStringLiteral("Bilan de l'exercice."));
    setModal(true);
    resize(800, 600);
    DefinirContexteAide(*this, ContexteBilan);
    mobilier = new MobilierPleinEcran(*this, prog, {.Images = [this] {
        return std::pair{prog.Profil().ImageExo, QString()};
    }});
    shape1 = new QFrame(this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setGeometry(40, 20, 720, 540);
    shape1->setStyleSheet(
        QStringLiteral("QFrame#Shape1 { background: rgba(255, 255, 255, 235); border: 2px solid navy;"
                       " border-radius: 12px; }"));
    ConstruireScores(shape1);
    ConstruireChoixEleve(shape1);
    ConstruireBoutons(shape1);
    mobilier->MettreAEchelle();
}

QLabel* TF_bilan::Etiquette(QWidget* parent, const QString& nom, const QString& texte, QRect position,
                            bool valeur) {
    return Apparence::Etiquette(parent, nom, texte, position, Arial(valeur ? 22 : 18, true),
                                valeur ? QColor(Qt::red) : QColor(Qt::darkBlue));
}

void TF_bilan::ConstruireScores(QWidget* cadre) {
    labelScore = Etiquette(cadre, QStringLiteral("LabelScore"),
                           QStringLiteral("Nombre total de bonnes réponses :"), QRect(30, 24, 500, 30));
    labelScore23 = Etiquette(cadre, QStringLiteral("LabelScore23"), prog.Profil().LibelleScorePremierEssai,
                             QRect(30, 24, 500, 30));
    labelScore23->hide();
    nbTotalB = Etiquette(cadre, QStringLiteral("NBTOTALB"), QString(), QRect(540, 22, 150, 32), true);
    Etiquette(cadre, QStringLiteral("LabelErreurs"), QStringLiteral("Nombre total d'erreurs :"),
              QRect(30, 60, 500, 30));
    erreurs = Etiquette(cadre, QStringLiteral("Erreurs"), QString(), QRect(540, 58, 150, 32), true);
    const char* noms[] = {"LabelScore1", "LabelScore2", "LabelErreurs1", "LabelErreurs2"};
    const char* valeurs[] = {"BR1", "BR2", "Erreurs1", "Erreurs2"};
    for (int i = 0; i < 4; ++i) {
        libellesDetail[i] =
            Etiquette(cadre, QString::fromLatin1(noms[i]), prog.Profil().LibellesFenetreBilan[i],
                      QRect(30, 100 + i * 30, 500, 28));
        libellesDetail[i]->setFont(Arial(16, false));
        valeursDetail[i] = Etiquette(cadre, QString::fromLatin1(valeurs[i]), QString(),
                                     QRect(540, 98 + i * 30, 150, 30), true);
    }
    nbTotalB->setBuddy(labelScore);
}

void TF_bilan::ConstruireChoixEleve(QWidget* cadre) {
    consigneEleve =
        new QLabel(QStringLiteral("Choisis ta classe et clique sur ton nom (tu peux aussi le taper) avant "
                                  "d'enregistrer ou d'imprimer."),
                   cadre);
    consigneEleve->setObjectName(QStringLiteral("Label8"));
    consigneEleve->setGeometry(30, 226, 660, 44);
    consigneEleve->setWordWrap(true);
    consigneEleve->setFont(Arial(16, true));
    consigneEleve->setStyleSheet(QStringLiteral("color: #006400; background: transparent;"));
    titresListes = {
        Etiquette(cadre, QStringLiteral("TitreClasses"), QStringLiteral("Classes"), QRect(30, 274, 200, 24)),
        Etiquette(cadre, QStringLiteral("TitreEleves"), QStringLiteral("Élèves"), QRect(244, 274, 220, 24)),
        Etiquette(cadre, QStringLiteral("TitreNom"), QStringLiteral("Ton nom"), QRect(478, 274, 212, 24))};
    listeClasses = new QListWidget(cadre);
    listeClasses->setObjectName(QStringLiteral("ListBox3"));
    listeClasses->setGeometry(30, 300, 200, 170);
    listeClasses->setAccessibleName(QStringLiteral("Classes"));
    listeEleves = new QListWidget(cadre);
    listeEleves->setObjectName(QStringLiteral("ListBox1"));
    listeEleves->setGeometry(244, 300, 220, 170);
    listeEleves->setAccessibleName(QStringLiteral("Élèves de la classe"));
    champNom = new QLineEdit(cadre);
    champNom->setObjectName(QStringLiteral("Edit1"));
    champNom->setGeometry(478, 300, 212, 32);
    champNom->setMaxLength(50);
    champNom->setAccessibleName(QStringLiteral("Ton nom"));
    for (QWidget* controle : {static_cast<QWidget*>(listeClasses), static_cast<QWidget*>(listeEleves),
                              static_cast<QWidget*>(champNom)})
        controle->setFont(Arial(17, false));
    // An entry is chosen when it is selected: by a click, by the arrows, or by a screen reader's
    // action, which selects it without a click. Enter selects the entry it is on.
    connect(listeClasses, &QListWidget::itemSelectionChanged, this,
            [this] { ChoisirClasse(listeClasses->selectedItems().value(0)); });
    connect(listeEleves, &QListWidget::itemSelectionChanged, this,
            [this] { ChoisirEleve(listeEleves->selectedItems().value(0)); });
    for (QListWidget* liste : {listeClasses, listeEleves})
        connect(liste, &QListWidget::itemActivated, this,
                [](QListWidgetItem* entree) { entree->setSelected(true); });
    // A click on the pupil already chosen puts the name back in the field.
    connect(listeEleves, &QListWidget::itemClicked, this, &TF_bilan::ChoisirEleve);
    // A typed name is filed without a class.
    connect(champNom, &QLineEdit::textEdited, this, [this] { reglages.Destination.Classe.clear(); });
}

QPushButton* TF_bilan::Bouton(QWidget* parent, const QString& nom, const QString& texte, QRect position) {
    return Apparence::Bouton(parent, nom, texte, position, Arial(18, true));
}

void TF_bilan::ConstruireBoutons(QWidget* cadre) {
    boutonEnregistrer =
        Bouton(cadre, QStringLiteral("Button2"), QStringLiteral("Enregistrer"), QRect(478, 346, 212, 44));
    boutonOK = Bouton(cadre, QStringLiteral("Button1"), QStringLiteral("O K"), QRect(478, 346, 212, 44));
    boutonAnnuler =
        Bouton(cadre, QStringLiteral("bouton_Annuler"), QStringLiteral("Annuler"), QRect(478, 400, 212, 44));
    boutonImprimerBilan = Bouton(cadre, QStringLiteral("SpeedButton1"), QStringLiteral("Imprimer le bilan"),
                                 QRect(30, 484, 300, 40));
    imprimeExo = Bouton(cadre, QStringLiteral("ImprimeExo"), QStringLiteral("Imprimer l'exercice"),
                        QRect(390, 484, 300, 40));
    boutonEnregistrer->setStyleSheet(QStringLiteral("QPushButton { color: #006400; }"));
    connect(boutonEnregistrer, &QPushButton::clicked, this, &TF_bilan::Enregistrer);
    connect(boutonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(boutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(boutonImprimerBilan, &QPushButton::clicked, this, &TF_bilan::ImprimerBilan);
    connect(imprimeExo, &QPushButton::clicked, this, &TF_bilan::ImprimerLExercice);
    // Enter in the name field saves, as the pupil expects.
    connect(champNom, &QLineEdit::returnPressed, this, [this] {
        if (boutonEnregistrer->isVisible()) Enregistrer();
    });
}

ChoixEleve TF_bilan::Ouvrir(const ResultatPartie& partie, const ReglagesBilan& reglagesBilan) {
    Preparer(partie, reglagesBilan);
    exec();
    return Choix();
}

void TF_bilan::Preparer(const ResultatPartie& partie, const ReglagesBilan& reglagesBilan) {
    resultat = partie;
    reglages = reglagesBilan;
}

void TF_bilan::reject() {
    if (boutonAnnuler->isVisible() && boutonAnnuler->isEnabled()) QDialog::reject();
}

void TF_bilan::resizeEvent(QResizeEvent* evenement) {
    QDialog::resizeEvent(evenement);
    shape1->move(std::max(0, (width() - shape1->width()) / 2),
                 std::max(0, (height() - shape1->height()) / 2));
}

void TF_bilan::FormActivate() {
    const CompteursResultat& n = resultat.Compteurs;
    const ReglagesBilan& p = reglages;
    const bool defi = CompteursResultat::DetailGaucheHaut(resultat.NumJeu);
    for (QLabel* etiquette : libellesDetail)
        etiquette->setVisible(defi);
    for (QLabel* valeur : valeursDetail)
        valeur->setVisible(defi);
    const bool premierEssai = defi && !prog.Profil().LibelleScorePremierEssai.isEmpty();
    labelScore->setVisible(!premierEssai);
    labelScore23->setVisible(premierEssai);
    valeursDetail[0]->setText(Sur(n.NbBonnesGauche, n.NbTotalGauche));
    valeursDetail[1]->setText(Sur(n.NbBonnesHaut, n.NbTotalHaut));
    valeursDetail[2]->setText(QString::number(n.NbErreursGauche));
    valeursDetail[3]->setText(QString::number(n.NbErreursHaut));
    nbTotalB->setText(Sur(n.NbBonnes, n.NbTotal));
    erreurs->setText(QString::number(n.NbErreurs));
    imprimeExo->setEnabled(p.ImprimerExercice && resultat.ImprimerExercice);

    const bool enregistrer = p.Destination.General || p.Destination.Individuel;
    MontrerChoixEleve(enregistrer);
    boutonEnregistrer->setVisible(enregistrer);
    boutonOK->setVisible(!enregistrer);
    boutonAnnuler->setVisible(enregistrer);
    if (enregistrer) {
        ListerClasses();
        ChargerEleves();
        // Nobody has given a name yet in this run: the class stored in the preferences is only
        // a proposal until the pupil clicks it.
        if (reglages.NomEleve.isEmpty()) reglages.Destination.Classe.clear();
        MontrerClasseChoisie();
        ProposerNom();
    } else {
        boutonOK->setFocus();
    }
    boutonImprimerBilan->setEnabled(p.ImprimerResultats);
    if (p.ImprimerResultats && !p.Destination.General) {
        MontrerChoixEleve(true);
        ListerClasses();
        ChargerEleves();
        MontrerClasseChoisie();
        ProposerNom();
    }
    if (boutonAnnuler->isVisible()) boutonAnnuler->setEnabled(n.NbBonnes != n.NbTotal);
}

void TF_bilan::MontrerChoixEleve(bool visible) {
    for (QWidget* controle : {static_cast<QWidget*>(listeEleves), static_cast<QWidget*>(listeClasses),
                              static_cast<QWidget*>(consigneEleve), static_cast<QWidget*>(champNom)})
        controle->setVisible(visible);
    for (QWidget* titre : titresListes)
        titre->setVisible(visible);
    if (visible) champNom->setFocus();
}

// The class the result goes to, picked in an earlier results window, is shown picked: a pupil
// and a screen reader see where the result is filed, and the arrows start from it. Only shown:
// picking it again would empty the name proposed.
void TF_bilan::MontrerClasseChoisie() {
    const QList<QListWidgetItem*> entrees =
        listeClasses->findItems(reglages.Destination.Classe, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (reglages.Destination.Classe.isEmpty() || entrees.isEmpty()) return;
    const QSignalBlocker bloque(listeClasses);
    listeClasses->setCurrentItem(entrees.first());
}

void TF_bilan::ProposerNom() {
    if (reglages.NomEleve.isEmpty()) return;
    champNom->setText(reglages.NomEleve);
    champNom->selectAll();
}

void TF_bilan::ListerClasses() {
    listeClasses->clear();
    champNom->clear();
    listeClasses->addItems(ListeClasse::ListerClasses(reglages.Destination.Dossier));
}

QString TF_bilan::ChargerEleves() {
    const QString& classe = reglages.Destination.Classe;
    if (classe.isEmpty()) return {};
    listeEleves->clear();
    champNom->clear();
    // A name stored in the preferences may carry a folder: only the file in the program folder counts.
    const QString nom = NomDeFichier::SansDossier(classe);
    ListeClasse::Contenu contenu;
    QString raison;
    if (!ListeClasse::Charger(AccesFichier::Dans(reglages.Destination.Dossier, nom), contenu, raison))
        return raison;
    listeEleves->addItems(contenu.Eleves);
    return {};
}

void TF_bilan::ChoisirClasse(const QListWidgetItem* entree) {
    if (!entree) return;
    reglages.Destination.Classe = entree->text().left(Preferences::LongueurListeClasse);
    // Said when the pupil picks the class; the class proposed at opening only stays empty.
    if (const QString raison = ChargerEleves(); !raison.isEmpty())
        prog.Plate().Avertir(QStringLiteral("La liste de la classe %1 n'a pas pu être lue\u00a0: %2.")
                                 .arg(Libelles::Guillemets(reglages.Destination.Classe), raison));
}

void TF_bilan::ChoisirEleve(const QListWidgetItem* entree) {
    if (entree) champNom->setText(entree->text());
}

// The record of the game under the name in the field, which the next results window proposes.
Bilan TF_bilan::Composer() {
    Bilan bilan = ComposerBilan(prog.Profil(), resultat, prog.Plate().Maintenant(), champNom->text());
    reglages.NomEleve = bilan.NomEleve;
    return bilan;
}

void TF_bilan::Enregistrer() {
    if (EnregistrerBilan(prog.Plate(), reglages.Destination, Composer())) accept();
}

void TF_bilan::ImprimerBilan() {
    const Bilan bilan = Composer();
    if (reglages.NomEleve.isEmpty()) {
        prog.Plate().Avertir(QStringLiteral("Tu dois indiquer ton nom pour pouvoir imprimer."));
        return;
    }
    autres.MontrerRapport(bilan);
    boutonImprimerBilan->setEnabled(false);
}

void TF_bilan::ImprimerLExercice() {
    const bool imprime = ImprimerDepuisFenetre(
        prog.Plate(), QStringLiteral("Exercice"), QPageLayout::Landscape, 1, resultat.ImprimerExercice,
        QStringLiteral(
            "L'exercice n'a pas pu être imprimé : l'imprimante ou le fichier choisi n'a pas accepté "
            "la page."));
    // One copy per results window where the program says so: a job that failed may be tried again.
    if (imprime && prog.Profil().ExerciceImpressionUnique) imprimeExo->setEnabled(false);
}
