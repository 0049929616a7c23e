// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/FichiersBilans.h"

#include "core/FichierTexte.h"
#include "core/Libelles.h"
#include "core/NomDeFichier.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "core/Windows1252.h"
#include "results/Bilan.h"

#include <QDir>

namespace {

using Libelles::Guillemets;

QString RefusNom(const QString& nom) {
    return QStringLiteral(
               "Le bilan n'a pas été enregistré\u00a0: le nom %1 ne garde aucune lettre qui puisse "
               "servir de nom de fichier. Écris ton nom avec des lettres.")
        .arg(Guillemets(nom));
}

// The class comes from a list file's name, which may have been made elsewhere than in the class
// editor: its pupils' files, with their locks, must still fit the file systems' names.
QString RefusLongueur(const Programme& prog, const QString& fichier) {
    if (NomDeFichier::Octets(fichier) <= NomDeFichier::OctetsMaxAvecVerrou) return {};
    return QStringLiteral("Le bilan n'a pas été enregistré\u00a0: le nom de la classe %1 est trop long pour "
                          "nommer les fichiers de ses élèves. Demande à ton enseignant de donner à la classe "
                          "un nom plus court.")
        .arg(Guillemets(NomDeFichier::ClasseDeListe(prog.Prefs.ListeClasse)));
}

// Why the pupil's file cannot be named, or empty.
QString RefusFichierIndividuel(const Programme& prog, const Bilan& bilan) {
    const QString fichier = NomDeFichier::FichierIndividuel(prog.Prefs.ListeClasse, bilan.NomEleve);
    return fichier.isEmpty() ? RefusNom(bilan.NomEleve) : RefusLongueur(prog, fichier);
}

QString FichierGeneral(const Programme& prog) {
    return prog.FichierBilan.isEmpty() ? prog.Profil().FichierBilan : prog.FichierBilan;
}

EcritureBilan Ajouter(const Programme& prog, const QString& fichier, const QStringList& entreeNouveau,
                      const QStringList& entreeSuite, std::chrono::milliseconds attente) {
    EcritureBilan ecriture{false, fichier, {}};
    QString raison;
    const QString chemin = QDir(prog.Dossier()).filePath(fichier);
    ecriture.Reussie = EcritureFichier::Ajouter(chemin, FichierTexte::EncoderLignes(entreeNouveau),
                                                FichierTexte::EncoderLignes(entreeSuite), raison, attente);
    if (!ecriture.Reussie)
        ecriture.Message = QStringLiteral("Le bilan n'a pas été enregistré dans %1\u00a0: %2.")
                               .arg(Guillemets(fichier), raison);
    return ecriture;
}

} // namespace

EcritureBilan EcrireBilanGeneral(const Programme& prog, const Bilan& bilan,
                                 std::chrono::milliseconds attente) {
    const QStringList entree = bilan.EntreeGenerale();
    return Ajouter(prog, FichierGeneral(prog), entree, entree, attente);
}

EcritureBilan EcrireBilanIndividuel(const Programme& prog, const Bilan& bilan,
                                    std::chrono::milliseconds attente) {
    if (const QString refus = RefusFichierIndividuel(prog, bilan); !refus.isEmpty())
        return {false, {}, refus};
    const QString fichier = NomDeFichier::FichierIndividuel(prog.Prefs.ListeClasse, bilan.NomEleve);
    return Ajouter(prog, fichier, bilan.EntreeIndividuelle(true), bilan.EntreeIndividuelle(false), attente);
}

bool EnregistrerBilan(const Programme& prog, const Bilan& bilan) {
    if (bilan.NomEleve.trimmed().isEmpty()) return false;
    // Written "?" in the files, two pupils would become the same one.
    if (!Windows1252::PeutCoder(bilan.NomEleve)) {
        prog.Plate().Avertir(NomDeFichier::CaracteresNonGardes(bilan.NomEleve) +
                             QStringLiteral(" Le bilan n'a pas été enregistré."));
        return false;
    }
    const bool general = prog.Prefs.EnregistrerBilans;
    const bool individuel = prog.Prefs.BilansIndividuels;
    if (const QString refus = individuel ? RefusFichierIndividuel(prog, bilan) : QString();
        !refus.isEmpty()) {
        prog.Plate().Avertir(refus);
        return false;
    }
    EcritureBilan ecriture;
    if (general && !(ecriture = EcrireBilanGeneral(prog, bilan)).Reussie) {
        prog.Plate().Avertir(ecriture.Message);
        return false;
    }
    if (individuel && !(ecriture = EcrireBilanIndividuel(prog, bilan)).Reussie) {
        // Said plainly, so that nobody saves the game a second time into the general file.
        const QString deja =
            general
                ? QStringLiteral(" Il a bien été enregistré dans %1.").arg(Guillemets(FichierGeneral(prog)))
                : QString();
        prog.Plate().Avertir(ecriture.Message + deja);
        return false;
    }
    return true;
}
