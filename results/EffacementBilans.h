// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EcritureFichier.h"

#include <QString>
#include <QStringList>

class PlateForme;

// Erasing a year of results is the teacher's decision, taken once and undone if need be: a
// question says how many files go, they go to the desktop's trash, and only the ones the trash
// cannot take are erased for good, after a second question. Each file is erased under the lock
// of the appends, so that a pupil saving at that moment loses nothing. The questions and the
// message about files that stayed go through the platform.
namespace EffacementBilans {

struct CompteRendu {
    bool Accepte = false;    // the teacher said yes to the first question
    QStringList Effaces;     // gone, to the trash or for good
    int DansLaCorbeille = 0; // of them, in the trash
    QStringList Gardes;      // kept: the trash could not take them and the teacher kept them
    QStringList Echecs;      // could not be erased (their reasons are in the message shown)
    QString Message;         // the window's result line; empty when nothing was asked
};

// Whether something that can be erased stands at chemin: a file, or what took a file's place (a
// link, dangling or not, a pipe), which only erasing can take away; not a folder.
bool Present(const QString& chemin);

// The general results file fichier of the program folder dossier.
CompteRendu EffacerBilanGeneral(PlateForme& plate, const QString& dossier, const QString& fichier,
                                std::chrono::milliseconds attente = EcritureFichier::AttenteVerrou);

// The individual results files named, all of the program folder dossier.
CompteRendu EffacerBilansIndividuels(PlateForme& plate, const QString& dossier, const QStringList& fichiers,
                                     std::chrono::milliseconds attente = EcritureFichier::AttenteVerrou);

} // namespace EffacementBilans
