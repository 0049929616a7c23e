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
    Reponse Confirmer(const QString& titre, const QString& texte) override;
    QRect GeometrieEcran() const override;
    int PixelsParPouce() const override;
    QDateTime Maintenant() const override { return QDateTime::currentDateTime(); }
    QString ChoisirFichierAOuvrir(const QString& titre, const QString& filtre, const QString& dossier,
                                  const QString& fichierPropose) override;
    QString ChoisirFichierAEnregistrer(const QString& titre, const QStringList& types, int& type,
                                       const QString& dossier, const QString& fichierPropose) override;
    bool ChoisirPolice(QFont& police) override;
    void AfficherAide(const QString& fichierAide, const QString& ancre) override;
    void MasquerBarreDesTaches(QWidget& fenetrePrincipale) override;
    void MontrerBarreDesTaches(QWidget& fenetrePrincipale) override;
    void PleinEcran(QWidget& fenetre) override;
    bool MettreALaCorbeille(const QString& chemin) override;
    QString FichierReglagesUtilisateur(const QString& programme) const override;
    void Annoncer(QObject& objet, QAccessible::Event evenement) override;
    std::unique_ptr<SortieImpression> ChoisirImpression(const QString& titre,
                                                        std::optional<QPageLayout::Orientation> orientation,
                                                        int nombrePages) override;

  private:
    QString titre;
    QPointer<FenetreAide> aide; // one help window for the whole run
};
