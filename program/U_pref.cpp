// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/U_pref.h"
#include "core/Apparence.h"
#include "core/GroupeExclusif.h"

#include "core/AideContextuelle.h"
#include "core/Libelles.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/Windows1252.h"
#include "tables/Tableau.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int ContextePreferences = 6;
constexpr int NbTailles = Preferences::TailleJeuMax - Preferences::TailleJeuMin + 1;

using Apparence::Arial;
using Libelles::NomAccessible;

// The captions that differ from one picture entry to the other (0: main menu, 1: exercises).
struct TextesImage {
    const char* panneau;
    const char* label;
    const char* boite;
    const char* bouton;
    QString titre;
    QString quoi;
};

TextesImage Textes(int tag) {
    if (tag == 0)
        return {"v",
                "Label1",
                "PaintBox1",
                "bouton_changer_image_accueil",
                QStringLiteral("Image pour la mosaïque de la page d'accueil"),
                QStringLiteral("de la page d'accueil")};
    return {"Panel1",
            "Label2",
            "PaintBox2",
            "bouton_changer_image_exo",
            QStringLiteral("Image pour les pages des exercices"),
            QStringLiteral("des pages des exercices")};
}

// Panel and label of each exercise, in the order of the exercises.
constexpr const char* NomsPanneauxJeu[] = {"Panel3", "Panel2", "Panel4"};
constexpr const char* NomsLabelsJeu[] = {"Label6", "Label3", "Label5"};

QString NomJeu(int numJeu) {
    return QStringLiteral("Jeu n° %1").arg(numJeu);
}

QFrame* NouveauPanneau(QWidget* parent, const char* nom, const QRect& position) {
    return Apparence::Panneau(parent, QLatin1String(nom), position);
}

QLabel* NouveauTitre(QWidget* parent, const char* nom, const QString& texte, const QRect& position,
                     int pixels, Qt::Alignment alignement) {
    QLabel* titre = Apparence::Etiquette(parent, QLatin1String(nom), texte, position, Arial(pixels, true));
    titre->setAlignment(alignement | Qt::AlignVCenter);
    titre->setAccessibleName(texte);
    return titre;
}

QRadioButton* NouveauChoix(QGroupBox* groupe, QButtonGroup* boutons, int item, const QString& nom,
                           const QString& libelle, const QRect& position) {
    auto* choix = new QRadioButton(libelle, groupe);
    choix->setObjectName(nom);
    choix->setGeometry(position);
    choix->setAccessibleName(libelle);
    boutons->addButton(choix, item);
    return choix;
}

void Cocher(QCheckBox* caseACocher, bool coche) {
    const QSignalBlocker silence(caseACocher);
    caseACocher->setChecked(coche);
}

// A radio group is one stop of the Tab walk: its chosen button, from which the arrows then move.
QWidget* Arret(QWidget* controle) {
    auto* choix = qobject_cast<QRadioButton*>(controle);
    QAbstractButton* coche = choix && choix->group() ? choix->group()->checkedButton() : nullptr;
    return coche ? coche : controle;
}

} // namespace

TF_preferences::TF_preferences(Programme& programme, QWidget* parent)
    : DialogueActive(parent), prog(programme) {
    setObjectName(QStringLiteral("F_preferences"));
    setWindowTitle(QStringLiteral("Préférences"));
    setAccessibleName(QStringLiteral("Préférences"));
    // No title-bar buttons: the window is left by "Valider" or "Annuler".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    resize(800, 600);
    setFont(Arial(14, false));
    Apparence::Fond(*this);
    DefinirContexteAide(*this, ContextePreferences);

    // Created in the order that Tab follows: pictures, the three exercises, options, buttons.
    ConstruirePanneauImage(0, QRect(12, 12, 382, 196));
    ConstruirePanneauImage(1, QRect(406, 12, 382, 196));
    for (int numJeu = 1; numJeu <= 3; ++numJeu)
        ConstruirePanneauJeu(numJeu, QRect(12 + (numJeu - 1) * 263, 218, 250, 258));
    ConstruireCasesACocher();
    ConstruireBoutons();
    mobilier = new MobilierPleinEcran(*this, prog, {});
    mobilier->MettreAEchelle();
    ChargerPreferences();
}

