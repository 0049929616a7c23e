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

std::unique_ptr<SortieImpression> SortieDe(std::unique_ptr<QPrinter> imprimante) {
    Tirage demande;
    if (imprimante->printRange() == QPrinter::PageRange) demande.Pages = imprimante->pageRanges();
    const bool copiesDessinees = !imprimante->supportsMultipleCopies();
    if (copiesDessinees) {
        demande.Exemplaires = imprimante->copyCount();
        demande.Assemblees = imprimante->collateCopies();
    }
    std::unique_ptr<SortieImpression> sortie;
    if (imprimante->outputFormat() == QPrinter::PdfFormat) {
        auto pdf = std::make_unique<SortiePdf>(imprimante->outputFileName(), imprimante->docName());
        pdf->Pdf().setPageLayout(imprimante->pageLayout());
        pdf->Pdf().setResolution(imprimante->resolution());
        sortie = std::move(pdf);
    } else {
        sortie = std::make_unique<SortieImprimante>(std::move(imprimante));
    }
    sortie->Demande = demande;
    return sortie;
}
