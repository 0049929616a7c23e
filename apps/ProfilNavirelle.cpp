// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProfilProgramme.h"

ProfilProgramme ProfilNavirelle() {
    using F = IdFenetre;
    return {
        .Titre = QStringLiteral("Navirelle"),
        .NomExecutable = QStringLiteral("navirelle"),
        .IdBureau = QStringLiteral("fr.carrelis.Navirelle"),
        .Icone = IconeNavirelle(),
        .FichierAide = QStringLiteral("AIDE_NAVIRELLE.HLP"),
        .FichierPref = QStringLiteral("Navirelle.pfr"),
        .FichierBilan = QStringLiteral("bilan navirelle.txt"),
        .ImageAccueil = QStringLiteral("Navirelle_Titre.bmp"),
        .ImageExo = QStringLiteral("Fond4.bmp"),
        .ImageTitre = QStringLiteral("Navirelle.bmp"),
        .TitreVersion = QStringLiteral("Navirelle   version 1.2"),
        .DatesVersion = QStringLiteral("2000 - 2002"),
        .PresentationPubN = QStringLiteral(
            "Navirelle fait lire et compléter des tableaux à double entrée avec des voiliers : "
            "une couleur de coque par ligne, une couleur de voiles par colonne."),
        .CouleursPubN = {QColor(Qt::magenta), QColor(Qt::red), QColor(Qt::yellow), QColor(Qt::green)},
        .ContexteAidePubN = 0,
        .MaintienPubN = true,
        .OrdreFenetres = {F::Menu, F::PubN, F::Listes, F::Traitexte, F::Preferences, F::Jeu23, F::ModifImp,
                          F::Jeu1, F::Bilan, F::Edit3, F::Consigne, F::ModifCh1, F::Image, F::ChoixImpInd,
                          F::EffaceBilans, F::Serie, F::Suivi},
        .Menu = MenuNavirelle(),
        .EnTeteJeu = QStringLiteral("Exercice n° %1"),
        .ConsigneInitiale = QStringLiteral("Complète le tableau ci-dessous :"),
        .FeuillesVoiliers = true,
        .EnTeteModifImp = QStringLiteral("Préparation"),
        .PreferenceCouleurs = true,
        .LibelleBilansIndividuels = QStringLiteral("Enregistrer des bilans individuels"),
        // Character for character, the blanks before some tabs included.
        .LibellesBilan = {QStringLiteral("Coques bien coloriées :\t"),
                          QStringLiteral("Voiles bien coloriées : \t"),
                          QStringLiteral("Erreurs sur les coques à gauche : \t"),
                          QStringLiteral("Erreurs sur les voiles au-dessus : \t")},
        .TitresBilan = {QStringLiteral("Navirelle jeu n° 1 : remplir"),
                        QStringLiteral("Navirelle jeu n° 2 : colorier"),
                        QStringLiteral("Navirelle jeu n° 3 : Trouver")},
        .ContexteAideListes = 8,
        .ContexteAideTraitexte = 9,
        .LibellesFenetreBilan = {QStringLiteral("Nombre de coques bien coloriées au premier essai :"),
                                 QStringLiteral("Nombre de voiles bien coloriées au premier essai :"),
                                 QStringLiteral("Nombre d'erreurs pour les coques à gauche :"),
                                 QStringLiteral("Nombre d'erreurs pour les voiles en haut :")},
        .LibelleScorePremierEssai = QStringLiteral("Nombre total de bonnes réponses au premier essai :"),
        .ExerciceImpressionUnique = true,
        .MotsGaucheHaut = {QStringLiteral("coques"), QStringLiteral("voiles")},
    };
}
