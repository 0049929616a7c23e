// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed as a pupil's name, a class name, or held as the class list in the preferences
// (UTF-16 code units as they come: NUL, controls, lone surrogates included), through the file-name
// cleaner. What it gives is empty or a plain file name of the program folder: no separator, no
// NUL, not "." or "..". A class the class editor takes, and a pupil's name the results window
// saves, make names within the 255 bytes a file system takes, lock file included. And the
// results-file name parser reads back the class and the pupil the name was made of.
#include "Harnais.h"

#include "core/EcritureFichier.h"
#include "core/NomDeFichier.h"
#include "core/Windows1252.h"
#include "results/BilansIndividuels.h"

#include <QDir>
#include <QFile>

using Harnais::Exiger;
using Harnais::Montrer;

namespace {

const QString Dossier = QStringLiteral("/srv/classe");
constexpr int OctetsNomMax = 255; // NAME_MAX of the usual file systems

bool NomSimple(const QString& nom) {
    return !nom.isEmpty() && nom != QLatin1String(".") && nom != QLatin1String("..") &&
           !nom.contains(QLatin1Char('/')) && !nom.contains(QChar(u'\0'));
}

// The name stays a file of the folder, whatever the path functions make of it.
bool DansLeDossier(const QString& nom) {
    return QFileInfo(QDir::cleanPath(QDir(Dossier).filePath(nom))).absolutePath() == Dossier;
}

void ExigerNomDuDossier(const QString& nom, bool borne, const char* propriete) {
    Exiger(NomSimple(nom) && DansLeDossier(nom) && (!borne || QFile::encodeName(nom).size() <= OctetsNomMax),
           propriete, Montrer(nom));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // The first byte cuts the text in two: the class list of the preferences (at most 100
    // characters), then the pupil's name (at most 50, as the results window keeps it).
    if (taille == 0) return 0;
    const QString texte = Harnais::EnUtf16(Harnais::Octets(donnees + 1, taille - 1));
    const QString liste = texte.left(donnees[0] % 101);
    const QString eleve = texte.mid(liste.size()).left(50);

    const QString propre = NomDeFichier::SansCaracteresInterdits(texte);
    Exiger(NomDeFichier::SansCaracteresInterdits(propre) == propre, "a cleaned name is clean",
           Montrer(propre));

    const QString individuel = NomDeFichier::FichierIndividuel(liste, eleve);
    if (!individuel.isEmpty()) {
        const QString classe =
            liste.isEmpty() ? BilansIndividuels::ClasseIndividuelle : NomDeFichier::ClasseDeListe(liste);
        QString refus;
        const bool borne = (liste.isEmpty() || !NomDeFichier::FichierListe(classe, refus).isEmpty()) &&
                           Windows1252::PeutCoder(eleve);
        ExigerNomDuDossier(individuel, borne, "a pupil's results file is a plain name of the folder");
        ExigerNomDuDossier(
            QFileInfo(EcritureFichier::FichierVerrou(QDir(Dossier).filePath(individuel))).fileName(), borne,
            "so is the lock beside it");
        if (!classe.isEmpty()) {
            const QString lu = BilansIndividuels::Eleve(individuel, classe);
            Exiger(!lu.isEmpty() && BilansIndividuels::NomFichier(classe, lu) == individuel,
                   "the parser reads back the pupil of the name", Montrer(individuel) + "\n" + Montrer(lu));
        }
    }

    QString refus;
    const QString liste2 = NomDeFichier::FichierListe(eleve, refus);
    Exiger(liste2.isEmpty() != refus.isEmpty(), "a class name is either taken or refused with a reason");
    if (!liste2.isEmpty()) {
        ExigerNomDuDossier(liste2, true, "a class list is a plain name of the folder");
        Exiger(!liste2.startsWith(QLatin1Char('.')) && liste2.endsWith(NomDeFichier::ExtensionListe),
               "a class list is a visible .elv file", Montrer(liste2));
        Exiger(NomDeFichier::ClasseDeListe(liste2) == eleve, "the class list gives back its class",
               Montrer(liste2));
    }
    return 0;
}
