// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlateFormeQt.h"

#include "core/Corbeille.h"
#include "core/FenetreAide.h"
#include "core/ImprimantesQt.h"
#include "core/TraductionQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>

PlateFormeQt::PlateFormeQt(const QString& titre, const QString& moduleImpression)
    : titre(titre), moduleImpression(moduleImpression) {}

PlateFormeQt::~PlateFormeQt() = default;

// The messages name classes, pupils and files that anybody may have named in the shared folder:
// a name such as "<b>CM1</b>" is shown as it is, never read as markup that hides part of it.
void PlateFormeQt::Avertir(const QString& texte) {
    InstallerTraductionQt();
    QMessageBox avertissement(QMessageBox::Warning, titre, texte, QMessageBox::Ok,
                              QApplication::activeWindow());
    avertissement.setTextFormat(Qt::PlainText);
    avertissement.exec();
}

bool PlateFormeQt::Demander(const QString& texte) {
    InstallerTraductionQt();
    QMessageBox question(QMessageBox::Question, titre, texte, QMessageBox::NoButton,
                         QApplication::activeWindow());
    question.setTextFormat(Qt::PlainText);
    QPushButton* oui = question.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = question.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    question.setDefaultButton(non);
    question.setEscapeButton(non);
    question.exec();
    return question.clickedButton() == oui;
}

PlateForme::Reponse PlateFormeQt::Confirmer(const QString& titreQuestion, const QString& texte) {
    InstallerTraductionQt();
    QMessageBox question(QMessageBox::Question, titreQuestion, texte, QMessageBox::NoButton,
                         QApplication::activeWindow());
    question.setTextFormat(Qt::PlainText);
    QPushButton* oui = question.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = question.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    // Escape and the close box press this unseen button: neither yes nor no.
    QPushButton* rester = question.addButton(QMessageBox::Cancel);
    rester->hide();
    question.setEscapeButton(rester);
    question.setDefaultButton(oui);
    question.exec();
    if (question.clickedButton() == oui) return Reponse::Oui;
    if (question.clickedButton() == non) return Reponse::Non;
    return Reponse::Abandon;
}

QRect PlateFormeQt::GeometrieEcran() const {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->geometry() : QRect(0, 0, 800, 600);
}

int PlateFormeQt::PixelsParPouce() const {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? static_cast<int>(std::lround(ecran->logicalDotsPerInch())) : 96;
}

// The state is set even on a window not yet shown: it takes effect when the window appears.
void PlateFormeQt::MasquerBarreDesTaches(QWidget& fenetrePrincipale) {
    fenetrePrincipale.setWindowState(fenetrePrincipale.windowState() | Qt::WindowFullScreen);
}

void PlateFormeQt::PleinEcran(QWidget& fenetre) {
    fenetre.setWindowState(fenetre.windowState() | Qt::WindowFullScreen);
}

// The desktop's place for each user's settings, under the program's name
// (~/.config/Navirelle/Navirelle.ini on Linux).
QString PlateFormeQt::FichierReglagesUtilisateur(const QString& programme) const {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, programme, programme).fileName();
}

namespace {

// "Texte (*.txt)" gives "txt".
QString Extension(const QString& type) {
    const qsizetype etoile = type.indexOf(QStringLiteral("*."));
    if (etoile < 0) return {};
    QString extension = type.mid(etoile + 2);
    return extension.left(extension.indexOf(QRegularExpression(QStringLiteral("[ );]"))));
}

} // namespace

ImprimantesQt* PlateFormeQt::Imprimantes() {
    if (imprimantes) return imprimantes.get();
    // Once loaded, the module stays for the run: the printers it hands out are its own objects.
    QLibrary module(moduleImpression);
    const auto fabrique = reinterpret_cast<FabriqueImprimantes>(module.resolve(SymboleFabriqueImprimantes));
    if (fabrique) {
        imprimantes.reset(fabrique());
        return imprimantes.get();
    }
    std::fprintf(stderr, "%s : %s\n", qPrintable(titre), qPrintable(module.errorString()));
    Avertir(QStringLiteral("L'impression n'est pas possible : %1 ne trouve pas son module d'impression "
                           "« %2 », ou ne peut pas le charger. Réinstallez le programme, ou demandez-le à "
                           "la personne qui s'occupe des ordinateurs de l'école.")
                .arg(titre, QDir::toNativeSeparators(moduleImpression)));
    return nullptr;
}

