#pragma once

#include <QByteArrayView>

#include <string_view>

// The control words the rich-text reader acts on; every other word is passed over.
namespace MotsRtf {

// clang-format off
enum Commande {
    Inconnue,
    // text
    Paragraphe, Ligne, Tabulation, Caractere, Cellule, Unicode, RepliUnicode, Binaire,
    // character properties
    Plain, Gras, Italique, Souligne, PasSouligne, Barre, Exposant, Indice, SansPosition, Haut, Bas, Cache,
    Police, Taille, Couleur,
    // paragraph properties
    Pard, AGauche, Centre, ADroite, Justifie, RetraitGauche, RetraitDroit, RetraitPremiereLigne,
    EspaceAvant, EspaceApres, Taquet, TaquetDroit, TaquetCentre, TaquetDecimal, TaquetBarre,
    // tables and destinations
    PoliceParDefaut, PageDeCode, JeuDeCaracteres, Rouge, Vert, Bleu,
    TableDesPolices, TableDesCouleurs, Ignorer, Upr, Ud,
};
// clang-format on

struct Definition {
    std::string_view mot;
    Commande commande;
    char16_t caractere = 0; // for Caractere: the character the word stands for
};

Definition Chercher(QByteArrayView mot);

} // namespace MotsRtf
