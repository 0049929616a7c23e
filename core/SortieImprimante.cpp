// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SortieImprimante.h"

#include <QPrinter>

namespace {

// The printer's own pages are only known to it once it is done: its state says whether it took
// them.
class SortieImprimante final : public SortieImpression {
  public:
    explicit SortieImprimante(std::unique_ptr<QPrinter> imprimante) : imprimante(std::move(imprimante)) {}
    QPagedPaintDevice& Page() override { return *imprimante; }
    bool Livrer(QString& raison) override {
        const QPrinter::PrinterState etat = imprimante->printerState();
        if (etat != QPrinter::Error && etat != QPrinter::Aborted) return true;
        raison = QStringLiteral("l'imprimante «\u00a0%1\u00a0» a refusé le travail")
                     .arg(imprimante->printerName());
        return false;
    }

  private:
    std::unique_ptr<QPrinter> imprimante;
};

} // namespace

ReponseImpression ReponseDe(std::unique_ptr<QPrinter> imprimante) {
    ReponseImpression reponse;
    if (imprimante->printRange() == QPrinter::PageRange) reponse.Demande.Pages = imprimante->pageRanges();
    if (!imprimante->supportsMultipleCopies()) {
        reponse.Demande.Exemplaires = imprimante->copyCount();
        reponse.Demande.Assemblees = imprimante->collateCopies();
    }
    if (imprimante->outputFormat() == QPrinter::PdfFormat) {
        reponse.FichierPdf = imprimante->outputFileName();
        reponse.MiseEnPage = imprimante->pageLayout();
        reponse.Resolution = imprimante->resolution();
    } else {
        reponse.Imprimante = std::make_unique<SortieImprimante>(std::move(imprimante));
    }
    return reponse;
}
