// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/GeometrieVoiliers.h"
#include "sailboats/TableauVoiliers.h"

#include <QFrame>
#include <QPoint>

#include <array>

class ImageVoilier;
class PlateForme;
class QWidget;

// The table of the sailboat exercises on screen (PanelExercice): the sail headers on top (IH1..
// IH7), the hull headers at the left (IV1..IV5) and the cells (IJ11..IJ57), each a boat picture,
// and a frame that the arrow keys move over them for pupils who play from the keyboard. Positions
// are (column, row), the headers being row and column 0.
class TableauImages : public QFrame {
    Q_OBJECT
  public:
    TableauImages(PlateForme& plateForme, QWidget* parent);

    // Places and shows the pictures of a table of that geometry, hides the others, and takes the
    // table's size; the frame stays where it was when the table still has that picture.
    void Disposer(const GeometrieVoiliers& geometrie);
    const GeometrieVoiliers& Geometrie() const { return g; }

    ImageVoilier* Image(QPoint position) const;
    ImageVoilier* Case(int ligne, int colonne) const { return Image(QPoint(colonne, ligne)); }
    ImageVoilier* EnteteVoiles(int colonne) const { return Image(QPoint(colonne, 0)); }
    ImageVoilier* EnteteCoque(int ligne) const { return Image(QPoint(0, ligne)); }
    // Every picture of the current table.
    QList<ImageVoilier*> Images() const;

    void DefinirTrames(bool actives, int echelle);

    QPoint Cadre() const { return cadre; }
    void PlacerCadre(QPoint position);
    // The table speaks as the framed picture: call it when that picture's name changed.
    void NommerCommeLeCadre(bool annoncer);

  signals:
    // A key other than the arrows pressed while the table has the keyboard (Enter, Space,
    // letters): what it does belongs to the exercise.
    void ToucheJouee(QPoint cadre, int touche);

  protected:
    void paintEvent(QPaintEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

  private:
    PlateForme& plate;
    GeometrieVoiliers g;
    std::array<std::array<ImageVoilier*, TableauVoiliers::ColonnesMax + 1>, TableauVoiliers::LignesMax + 1>
        images{};
    QWidget* cadreFocus;
    QPoint cadre{1, 1};
};
