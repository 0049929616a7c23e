// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RaisonFichier.h"

#include "core/NomDeFichier.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

using AccesFichier::Nature;

QString AvecDetail(const QString& raison, const QString& detail) {
    return detail.isEmpty() || detail == QLatin1String("Unknown error")
               ? raison
               : raison + QStringLiteral(" (%1)").arg(detail);
}

QString AvecDetail(const QString& raison, const QFileDevice& fichier) {
    return AvecDetail(raison, fichier.errorString());
}

// A folder removed while it was the current one has lost even its name.
QString DossierIntrouvable(const QFileInfo& dossier) {
    if (dossier.filePath().isEmpty()) return QStringLiteral("le dossier du programme est introuvable");
    return QStringLiteral("le dossier «\u00a0%1\u00a0» est introuvable")
        .arg(QDir::toNativeSeparators(dossier.filePath()));
}

// The program folder is known to the teacher by that name; another one is named.
QString DossierProtege(const QFileInfo& dossier, RaisonFichier::Lieu lieu) {
    if (lieu == RaisonFichier::Lieu::DossierDuProgramme)
        return QStringLiteral("le dossier du programme est protégé en écriture");
    return QStringLiteral("le dossier «\u00a0%1\u00a0» est protégé en écriture")
        .arg(QDir::toNativeSeparators(dossier.filePath()));
}

} // namespace

namespace RaisonFichier {

// The system's reason is terse and English: what the file system shows tells the usual cases.
QString Ouverture(const QFileDevice& fichier, const QString& chemin, Lieu lieu) {
    const QFileInfo info(chemin);
    const QFileInfo dossier(info.absolutePath());
    const Nature nature = AccesFichier::NatureDe(chemin);
    QString raison;
    if (nature != Nature::Ordinaire && nature != Nature::Absent && nature != Nature::Inconnue)
        return PasUnFichier(chemin, nature);
    if (!dossier.isDir())
        raison = DossierIntrouvable(dossier);
    else if (const QString trop = NomTropLong(chemin); !trop.isEmpty())
        raison = trop;
    else if (info.exists() && !info.isWritable())
        raison = QStringLiteral("le fichier est protégé en écriture");
    else if (!info.exists() && !dossier.isWritable())
        raison = DossierProtege(dossier, lieu);
    else
        raison = QStringLiteral("le fichier ne peut pas être ouvert");
    return AvecDetail(raison, fichier);
}

QString Lecture(const QFileDevice& fichier, const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists()) return AvecDetail(QStringLiteral("le fichier est introuvable"), fichier);
    if (info.isDir()) return AvecDetail(QStringLiteral("c'est un dossier, pas un fichier"), fichier);
    return AvecDetail(QStringLiteral("le fichier ne peut pas être lu"), fichier);
}

QString Ecriture(const QFileDevice& fichier, const QString& chemin) {
    // A share that drops while the entry is written leaves no folder behind: that is the cause.
    const QFileInfo dossier(QFileInfo(chemin).absolutePath());
    if (!dossier.isDir()) return AvecDetail(DossierIntrouvable(dossier), fichier);
    return AvecDetail(QStringLiteral("l'écriture s'est interrompue, le disque est peut-être plein"), fichier);
}

QString Systeme(int erreur, const QString& chemin, bool ecriture, Lieu lieu) {
    const QFileInfo info(chemin);
    const QFileInfo dossier(info.absolutePath());
    const QString detail = QString::fromLocal8Bit(std::strerror(erreur));
    QString raison;
    switch (erreur) {
    case ENOENT:
    case ENOTDIR:
        raison = dossier.isDir() ? QStringLiteral("le fichier est introuvable") : DossierIntrouvable(dossier);
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        if (!ecriture)
            raison = QStringLiteral("le fichier ne peut pas être lu, l'accès en est refusé");
        else if (AccesFichier::NatureDe(chemin) == Nature::Ordinaire && erreur != EROFS)
            raison = QStringLiteral("le fichier est protégé en écriture");
        else
            raison = DossierProtege(dossier, lieu);
        break;
    case ENOSPC:
    case EDQUOT:
        raison = QStringLiteral("le disque est plein");
        break;
    case ENAMETOOLONG:
        raison = NomTropLong(chemin);
        if (raison.isEmpty()) raison = QStringLiteral("le chemin du fichier est trop long");
        break;
    case EISDIR:
        raison = QStringLiteral("un dossier porte déjà ce nom");
        break;
    case ELOOP:
        return PasUnFichier(chemin, Nature::Lien);
    case ENXIO:
        return PasUnFichier(chemin, Nature::Tube);
    default:
        raison = ecriture ? QStringLiteral("le fichier ne peut pas être écrit")
                          : QStringLiteral("le fichier ne peut pas être lu");
    }
    return AvecDetail(raison, detail);
}

QString Designation(const QString& chemin, Nature nature) {
    switch (nature) {
    case Nature::Lien:
        return QStringLiteral("un lien vers «\u00a0%1\u00a0»").arg(AccesFichier::CibleDuLien(chemin));
    case Nature::Dossier:
        return QStringLiteral("un dossier");
    case Nature::Tube:
        return QStringLiteral("un tube nommé (FIFO)");
    case Nature::Special:
        return QStringLiteral("un fichier spécial du système (périphérique ou prise)");
    case Nature::Ordinaire:
        return QStringLiteral("un fichier");
    case Nature::Absent:
    case Nature::Inconnue:
        break;
    }
    return QStringLiteral("un nom que le programme ne peut pas examiner");
}

QString PasUnFichier(const QString& chemin, Nature nature) {
    switch (nature) {
    case Nature::Lien:
        return QStringLiteral(
                   "c'est %1 et le programme ne suit pas les liens\u00a0; il faut le remplacer par le "
                   "fichier lui-même")
            .arg(Designation(chemin, nature));
    case Nature::Dossier:
        return QStringLiteral("un dossier porte déjà ce nom");
    case Nature::Tube:
    case Nature::Special:
        return QStringLiteral("c'est %1, pas un fichier ordinaire\u00a0; il faut le supprimer")
            .arg(Designation(chemin, nature));
    case Nature::Inconnue:
        return QStringLiteral("le fichier ne peut pas être atteint");
    case Nature::Absent:
    case Nature::Ordinaire:
        break;
    }
    return QStringLiteral("le fichier est introuvable");
}

QString NomTropLong(const QString& chemin) {
    const QString nom = QFileInfo(chemin).fileName();
    const qsizetype octets = NomDeFichier::Octets(nom);
    if (octets <= NomDeFichier::OctetsMax) return {};
    return QStringLiteral(
               "le nom «\u00a0%1\u00a0» est trop long pour un nom de fichier (%2 octets pour %3 au "
               "plus\u00a0; une lettre accentuée en compte deux, «\u00a0€\u00a0» trois)")
        .arg(nom)
        .arg(octets)
        .arg(NomDeFichier::OctetsMax);
}

} // namespace RaisonFichier
