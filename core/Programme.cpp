// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Programme.h"

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
    TitreVersion = profil.TitreVersion;
    DatesVersion = profil.DatesVersion;
    FichierPref = profil.FichierPref;
    FichierBilan = profil.FichierBilan;
    ImageAccueil = profil.ImageAccueil;
    ImageExo.fill(profil.ImageExo);
    ImageTitre = profil.ImageTitre;
    Consigne = profil.ConsigneInitiale;
}

void Programme::RetourRepertoire() {
    if (QDir::currentPath() == RepProgramme) return;
    if (!QDir::setCurrent(RepProgramme))
        plateForme.Avertir(QStringLiteral("Impossible de trouver mon répertoire"));
}

QString Programme::Dossier() const {
    return RepProgramme.isEmpty() ? QDir::currentPath() : RepProgramme;
}

QString Programme::ImageParDefaut(int i) const {
    if (i == 0) return ImageAccueil;
    if (i >= 1 && i <= static_cast<int>(ImageExo.size())) return ImageExo[static_cast<size_t>(i - 1)];
    return {};
}