void TF_preferences::ConstruirePanneauImage(int tag, const QRect& position) {
    const TextesImage textes = Textes(tag);
    QFrame* panneau = NouveauPanneau(this, textes.panneau, position);
    panneau->setAccessibleName(textes.titre);
    NouveauTitre(panneau, textes.label, textes.titre, QRect(14, 8, 354, 22), 15, Qt::AlignLeft);

    auto* boite = new QFrame(panneau);
    boite->setObjectName(QLatin1String(textes.boite));
    boite->setProperty("tag", tag);
    boite->setGeometry(14, 34, 354, 116);
    boite->setFrameStyle(QFrame::Box | QFrame::Plain);
    boite->setLineWidth(2);
    boite->setAccessibleName(QStringLiteral("Aperçu de l'image ") + textes.quoi);
    boite->installEventFilter(this);
    paintBox[tag] = boite;

    auto* bouton = new QPushButton(QStringLiteral("Changer l'image."), panneau);
    bouton->setObjectName(QLatin1String(textes.bouton));
    bouton->setGeometry(106, 156, 170, 32);
    bouton->setAutoDefault(false);
    bouton->setAccessibleName(QStringLiteral("Changer l'image ") + textes.quoi);
    connect(bouton, &QPushButton::clicked, this, [this, tag] { ChangerImage(tag); });
}

void TF_preferences::ConstruirePanneauJeu(int numJeu, const QRect& position) {
    QFrame* panneau = NouveauPanneau(this, NomsPanneauxJeu[numJeu - 1], position);
    panneau->setAccessibleName(NomJeu(numJeu));
    NouveauTitre(panneau, NomsLabelsJeu[numJeu - 1], NomJeu(numJeu), QRect(0, 6, position.width(), 24), 17,
                 Qt::AlignHCenter);
    ConstruireModifChoix(numJeu, panneau)->setGeometry(12, 34, 226, 54);
    ConstruireNbCases(numJeu, panneau)->setGeometry(12, 92, 226, 158);
}

QGroupBox* TF_preferences::ConstruireModifChoix(int numJeu, QWidget* panneau) {
    const QString nom = QStringLiteral("ModifChoix%1").arg(numJeu);
    const auto [groupe, boutons] =
        NouveauGroupe(numJeu, panneau, nom, QStringLiteral("Modifier les choix pendant le jeu"));
    NouveauChoix(groupe, boutons, 0, nom + QStringLiteral("Oui"), QStringLiteral("oui"),
                 QRect(24, 24, 80, 22));
    NouveauChoix(groupe, boutons, 1, nom + QStringLiteral("Non"), QStringLiteral("non"),
                 QRect(124, 24, 80, 22));
    Relier(boutons, numJeu, &TF_preferences::PermettreChangement);
    modifChoix[numJeu - 1] = boutons;
    return groupe;
}

QGroupBox* TF_preferences::ConstruireNbCases(int numJeu, QWidget* panneau) {
    const QString nom = QStringLiteral("NbCasesJeu%1").arg(numJeu);
    const auto [groupe, boutons] = NouveauGroupe(numJeu, panneau, nom, QStringLiteral("Nombre de cases"));
    for (int item = 0; item < NbTailles; ++item) {
        const int taille = item + Preferences::TailleJeuMin;
        NouveauChoix(groupe, boutons, item, nom + QStringLiteral("Taille%1").arg(taille),
                     LibelleTaille(taille), QRect(24, 24 + item * 19, 190, 19));
    }
    Relier(boutons, numJeu, &TF_preferences::ChoisirTaille);
    nbCasesJeu[numJeu - 1] = boutons;
    return groupe;
}

// A box of choices for exercise numJeu, heard with the exercise's name; its buttons come next.
std::pair<QGroupBox*, QButtonGroup*> TF_preferences::NouveauGroupe(int numJeu, QWidget* panneau,
                                                                   const QString& nom, const QString& titre) {
    auto* groupe = new QGroupBox(titre, panneau);
    groupe->setObjectName(nom);
    groupe->setAccessibleName(NomJeu(numJeu) + QStringLiteral(" : ") + titre.at(0).toLower() + titre.mid(1));
    auto* boutons = new QButtonGroup(groupe);
    boutons->setObjectName(nom);
    return {groupe, boutons};
}

// The choice checked goes to choisir.
void TF_preferences::Relier(QButtonGroup* boutons, int numJeu, void (TF_preferences::*choisir)(int, int)) {
    GroupeExclusif::SurChoix(*boutons, [this, numJeu, choisir](int item) { (this->*choisir)(numJeu, item); });
}

QCheckBox* TF_preferences::NouvelleCase(QWidget* parent, const char* nom, const QString& libelle,
                                        const QRect& position) {
    auto* caseACocher = new QCheckBox(libelle, parent);
    caseACocher->setObjectName(QLatin1String(nom));
    caseACocher->setGeometry(position);
    caseACocher->setAccessibleName(NomAccessible(libelle));
    return caseACocher;
}

