// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EcritureFichier.h"
#include "core/PlateForme.h"
#include "core/TexteAOuvrir.h"
#include "editor/FichierEditeur.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QTextDocument;

// The text the editor holds and the file it belongs to: the menu commands of the editor
// without its window. A file is written back in the form it was read in, or in the type the
// teacher chose when saving it under a name. A results file (handed over by the menu, or opened
// by hand from the program folder) always stays plain text, and is written back under the lock
// of the appends, after asking when pupils added to it since it was opened. A rich text that
// held what the editor cannot show (pictures, headers...) is written over only after asking.
// Questions, dialogs and messages go through the platform.
//
// A file is read into a document of its own, which replaces the one shown once it is whole:
// the window may show how far the reading is, and stop it, the text on screen untouched.
class TexteEnCours {
  public:
    // The program folder and the name of its general results file: the editor's dialogs start in
    // that folder, and its results files stay plain.
    TexteEnCours(PlateForme& plate, const QString& dossier, const QString& fichierGeneral);
    ~TexteEnCours();

    QTextDocument& Document() const { return *document; }
    // Told of each new document, before the former one goes: the window shows it.
    std::function<void(QTextDocument&)> documentRemplace;
    // Reads a file into its new document; false when the teacher stopped it. Unset, the whole
    // file is read at once.
    std::function<bool(FichierEditeur::Lecture&, const QString& chemin)> lireEnTranches;

    // The window is shown: the results file asked for, otherwise a start with no file (the text
    // itself is kept).
    void Activer(const TexteAOuvrir& texte);
    // The program folder, where the dialogs start and the results files lie.
    void DefinirDossier(const QString& dossierProgramme) { dossier = dossierProgramme; }
    void Nouveau();
    void Ouvrir();
    // False when nothing was written (given up, refused or failed; a failure is said).
    bool Enregistrer();
    bool EnregistrerSous();
    // True when the window may close; the text is then emptied.
    bool Quitter();
    void Imprimer();
    // Every change of the document, whatever made it.
    void Modifier() { TexteModifie = true; }

    // Plain text: what is pasted into it is plain too.
    bool TexteSeulement() const { return !forme.riche; }
    bool EstUnBilan() const { return bilan; }
    const FichierEditeur::Forme& FormeDuFichier() const { return forme; }
    // What the file held that the editor does not show; empty once the editor wrote the text.
    OmissionsRtf Omissions() const { return omissions; }

    QString NomFichierTexte; // the file last opened or saved, full path
    bool TexteNomme = false; // "&Enregistrer" writes into NomFichierTexte without asking a name
    bool TexteModifie = false;

    // How long a write into a results file waits for a pupil's append.
    std::chrono::milliseconds attenteVerrou = EcritureFichier::AttenteVerrou;

    // The two types of the dialogs, rich text first.
    static const QStringList Types;

  private:
    PlateForme::Reponse Confirmation();
    void OuvrirTexte();
    bool Charger(const QString& chemin, bool estBilan);
    std::unique_ptr<QTextDocument> NouveauDocument() const;
    bool EnregistrerSous(const QString& proposition);
    bool AccepterLaPerte(const QString& chemin, bool autreNomPropose);
    bool Ecrire(const QString& chemin, FichierEditeur::Forme voulue);
    bool Encoder(const FichierEditeur::Forme& voulue, QByteArray& octets);
    bool RemplacerBilan(const QString& chemin, const QByteArray& octets, QString& raison);
    bool EstBilan(const QString& chemin) const;
    void Vider();

    void RetourRepertoire();

    PlateForme& plate;
    QString dossier;
    QString fichierGeneral;
    std::unique_ptr<QTextDocument> document;
    FichierEditeur::Forme forme;
    OmissionsRtf omissions;
    bool bilan = false;                  // NomFichierTexte is a results file
    std::optional<QByteArray> octetsLus; // that file as read or last written here
};
