// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFile;

// The program folder is often a classroom share that every account may write in: a name there can
// hold a link to somebody's own file, a named pipe that blocks whoever opens it, a device. The
// program opens only what it expects, an ordinary file, and never through a link: what a name holds
// is looked at before anything is opened, and the opening itself neither follows a link nor waits.
namespace AccesFichier {

// nom inside dossier. QDir::filePath and QFileInfo take a name that starts with ":" for one of Qt's
// built-in resources, and QDir::filePath then returns that name alone: a share may hold a file so
// named, and a teacher may give such a folder, which must still be found on the disk.
QString Dans(const QString& dossier, const QString& nom);

enum class Nature {
    Absent,
    Ordinaire,
    Lien, // dangling or not
    Dossier,
    Tube,    // a named pipe (FIFO)
    Special, // a socket or a device
    Inconnue // the name cannot be looked at (a folder on the way that cannot be read)
};

// What the name itself holds, never what a link leads to.
Nature NatureDe(const QString& chemin);

// Where a link leads, as it is written in it.
QString CibleDuLien(const QString& chemin);

// The opened file is an ordinary file, reached without a link (it is opened from its descriptor,
// and fileName() stays empty). On failure the file is closed and raison says why, in French.
bool OuvrirEnLecture(QFile& fichier, const QString& chemin, QString& raison);

// For appending: an absent file is created (cree is then true), an existing one is written at its
// end.
bool OuvrirEnAjout(QFile& fichier, const QString& chemin, bool& cree, QString& raison);

// Cuts an ordinary file back to taille (a link or anything else is left alone); false when it
// could not be done.
bool Raccourcir(const QString& chemin, qint64 taille);

} // namespace AccesFichier
