// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>

class PlateForme;
class QWidget;

// Puts a full-screen window at the menu's geometry at once (so that the hold finds nothing to
// correct) and asks the desktop for full screen, the only way a window covers its panels.
void PlacerPleinEcran(QWidget& fenetre, const QRect& geometrie, PlateForme& plateForme);

// Full-screen windows are held at the main menu's geometry: every 500 ms, whatever the user
// moved or resized jumps back. Without a window manager full-screen requests are ignored,
// and this is what puts the windows in place there too.
class MaintienGeometrie : public QObject {
    Q_OBJECT
  public:
    MaintienGeometrie(QWidget& fenetre, const QRect& geometrie, int intervalleMs = 500);

    void Demarrer() { minuterie.start(); }
    void Arreter() { minuterie.stop(); }
    bool Actif() const { return minuterie.isActive(); }
    QTimer& Minuterie() { return minuterie; }

    // One step: Left, Top, Width and Height each set back where they differ.
    void Tenir();

  private:
    QWidget& fenetre;
    const QRect& geometrie;
    QTimer minuterie;
};
