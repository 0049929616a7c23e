// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sailboats/VoilierEcran.h"

#include <QImage>
#include <QList>
#include <QWidget>

// A boat picture of the exercise windows. It shows its bitmap as it is, enabled or not: the
// exercises disable the very pictures whose colours pupils must read, and a disabled QLabel
// would grey them. The bitmap is never smaller than 300 x 350 nor than the control, and boats
// are drawn at the control's current size. Whoever places the picture names it for assistive
// technologies (setAccessibleName) and says what they may do with it (DefinirActions).
class ImageVoilier : public QWidget {
    Q_OBJECT

  public:
    static constexpr QSize TailleBitmapMin{300, 350};

    // Something a screen reader user may do with the picture: what a press of the left button at
    // `Point` does (and its release, a click). An empty name stands for the plain "press".
    struct Action {
        QString Nom; // empty: the standard "Press"
        QPoint Point;
        QString Description = {}; // what it does, said with its name; empty for "Press"
    };

    explicit ImageVoilier(QWidget* parent = nullptr);

    const QImage& Image() const { return bitmap; }
    // Draws on the bitmap at the control's current size; `marge` is the table's Marge.
    VoilierEcran Dessin(int marge);
    // The cell number 10 x row + column, or a header's column or row.
    int Etiquette = 0;

    // Hatches laid over the colours on screen (the bitmap keeps its plain colours), with lines
    // `echelle` pixels wide.
    void DefinirTrames(bool actives, int echelle = 1);
    bool Trames() const { return trames; }
    // What the screen shows, hatches included.
    QImage ImageMontree() const;

    void DefinirActions(const QList<Action>& liste) { actions = liste; }
    const QList<Action>& Actions() const { return actions; }
    // Action i as the mouse would do it: nothing while the picture is disabled.
    void Agir(int i);

  signals:
    // Any mouse button pressed on an enabled picture, at that point of the picture.
    void Appui(QPoint position, Qt::MouseButton bouton);
    // The left button pressed and released on an enabled picture.
    void Clic();

  protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

  private:
    void Agrandir(QSize taille);

    QImage bitmap;
    QList<Action> actions;
    bool trames = false;
    int echelleTrames = 1;
    mutable QImage tramee; // the hatched picture, made again at the first paint after a drawing
};
