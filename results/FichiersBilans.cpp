// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/FichiersBilans.h"

#include "core/AccesFichier.h"
#include "core/FichierTexte.h"
#include "core/Libelles.h"
#include "core/NomDeFichier.h"
#include "core/PlateForme.h"
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
QString RefusLongueur(const DestinationBilan& destination, const QString& fichier) {
    if (NomDeFichier::Octets(fichier) <= NomDeFichier::OctetsMaxAvecVerrou) return {};
    return QStringLiteral("Le bilan n'a pas été enregistré\u00a0: le nom de la classe %1 est trop long pour "
                          "nommer les fichiers de ses élèves. Demande à ton enseignant de donner à la classe "
                          "un nom plus court.")
        .arg(Guillemets(NomDeFichier::ClasseDeListe(destination.Classe)));
}

// Why the pupil's file cannot be named, or empty.
QString RefusFichierIndividuel(const DestinationBilan& destination, const Bilan& bilan) {
    const QString fichier = NomDeFichier::FichierIndividuel(destination.Classe, bilan.NomEleve);
    return fichier.isEmpty() ? RefusNom(bilan.NomEleve) : RefusLongueur(destination, fichier);
}

EcritureBilan Ajouter(const DestinationBilan& destination, const QString& fichier,
                      const QStringList& entreeNouveau, const QStringList& entreeSuite,
                      std::chrono::milliseconds attente) {
    EcritureBilan ecriture{false, fichier, {}};
    QString raison;
    const QString chemin = AccesFichier::Dans(destination.Dossier, fichier);
    ecriture.Reussie = EcritureFichier::Ajouter(chemin, FichierTexte::EncoderLignes(entreeNouveau),
                                                FichierTexte::EncoderLignes(entreeSuite), raison, attente);
    if (!ecriture.Reussie)
        ecriture.Message = QStringLiteral("Le bilan n'a pas été enregistré dans %1\u00a0: %2.")
                               .arg(Guillemets(fichier), raison);
    return ecriture;
}

} // namespace

EcritureBilan EcrireBilanGeneral(const DestinationBilan& destination, const Bilan& bilan,
                                 std::chrono::milliseconds attente) {
    const QStringList entree = bilan.EntreeGenerale();
    return Ajouter(destination, destination.FichierGeneral, entree, entree, attente);
}

EcritureBilan EcrireBilanIndividuel(const DestinationBilan& destination, const Bilan& bilan,
                                    std::chrono::milliseconds attente) {
    if (const QString refus = RefusFichierIndividuel(destination, bilan); !refus.isEmpty())
        return {false, {}, refus};
    const QString fichier = NomDeFichier::FichierIndividuel(destination.Classe, bilan.NomEleve);
    return Ajouter(destination, fichier, bilan.EntreeIndividuelle(true), bilan.EntreeIndividuelle(false),
                   attente);
}

bool EnregistrerBilan(PlateForme& plate, const DestinationBilan& destination, const Bilan& bilan) {
    if (bilan.NomEleve.trimmed().isEmpty()) return false;
    // Written "?" in the files, two pupils would become the same one.
    if (!Windows1252::PeutCoder(bilan.NomEleve)) {
        plate.Avertir(NomDeFichier::CaracteresNonGardes(bilan.NomEleve) +
                      QStringLiteral(" Le bilan n'a pas été enregistré."));
        return false;
    }
    const bool general = destination.General;
    const bool individuel = destination.Individuel;
    if (const QString refus = individuel ? RefusFichierIndividuel(destination, bilan) : QString();
        !refus.isEmpty()) {
        plate.Avertir(refus);
        return false;
    }
    EcritureBilan ecriture;
    if (general && !(ecriture = EcrireBilanGeneral(destination, bilan)).Reussie) {
        plate.Avertir(ecriture.Message);
        return false;
    }
    if (individuel && !(ecriture = EcrireBilanIndividuel(destination, bilan)).Reussie) {
        // Said plainly, so that nobody saves the game a second time into the general file.
        const QString deja = general ? QStringLiteral(" Il a bien été enregistré dans %1.")
                                           .arg(Guillemets(destination.FichierGeneral))
                                     : QString();
        plate.Avertir(ecriture.Message + deja);
        return false;
    }
    return true;
}
