// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/BarreMenu.h"
#include "core/ProfilProgramme.h"

ProfilMenu MenuCarrelis() {
    using A = ActionMenu;
    const auto J = IdFenetre::JeuCarrelis;
    ProfilMenu menu;
    menu.Groupes = {
        {QStringLiteral("Panel1"), QStringLiteral("Label1"), QStringLiteral("Table d'addition"),
         QRect(20, 0, 320, 54)},
        {QStringLiteral("Panel2"), QStringLiteral("Label2"), QStringLiteral("Table de multiplication"),
         QRect(380, 0, 320, 54)},
    };
    menu.Boutons = {
        {QStringLiteral("BoutonJ1"), QStringLiteral("Exercice &1 : remplir"), 1, Operation::Addition, J,
         QRect(20, 74, 320, 72)},
        {QStringLiteral("BoutonJ2"), QStringLiteral("Exercice &2 : trouver"), 2, Operation::Addition, J,
         QRect(20, 162, 320, 72)},
        {QStringLiteral("BoutonJ3"), QStringLiteral("Exercice &3 : défi"), 3, Operation::Addition, J,
         QRect(20, 250, 320, 72)},
        {QStringLiteral("BoutonJ1M"), QStringLiteral("Exercice 1 : &remplir"), 1, Operation::Multiplication,
         J, QRect(380, 74, 320, 72)},
        {QStringLiteral("BoutonJ2M"), QStringLiteral("Exercice &2 : trouver"), 2, Operation::Multiplication,
         J, QRect(380, 162, 320, 72)},
        {QStringLiteral("BoutonJ3M"), QStringLiteral("Exercice &3 : défi"), 3, Operation::Multiplication, J,
         QRect(380, 250, 320, 72)},
    };
    menu.PositionQuitter = QRect(260, 356, 200, 60);
    menu.Barre = {
        SousMenu("Fichier1", QStringLiteral("&Fichier"),
                 {SousMenu("Tabledaddition1", QStringLiteral("Table d'&addition"),
                           {ItemMenu("FJeu1", QStringLiteral("Exercice &1 : remplir"), A::Jeu, 0),
                            ItemMenu("FJeu2", QStringLiteral("Exercice &2 : trouver"), A::Jeu, 1),
                            ItemMenu("FJeu3", QStringLiteral("Exercice &3 : défi"), A::Jeu, 2)}),
                  SousMenu("Tabledemultiplication1", QStringLiteral("Table de &multiplication"),
                           {ItemMenu("FJeu1M", QStringLiteral("Exercice 1 : &remplir"), A::Jeu, 3),
                            ItemMenu("FJeu2M", QStringLiteral("Exercice 2 : &trouver"), A::Jeu, 4),
                            ItemMenu("FJeu3M", QStringLiteral("Exercice 3 : &défi"), A::Jeu, 5)}),
                  ItemMenu("Aide1", QStringLiteral("&A propos..."), A::APropos), SeparateurMenu("N1"),
                  ItemMenu("Effacerlabarredestches1", QStringLiteral("&Effacer la barre des tâches"),
                           A::EffacerBarre),
                  SeparateurMenu("N2"), ItemMenu("Quitter1", QStringLiteral("&Quitter"), A::Quitter)},
                 true),
    };
    menu.Barre +=
        SuiteDeLaBarre({"Afficherlebilangnral1", "Afficherunbilanindividuel1", "Editeur1", "Fichiertexte1"},
                       QStringLiteral("&A propos..."));
    return menu;
}
