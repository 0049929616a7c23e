// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QStringView>

#include <array>
#include <initializer_list>

// Every colour of the sailboats is a number 1..16: a boat part, a palette button, a legend line.
// The tables below are indexed by that number itself, so that they read like the colour table.
template <typename T> class ParCouleur {
  public:
    static constexpr int Nombre = 16;
    constexpr explicit ParCouleur(const std::array<T, Nombre>& valeurs) : valeurs(valeurs) {}
    constexpr const T& operator[](int numero) const { return valeurs[static_cast<size_t>(numero - 1)]; }

  private:
    std::array<T, Nombre> valeurs;
};

constexpr bool NumeroCouleurValide(int numero) {
    return numero >= 1 && numero <= ParCouleur<int>::Nombre;
}

// Black: the outlines on screen and, on sheets, a part left uncoloured for the pupil.
inline constexpr int SansCouleur = 1;
// White on screen; silver on colour sheets, where white stands for an uncoloured part.
inline constexpr int Blanc = 15;
// Silver: the background of every picture on screen, never drawn for a boat.
inline constexpr int Argent = 16;

inline constexpr ParCouleur<QRgb> Couleurs{{
    qRgb(0, 0, 0),       // 1
    qRgb(128, 128, 128), // 2
    qRgb(0, 0, 128),     // 3
    qRgb(0, 0, 255),     // 4
    qRgb(0, 255, 255),   // 5
    qRgb(128, 0, 128),   // 6
    qRgb(255, 0, 255),   // 7
    qRgb(255, 0, 0),     // 8
    qRgb(128, 0, 0),     // 9
    qRgb(255, 255, 0),   // 10
    qRgb(0, 255, 0),     // 11
    qRgb(0, 128, 0),     // 12
    qRgb(128, 128, 0),   // 13
    qRgb(0, 128, 128),   // 14
    qRgb(255, 255, 255), // 15
    qRgb(192, 192, 192), // 16
}};

// The names of the black-and-white legend; an empty name never appears there. White is named
// after the silver it is printed in.
inline constexpr ParCouleur<QStringView> NomsCouleurs{{
    u"",           // 1
    u"Gris foncé", // 2
    u"Bleu foncé", // 3
    u"Bleu",       // 4
    u"Bleu clair", // 5
    u"",           // 6
    u"Rose",       // 7
    u"Rouge",      // 8
    u"Marron",     // 9
    u"Jaune",      // 10
    u"Vert Clair", // 11
    u"Vert Foncé", // 12
    u"",           // 13
    u"",           // 14
    u"Gris clair", // 15
    u"",           // 16
}};

constexpr ParCouleur<bool> Barrees(std::initializer_list<int> numeros) {
    std::array<bool, ParCouleur<bool>::Nombre> barrees{};
    for (int n : numeros)
        barrees[static_cast<size_t>(n - 1)] = true;
    return ParCouleur<bool>(barrees);
}

// Colours a hull, or sails, may never take: dark blue and brown are for hulls only, blue and
// light blue for sails only, and black, purple, olive, teal and silver for neither.
inline constexpr ParCouleur<bool> CoquesBarrees = Barrees({1, 4, 5, 6, 13, 14, 16});
inline constexpr ParCouleur<bool> VoilesBarrees = Barrees({1, 3, 6, 9, 13, 14, 16});

// The two hatches laid one over the other for a colour on black-and-white sheets, as stored
// style numbers (StyleTrame turns them into Qt's).
struct PaireTrames {
    quint8 Premiere;
    quint8 Seconde;
};
inline constexpr ParCouleur<PaireTrames> TramesNB{{{
    {1, 1}, // 1
    {4, 3}, // 2
    {6, 7}, // 3
    {7, 1}, // 4
    {5, 1}, // 5
    {1, 1}, // 6
    {7, 2}, // 7
    {4, 1}, // 8
    {4, 2}, // 9
    {2, 1}, // 10
    {6, 1}, // 11
    {6, 4}, // 12
    {1, 1}, // 13
    {1, 1}, // 14
    {3, 1}, // 15
    {3, 1}, // 16
}}};

// Stored style numbers: solid 0, none 1, horizontal 2, vertical 3, forward diagonal 4 (lines
// falling from top left to bottom right), backward diagonal 5, cross 6, diagonal cross 7.
// Any other number gives no brush.
Qt::BrushStyle StyleTrame(int numeroStocke);
