// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

// What any account of a classroom can leave in a shared program folder: a link to somebody else's
// file, dangling or not, a named pipe that blocks whoever opens it.
namespace Pieges {

inline bool Lien(const QString& chemin, const QString& cible) {
    return ::symlink(QFile::encodeName(cible).constData(), QFile::encodeName(chemin).constData()) == 0;
}

inline bool Tube(const QString& chemin) {
    return ::mkfifo(QFile::encodeName(chemin).constData(), 0666) == 0;
}

inline bool EstTube(const QString& chemin) {
    struct stat etat {};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISFIFO(etat.st_mode);
}

inline bool EstLien(const QString& chemin) {
    struct stat etat {};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISLNK(etat.st_mode);
}

} // namespace Pieges

// While it lives, this thread meets the files as the account "nobody" does: the tests run as root,
// whom no permission stops otherwise. Folders it must reach have to be open to others.
class CommeUnAutreCompte {
  public:
    static constexpr uid_t Personne = 65534;
    CommeUnAutreCompte() {
        ::setfsgid(Personne);
        ::setfsuid(Personne);
    }
    ~CommeUnAutreCompte() {
        ::setfsuid(::geteuid());
        ::setfsgid(::getegid());
    }
    CommeUnAutreCompte(const CommeUnAutreCompte&) = delete;
    CommeUnAutreCompte& operator=(const CommeUnAutreCompte&) = delete;
};

// A test that would wait for ever on a pipe ends after a while, failed, instead of holding the run.
class GardeContreLAttente {
  public:
    explicit GardeContreLAttente(unsigned secondes = 60) { ::alarm(secondes); }
    ~GardeContreLAttente() { ::alarm(0); }
    GardeContreLAttente(const GardeContreLAttente&) = delete;
    GardeContreLAttente& operator=(const GardeContreLAttente&) = delete;
};
