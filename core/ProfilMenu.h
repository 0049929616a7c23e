// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"

#include <optional>

#include <QList>
#include <QRect>
#include <QString>

enum class IdFenetre;

// What a main-menu entry does; each program lists its entries as data.
enum class ActionMenu {
    Aucune, // a submenu title
    Jeu,    // like the exercise button of the same index
    Quitter,
    Preferences,
    APropos,
    ImprimerExercices,
    Listes,
    FichierTexte,
    BilanGeneral,
    BilanIndividuel,
    GestionBilans,
    SuiviClasse,
    Aide,
    PagePedagogique,
    EffacerBarre,
};

struct EntreeMenu {
    QString Nom;     // object name of the menu or item
    QString Libelle; // caption with its accelerator; empty for a separator
    ActionMenu Action = ActionMenu::Aucune;
    int Bouton = -1; // for ActionMenu::Jeu: index into ProfilMenu::Boutons
    QList<EntreeMenu> SousEntrees;
    bool Replace = false; // a click puts the main window back in place first
};

// An exercise button: what it sets before showing its exercise window.
struct BoutonJeu {
    QString Nom;
    QString Libelle;
    quint8 NumJeu = 0;
    std::optional<Operation> Op; // none: the program has one kind of table
    IdFenetre Fenetre;
    QRect Position; // in the button block, at the 800 x 600 design size
};

// The title above a group of exercise buttons.
struct TitreGroupe {
    QString NomPanneau;
    QString NomLabel;
    QString Libelle;
    QRect Position;
};

struct ProfilMenu {
    QList<TitreGroupe> Groupes;
    QList<BoutonJeu> Boutons;
    QRect PositionQuitter;
    QList<EntreeMenu> Barre;
};

// Shorthands for the programs' menu tables.
inline EntreeMenu ItemMenu(const char* nom, const QString& libelle, ActionMenu action, int bouton = -1) {
    return {QString::fromLatin1(nom), libelle, action, bouton, {}, false};
}
inline EntreeMenu SeparateurMenu(const char* nom) {
    return {QString::fromLatin1(nom), {}, ActionMenu::Aucune, -1, {}, false};
}
inline EntreeMenu SousMenu(const char* nom, const QString& libelle, QList<EntreeMenu> entrees,
                           bool replace = false) {
    return {QString::fromLatin1(nom), libelle, ActionMenu::Aucune, -1, std::move(entrees), replace};
}

ProfilMenu MenuCarrelis();
ProfilMenu MenuNavirelle();
