#include "core/RaisonFichier.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace {

QString AvecDetail(const QString& raison, const QFileDevice& fichier) {
    const QString detail = fichier.errorString();
    return detail.isEmpty() || detail == QLatin1String("Unknown error")
               ? raison
               : raison + QStringLiteral(" (%1)").arg(detail);
}

} // namespace

namespace RaisonFichier {

// The system's reason is terse and English: what the file system shows tells the usual cases.
QString Ouverture(const QFileDevice& fichier) {
    const QFileInfo info(fichier.fileName());
    const QFileInfo dossier(info.absolutePath());
    QString raison;
    if (info.isDir())
        raison = QStringLiteral("un dossier porte déjà ce nom");
    else if (!dossier.isDir())
        raison = QStringLiteral("le dossier «\u00a0%1\u00a0» est introuvable")
                     .arg(QDir::toNativeSeparators(dossier.filePath()));
    else if (info.exists() && !info.isWritable())
        raison = QStringLiteral("le fichier est protégé en écriture");
    else if (!info.exists() && !dossier.isWritable())
        raison = QStringLiteral("le dossier du programme est protégé en écriture");
    else
        raison = QStringLiteral("le fichier ne peut pas être ouvert");
    return AvecDetail(raison, fichier);
}

QString Lecture(const QFileDevice& fichier) {
    const QFileInfo info(fichier.fileName());
    if (!info.exists()) return AvecDetail(QStringLiteral("le fichier est introuvable"), fichier);
    if (info.isDir()) return AvecDetail(QStringLiteral("c'est un dossier, pas un fichier"), fichier);
    return AvecDetail(QStringLiteral("le fichier ne peut pas être lu"), fichier);
}

QString Ecriture(const QFileDevice& fichier) {
    return AvecDetail(QStringLiteral("l'écriture s'est interrompue, le disque est peut-être plein"), fichier);
}

} // namespace RaisonFichier
