#include "core/PlateFormeQt.h"

#include "core/FenetreAide.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <cmath>

void PlateFormeQt::Avertir(const QString& texte) {
    QMessageBox::warning(QApplication::activeWindow(), titre, texte, QMessageBox::Ok);
}

bool PlateFormeQt::Demander(const QString& texte) {
    QMessageBox question(QMessageBox::Question, titre, texte, QMessageBox::NoButton,
                         QApplication::activeWindow());
    QPushButton* oui = question.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = question.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    question.setDefaultButton(non);
    question.setEscapeButton(non);
    question.exec();
    return question.clickedButton() == oui;
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

std::unique_ptr<QPagedPaintDevice> PlateFormeQt::ChoisirImprimante(const QString& titre,
                                                                   QPageLayout::Orientation orientation) {
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setPageOrientation(orientation);
    imprimante->setDocName(titre);
    // Without a printer the dialog's own choice is a PDF file: propose one in the home folder.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        imprimante->setOutputFormat(QPrinter::PdfFormat);
        imprimante->setOutputFileName(QDir::home().filePath(titre + QStringLiteral(".pdf")));
    }
    QPrintDialog dialogue(imprimante.get(), QApplication::activeWindow());
    dialogue.setWindowTitle(titre);
    if (dialogue.exec() != QDialog::Accepted) return nullptr;
    imprimante->setPageOrientation(orientation);
    return imprimante;
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
    const QString depart =
        fichierPropose.isEmpty() ? dossier : QDir(dossier).absoluteFilePath(fichierPropose);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titre, depart, filtre);
}

// A modal window blocks every window but its own children: opened from one (the preferences,
// the results window, the size chooser), the help becomes its child so that it can be read,
// scrolled and closed before the modal window is done.
void PlateFormeQt::AfficherAide(const QString& fichierAide, const QString& ancre) {
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
