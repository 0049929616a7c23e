// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EcritureFichier.h"

#include <QString>

struct Bilan;
class PlateForme;

// Where "Enregistrer" writes and what it writes, as the program's folder and preferences say.
struct DestinationBilan {
    QString Dossier;         // the program folder
    QString FichierGeneral;  // the general results file's name in it
    QString Classe;          // the class list the pupil picked ("CE1.elv"); empty: none
    bool General = false;    // EnregistrerBilans
    bool Individuel = false; // BilansIndividuels
};

// What one write of a results file gave: the file (its name in the program folder) and, when
// it failed, the French sentence to show, with the reason. A failed write leaves the file as it
// was.
struct EcritureBilan {
    bool Reussie = false;
    QString Fichier;
    QString Message;
};

// Appends the record to the general results file: one entry, written whole.
[[nodiscard]] EcritureBilan
EcrireBilanGeneral(const DestinationBilan& destination, const Bilan& bilan,
                   std::chrono::milliseconds attente = EcritureFichier::AttenteVerrou);

// Appends the record to the pupil's own file, named from the destination's class and the record's
// name; a file created by this entry first receives the name. A name that leaves nothing usable
// for a file name, or a class too long for its pupils' file names, is refused, nothing written.
[[nodiscard]] EcritureBilan
EcrireBilanIndividuel(const DestinationBilan& destination, const Bilan& bilan,
                      std::chrono::milliseconds attente = EcritureFichier::AttenteVerrou);

// "Enregistrer" of the results window: the general file if asked, then the pupil's file if
// asked. A name the individual file cannot take is refused before anything is
// written; the first failure stops the save. Every refusal or failure is shown (PlateForme::Avertir).
// True when everything asked for was written; false also for an empty name, without a message.
bool EnregistrerBilan(PlateForme& plate, const DestinationBilan& destination, const Bilan& bilan);
