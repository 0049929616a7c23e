// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Operation.h"

#include <QObject>

#include <array>

class CaseTableau;
class QFont;
class QWidget;
struct Tableau;

// The table as the exercise window shows it: a frame and the 12 x 12 cells laid directly on the
// window, of which those of the table in play are placed, painted and named for screen readers.
// Only the cells still to be found react to the mouse.
class GrilleCarrelis : public QObject {
    Q_OBJECT
  public:
    explicit GrilleCarrelis(QWidget& fenetre);

    CaseTableau* Cellule(int c, int r) const { return cases[c][r]; }
    QWidget* Cadre() const { return cadre; }
    // The frame turns gold while the keyboard is in the table: before a cell is chosen nothing
    // else shows where the focus is.
    void MontrerClavier(bool dedans);

    void Cacher();
    // The frame centred left of bordGauche and above hautBarre, the cells of table t in it.
    void Placer(const Tableau& t, int tailleCase, int bordGauche, int hautBarre);
    // The corner shows the sign, headers are blue, every shown cell carries its value.
    void Afficher(const Tableau& t, Operation operation);
    // An answered cell: its value in green when it was typed, in red in a dashed frame when not.
    void Repondue(const Tableau& t, Operation operation, int c, int r, bool juste);
    void ChoisirPolice(const QFont& police);

  signals:
    void Appuyee(CaseTableau* caseTableau);
    void Cliquee(CaseTableau* caseTableau);

  private:
    void Nommer(const Tableau& t, Operation operation, int c, int r, const QString& etat = {});

    QWidget* cadre;
    std::array<std::array<CaseTableau*, 12>, 12> cases{};
};
