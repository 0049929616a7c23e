// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EcritureFichier.h"

#include "core/AccesFichier.h"
#include "core/NomDeFichier.h"
#include "core/RaisonFichier.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using AccesFichier::Nature;

// SansPlace: the lock file could not be written, though the folder takes files and its name fits:
// the disk is full.
enum class Prise { Tenue, Occupee, Impossible, SansPlace };

const QString CommentLeVoir = QStringLiteral(
    "c'est un fichier caché du dossier du programme, que le gestionnaire de fichiers montre avec "
    "Ctrl+H");

// What stands at the lock's place and is no lock of the program never frees itself: said at once,
// since waiting would only end in "busy".
QString IntrusALaPlaceDuVerrou(const QString& cheminVerrou) {
    // What cannot be looked at (a name too long) is for the lock's own attempt to tell.
    const Nature nature = AccesFichier::NatureDe(cheminVerrou);
    if (nature == Nature::Absent || nature == Nature::Ordinaire || nature == Nature::Inconnue) return {};
    const QString nom = QFileInfo(cheminVerrou).fileName();
    if (nature == Nature::Dossier)
        return QStringLiteral(
                   "un dossier «\u00a0%1\u00a0» occupe la place du verrou du fichier dans le dossier "
                   "du programme\u00a0; il faut le supprimer")
            .arg(nom);
    return QStringLiteral("à la place du verrou du fichier, «\u00a0%1\u00a0», se trouve %2, qui n'est pas un "
                          "verrou du programme et ne partira pas seul\u00a0; il faut le supprimer (%3)")
        .arg(nom, RaisonFichier::Designation(cheminVerrou, nature), CommentLeVoir);
}

QString NomDuCompte(uid_t uid) {
    const passwd* compte = ::getpwuid(uid);
    return compte ? QString::fromLocal8Bit(compte->pw_name) : QString::number(uid);
}

// A lock older than VerrouPerime is broken by whoever needs it; one that is still there a moment
// later could not be removed: the folder lets only its owner remove it (a shared folder with the
// sticky bit), and waiting will not change that.
QString VerrouInamovible(const QString& cheminVerrou) {
    struct stat etat {};
    if (::lstat(QFile::encodeName(cheminVerrou).constData(), &etat) != 0 || !S_ISREG(etat.st_mode)) return {};
    const qint64 age = QDateTime::currentSecsSinceEpoch() - qint64(etat.st_mtime);
    const auto perime = std::chrono::duration_cast<std::chrono::seconds>(EcritureFichier::VerrouPerime);
    if (age <= perime.count() + 1) return {};
    const QString nom = QFileInfo(cheminVerrou).fileName();
    const QString compte =
        etat.st_uid == ::geteuid()
            ? QStringLiteral(",")
            : QStringLiteral(", laissé par le compte «\u00a0%1\u00a0»,").arg(NomDuCompte(etat.st_uid));
    return QStringLiteral(
               "un ancien verrou du fichier, «\u00a0%1\u00a0»%2 ne peut pas être supprimé par ce "
               "compte-ci\u00a0; il faut que son propriétaire ou l'administrateur le supprime (%3)")
        .arg(nom, compte, CommentLeVoir);
}

// Why the lock file could not be made, though the folder does not refuse it: QLockFile keeps the
// system's error to itself, what the folder shows tells the cause. Empty when it shows none: then
// the disk had no room for the lock file.
QString RaisonSansVerrou(const QString& cheminVerrou) {
    if (!QFileInfo(QFileInfo(cheminVerrou).absolutePath()).isDir())
        return RaisonFichier::Systeme(ENOENT, cheminVerrou, true);
    return RaisonFichier::NomTropLong(cheminVerrou);
}

