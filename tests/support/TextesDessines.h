// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/LignesDeMots.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>

// A paint device that keeps the texts drawn on it, each word at its place, and draws nothing
// else: what a preview says, to be set against what pdftotext reads on the printed page.
class TextesDessines final : public QPaintDevice {
  public:
    TextesDessines(QSize taille, int dpi = 96) : taille(taille), dpi(dpi) {}
    ~TextesDessines() override = default;

    QPaintEngine* paintEngine() const override { return &moteur; }
    const QList<MotPlace>& Mots() const { return moteur.mots; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return taille.width();
        case PdmHeight:
            return taille.height();
        case PdmWidthMM:
            return taille.width() * 254 / (10 * dpi);
        case PdmHeightMM:
            return taille.height() * 254 / (10 * dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    class Moteur final : public QPaintEngine {
      public:
        Moteur() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& etat) override {
            if (etat.state() & QPaintEngine::DirtyTransform) transformation = etat.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawRects(const QRectF*, int) override {}
        void drawRects(const QRect*, int) override {}
        void drawLines(const QLineF*, int) override {}
        void drawLines(const QLine*, int) override {}
        void drawEllipse(const QRectF&) override {}
        void drawTextItem(const QPointF& point, const QTextItem& texte) override {
            const QPointF place = transformation.map(point);
            int rang = 0;
            for (const QString& mot : texte.text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                mots.append({place.x() + 0.001 * rang++, place.y(), mot});
        }
        Type type() const override { return QPaintEngine::User; }

        QTransform transformation;
        QList<MotPlace> mots;
    };

    QSize taille;
    int dpi;
    mutable Moteur moteur;
};
