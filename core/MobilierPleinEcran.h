// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class MaintienGeometrie;
class Programme;
class QWidget;
class ZoneMosaique;

// The furniture every full-screen window stands on: the tiled background, the scaling to the
// screen, the placement on the menu's geometry in full screen and the geometry hold, started
// when the window is shown by another window and stopped when it is hidden.
class MobilierPleinEcran : public QObject {
    Q_OBJECT
  public:
    using ImagesFond = std::function<std::pair<QString, QString>()>; // chosen picture, fallback

    struct Options {
        ImagesFond Images;            // none: no mosaic
        QWidget* CadreFond = nullptr; // where the mosaic lies: the window itself when null
        int IntervalleMs = 500;       // the hold's period
        bool Automatique = true;      // placed and held at each showing, released at each hiding
        QString NomMaintien = QStringLiteral("Timer1"); // the hold's name among the window's timers
    };

    MobilierPleinEcran(QWidget& fenetre, Programme& programme, Options options);

    // Once the window's controls are built: scales it and all of them, returns the ratio.
    double MettreAEchelle();
    // At the menu's geometry, full screen, at once (the hold then has nothing to correct).
    void Placer();
    void Tenir();
    void Lacher();

    ZoneMosaique* Fond() const { return fond; }
    MaintienGeometrie& Maintien() const { return *maintien; }

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    QWidget& fenetre;
    Programme& prog;
    QWidget* cadreFond;
    ZoneMosaique* fond = nullptr;
    MaintienGeometrie* maintien;
    bool automatique;
};
