// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;
class SortieImpression;

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
    // A titled question before something is lost: "&Oui" (the default) or "&Non"; Escape or
    // closing the box answers neither, and the user stays where he was.
    enum class Reponse { Oui, Non, Abandon };
    virtual Reponse Confirmer(const QString& titre, const QString& texte) = 0;

    // The screen the programs cover, in logical pixels, and its pixels per inch.
    virtual QRect GeometrieEcran() const = 0;
    virtual int PixelsParPouce() const = 0;

    virtual QDateTime Maintenant() const = 0;

    // Open-file dialog; the chosen file's full path, or empty when the user gives up.
    // filtre is a Qt name filter such as "images bitmap (*.bmp)".
    virtual QString ChoisirFichierAOuvrir(const QString& titre, const QString& filtre, const QString& dossier,
                                          const QString& fichierPropose) = 0;

    // Save-file dialog. types are Qt name filters ("Texte (*.txt)"); type is the index of the one
    // proposed and, on return, of the one chosen; a name typed without extension takes the
    // chosen type's. Asks before replacing a file. The full path, or empty when the user gives up.
    virtual QString ChoisirFichierAEnregistrer(const QString& titre, const QStringList& types, int& type,
                                               const QString& dossier, const QString& fichierPropose) = 0;
    // The font dialog, preset with police; false, police unchanged, when the user gives up.
    virtual bool ChoisirPolice(QFont& police) = 0;

    // The program's help file opened at an anchor: a topic ("Som", "Remplir"...) or a window's
    // help context ("contexte-6").
    virtual void AfficherAide(const QString& fichierAide, const QString& ancre) = 0;

    // The programs cover the desktop's taskbar while they run: on a Linux desktop the main window
    // goes full screen, and leaves full screen to give the taskbar back.
    virtual void MasquerBarreDesTaches(QWidget& fenetrePrincipale) = 0;
    virtual void MontrerBarreDesTaches(QWidget& fenetrePrincipale) = 0;
    // The print dialog, titled, set to the orientation (none: the user chooses it) and, when the
    // document's number of pages is known (not 0), offering a range within it: where the job
    // goes (a printer, or a PDF file where the machine has none), with the pages and copies
    // asked for; null when the user gives up.
    virtual std::unique_ptr<SortieImpression>
    ChoisirImpression(const QString& titre, std::optional<QPageLayout::Orientation> orientation,
                      int nombrePages) = 0;

    // Tells assistive technologies that something changed (a name, an alert such as "Juste").
    virtual void Annoncer(QObject& objet, QAccessible::Event evenement) = 0;

    // The other full-screen windows (exercises, preferences...): full screen on a desktop.
    virtual void PleinEcran(QWidget& fenetre) = 0;

    // Moves a file to the desktop's trash, from where the teacher can get it back; false when
    // there is no trash for it (a network share, a desktop without one): it is then where it was.
    virtual bool MettreALaCorbeille(const QString& chemin) = 0;
    // Where the user's own settings of the program are kept, outside its folder and its
    // preferences file; empty: they last for the run only.
    virtual QString FichierReglagesUtilisateur(const QString& programme) const {
        Q_UNUSED(programme);
        return {};
    }
};
