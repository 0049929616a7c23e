#pragma once

#include <QAccessible>
#include <QDateTime>
#include <QPageLayout>
#include <QPagedPaintDevice>

#include <QRect>
#include <QString>
#include <memory>

class QWidget;

// Everything that would block a headless test or differs per desktop: message boxes, the
// screen, the clock, the taskbar. The programs use the Qt implementation; tests script their own.
class PlateForme {
  public:
    virtual ~PlateForme() = default;

    // Warning message box with a single OK button.
    virtual void Avertir(const QString& texte) = 0;
    // A yes/no question ("Oui" / "Non"), "Non" by default: true only when the user says yes;
    // Escape or closing the box is no.
    virtual bool Demander(const QString& texte) = 0;

    // The screen the programs cover, in logical pixels, and its pixels per inch.
    virtual QRect GeometrieEcran() const = 0;
    virtual int PixelsParPouce() const = 0;

    virtual QDateTime Maintenant() const = 0;

    // Open-file dialog; the chosen file's full path, or empty when the user gives up.
    // filtre is a Qt name filter such as "images bitmap (*.bmp)".
    virtual QString ChoisirFichierAOuvrir(const QString& titre, const QString& filtre, const QString& dossier,
                                          const QString& fichierPropose) = 0;

    // The program's help file opened at an anchor: a topic ("Som", "Remplir"...) or a window's
    // help context ("contexte-6").
    virtual void AfficherAide(const QString& fichierAide, const QString& ancre) = 0;

    // The programs cover the desktop's taskbar while they run: on a Linux desktop the main window
    // goes full screen, and leaves full screen to give the taskbar back.
    virtual void MasquerBarreDesTaches(QWidget& fenetrePrincipale) = 0;
    virtual void MontrerBarreDesTaches(QWidget& fenetrePrincipale) = 0;
    // The print dialog: the page of the printer chosen (or of a PDF file), set to the orientation;
    // null when the user gives up. Where the machine has no printer the dialog offers a PDF file.
    virtual std::unique_ptr<QPagedPaintDevice> ChoisirImprimante(const QString& titre,
                                                                 QPageLayout::Orientation orientation) = 0;

    // Tells assistive technologies that something changed (a name, an alert such as "Juste").
    virtual void Annoncer(QObject& objet, QAccessible::Event evenement) = 0;

    // The other full-screen windows (exercises, preferences...): full screen on a desktop.
    virtual void PleinEcran(QWidget& fenetre) = 0;

    // Where the user's own settings of the program are kept, outside its folder and its
    // preferences file; empty: they last for the run only.
    virtual QString FichierReglagesUtilisateur(const QString& programme) const {
        Q_UNUSED(programme);
        return {};
    }
};
