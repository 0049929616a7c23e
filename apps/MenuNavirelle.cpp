// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/BarreMenu.h"
#include "core/ProfilProgramme.h"

ProfilMenu MenuNavirelle() {
    using A = ActionMenu;
    ProfilMenu menu;
    menu.Boutons = {
        {QStringLiteral("BoutonJ1"),
         QStringLiteral("Navirelle : remplir un tableau"),
         1,
         {},
         IdFenetre::Jeu1,
         QRect(150, 24, 420, 76)},
        {QStringLiteral("BoutonJ2"),
         QStringLiteral("Navirelle : colorier"),
         2,
         {},
         IdFenetre::Jeu23,
         QRect(150, 128, 420, 76)},
        {QStringLiteral("BoutonJ3"),
         QStringLiteral("Navirelle : trouver"),
         3,
         {},
         IdFenetre::Jeu23,
         QRect(150, 232, 420, 76)},
    };
    menu.PositionQuitter = QRect(260, 356, 200, 60);
    menu.Barre = {
        SousMenu("Fichier1", QStringLiteral("&Fichier"),
                 {ItemMenu("MenuJeu1", QStringLiteral("Exercice n°&1 : remplir"), A::Jeu, 0),
                  ItemMenu("MenuJeu2", QStringLiteral("Exercice n°&2 : colorier"), A::Jeu, 1),
                  ItemMenu("MenuJeu3", QStringLiteral("Exercice n°&3 : trouver"), A::Jeu, 2),
                  ItemMenu("ModeEmpl", QStringLiteral("Ai&de"), A::Aide),
                  ItemMenu("Aide1", QStringLiteral("&A propos"), A::APropos), SeparateurMenu("N1"),
                  ItemMenu("Effacerlabarredestches1", QStringLiteral("Effacer la barre des tâches"),
                           A::EffacerBarre),
                  SeparateurMenu("N2"), ItemMenu("Quitter1", QStringLiteral("&Quitter"), A::Quitter)}),
    };
    menu.Barre += SuiteDeLaBarre({"Lirelesrsultats1", "Afficherunbilanin1", "Editeurs1", "Editeur1"},
                                 QStringLiteral("&A propos"));
    return menu;
}
