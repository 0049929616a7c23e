#pragma once

#include "shell/PlateForme.h"

// The platform of the running programs: Qt's message boxes, the primary screen, the system clock.
class PlateFormeQt final : public PlateForme {
public:
    void Avertir(const QString& texte) override;
    QRect GeometrieEcran() const override;
    int PixelsParPouce() const override;
    QDateTime Maintenant() const override { return QDateTime::currentDateTime(); }
    void MasquerBarreDesTaches(QWidget& fenetrePrincipale) override;
    void MontrerBarreDesTaches(QWidget& fenetrePrincipale) override;
};
