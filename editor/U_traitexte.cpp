// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/U_traitexte.h"

#include "core/AideContextuelle.h"
#include "core/Libelles.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "editor/ZoneTexte.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QProgressDialog>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>

#include <memory>

namespace {

// The text's own font, in points: what the screen shows is what prints and what the files keep,
// whatever the scaling of the menus.
QFont PoliceTexte() {
    QFont police(QStringLiteral("Arial"));
    police.setPointSize(12);
    return police;
}

QMenu* NouveauMenu(QWidget* parent, const char* nom, const QString& libelle) {
    auto* menu = new QMenu(libelle, parent);
    menu->setObjectName(QLatin1String(nom));
    menu->setAccessibleName(Libelles::NomAccessible(libelle));
    return menu;
}

} // namespace

TF_Traitexte::TF_Traitexte(Programme& programme, QWidget* parent)
    : DialogueSur({}, parent,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prog(programme), richEdit1(new ZoneTexte(this)),
      texte(programme.Plate(), programme.Dossier(), programme.Profil().FichierBilan) {
    setObjectName(QStringLiteral("F_Traitexte"));
    setWindowTitle(QStringLiteral("Editeur de texte."));
    setModal(true);
    resize(800, 600);
    DefinirContexteAide(*this, prog.Profil().ContexteAideTraitexte);
    // Its context number may lead to the results window's page: F1 opens the editor's own.
    DefinirSujetAide(*this, QStringLiteral("Edit"));

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    ConstruireMenu();
    richEdit1->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1->setAccessibleName(QStringLiteral("Texte"));
    richEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texte.Document().setDocumentMargin(12);
    richEdit1->TexteSeulement([this] { return texte.TexteSeulement(); });
    disposition->addWidget(richEdit1);

    MobilierPleinEcran::Options options;
    options.IntervalleMs = 1000; // the editor's hold is slower than the other windows'
    mobilier = new MobilierPleinEcran(*this, prog, options);
    mobilier->MettreAEchelle();
    Montrer(texte.Document());
    richEdit1->setFont(PoliceTexte());
    texte.documentRemplace = [this](QTextDocument& document) { Montrer(document); };
    texte.lireEnTranches = [this](FichierEditeur::Lecture& lecture, const QString& chemin) {
        return LireEnMontrantLAvancement(lecture, chemin);
    };
    Actualiser();
}

// The text's documents belong to the text: none may outlive it in the editing area.
TF_Traitexte::~TF_Traitexte() {
    richEdit1->setDocument(nullptr);
}

// Whatever changes the document (keys, Delete, undo, drops, alignment, fonts) marks it.
void TF_Traitexte::Montrer(QTextDocument& document) {
    richEdit1->setDocument(&document);
    connect(&document, &QTextDocument::contentsChanged, this, [this] {
        texte.Modifier();
        Actualiser();
    });
}

// Nothing but the progress bar answers while a file is read: the text behind it stays as it
// was until the new one is whole.
bool TF_Traitexte::LireEnMontrantLAvancement(FichierEditeur::Lecture& lecture, const QString& chemin) {
    QElapsedTimer chrono;
    chrono.start();
    std::unique_ptr<QProgressDialog> progression;
    while (!lecture.Avancer(QDeadlineTimer(tranche))) {
        if (!progression && chrono.elapsed() >= delaiProgression.count()) {
            progression = std::make_unique<QProgressDialog>(
                QStringLiteral("Ouverture de %1…").arg(Libelles::Guillemets(QFileInfo(chemin).fileName())),
                QStringLiteral("&Annuler"), 0, 1000, this);
            progression->setObjectName(QStringLiteral("ProgressionOuverture"));
            // A file's name is shown as it is, even one that looks like markup.
            if (auto* libelle = progression->findChild<QLabel*>()) libelle->setTextFormat(Qt::PlainText);
            progression->setWindowTitle(windowTitle());
            progression->setWindowModality(Qt::WindowModal);
            progression->setMinimumDuration(0);
            progression->setMinimumWidth(progression->fontMetrics().averageCharWidth() * 50);
            progression->setAutoReset(false);
            // Escape and the close box do what "Annuler" does.
            connect(progression.get(), &QDialog::rejected, progression.get(), &QProgressDialog::cancel);
            if (auto* barre = progression->findChild<QProgressBar*>())
                barre->setAccessibleName(QStringLiteral("Avancement de l'ouverture"));
            progression->show();
        }
        if (!progression) continue;
        progression->setValue(lecture.Pourmille());
        QApplication::processEvents();
        if (progression->wasCanceled()) return false;
    }
    return true;
}

void TF_Traitexte::ConstruireMenu() {
    auto* barre = new QMenuBar(this);
    barre->setObjectName(QStringLiteral("MainMenu1"));
    barre->setAccessibleName(QStringLiteral("Menu"));
    layout()->setMenuBar(barre);

    QMenu* fichier = NouveauMenu(barre, "Fichier1", QStringLiteral("&Fichier     "));
    Entree(fichier, "Nouveau1", QStringLiteral("&Nouveau"), &TF_Traitexte::Nouveau);
    fichier->addSeparator()->setObjectName(QStringLiteral("N2"));
    Entree(fichier, "Ouvrir1", QStringLiteral("&Ouvrir"), &TF_Traitexte::OuvrirFichier);
    enregistrer1 =
        Entree(fichier, "Enregistrer1", QStringLiteral("&Enregistrer"), &TF_Traitexte::Enregistrer);
    Entree(fichier, "EnregistrerSous1", QStringLiteral("Enregistrer &Sous..."),
           &TF_Traitexte::EnregistrerSous);
    Entree(fichier, "Imprimer1", QStringLiteral("&Imprimer"), &TF_Traitexte::Imprimer);
    fichier->addSeparator()->setObjectName(QStringLiteral("N1"));
    Entree(fichier, "Quitter1", QStringLiteral("&Quitter"), &TF_Traitexte::Quitter);
    barre->addMenu(fichier);

    QMenu* edition = NouveauMenu(barre, "Edition1", QStringLiteral("&Edition     "));
    edition
        ->addAction(QStringLiteral("Couper"), QKeySequence(Qt::CTRL | Qt::Key_X), richEdit1, &QTextEdit::cut)
        ->setObjectName(QStringLiteral("Couper1"));
    edition
        ->addAction(QStringLiteral("Copier"), QKeySequence(Qt::CTRL | Qt::Key_C), richEdit1, &QTextEdit::copy)
        ->setObjectName(QStringLiteral("Copier1"));
    edition
        ->addAction(QStringLiteral("Coller"), QKeySequence(Qt::CTRL | Qt::Key_V), richEdit1,
                    &QTextEdit::paste)
        ->setObjectName(QStringLiteral("CollerCtrlV1"));
    barre->addMenu(edition);

    QMenu* presentation = NouveauMenu(barre, "presentation", QStringLiteral("P&résentation    "));
    Entree(presentation, "Police1", QStringLiteral("&Police"), &TF_Traitexte::ChoisirPolice);
    QMenu* alignement = NouveauMenu(presentation, "Alignement1", QStringLiteral("Alignement"));
    Entree(alignement, "Gauche1", QStringLiteral("Gauche"), &TF_Traitexte::AlignerAGauche);
    Entree(alignement, "Centr1", QStringLiteral("Centré"), &TF_Traitexte::Centrer);
    Entree(alignement, "Droite1", QStringLiteral("Droite"), &TF_Traitexte::AlignerADroite);
    presentation->addMenu(alignement);
    barre->addMenu(presentation);

    QAction* aide = barre->addAction(QStringLiteral("Ai&de     "));
    aide->setObjectName(QStringLiteral("Aide1"));
    connect(aide, &QAction::triggered, this, &TF_Traitexte::AfficherAide);
}

QAction* TF_Traitexte::Entree(QMenu* menu, const char* nom, const QString& libelle,
                              void (TF_Traitexte::*action)(), const QKeySequence& raccourci) {
    QAction* entree = menu->addAction(libelle, raccourci, this, action);
    entree->setObjectName(QLatin1String(nom));
    return entree;
}

void TF_Traitexte::FormActivate() {
    texte.DefinirDossier(prog.Dossier());
    texte.Activer(Ouverte());
    richEdit1->moveCursor(QTextCursor::Start);
    richEdit1->setFocus(Qt::OtherFocusReason);
    Actualiser();
}

// "&Enregistrer" is offered when there is something to save; screen readers hear which file
// the text is.
void TF_Traitexte::Actualiser() {
    enregistrer1->setEnabled(texte.TexteModifie);
    const QString description = texte.NomFichierTexte.isEmpty()
                                    ? QStringLiteral("Nouveau texte")
                                    : QFileInfo(texte.NomFichierTexte).fileName() +
                                          (texte.EstUnBilan() ? QStringLiteral(", bilan") : QString());
    if (richEdit1->accessibleDescription() == description) return;
    richEdit1->setAccessibleDescription(description);
    prog.Plate().Annoncer(*richEdit1, QAccessible::DescriptionChanged);
}

void TF_Traitexte::Apres(void (TexteEnCours::*commande)()) {
    (texte.*commande)();
    Actualiser();
}

void TF_Traitexte::Nouveau() {
    Apres(&TexteEnCours::Nouveau);
}

void TF_Traitexte::OuvrirFichier() {
    Apres(&TexteEnCours::Ouvrir);
    richEdit1->moveCursor(QTextCursor::Start);
}

void TF_Traitexte::Enregistrer() {
    texte.Enregistrer();
    Actualiser();
}

void TF_Traitexte::EnregistrerSous() {
    texte.EnregistrerSous();
    Actualiser();
}

void TF_Traitexte::Imprimer() {
    texte.Imprimer();
}

void TF_Traitexte::Quitter() {
    const bool fermer = texte.Quitter();
    Actualiser();
    if (fermer) QDialog::done(QDialog::Accepted);
}

void TF_Traitexte::reject() {
    Quitter();
}

void TF_Traitexte::ChoisirPolice() {
    QFont police = richEdit1->currentFont();
    if (!prog.Plate().ChoisirPolice(police)) return;
    QTextCharFormat format;
    format.setFontFamilies({police.family()});
    if (police.pointSizeF() > 0) format.setFontPointSize(police.pointSizeF());
    format.setFontWeight(police.weight());
    format.setFontItalic(police.italic());
    format.setFontUnderline(police.underline());
    format.setFontStrikeOut(police.strikeOut());
    richEdit1->mergeCurrentCharFormat(format);
    richEdit1->setFocus(Qt::OtherFocusReason);
}

void TF_Traitexte::AlignerAGauche() {
    richEdit1->setAlignment(Qt::AlignLeft);
}

void TF_Traitexte::Centrer() {
    richEdit1->setAlignment(Qt::AlignHCenter);
}

void TF_Traitexte::AlignerADroite() {
    richEdit1->setAlignment(Qt::AlignRight);
}

void TF_Traitexte::AfficherAide() {
    prog.Plate().AfficherAide(prog.FichierAide, QStringLiteral("Edit"));
}