// Two groups: what is recorded after each exercise, and what the pupil may print.
void TF_preferences::ConstruireCasesACocher() {
    QFrame* bilans = NouveauPanneau(this, "PanneauBilans", QRect(12, 488, 300, 100));
    bilans->setAccessibleName(QStringLiteral("Bilans"));
    NouveauTitre(bilans, "LabelBilans", QStringLiteral("Bilans"), QRect(14, 6, 272, 22), 15, Qt::AlignLeft);
    caseEnregistrer =
        NouvelleCase(bilans, "CheckBox1", QStringLiteral("Enregistrer les bilans :"), QRect(14, 36, 276, 22));
    caseBilansIndividuels =
        NouvelleCase(bilans, "CheckBox5", prog.Profil().LibelleBilansIndividuels, QRect(14, 64, 276, 22));

    QFrame* impressions = NouveauPanneau(this, "PanneauImpressions", QRect(324, 488, 300, 100));
    impressions->setAccessibleName(QStringLiteral("Impressions par l'élève"));
    NouveauTitre(impressions, "LabelImpressions", QStringLiteral("Impressions par l'élève"),
                 QRect(14, 6, 272, 22), 15, Qt::AlignLeft);
    caseImprimerResultats =
        NouvelleCase(impressions, "CheckBox2", QStringLiteral("Impression des résultats par l'élève :"),
                     QRect(14, 32, 276, 21));
    caseImprimerExercice = NouvelleCase(impressions, "CheckBox3",
                                        QStringLiteral("Impression de l'exercice :"), QRect(14, 54, 276, 21));
    if (prog.Profil().PreferenceCouleurs) {
        caseCouleurs =
            NouvelleCase(impressions, "CheckBox4", QStringLiteral("En couleurs :"), QRect(40, 76, 250, 21));
        connect(caseCouleurs, &QCheckBox::toggled, this, &TF_preferences::ImprimerEnCouleurs);
    }

    connect(caseEnregistrer, &QCheckBox::toggled, this,
            [this](bool coche) { prog.Prefs.EnregistrerBilans = coche; });
    connect(caseBilansIndividuels, &QCheckBox::toggled, this,
            [this](bool coche) { prog.Prefs.BilansIndividuels = coche; });
    connect(caseImprimerResultats, &QCheckBox::toggled, this,
            [this](bool coche) { prog.Prefs.ImprimerResultats = coche; });
    connect(caseImprimerExercice, &QCheckBox::toggled, this, &TF_preferences::PermettreImpressionExercice);
}

void TF_preferences::ConstruireBoutons() {
    boutonValider = new QPushButton(QStringLiteral("&Valider"), this);
    boutonValider->setObjectName(QStringLiteral("bouton_valider"));
    boutonValider->setGeometry(640, 488, 148, 46);
    boutonValider->setAccessibleName(QStringLiteral("Valider"));
    boutonValider->setDefault(true);
    boutonAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    boutonAnnuler->setObjectName(QStringLiteral("bouton_annuler"));
    boutonAnnuler->setGeometry(640, 542, 148, 46);
    boutonAnnuler->setAccessibleName(QStringLiteral("Annuler"));
    boutonAnnuler->setAutoDefault(false);
    for (QPushButton* bouton : {boutonValider, boutonAnnuler})
        bouton->setFont(Arial(15, true));
    connect(boutonValider, &QPushButton::clicked, this, &TF_preferences::Valider);
    connect(boutonAnnuler, &QPushButton::clicked, this, &TF_preferences::reject);
}

// What stands in the way of the file is said when the teacher opens the window, once.
QString TF_preferences::ChargerPreferences() {
    QString alerte;
    ::ChargerPreferences(prog.Prefs, prog.Profil().FichierPref, alerte);
    AfficherValeurs();
    prog.PrefSauvees.CopierSaufListeClasse(prog.Prefs);
    return alerte;
}

// Shown without running the handlers: a value is set only by what the teacher does, so a
// byte the window does not know (a 2 where 0 or 1 is expected) goes back to the file as read.
void TF_preferences::AfficherValeurs() {
    const Preferences& p = prog.Prefs;
    Cocher(caseImprimerResultats, p.ImprimerResultats == 1);
    Cocher(caseImprimerExercice, p.ImprimerExercice == 1);
    Cocher(caseEnregistrer, p.EnregistrerBilans == 1);
    Cocher(caseBilansIndividuels, p.BilansIndividuels == 1);
    for (int numJeu = 1; numJeu <= 3; ++numJeu) {
        GroupeExclusif::Montrer(*nbCasesJeu[numJeu - 1], p.TailleJeu(numJeu) - Preferences::TailleJeuMin);
        GroupeExclusif::Montrer(*modifChoix[numJeu - 1], p.ChoixModifiable(numJeu) != 0 ? 0 : 1);
    }
    if (caseCouleurs) {
        Cocher(caseCouleurs, p.PrefNoirEtBlanc != 1);
        caseCouleurs->setVisible(p.ImprimerExercice == 1);
    }
    for (int tag = 0; tag < 2; ++tag)
        AfficherImage(tag);
}