// QLockFile's own waiting doubles its sleep from 100 ms up to seconds, which queues a whole
// classroom behind one pupil: short, jittered tries instead, until the deadline. Before each try,
// what stands at the lock's place is looked at: QLockFile would open a pipe there and wait forever.
Prise PrendreVerrou(QLockFile& verrou, const QString& cheminVerrou, std::chrono::milliseconds attente,
                    QString& raison) {
    verrou.setStaleLockTime(static_cast<int>(EcritureFichier::VerrouPerime.count()));
    const QDeadlineTimer limite(attente);
    // Two computers that find the same old lock race to remove it: the one that loses sees it
    // still there for a moment. Only a lock that stays is one that cannot be removed.
    std::optional<QDeadlineTimer> resteDepuis;
    for (;;) {
        if (raison = IntrusALaPlaceDuVerrou(cheminVerrou); !raison.isEmpty()) return Prise::Impossible;
        if (verrou.tryLock(0)) return Prise::Tenue;
        if (verrou.error() == QLockFile::PermissionError) {
            raison = QStringLiteral("le dossier du programme est protégé en écriture");
            return Prise::Impossible;
        }
        if (verrou.error() != QLockFile::LockFailedError) {
            raison = RaisonSansVerrou(cheminVerrou);
            if (!raison.isEmpty()) return Prise::Impossible;
            raison = QStringLiteral("le fichier n'a pas pu être réservé, le disque est peut-être plein");
            return Prise::SansPlace;
        }
        if (raison = VerrouInamovible(cheminVerrou); raison.isEmpty())
            resteDepuis.reset();
        else if (!resteDepuis)
            resteDepuis.emplace(std::chrono::milliseconds(250));
        else if (resteDepuis->hasExpired())
            return Prise::Impossible;
        if (limite.hasExpired()) {
            raison = QStringLiteral(
                "le fichier est occupé par un autre ordinateur, il faut réessayer dans un instant");
            return Prise::Occupee;
        }
        QThread::usleep(500 + QRandomGenerator::global()->bounded(2000));
    }
}

// Puts the file back as it was before the append: cut to its former size, or gone if the
// append created it.
void Retablir(const QString& chemin, qint64 tailleAvant, bool cree) {
    if (cree)
        QFile::remove(chemin);
    else
        AccesFichier::Raccourcir(chemin, tailleAvant);
}

// The append proper, the lock held: one write of the whole entry.
bool AjouterSousVerrou(const QString& chemin, const QByteArray& entreeNouveau, const QByteArray& entreeSuite,
                       QString& raison) {
    QFile fichier;
    bool cree = false;
    if (!AccesFichier::OuvrirEnAjout(fichier, chemin, cree, raison)) return false;
    const qint64 tailleAvant = fichier.size();
    const QByteArray& entree = tailleAvant == 0 ? entreeNouveau : entreeSuite;
    const bool ecrit = fichier.write(entree) == entree.size();
    if (!ecrit) raison = RaisonFichier::Ecriture(fichier, chemin);
    fichier.close();
    // A network share may report the failure only when the file is closed.
    if (ecrit && fichier.error() != QFileDevice::NoError) raison = RaisonFichier::Ecriture(fichier, chemin);
    if (ecrit && fichier.error() == QFileDevice::NoError) return true;
    Retablir(chemin, tailleAvant, cree);
    return false;
}

// Only an ordinary file, a link or nothing may be replaced; a file the teacher protected stays so.
bool PeutRemplacer(const QString& chemin, Nature nature, QString& raison) {
    if (nature == Nature::Dossier || nature == Nature::Tube || nature == Nature::Special) {
        raison = RaisonFichier::PasUnFichier(chemin, nature);
        return false;
    }
    if (nature == Nature::Ordinaire && !QFileInfo(chemin).isWritable()) {
        raison = QStringLiteral("le fichier est protégé en écriture");
        return false;
    }
    raison = RaisonFichier::NomTropLong(chemin);
    return raison.isEmpty();
}

// A fresh hidden file beside chemin, for the new content before it takes chemin's place. Made
// here with O_EXCL, it is for sure an ordinary file of this program, not a link somebody put at
// that name; empty when it cannot be made, and raison says why.
QString ReserverNomNeuf(const QString& chemin, RaisonFichier::Lieu lieu, QString& raison) {
    const QDir dossier = QFileInfo(chemin).absoluteDir();
    for (int essai = 0; essai < 16; ++essai) {
        const QString neuf =
            dossier.filePath(QStringLiteral(".enregistrement-%1")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd =
            ::open(QFile::encodeName(neuf).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return neuf;
        }
        if (errno != EEXIST) {
            raison = RaisonFichier::Systeme(errno, neuf, true, lieu);
            return {};
        }
    }
    raison = QStringLiteral("le fichier ne peut pas être écrit");
    return {};
}

// The whole content into the reserved file, through QSaveFile, checked to the last byte.
bool EcrireSousNomNeuf(const QString& neuf, const QByteArray& octets, QFileDevice::Permissions droits,
                       QString& raison) {
    QSaveFile sortie(neuf);
    if (!sortie.open(QIODevice::WriteOnly)) {
        raison = RaisonFichier::Ouverture(sortie, neuf);
        return false;
    }
    if (droits) sortie.setPermissions(droits);
    // flush() before commit(): Qt 6.4's commit() misses a failure while it empties its buffer.
    if (sortie.write(octets) != octets.size() || !sortie.flush()) {
        raison = RaisonFichier::Ecriture(sortie, neuf);
        return false;
    }
    if (sortie.commit()) return true;
    raison = RaisonFichier::Ecriture(sortie, neuf);
    return false;
}

// The work with the lock held. An append under way holds its lock file, which is there: a lock
// that could not even be written means that none is under way, and none can begin before room is
// made; sansPlace lets the work go on then.
bool Travailler(const QString& chemin, const std::function<bool(QString&)>& travail, QString& raison,
                std::chrono::milliseconds attente, bool sansPlace) {
    const QString cheminVerrou = EcritureFichier::FichierVerrou(chemin);
    QLockFile verrou(cheminVerrou);
    const Prise prise = PrendreVerrou(verrou, cheminVerrou, attente, raison);
    if (prise != Prise::Tenue && !(sansPlace && prise == Prise::SansPlace)) return false;
    raison.clear();
    return travail(raison);
}

} // namespace

