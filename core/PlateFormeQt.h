// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlateForme.h"

#include <QPointer>

class FenetreAide;
class ImprimantesQt;

// The platform of the running programs: Qt's message boxes, the primary screen, the system clock.
// Qt's texts in these dialogs are French (InstallerTraductionQt), even before the menu is painted.
class PlateFormeQt final : public PlateForme {
  public:
    // titre heads the message boxes and the help window; moduleImpression is the file of the
    // print dialogs (ImprimantesQt.h), loaded at the first print.
    explicit PlateFormeQt(const QString& titre, const QString& moduleImpression = {});
    ~PlateFormeQt() override;

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
    // The print dialogs, loaded at the first call; null, and said in French, when they cannot be.
    ImprimantesQt* Imprimantes();

    QString titre;
    QString moduleImpression;
    std::unique_ptr<ImprimantesQt> imprimantes;
    QPointer<FenetreAide> aide; // one help window for the whole run
};
