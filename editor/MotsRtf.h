// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/OmissionsRtf.h"

#include <QByteArrayView>

#include <string_view>

// The control words the rich-text reader acts on; every other word is passed over.
namespace MotsRtf {

// clang-format off
enum Commande {
    Inconnue,
    // text
    Paragraphe, Ligne, Tabulation, Caractere, Unicode, RepliUnicode, Binaire,
    // tables
    DefinitionRangee, DansTableau, Cellule, CelluleImbriquee, FinDeRangee,
    // character properties
    Plain, Gras, Italique, Souligne, PasSouligne, Barre, Exposant, Indice, SansPosition, Haut, Bas, Cache,
    Majuscules, Police, Taille, Couleur,
    // paragraph properties
    Pard, AGauche, Centre, ADroite, Justifie, RetraitGauche, RetraitDroit, RetraitPremiereLigne,
    EspaceAvant, EspaceApres, Taquet, TaquetDroit, TaquetCentre, TaquetDecimal, TaquetBarre,
    // tables and destinations
    PoliceParDefaut, PageDeCode, JeuDeCaracteres, Rouge, Vert, Bleu,
    TableDesPolices, TableDesCouleurs, Ignorer, Omettre, Upr, Ud,
};
// clang-format on

struct Definition {
    std::string_view mot;
    Commande commande;
    char16_t caractere = 0;  // for Caractere: the character the word stands for
    int page = 0;            // for PageDeCode without a number: the set the word names
    OmissionsRtf omission{}; // for Omettre, the destination skipped; for a table word, its layout
};

Definition Chercher(QByteArrayView mot);

} // namespace MotsRtf
