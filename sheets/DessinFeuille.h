#pragma once

#include "core/Operation.h"
#include "sheets/DispositionFeuille.h"
#include "sheets/ReglagesFeuille.h"

#include <QFont>
#include <QSize>
#include <QString>

class Hasard;
class QPainter;

// The preview is painted white first; a printer page is drawn on as it comes.
enum class SurfaceFeuille { Apercu, Page };

// What one table of a sheet shows. Exercise 1 shows the headers; exercises 2 and 3 show the
// cells marked in CaseDonnee, the corner aside.
struct ContenuTableau {
    const Tableau& tableau;
    Operation Op = Operation::Addition;
    int NumJeu = 1;
    QString Consigne; // empty = no instruction
};

// Draws exercise sheets of tables on any painter: the preview image, a printer page, a PDF.
// Every size is worked out anew from the surface, and every font size from the painter's device,
// so printed numbers fit printed cells whatever the printer's resolution.
class DessinFeuille {
  public:
    DessinFeuille(QPainter& peintre, QSize surface, SurfaceFeuille genre);

    // The sheet of the settings' layout: copies of `tableau` as it stands (kind numJeu, the
    // settings' instruction) for layouts 1 to 4, three new tables for layout 5.
    DispositionFeuille DessinerFeuille(const ReglagesFeuille& reglages, Tableau& tableau, Operation operation,
                                       int numJeu, Hasard& hasard);
    // Layouts 1 to 4.
    DispositionFeuille DessinerCopies(int disposition, const ContenuTableau& contenu);
    // Layout 5: tables of exercises 1, 2 and 3 from top to bottom, each newly generated into
    // `tableau` (which is left with the third) and drawn at once.
    DispositionFeuille DessinerTroisTableaux(const ReglagesFeuille& reglages, Tableau& tableau,
                                             Operation operation, Hasard& hasard);
    // One table at its place, with the cell and font sizes of its sheet.
    void DessinerTableau(const DispositionFeuille& feuille, const PlaceTableau& place,
                         const ContenuTableau& contenu);

    static QFont PoliceConsigne();
    static QFont PoliceNombres(int taille);

  private:
    void Commencer();
    int HauteurG() const;
    int TaillePolice(int tailleCase) const;
    void EcrireConsigne(const PlaceTableau& place, const QString& consigne);
    void TracerGrille(const PlaceTableau& place, int s);
    void EcrireNombres(const PlaceTableau& place, int s, const ContenuTableau& contenu);
    void Ecrire(int x, int haut, const QString& texte);

    QPainter& p;
    QSize surface;
    SurfaceFeuille genre;
};
