// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>

#include <functional>

class QPainter;

// The preview of a sheet: drawn once into an image at each change of the sheet or of its own
// size, and shown from that image on every repaint. Screen readers hear the sheet described.
class ApercuFeuille : public QLabel {
    Q_OBJECT
  public:
    using Dessin = std::function<void(QPainter& peintre, QSize surface)>;

    explicit ApercuFeuille(QWidget* parent = nullptr);

    void DefinirDessin(Dessin dessin) { this->dessin = std::move(dessin); }
    // Draws the sheet again; the window calls it once per change.
    void Redessiner();
    const QImage& Image() const { return image; }
    int NombreDeDessins() const { return dessins; }

  protected:
    void resizeEvent(QResizeEvent* evenement) override;

  private:
    Dessin dessin;
    QImage image;
    int dessins = 0;
};
