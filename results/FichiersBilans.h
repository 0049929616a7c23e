// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EcritureFichier.h"

#include <QString>

struct Bilan;
class Programme;

// What one write of a results file gave: the file (its name in the program folder) and, when
// it failed, the French sentence to show, with the reason. A failed write leaves the file as it
// was.
struct EcritureBilan {
    bool Reussie = false;
    QString Fichier;
    QString Message;
};

// Appends the record to the general results file (FichierBilan): one entry, written whole.
[[nodiscard]] EcritureBilan
EcrireBilanGeneral(const Programme& prog, const Bilan& bilan,
                   std::chrono::milliseconds attente = EcritureFichier::AttenteVerrou);

// Appends the record to the pupil's own file, named from Prefs.ListeClasse and the record's
// name; a file created by this entry first receives the name. A name that leaves nothing usable
// for a file name, or a class too long for its pupils' file names, is refused, nothing written.
[[nodiscard]] EcritureBilan
EcrireBilanIndividuel(const Programme& prog, const Bilan& bilan,
                      std::chrono::milliseconds attente = EcritureFichier::AttenteVerrou);

// "Enregistrer" of the results window: the general file if EnregistrerBilans, then the pupil's
// file if BilansIndividuels. A name the individual file cannot take is refused before anything is
// written; the first failure stops the save. Every refusal or failure is shown (PlateForme::Avertir).
// True when everything asked for was written; false also for an empty name, without a message.
bool EnregistrerBilan(const Programme& prog, const Bilan& bilan);
