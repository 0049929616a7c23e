// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AccesFichier.h"

#include "core/RaisonFichier.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using AccesFichier::Nature;

Nature NatureDuMode(mode_t mode) {
    if (S_ISREG(mode)) return Nature::Ordinaire;
    if (S_ISLNK(mode)) return Nature::Lien;
    if (S_ISDIR(mode)) return Nature::Dossier;
    if (S_ISFIFO(mode)) return Nature::Tube;
    return Nature::Special;
}

// O_NOFOLLOW makes a link fail the opening, O_NONBLOCK makes a pipe without a writer (or reader)
// answer at once instead of holding the program; what was opened is then looked at once more,
// since the name may have changed between the look and the opening.
int OuvrirSansSuivre(const QString& chemin, int drapeaux, QString& raison) {
    const QByteArray nom = QFile::encodeName(chemin);
    const int fd = ::open(nom.constData(), drapeaux | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int erreur = errno;
        const Nature nature = AccesFichier::NatureDe(chemin);
        raison = nature != Nature::Ordinaire && nature != Nature::Absent && nature != Nature::Inconnue
                     ? RaisonFichier::PasUnFichier(chemin, nature)
                     : RaisonFichier::Systeme(erreur, chemin, (drapeaux & O_ACCMODE) != O_RDONLY);
        return -1;
    }
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        raison = RaisonFichier::PasUnFichier(chemin, NatureDuMode(etat.st_mode));
        ::close(fd);
        return -1;
    }
    return fd;
}

bool Confier(QFile& fichier, int fd, QIODevice::OpenMode mode, const QString& chemin, QString& raison) {
    if (fichier.open(fd, mode, QFileDevice::AutoCloseHandle)) return true;
    ::close(fd);
    raison = RaisonFichier::Ouverture(fichier, chemin);
    return false;
}

} // namespace

namespace AccesFichier {

QString Dans(const QString& dossier, const QString& nom) {
    if (nom.startsWith(QLatin1Char('/'))) return nom;
    if (dossier.isEmpty()) return nom.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + nom : nom;
    return dossier.endsWith(QLatin1Char('/')) ? dossier + nom : dossier + QLatin1Char('/') + nom;
}

Nature NatureDe(const QString& chemin) {
    struct stat etat {};
    if (::lstat(QFile::encodeName(chemin).constData(), &etat) == 0) return NatureDuMode(etat.st_mode);
    return errno == ENOENT || errno == ENOTDIR ? Nature::Absent : Nature::Inconnue;
}

QString CibleDuLien(const QString& chemin) {
    QByteArray cible(4096, '\0');
    const ssize_t n = ::readlink(QFile::encodeName(chemin).constData(), cible.data(), cible.size());
    return n < 0 ? QString() : QFile::decodeName(cible.left(n));
}

bool OuvrirEnLecture(QFile& fichier, const QString& chemin, QString& raison) {
    const int fd = OuvrirSansSuivre(chemin, O_RDONLY, raison);
    return fd >= 0 && Confier(fichier, fd, QIODevice::ReadOnly, chemin, raison);
}

// Opening without O_CREAT first tells for sure whether this append creates the file, which a
// failed append must then remove; O_EXCL keeps the creation from reaching through a link.
bool OuvrirEnAjout(QFile& fichier, const QString& chemin, bool& cree, QString& raison) {
    cree = false;
    int fd = -1;
    for (int essai = 0; fd < 0 && essai < 3; ++essai) {
        fd = OuvrirSansSuivre(chemin, O_WRONLY | O_APPEND, raison);
        if (fd >= 0 || NatureDe(chemin) != Nature::Absent) break;
        fd = OuvrirSansSuivre(chemin, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, raison);
        cree = fd >= 0;
        // Another computer created it in between: it is appended to like any existing file.
        if (fd < 0 && NatureDe(chemin) == Nature::Absent) break;
    }
    return fd >= 0 && Confier(fichier, fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                              chemin, raison);
}

bool Raccourcir(const QString& chemin, qint64 taille) {
    QString raison;
    const int fd = OuvrirSansSuivre(chemin, O_WRONLY, raison);
    if (fd < 0) return false;
    const bool fait = ::ftruncate(fd, taille) == 0;
    ::close(fd);
    return fait;
}

} // namespace AccesFichier
