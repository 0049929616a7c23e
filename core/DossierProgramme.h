// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProfilProgramme.h"

#include <QString>
#include <QStringList>

// The program folder: where a program finds its pictures and help and writes its preferences,
// results and class lists. It is never the folder of the executable, which an installed program
// cannot write. In order:
//   1. the folder named by "--dossier DIR";
//   2. the current directory when it already holds the program's files (a copy run in place, as
//      "make run" does), unless it is the folder of the delivered files themselves;
//   3. the folder named in /etc/<program>.conf by a line "dossier = DIR" (a classroom's share);
//   4. a visible folder in the user's home, ~/Carrelis or ~/Navirelle.
// Whatever the folder, the delivered pictures and help are copied into it when missing.

enum class OrigineDossier { Option, DossierCourant, ReglageSysteme, Personnel };

// What the start-up sees, gathered by the program entry so that the rule runs without it.
struct SituationDemarrage {
    QString DossierCourant;
    QString DossierPersonnel; // the user's home
    QString DossierLivre;     // the delivered pictures and help; empty when there are none
    QString Option;           // the value of --dossier; empty when not given
    QString Reglage;          // the text of the system-wide setting file; empty when none
    QString FichierReglage;   // its name, for the messages
};

struct DossierChoisi {
    QString Chemin;
    OrigineDossier Origine = OrigineDossier::Personnel;
};

enum class EtatDossier {
    Pret,            // exists, or was created, and a file can be written in it
    NonInscriptible, // exists but nothing can be written in it
    Plein,           // exists and files can be made in it, but its disk has no room left for a byte
    Introuvable,     // does not exist and cannot be created
};

// The program folder and what the user must be told about it before the menu shows.
struct DossierDeTravail {
    QString Chemin;
    QStringList Avertissements;
};

// The system-wide setting file of a program, /etc/carrelis.conf or /etc/navirelle.conf.
QString FichierReglageSysteme(const ProfilProgramme& profil);

// The folder named by the setting text: the last line "dossier = DIR" (any case, blanks around
// the sign, quotes around DIR allowed); "#" and ";" start comments, "[...]" lines are ignored.
// "~" at the start stands for the user's home, and a relative folder starts from there. Empty
// when no line names one.
QString LireReglageDossier(const QString& texte, const QString& personnel);

// Whether a folder already holds this program's own files (help, preferences or menu picture).
bool TientSesFichiers(const QString& dossier, const ProfilProgramme& profil);

// The files delivered with the program, copied into its folder when missing.
QStringList FichiersLivres(const ProfilProgramme& profil);

// The folder the rule above chooses, as an absolute clean path; a relative --dossier starts from
// the current directory, "~/" from the home.
DossierChoisi ChoisirDossier(const ProfilProgramme& profil, const SituationDemarrage& situation);

// Creates the folder (its parents too when creerParents, otherwise only the folder itself, so
// that a share that is not mounted is not silently replaced by a local folder), checks that a
// file can be written in it, and copies each delivered file that is missing there or older
// than the delivered one. A file the teacher changed since stays.
EtatDossier PreparerDossier(const QString& chemin, bool creerParents, const QString& livre,
                            const QStringList& fichiers);

// The whole rule: the chosen folder prepared; when it cannot be used, the per-user folder, and
// a French message saying so; when neither can, the chosen folder all the same, or the current
// directory when it does not exist, with a message saying that nothing will be saved. A folder
// whose disk is full stays the program's, with a message saying so: its class lists and results
// are there, and erasing results is what makes room.
DossierDeTravail EtablirDossier(const ProfilProgramme& profil, const SituationDemarrage& situation);

class PlateForme;

// Brings the current directory back to the program folder, which file dialogs may have moved;
// says it when the folder is gone.
void RetourRepertoire(PlateForme& plate, const QString& dossier);
