// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Programme.h"

#include "core/DossierProgramme.h"
#include "core/PlateForme.h"
#include "core/ReglagesUtilisateur.h"

#include <QDir>

Programme::Programme(const ProfilProgramme& profil, PlateForme& plateForme, std::unique_ptr<Hasard> hasard)
    : profil(profil), plateForme(plateForme), hasard(std::move(hasard)) {}

Programme::~Programme() = default;

ReglagesUtilisateur& Programme::Reglages() const {
    if (!reglages)
        reglages = std::make_unique<ReglagesUtilisateur>(plateForme.FichierReglagesUtilisateur(profil.Titre));
    return *reglages;
}

void Programme::InitValeurs() {
    Consigne = profil.ConsigneInitiale;
}

void Programme::RetourRepertoire() {
    ::RetourRepertoire(plateForme, RepProgramme);
}

QString Programme::Dossier() const {
    return RepProgramme.isEmpty() ? QDir::currentPath() : RepProgramme;
}

QString Programme::ImageParDefaut(int i) const {
    if (i == 0) return profil.ImageAccueil;
    if (i >= 1 && i <= 5) return profil.ImageExo;
    return {};
}
