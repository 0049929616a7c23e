// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/BarreMenu.h"

QList<EntreeMenu> SuiteDeLaBarre(const std::array<const char*, 4>& noms, const QString& aPropos) {
    using A = ActionMenu;
    const auto [general, individuel, editeurs, fichierTexte] = noms;
    return {
        SousMenu("Bilans1", QStringLiteral("&Bilans"),
                 {ItemMenu(general, QStringLiteral("Afficher le &bilan général"), A::BilanGeneral),
                  ItemMenu(individuel, QStringLiteral("Afficher un bilan &individuel"), A::BilanIndividuel),
                  ItemMenu("Gestiondesbilans1", QStringLiteral("&Gestion des bilans"), A::GestionBilans),
                  ItemMenu("Suividelaclasse1", QStringLiteral("&Suivi de la classe"), A::SuiviClasse)}),
        SousMenu(editeurs, QStringLiteral("&Editeurs"),
                 {ItemMenu("Imprimerdesexercices1", QStringLiteral("&Imprimer des exercices"),
                           A::ImprimerExercices),
                  ItemMenu("Listedlves1", QStringLiteral("&Liste d'élèves"), A::Listes),
                  ItemMenu(fichierTexte, QStringLiteral("Fichier &texte"), A::FichierTexte)}),
        ItemMenu("Prefer1", QStringLiteral("&Préférences"), A::Preferences),
        ItemMenu("Lisezmoi2", aPropos, A::APropos),
        ItemMenu("Lapagepdagogique1", QStringLiteral("&La page pédagogique"), A::PagePedagogique),
        ItemMenu("Aide2", QStringLiteral("Ai&de"), A::Aide),
    };
}
