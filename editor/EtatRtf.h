// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QTextOption>

// What a rich-text group holds while it is read: the character and paragraph properties in force
// and where its text goes. Lengths stay in twips (1/1440 inch) as the file gives them.

struct FormatCaractereRtf {
    enum class Position { Normale, Exposant, Indice };
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    bool cache = false;
    bool majuscules = false; // \caps: the letters show as capitals, and are kept so
    Position position = Position::Normale;
    int police = -1;     // -1: the default font of the file (\deff)
    int demiPoints = 24; // 12 points when the file says nothing
    int couleur = 0;     // index into the colour table, 0 for the automatic colour
    bool operator==(const FormatCaractereRtf&) const = default;
};

struct TabulationRtf {
    int position = 0;
    QTextOption::TabType genre = QTextOption::LeftTab;
    bool operator==(const TabulationRtf&) const = default;
};

struct FormatParagrapheRtf {
    static constexpr int TabulationsMaximales = 64;
    Qt::Alignment alignement = Qt::AlignLeft;
    int gauche = 0;
    int droite = 0;
    int premiereLigne = 0;
    int avant = 0;
    int apres = 0;
    QList<TabulationRtf> tabulations;
    QTextOption::TabType genreTabulation = QTextOption::LeftTab; // set by \tqr, \tqc, \tqdec before \tx
    bool dansTableau = false; // \intbl: a paragraph end only parts a table cell's lines
    bool operator==(const FormatParagrapheRtf&) const = default;
};

struct EtatGroupeRtf {
    enum class Destination { Texte, Ignoree, TablePolices, TableCouleurs };
    Destination destination = Destination::Texte;
    FormatCaractereRtf caractere;
    FormatParagrapheRtf paragraphe;
    int caracteresDeRepli = 1; // \ucN: the characters after \uN that readers without Unicode show
    bool uprAttendVersionAnsi = false;
};
