// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Mosaique.h"

#include <QWidget>

#include <functional>

// A paint box tiled with a picture: the image is chosen again at each painting, so that a
// preference changed meanwhile shows at once.
class ZoneMosaique : public QWidget {
    Q_OBJECT
  public:
    // fichiers() gives the chosen image and its fallback.
    ZoneMosaique(std::function<std::pair<QString, QString>()> fichiers, QWidget* parent = nullptr);

    const Mosaique& Tuiles() const { return mosaique; }
    // The picture the first painting will most likely show, read meanwhile on another thread.
    void Prevoir(const QString& fichier) { mosaique.Prevoir(fichier); }

  signals:
    void Clique();

  protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;

  private:
    std::function<std::pair<QString, QString>()> fichiers;
    Mosaique mosaique;
};
