// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DossierProgramme.h"

#include <QDir>
#include <QTemporaryDir>

// What the start-up of a program sees, for the harnesses of its folder rule: an empty launch
// folder (it holds none of the program's files) and a home, so that only the fuzzed value decides.
namespace Demarrage {

inline const ProfilProgramme& Profil() {
    static const ProfilProgramme profil = [] {
        ProfilProgramme p;
        p.Titre = QStringLiteral("Carrelis");
        p.NomExecutable = QStringLiteral("carrelis");
        p.FichierAide = QStringLiteral("AIDE_CARRELIS.HLP");
        p.FichierPref = QStringLiteral("Carrelis.pfr");
        p.ImageAccueil = QStringLiteral("Carrelis_Titre.bmp");
        return p;
    }();
    return profil;
}

inline SituationDemarrage Situation() {
    static const QTemporaryDir lancement;
    SituationDemarrage situation;
    situation.DossierCourant = lancement.path();
    situation.DossierPersonnel = QStringLiteral("/home/eleve");
    situation.FichierReglage = QStringLiteral("/etc/carrelis.conf");
    return situation;
}

// An absolute path that the path functions leave as it is: nothing relative, no "." or "..".
inline bool AbsoluEtPropre(const QString& chemin) {
    return QDir::isAbsolutePath(chemin) && QDir::cleanPath(chemin) == chemin;
}

} // namespace Demarrage
