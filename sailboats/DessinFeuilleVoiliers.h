// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/FeuilleVoiliers.h"
#include "sheets/MarquesPage.h"

#include <QFont>
#include <QPoint>
#include <QSize>

class QPainter;

// Where a sailboat sheet lies on its surface: the top-left corner of the instruction band, the
// unit u (a cell is 12u wide and 13u high), the band's height and the legend's left edge (none
// in colour).
struct PlaceFeuilleVoiliers {
    QPoint Origine;
    int Unite = 0;
    int HauteurConsigne = 0;
    int GaucheLegende = -1;

    int HautGrille() const { return Origine.y() + HauteurConsigne; }
    // Top-left corner of cell (row, column), headers in row 0 and column 0.
    QPoint Case(int ligne, int colonne) const {
        return QPoint(Origine.x() + 12 * Unite * colonne, HautGrille() + 13 * Unite * ligne);
    }
};

// Draws sailboat sheets on any painter: the preview (a sketch of the page on the screen, the
// table against its left edge) and the printer page (the table, with the legend's width in
// black and white, centred within the tenth kept free). Sizes are worked out from the surface
// and fonts measured on the painter's device.
class DessinFeuilleVoiliers {
  public:
    DessinFeuilleVoiliers(QPainter& peintre, QSize surface);

    PlaceFeuilleVoiliers DessinerApercu(const FeuilleVoiliers& feuille, const MarquesPage& marques = {});
    PlaceFeuilleVoiliers DessinerPage(const FeuilleVoiliers& feuille, const MarquesPage& marques = {});

    // "Times New Roman", 12 points, bold; the legend's colour names in regular style.
    static QFont Police(bool gras = true);
    // The texts whose width the legend takes: on the preview, on the page, and in the room kept
    // for it.
    static QString MesureApercu();
    static QString MesurePage();
    static QString MesurePlace();
    // Largest unit at which r rows and c columns, headers included, fit in w x h.
    static int Unite(int largeur, int hauteur, int lignes, int colonnes);

  private:
    void Commencer(const MarquesPage& marques);
    int Largeur(const QString& texte, bool gras = true) const;
    int HauteurG(bool gras = true) const;
    void DessinerTableau(const PlaceFeuilleVoiliers& place, const FeuilleVoiliers& feuille, bool corrige);
    void TracerGrille(const PlaceFeuilleVoiliers& place, int lignes, int colonnes);
    void DessinerBateaux(const PlaceFeuilleVoiliers& place, const FeuilleVoiliers& feuille, bool corrige);
    void DessinerLegende(const PlaceFeuilleVoiliers& place, const TableauVoiliers& tableau);
    void Ecrire(QPoint coin, const QString& texte);

    QPainter& p;
    QSize surface;
    int haut = 0;     // top of the sheet's zone, under a title band
    int decalage = 0; // the legend's offset from the top of the grid, 10 pixels on the screen
};

// A sailboat sheet on the preview of its window, and on a page with its marks, as every kind of
// sheet is drawn.
void DessinerSurApercu(QPainter& peintre, QSize surface, const FeuilleVoiliers& feuille);
void DessinerSurPage(QPainter& peintre, QSize surface, const FeuilleVoiliers& feuille,
                     const MarquesPage& marques = {});