namespace EcritureFichier {

static_assert(NomDeFichier::OctetsMaxAvecVerrou + 8 == NomDeFichier::OctetsMax,
              "FichierVerrou adds a full stop before the name and \".verrou\" after it");

bool LireTout(const QString& chemin, QByteArray& octets, QString& raison) {
    QFile fichier;
    if (!AccesFichier::OuvrirEnLecture(fichier, chemin, raison)) return false;
    octets = fichier.readAll();
    if (fichier.error() == QFileDevice::NoError) return true;
    raison = RaisonFichier::Lecture(fichier, chemin);
    return false;
}

// The new content goes under a fresh name and then takes the name's place at once: the file is
// never seen half written, and what the name held, a link included, is replaced, never written
// through (QSaveFile alone would write into a link's target).
bool Remplacer(const QString& chemin, const QByteArray& octets, QString& raison, RaisonFichier::Lieu lieu) {
    const Nature nature = AccesFichier::NatureDe(chemin);
    if (!PeutRemplacer(chemin, nature, raison)) return false;
    const QFileDevice::Permissions droits =
        nature == Nature::Ordinaire ? QFileInfo(chemin).permissions() : QFileDevice::Permissions();
    // On a network share the final rename can fail once and pass the second time.
    for (int essai = 0; essai < 2; ++essai) {
        const QString neuf = ReserverNomNeuf(chemin, lieu, raison);
        if (neuf.isEmpty()) return false;
        if (!EcrireSousNomNeuf(neuf, octets, droits, raison)) {
            QFile::remove(neuf);
            continue;
        }
        if (std::rename(QFile::encodeName(neuf).constData(), QFile::encodeName(chemin).constData()) == 0)
            return true;
        const int erreur = errno;
        QFile::remove(neuf);
        raison = QStringLiteral("l'ancien fichier n'a pas pu être remplacé\u00a0: %1")
                     .arg(RaisonFichier::Systeme(erreur, chemin, true, lieu));
    }
    return false;
}

bool Ajouter(const QString& chemin, const QByteArray& entreeNouveau, const QByteArray& entreeSuite,
             QString& raison, std::chrono::milliseconds attente) {
    return SousVerrou(
        chemin, [&](QString& r) { return AjouterSousVerrou(chemin, entreeNouveau, entreeSuite, r); }, raison,
        attente);
}

bool SousVerrou(const QString& chemin, const std::function<bool(QString&)>& travail, QString& raison,
                std::chrono::milliseconds attente) {
    return Travailler(chemin, travail, raison, attente, false);
}

bool SousVerrouPourEffacer(const QString& chemin, const std::function<bool(QString&)>& travail,
                           QString& raison, std::chrono::milliseconds attente) {
    return Travailler(chemin, travail, raison, attente, true);
}

// Where the lock cannot be made (a folder the account may only read, a trap at the lock's place),
// nobody can append either: the file is read as it is.
bool LireSousVerrou(const QString& chemin, QByteArray& octets, QString& raison,
                    std::chrono::milliseconds attente) {
    const QString cheminVerrou = FichierVerrou(chemin);
    QLockFile verrou(cheminVerrou);
    if (PrendreVerrou(verrou, cheminVerrou, attente, raison) == Prise::Occupee) return false;
    raison.clear();
    return LireTout(chemin, octets, raison);
}

QString FichierVerrou(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".verrou"));
}

} // namespace EcritureFichier
