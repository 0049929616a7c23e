// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QPoint>

class QPainter;
class QPaintDevice;

// Draws the boats of a printed sheet, or of its preview, as filled shapes in multiples of the
// sheet's unit u (a cell is 12u wide and 13u high): in colour, or in black hatches for a
// black-and-white printer. Colour numbers are those of the table; 1 is a part left uncoloured.
// The painter is left as it was found.
class VoilierFeuille {
  public:
    VoilierFeuille(QPainter& peintre, int unite, bool noirEtBlanc);

    // Mast, deck line, jib and mainsail of the cell whose top-left corner is `coin`.
    void VoileFeuille(QPoint coin, int numeroCouleur);
    void CoqueFeuille(QPoint coin, int numeroCouleur);

    // The colour a part is printed in: 15 (white on screen) in silver, then an uncoloured part
    // in white. In that order, or uncoloured parts would come out silver too.
    static int CouleurImprimee(int numeroCouleur);

    // A black hatch of stored style n (see StyleTrame) whose lines lie as far apart on `device`
    // as on a 96 dpi screen, about 2 mm; the sheet's legend uses it too.
    static QBrush BrosseTrame(int numeroStocke, const QPaintDevice* device);

  private:
    void Commencer(int numeroCouleur);
    QBrush Brosse(int couche, int numeroCouleur) const;
    void TracerFoc(QPoint coin, bool secteur);
    void TracerGrandVoile(QPoint coin);

    QPainter& p;
    int u;
    bool noirEtBlanc;
    int epaisseur;
};
