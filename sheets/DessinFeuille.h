// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"
#include "sheets/DispositionFeuille.h"
#include "sheets/FeuilleTableaux.h"
#include "sheets/MarquesPage.h"

#include <QFont>
#include <QSize>
#include <QString>

class QPainter;

// The preview is painted white first; a printer page is drawn on as it comes.
enum class SurfaceFeuille { Apercu, Page };

// What one table of a sheet shows. Exercise 1 shows the headers; exercises 2 and 3 show the
// cells marked in CaseDonnee, the corner aside; the answer key shows every header and cell.
struct ContenuTableau {
    const Tableau& tableau;
    Operation Op = Operation::Addition;
    int NumJeu = 1;
    QString Consigne; // empty = no instruction
    bool Corrige = false;
};

// Draws exercise sheets of tables on any painter: the preview image, a printer page, a PDF.
// Every size is worked out anew from the surface, and every font size from the painter's device,
// so printed numbers fit printed cells whatever the printer's resolution.
class DessinFeuille {
  public:
    DessinFeuille(QPainter& peintre, QSize surface, SurfaceFeuille genre);

    // The sheet of the layout in force: copies of its table for layouts 1 to 4, its three
    // tables for layout 5. A title takes a band across the top, and the tables the rest.
    DispositionFeuille DessinerFeuille(const FeuilleTableaux& feuille, const MarquesPage& marques = {});
    // Layouts 1 to 4.
    DispositionFeuille DessinerCopies(int disposition, const ContenuTableau& contenu);
    // Layout 5: the tables of exercises 1, 2 and 3 from top to bottom, with their instructions.
    DispositionFeuille DessinerTroisTableaux(const FeuilleTableaux& feuille, bool corrige = false);
    // One table at its place, with the cell and font sizes of its sheet.
    void DessinerTableau(const DispositionFeuille& feuille, const PlaceTableau& place,
                         const ContenuTableau& contenu);

    static QFont PoliceConsigne();
    static QFont PoliceNombres(int taille);
    static QFont PoliceTitre();

  private:
    void Commencer();
    QSize Zone() const { return QSize(surface.width(), surface.height() - haut); }
    void Descendre(DispositionFeuille& feuille) const;
    void EcrireTitre(const QString& titre);
    int HauteurG() const;
    int TaillePolice(int tailleCase) const;
    void EcrireConsigne(const PlaceTableau& place, const QString& consigne);
    void TracerGrille(const PlaceTableau& place, int s);
    void EcrireNombres(const PlaceTableau& place, int s, const ContenuTableau& contenu);
    void Ecrire(int x, int y, const QString& texte); // y: top of the text

    QPainter& p;
    QSize surface;
    SurfaceFeuille genre;
    int haut = 0; // top of the tables' zone, under the title band
    bool blanchie = false;
};

// A carrelis sheet on the preview of its window, and on a page with its marks: what the sheet
// window and the prints of any sheet ask of each kind of sheet.
void DessinerSurApercu(QPainter& peintre, QSize surface, const FeuilleTableaux& feuille);
void DessinerSurPage(QPainter& peintre, QSize surface, const FeuilleTableaux& feuille,
                     const MarquesPage& marques = {});
