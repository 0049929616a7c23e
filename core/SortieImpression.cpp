// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SortieImpression.h"

#include "core/RaisonFichier.h"

#include <QDir>
#include <QFileInfo>

SortiePdf::SortiePdf(const QString& chemin, const QString& titre) : fichier(chemin), pdf(&fichier) {
    pdf.setTitle(titre);
    // A device or a pipe is no place for a document (and the save would replace it).
    const QFileInfo cible(chemin);
    if (cible.exists() && !cible.isFile())
        refus = QStringLiteral("«\u00a0%1\u00a0» n'est pas un fichier").arg(QDir::toNativeSeparators(chemin));
    else if (!fichier.open(QIODevice::WriteOnly))
        refus = RaisonFichier::Ouverture(fichier, chemin, RaisonFichier::Lieu::DossierChoisi);
}

bool SortiePdf::Livrer(QString& raison) {
    if (!refus.isEmpty()) {
        raison = refus;
        return false;
    }
    // flush() before commit(): Qt 6.4's commit() misses a failure while it empties its buffer.
    // A file not committed is thrown away with its writer.
    if (fichier.flush() && fichier.error() == QFileDevice::NoError && fichier.commit()) return true;
    raison = RaisonFichier::Ecriture(fichier, fichier.fileName());
    return false;
}

std::unique_ptr<SortieImpression> SortieDe(ReponseImpression reponse, const QString& titre) {
    std::unique_ptr<SortieImpression> sortie = std::move(reponse.Imprimante);
    if (!sortie) {
        auto pdf = std::make_unique<SortiePdf>(reponse.FichierPdf, titre);
        pdf->Pdf().setPageLayout(reponse.MiseEnPage);
        pdf->Pdf().setResolution(reponse.Resolution);
        sortie = std::move(pdf);
    }
    sortie->Demande = reponse.Demande;
    return sortie;
}
