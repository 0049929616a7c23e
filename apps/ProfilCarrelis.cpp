// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProfilProgramme.h"

ProfilProgramme ProfilCarrelis() {
    using F = IdFenetre;
    return {
        .Titre = QStringLiteral("Carrelis"),
        .NomExecutable = QStringLiteral("carrelis"),
        .IdBureau = QStringLiteral("fr.carrelis.Carrelis"),
        .Icone = IconeCarrelis(),
        .FichierAide = QStringLiteral("AIDE_CARRELIS.HLP"),
        .FichierPref = QStringLiteral("Carrelis.pfr"),
        .FichierBilan = QStringLiteral("bilan Carrelis.txt"),
        .ImageAccueil = QStringLiteral("Carrelis_Titre.bmp"),
        .ImageExo = QStringLiteral("Fond4.bmp"),
        .ImageTitre = QStringLiteral("Carrelis.bmp"),
        .TitreVersion = QStringLiteral("Carrelis   version 1.2"),
        .DatesVersion = QStringLiteral("2000 - 2002"),
        .PresentationPubN = QStringLiteral(
            "Carrelis fait travailler les tables d'addition et de multiplication dans des tableaux "
            "à double entrée : remplir les cases, retrouver les nombres cachés, relever le défi."),
        .CouleursPubN = {QColor(Qt::cyan), QColor(Qt::red), QColor(Qt::yellow), QColor(Qt::green)},
        .ContexteAidePubN = 11,
        .MaintienPubN = false,
        .OrdreFenetres = {F::Menu, F::JeuCarrelis, F::Choix3D, F::PubN, F::Listes, F::ModifCh1, F::Bilan,
                          F::Image, F::ModifImp, F::Consigne3D, F::Edit3, F::Preferences, F::Consigne,
                          F::ChoixImpInd, F::EffaceBilans, F::Traitexte, F::Serie, F::Suivi},
        .Menu = MenuCarrelis(),
        .EnTeteJeu = QStringLiteral("Jeu n° %1"),
        .ConsigneInitiale = {},
        .FeuillesVoiliers = false,
        .EnTeteModifImp = {},
        .PreferenceCouleurs = false,
        .LibelleBilansIndividuels = QStringLiteral("Enregistrer des bilans individuels :"),
        .LibellesBilan = {QStringLiteral("Nombre de cases bien remplies à gauche :\t"),
                          QStringLiteral("Nombre de cases bien remplies en haut :\t"),
                          QStringLiteral("Nombre d'erreurs pour les cases à gauche :\t"),
                          QStringLiteral("Nombre d'erreurs pour les cases en haut :\t")},
        .TitresBilan = {QStringLiteral("Carrelis - Jeu n° 1 : remplir"),
                        QStringLiteral("Carrelis - Jeu n° 2 : trouver"),
                        QStringLiteral("Carrelis - Jeu n° 3 : défi")},
        .ContexteAideListes = 9,
        .ContexteAideTraitexte = 10,
        .LibellesFenetreBilan = {QStringLiteral("Nombre de cases bien remplies à gauche :"),
                                 QStringLiteral("Nombre de cases bien remplies en haut :"),
                                 QStringLiteral("Nombre d'erreurs pour les cases à gauche :"),
                                 QStringLiteral("Nombre d'erreurs pour les cases en haut :")},
        .LibelleScorePremierEssai = {},
        .ExerciceImpressionUnique = false,
        .MotsGaucheHaut = {QStringLiteral("cases à gauche"), QStringLiteral("cases en haut")},
    };
}
