#pragma once

#include <QColor>
#include <QStringView>

#include <array>

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
    qRgb(0, 0, 0),
    qRgb(128, 128, 128),
    qRgb(0, 0, 128),
    qRgb(0, 0, 255),
    qRgb(0, 255, 255),
    qRgb(128, 0, 128),
    qRgb(255, 0, 255),
    qRgb(255, 0, 0),
    qRgb(128, 0, 0),
    qRgb(255, 255, 0),
    qRgb(0, 255, 0),
    qRgb(0, 128, 0),
    qRgb(128, 128, 0),
    qRgb(0, 128, 128),
    qRgb(255, 255, 255),
    qRgb(192, 192, 192),
}};

// The names of the black-and-white legend; an empty name never appears there. White is named
// after the silver it is printed in.
inline constexpr ParCouleur<QStringView> NomsCouleurs{{
    u"",
    u"Gris foncé",
    u"Bleu foncé",
    u"Bleu",
    u"Bleu clair",
    u"",
    u"Rose",
    u"Rouge",
    u"Marron",
    u"Jaune",
    u"Vert Clair",
    u"Vert Foncé",
    u"",
    u"",
    u"Gris clair",
    u"",
}};

// Colours a hull, or sails, may never take: dark blue and brown are for hulls only, blue and
// light blue for sails only, and black, purple, olive, teal and silver for neither.
inline constexpr ParCouleur<bool> CoquesBarrees{{
    true,
    false,
    false,
    true,
    true,
    true,
    false,
    false,
    false,
    false,
    false,
    false,
    true,
    true,
    false,
    true,
}};
inline constexpr ParCouleur<bool> VoilesBarrees{{
    true,
    false,
    true,
    false,
    false,
    true,
    false,
    false,
    true,
    false,
    false,
    false,
    true,
    true,
    false,
    true,
}};

// The two hatches laid one over the other for a colour on black-and-white sheets, as stored
// style numbers (StyleTrame turns them into Qt's).
struct PaireTrames {
    quint8 Premiere;
    quint8 Seconde;
};
inline constexpr ParCouleur<PaireTrames> TramesNB{{{
    {1, 1},
    {4, 3},
    {6, 7},
    {7, 1},
    {5, 1},
    {1, 1},
    {7, 2},
    {4, 1},
    {4, 2},
    {2, 1},
    {6, 1},
    {6, 4},
    {1, 1},
    {1, 1},
    {3, 1},
    {3, 1},
}}};

// Stored style numbers: solid 0, none 1, horizontal 2, vertical 3, forward diagonal 4 (lines
// falling from top left to bottom right), backward diagonal 5, cross 6, diagonal cross 7.
// Any other number gives no brush.
Qt::BrushStyle StyleTrame(int numeroStocke);
