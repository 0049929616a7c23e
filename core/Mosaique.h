// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <future>

class QPainter;

// A bitmap tiled from the top-left corner, left to right and row under row, until the area is
// covered; the backgrounds of the menu, the exercises, the results and the about window.
// The bitmap is read once and read again only when the file name or its date changes.
class Mosaique {
  public:
    // Loads the first of the two files that exists; neither (or an empty bitmap) clears it.
    void Choisir(const QString& fichier, const QString& fichierParDefaut);
    // Starts reading that file on another thread, while the window is still being built: the
    // next Choisir that lands on it, unchanged, takes the picture from there.
    void Prevoir(const QString& fichier);
    bool EstVide() const { return image.isNull() || image.width() <= 0 || image.height() <= 0; }
    const QImage& Image() const { return image; }
    // Tiles the area (0, 0, largeur, hauteur); an empty mosaic paints nothing.
    void Peindre(QPainter& peintre, int largeur, int hauteur) const;

  private:
    bool Charger(const QString& fichier);

    QString fichierCharge;
    QDateTime dateChargee;
    QImage image;
    QString fichierPrevu;
    QDateTime datePrevue;
    std::future<QImage> imagePrevue;
};
