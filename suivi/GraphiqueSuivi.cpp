// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi/GraphiqueSuivi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// The module as CMake names it (graphique/CMakeLists.txt).
const QString FichierModule = QStringLiteral("libgraphique_suivi.so");

QStringList& DossiersAjoutes() {
    static QStringList dossiers;
    return dossiers;
}

// Where the module is looked for: the folders added, the program's own folder (the build tree,
// a copy run in place), then <prefix>/<libdir>/<program>/modules/ where its package puts it.
QStringList Dossiers() {
    const QString programme = QCoreApplication::applicationDirPath();
    const QString nom = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return DossiersAjoutes() +
           QStringList{programme, QDir(programme).filePath(QStringLiteral("../" CHEMIN_MODULES "/") + nom +
                                                           QStringLiteral("/modules"))};
}

} // namespace

namespace GraphiqueSuivi {

void AjouterDossier(const QString& dossier) {
    if (!DossiersAjoutes().contains(dossier)) DossiersAjoutes().append(dossier);
}

Fabrique Charger(QString& raison) {
    // Kept for the whole run: the charts made from it live as long as their windows.
    static QLibrary module;
    static Fabrique fabrique = nullptr;
    if (fabrique) return fabrique;
    QString erreur;
    for (const QString& dossier : Dossiers()) {
        const QString chemin = QDir(dossier).filePath(FichierModule);
        if (!QFileInfo::exists(chemin)) continue;
        module.setFileName(chemin);
        if (module.load()) {
            fabrique = reinterpret_cast<Fabrique>(module.resolve(NomFabrique));
            if (fabrique) return fabrique;
        }
        erreur = module.errorString();
        module.unload();
    }
    raison = erreur.isEmpty()
                 ? QStringLiteral("le module du graphique (%1) est introuvable ; le programme est sans doute "
                                  "mal installé")
                       .arg(FichierModule)
                 : QStringLiteral("le module du graphique n'a pas pu être chargé (%1)").arg(erreur);
    return nullptr;
}

} // namespace GraphiqueSuivi