void TF_preferences::AfficherImage(int tag) {
    const QString image = ImageExistante(tag);
    paintBox[tag]->setAccessibleDescription(image.isEmpty() ? QStringLiteral("aucune image")
                                                            : QFileInfo(image).fileName());
    paintBox[tag]->update();
}

QString TF_preferences::ImageExistante(int tag) const {
    for (const QString& image : {prog.Prefs.ImagesPref[tag], prog.ImageParDefaut(tag)})
        if (!image.isEmpty() && QFileInfo::exists(image)) return image;
    return {};
}

void TF_preferences::PermettreChangement(int numJeu, int item) {
    prog.Prefs.ChoixModifiable(numJeu) = item == 0 ? 1 : 0;
}

void TF_preferences::ChoisirTaille(int numJeu, int item) {
    prog.Prefs.TailleJeu(numJeu) = static_cast<quint8>(item + Preferences::TailleJeuMin);
}

void TF_preferences::PermettreImpressionExercice(bool coche) {
    prog.Prefs.ImprimerExercice = coche;
    if (caseCouleurs) caseCouleurs->setVisible(coche);
}

void TF_preferences::ImprimerEnCouleurs(bool coche) {
    prog.Prefs.PrefNoirEtBlanc = coche ? 0 : 1;
}

// A path the record cannot hold whole would be lost at the next start: refused, with the
// reason, rather than cut.
void TF_preferences::ChangerImage(int tag) {
    const QString choisi = prog.Plate().ChoisirFichierAOuvrir(
        Textes(tag).titre, QStringLiteral("images bitmap (*.bmp)"), QDir::currentPath(), ImageExistante(tag));
    if (choisi.isEmpty()) return;
    if (choisi.size() > Preferences::LongueurImage || !Windows1252::PeutCoder(choisi)) {
        prog.Plate().Avertir(QStringLiteral("Les préférences ne peuvent pas garder le chemin de cette image "
                                            ": il a plus de 255 caractères ou des "
                                            "caractères qu'elles ne savent pas écrire. Choisissez une image "
                                            "rangée ailleurs, par exemple dans le "
                                            "dossier du programme."));
        return;
    }
    prog.Prefs.ImagesPref[tag] = choisi;
    AfficherImage(tag);
}

// Shared by the two boxes through their tag; the box draws its frame over the tiles.
void TF_preferences::PaintBox1Paint(int tag) {
    QFrame* boite = paintBox[tag];
    const QRect zone = boite->contentsRect();
    QPainter peintre(boite);
    peintre.fillRect(zone, Apparence::FondFenetre);
    mosaiques[tag].Choisir(prog.Prefs.ImagesPref[tag], prog.ImageParDefaut(tag));
    if (mosaiques[tag].EstVide()) {
        peintre.setPen(Qt::darkGray);
        peintre.drawText(zone, Qt::AlignCenter, QStringLiteral("Aucune image"));
        return;
    }
    peintre.setClipRect(zone);
    peintre.translate(zone.topLeft());
    mosaiques[tag].Peindre(peintre, zone.width(), zone.height());
}

bool TF_preferences::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Paint)
        for (int tag = 0; tag < 2; ++tag)
            if (objet == paintBox[tag]) PaintBox1Paint(tag);
    return QDialog::eventFilter(objet, evenement);
}

// Tab into a radio group goes straight to its chosen button: moved there after Qt had given the
// focus to the group's first button, a screen reader would hear of both, the wrong one last.
bool TF_preferences::focusNextPrevChild(bool suivant) {
    QWidget* depuis = focusWidget();
    for (QWidget* w = depuis; depuis;) {
        w = suivant ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == depuis) break;
        if (w->window() != this || !w->isVisibleTo(this) || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (Arret(w) == Arret(depuis)) continue;
        Arret(w)->setFocus(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(suivant);
}

// A failed write is told to the teacher, and the window stays open with the choices made:
// "Annuler" gives up, "Valider" tries again.
void TF_preferences::Valider() {
    QString raison;
    if (!EnregistrerPreferences(prog.Prefs, prog.Profil().FichierPref, raison)) {
        prog.Plate().Avertir(
            QStringLiteral("Les préférences n'ont pas pu être enregistrées dans «\u00a0%1\u00a0»\u00a0: %2.")
                .arg(prog.Profil().FichierPref, raison));
        return;
    }
    accept();
}

// "Annuler", Escape and the desktop's close all give up the changes.
void TF_preferences::reject() {
    prog.Prefs.CopierSaufListeClasse(prog.PrefSauvees);
    QDialog::reject();
}

// Shown by another window (not back from a dialog of its own): the file is read again.
void TF_preferences::FormActivate() {
    if (const QString alerte = ChargerPreferences(); !alerte.isEmpty()) prog.Plate().Avertir(alerte);
}