std::unique_ptr<SortieImpression>
PlateFormeQt::ChoisirImpression(const QString& titreTravail,
                                std::optional<QPageLayout::Orientation> orientation, int nombrePages) {
    InstallerTraductionQt();
    ImprimantesQt* module = Imprimantes();
    if (!module) return nullptr;
    std::optional<ReponseImpression> reponse =
        module->ChoisirImpression(titreTravail, orientation, nombrePages, QApplication::activeWindow());
    return reponse ? SortieDe(std::move(*reponse), titreTravail) : nullptr;
}

QString PlateFormeQt::ChoisirFichierAEnregistrer(const QString& titreDialogue, const QStringList& types,
                                                 int& type, const QString& dossier,
                                                 const QString& fichierPropose) {
    InstallerTraductionQt();
    QFileDialog dialogue(QApplication::activeWindow(), titreDialogue, dossier);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setNameFilters(types);
    dialogue.selectNameFilter(types.value(type));
    dialogue.setDefaultSuffix(Extension(types.value(type)));
    QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
                     [&dialogue](const QString& choisi) { dialogue.setDefaultSuffix(Extension(choisi)); });
    if (!fichierPropose.isEmpty()) dialogue.selectFile(QDir(dossier).absoluteFilePath(fichierPropose));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return {};
    type = std::max<int>(0, static_cast<int>(types.indexOf(dialogue.selectedNameFilter())));
    return dialogue.selectedFiles().first();
}

bool PlateFormeQt::ChoisirPolice(QFont& police) {
    InstallerTraductionQt();
    bool choisie = false;
    const QFont nouvelle =
        QFontDialog::getFont(&choisie, police, QApplication::activeWindow(), QStringLiteral("Police"));
    if (choisie) police = nouvelle;
    return choisie;
}

bool PlateFormeQt::MettreALaCorbeille(const QString& chemin) {
    return Corbeille::Mettre(chemin);
}

void PlateFormeQt::Annoncer(QObject& objet, QAccessible::Event evenement) {
    QAccessibleEvent annonce(&objet, evenement);
    QAccessible::updateAccessibility(&annonce);
}

void PlateFormeQt::MontrerBarreDesTaches(QWidget& fenetrePrincipale) {
    fenetrePrincipale.setWindowState(fenetrePrincipale.windowState() & ~Qt::WindowFullScreen);
}

QString PlateFormeQt::ChoisirFichierAOuvrir(const QString& titre, const QString& filtre,
                                            const QString& dossier, const QString& fichierPropose) {
    InstallerTraductionQt();
    const QString depart =
        fichierPropose.isEmpty() ? dossier : QDir(dossier).absoluteFilePath(fichierPropose);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titre, depart, filtre);
}

// A modal window blocks every window but its own children: opened from one (the preferences,
// the results window, the size chooser), the help becomes its child so that it can be read,
// scrolled and closed before the modal window is done.
void PlateFormeQt::AfficherAide(const QString& fichierAide, const QString& ancre) {
    InstallerTraductionQt();
    if (!aide) aide = new FenetreAide(titre); // deletes itself when the application ends
    QWidget* modale = QApplication::activeModalWidget();
    if (modale == aide) modale = aide->parentWidget();
    if (aide->parentWidget() != modale) {
        const bool visible = aide->isVisible();
        aide->setParent(modale, aide->windowFlags() | Qt::Window);
        if (visible) aide->show();
    }
    aide->Ouvrir(fichierAide, ancre, modale);
}
