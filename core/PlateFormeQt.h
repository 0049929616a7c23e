#pragma once

#include "core/PlateForme.h"

#include <QPointer>

class FenetreAide;

// The platform of the running programs: Qt's message boxes, the primary screen, the system clock.
class PlateFormeQt final : public PlateForme {
  public:
    // titre heads the message boxes and the help window.
    explicit PlateFormeQt(const QString& titre) : titre(titre) {}

    void Avertir(const QString& texte) override;
    bool Demander(const QString& texte) override;
    QRect GeometrieEcran() const override;
    int PixelsParPouce() const override;
    QDateTime Maintenant() const override { return QDateTime::currentDateTime(); }
    QString ChoisirFichierAOuvrir(const QString& titre, const QString& filtre, const QString& dossier,
                                  const QString& fichierPropose) override;
    void AfficherAide(const QString& fichierAide, const QString& ancre) override;
    void MasquerBarreDesTaches(QWidget& fenetrePrincipale) override;
    void MontrerBarreDesTaches(QWidget& fenetrePrincipale) override;
    void PleinEcran(QWidget& fenetre) override;
    QString FichierReglagesUtilisateur(const QString& programme) const override;
    void Annoncer(QObject& objet, QAccessible::Event evenement) override;
    std::unique_ptr<QPagedPaintDevice> ChoisirImprimante(const QString& titre,
                                                         QPageLayout::Orientation orientation) override;

  private:
    QString titre;
    QPointer<FenetreAide> aide; // one help window for the whole run
};
