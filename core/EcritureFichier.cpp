#include "core/EcritureFichier.h"

#include "core/RaisonFichier.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

namespace {

// QLockFile's own waiting doubles its sleep from 100 ms up to seconds, which queues a whole
// classroom behind one pupil: short, jittered tries instead, until the deadline.
bool PrendreVerrou(QLockFile& verrou, const QString& cheminVerrou, std::chrono::milliseconds attente,
                   QString& raison) {
    // A folder where the lock goes never frees itself: waiting for it would end in "busy".
    if (QFileInfo(cheminVerrou).isDir()) {
        raison =
            QStringLiteral("un dossier «\u00a0%1\u00a0» occupe la place du verrou du fichier dans le dossier "
                           "du programme ; il faut le supprimer")
                .arg(QFileInfo(cheminVerrou).fileName());
        return false;
    }
    verrou.setStaleLockTime(static_cast<int>(EcritureFichier::VerrouPerime.count()));
    const QDeadlineTimer limite(attente);
    for (;;) {
        if (verrou.tryLock(0)) return true;
        if (verrou.error() == QLockFile::PermissionError) {
            raison = QStringLiteral("le dossier du programme est protégé en écriture");
            return false;
        }
        if (verrou.error() != QLockFile::LockFailedError) {
            raison = QStringLiteral("le fichier n'a pas pu être réservé, le disque est peut-être plein");
            return false;
        }
        if (limite.hasExpired()) {
            raison = QStringLiteral(
                "le fichier est occupé par un autre ordinateur, il faut réessayer dans un instant");
            return false;
        }
        QThread::usleep(500 + QRandomGenerator::global()->bounded(2000));
    }
}

// Puts the file back as it was before the append: cut to its former size, or gone if the
// append created it.
void Retablir(const QString& chemin, qint64 tailleAvant, bool existait) {
    if (!existait) {
        QFile::remove(chemin);
        return;
    }
    QFile fichier(chemin);
    if (fichier.size() != tailleAvant) fichier.resize(tailleAvant);
}

// The append proper, the lock held: one write of the whole entry.
bool AjouterSousVerrou(const QString& chemin, const QByteArray& entreeNouveau, const QByteArray& entreeSuite,
                       QString& raison) {
    const bool existait = QFileInfo::exists(chemin);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::Append | QIODevice::Unbuffered)) {
        raison = RaisonFichier::Ouverture(fichier);
        return false;
    }
    const qint64 tailleAvant = fichier.size();
    const QByteArray& entree = tailleAvant == 0 ? entreeNouveau : entreeSuite;
    const bool ecrit = fichier.write(entree) == entree.size();
    if (!ecrit) raison = RaisonFichier::Ecriture(fichier);
    fichier.close();
    // A network share may report the failure only when the file is closed.
    if (ecrit && fichier.error() != QFileDevice::NoError) raison = RaisonFichier::Ecriture(fichier);
    if (ecrit && fichier.error() == QFileDevice::NoError) return true;
    Retablir(chemin, tailleAvant, existait);
    return false;
}

} // namespace

namespace EcritureFichier {

bool LireTout(const QString& chemin, QByteArray& octets, QString& raison) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        raison = RaisonFichier::Lecture(fichier);
        return false;
    }
    octets = fichier.readAll();
    if (fichier.error() == QFileDevice::NoError) return true;
    raison = RaisonFichier::Lecture(fichier);
    return false;
}

bool Remplacer(const QString& chemin, const QByteArray& octets, QString& raison) {
    // On a network share the final rename can fail once and pass the second time.
    for (int essai = 0; essai < 2; ++essai) {
        QSaveFile sortie(chemin);
        if (!sortie.open(QIODevice::WriteOnly)) {
            raison = RaisonFichier::Ouverture(sortie);
            continue;
        }
        // flush() before commit(): Qt 6.4's commit() misses a failure while it empties its buffer.
        if (sortie.write(octets) != octets.size() || !sortie.flush()) {
            raison = RaisonFichier::Ecriture(sortie);
            continue;
        }
        if (sortie.commit()) return true;
        raison = QStringLiteral("l'ancien fichier n'a pas pu être remplacé (%1)").arg(sortie.errorString());
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
    const QString cheminVerrou = FichierVerrou(chemin);
    QLockFile verrou(cheminVerrou);
    if (!PrendreVerrou(verrou, cheminVerrou, attente, raison)) return false;
    return travail(raison);
}

QString FichierVerrou(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".verrou"));
}

} // namespace EcritureFichier
