// SPDX-License-Identifier: GPL-3.0-or-later
// The module loaded at the first print (core/ImprimantesQt.h): the only code of the programs that
// links Qt's printing library.
#include "core/ImprimantesQt.h"
#include "core/SortieImprimante.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <type_traits>

namespace {

// A printer for a job of that title; where the machine has none, the dialog's own choice is a
// PDF file: one is proposed in the home folder.
std::unique_ptr<QPrinter> NouvelleImprimante(const QString& titre) {
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setDocName(titre);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        imprimante->setOutputFormat(QPrinter::PdfFormat);
        imprimante->setOutputFileName(QDir::home().filePath(titre + QStringLiteral(".pdf")));
    }
    return imprimante;
}

class DialoguesImpression final : public ImprimantesQt {
  public:
    std::optional<ReponseImpression> ChoisirImpression(const QString& titre,
                                                       std::optional<QPageLayout::Orientation> orientation,
                                                       int nombrePages, QWidget* parent) override {
        std::unique_ptr<QPrinter> imprimante = NouvelleImprimante(titre);
        if (orientation) imprimante->setPageOrientation(*orientation);
        QPrintDialog dialogue(imprimante.get(), parent);
        dialogue.setWindowTitle(titre);
        if (nombrePages > 0) dialogue.setMinMax(1, nombrePages);
        if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
        // The dialog may have turned the page; the document is drawn for its own orientation.
        if (orientation) imprimante->setPageOrientation(*orientation);
        return ReponseDe(std::move(imprimante));
    }
};

} // namespace

extern "C" Q_DECL_EXPORT ImprimantesQt* CreerImprimantesQt() {
    return new DialoguesImpression;
}
static_assert(std::is_same_v<decltype(&CreerImprimantesQt), FabriqueImprimantes>);
