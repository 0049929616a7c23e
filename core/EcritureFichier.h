// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/RaisonFichier.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>

// The two safe ways the programs write a file, both checked to the last byte; on failure the
// file is as it was and raison says why, in French. Neither ever writes through a link or opens
// anything but an ordinary file (AccesFichier): the program folder is shared with every account
// of a classroom.
namespace EcritureFichier {

// How long an append waits for another computer of the classroom to finish its own, and the age
// after which a lock left behind by a computer switched off mid-write is broken (the clocks of
// the classroom must agree to within that age: the lock's date comes from the share).
constexpr std::chrono::milliseconds AttenteVerrou{8000};
constexpr std::chrono::milliseconds VerrouPerime{5000};

// Whole-file read: false, with the reason, when the file cannot be opened or read to its end, and
// when the name holds a link, a pipe, a folder or a device instead of an ordinary file.
bool LireTout(const QString& chemin, QByteArray& octets, QString& raison);

// Whole-file write (preferences, class lists, the editor's texts): the new content replaces the
// old at once. A link at that name is replaced by the file, its target left as it was; a pipe, a
// folder or a device there is refused. lieu says how a folder that refuses the file is named.
bool Remplacer(const QString& chemin, const QByteArray& octets, QString& raison,
               RaisonFichier::Lieu lieu = RaisonFichier::Lieu::DossierDuProgramme);

// Appends one whole entry, under a lock taken beside the file (a hidden ".<name>.verrou"), so
// that the computers sharing the program folder never mix their entries. A link at the file's
// name is refused, as is anything at the lock's place that is not a lock (said at once). entreeNouveau goes
// into a file that is absent or empty (it may carry a header), entreeSuite into one that has
// content. A failed write takes back what it wrote; a file it created is removed again.
bool Ajouter(const QString& chemin, const QByteArray& entreeNouveau, const QByteArray& entreeSuite,
             QString& raison, std::chrono::milliseconds attente = AttenteVerrou);

// Runs travail while holding the lock that Ajouter takes: whoever erases or rewrites a results file
// then never cuts a pupil's entry in half nor loses one written a moment before. False, travail not
// run, when the lock cannot be had; otherwise travail's answer (it says why it failed in raison).
bool SousVerrou(const QString& chemin, const std::function<bool(QString& raison)>& travail, QString& raison,
                std::chrono::milliseconds attente = AttenteVerrou);

// SousVerrou for whoever erases a results file, which is what gives room back: on a disk too full
// for even the lock file, travail runs without it.
bool SousVerrouPourEffacer(const QString& chemin, const std::function<bool(QString& raison)>& travail,
                           QString& raison, std::chrono::milliseconds attente = AttenteVerrou);
// Whole read of a file that others append to (the results files): under their lock, so that an
// entry being written is never read in half. Where the lock cannot be made (a folder this account
// may only read, something else at the lock's place), nobody appends: the file is read without
// it. False when the lock stays busy, or the file itself cannot be read as LireTout says.
bool LireSousVerrou(const QString& chemin, QByteArray& octets, QString& raison,
                    std::chrono::milliseconds attente = AttenteVerrou);

// The lock file of a results file, for the windows that list the folder.
QString FichierVerrou(const QString& chemin);

} // namespace EcritureFichier
