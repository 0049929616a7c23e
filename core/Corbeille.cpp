// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Corbeille.h"

#include "core/AccesFichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

using AccesFichier::Nature;

constexpr QFile::Permissions ProprietaireSeul = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// mkpath would give the folders the umask's rights: the rule wants the data folder and the trash
// for their owner alone.
bool CreerDossier(const QString& chemin) {
    const QFileInfo info(chemin);
    if (info.isDir()) return true;
    if (info.exists() || info.isSymLink()) return false;
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath() || !CreerDossier(parent)) return false;
    return QDir().mkdir(chemin, ProprietaireSeul) || QFileInfo(chemin).isDir();
}

// The "files" folders of the trashes the file may rightly go to: the user's, and those the file's
// disk keeps at its root.
QStringList Destinations(const QString& chemin, const QString& corbeille) {
    const QString uid = QString::number(::getuid());
    QStringList destinations{QDir::cleanPath(corbeille + QStringLiteral("/files"))};
    const QStorageInfo disque(QFileInfo(chemin).absolutePath());
    if (disque.isValid()) {
        const QString racine = disque.rootPath();
        destinations << QDir::cleanPath(racine + QStringLiteral("/.Trash/") + uid + QStringLiteral("/files"))
                     << QDir::cleanPath(racine + QStringLiteral("/.Trash-") + uid + QStringLiteral("/files"));
    }
    return destinations;
}

// The note a trash keeps beside "files" about the file dans, which says where it came from.
QString Note(const QString& dans) {
    QDir racine = QFileInfo(dans).absoluteDir();
    racine.cdUp();
    return racine.filePath(QStringLiteral("info/") + QFileInfo(dans).fileName() +
                           QStringLiteral(".trashinfo"));
}

// Qt writes the note without looking whether it went to the disk: on a full disk the file is in
// the trash with an empty note, which no desktop can put back, and which hides it from the trash.
bool NoteComplete(const QString& dans) {
    QFile note(Note(dans));
    if (!note.open(QIODevice::ReadOnly)) return false;
    const QByteArray texte = note.read(64 * 1024);
    return texte.startsWith("[Trash Info]\n") && texte.contains("\nPath=") &&
           texte.contains("\nDeletionDate=") && texte.endsWith('\n');
}

// The file did not arrive where it should: back where it was, without the note written about it,
// nor the folders made for it when they are not a trash.
void Reprendre(const QString& dans, const QString& chemin, bool dansUneCorbeille) {
    if (AccesFichier::NatureDe(chemin) == Nature::Absent)
        std::rename(QFile::encodeName(dans).constData(), QFile::encodeName(chemin).constData());
    QFile::remove(Note(dans));
    if (dansUneCorbeille) return;
    QDir racine = QFileInfo(dans).absoluteDir();
    racine.cdUp();
    racine.rmdir(QStringLiteral("files"));
    racine.rmdir(QStringLiteral("info"));
}

} // namespace

namespace Corbeille {

QString DeLUtilisateur() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
}

bool Preparer(const QString& corbeille) {
    return CreerDossier(corbeille) && CreerDossier(corbeille + QStringLiteral("/files")) &&
           CreerDossier(corbeille + QStringLiteral("/info"));
}

bool Mettre(const QString& chemin) {
    const QString corbeille = DeLUtilisateur();
    if (!Preparer(corbeille)) return false;
    QString dans;
    if (!QFile::moveToTrash(chemin, &dans)) return false;
    const bool dansUneCorbeille =
        Destinations(chemin, corbeille).contains(QDir::cleanPath(QFileInfo(dans).absolutePath()));
    const bool arrive = dansUneCorbeille && AccesFichier::NatureDe(dans) != Nature::Absent &&
                        AccesFichier::NatureDe(chemin) == Nature::Absent && NoteComplete(dans);
    if (!arrive) Reprendre(dans, chemin, dansUneCorbeille);
    return arrive;
}

} // namespace Corbeille
