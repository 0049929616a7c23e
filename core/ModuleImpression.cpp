// SPDX-License-Identifier: GPL-3.0-or-later
// The module loaded at the first print (core/ImprimantesQt.h): the only code of the programs that
// links Qt's printing library.
#include "core/ImprimantesQt.h"

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

bool Accepte(QPrinter& imprimante, const QString& titre, QWidget* parent) {
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setWindowTitle(titre);
    return dialogue.exec() == QDialog::Accepted;
}

class DialoguesImpression final : public ImprimantesQt {
  public:
    std::unique_ptr<QPagedPaintDevice>
    ChoisirImprimante(const QString& titre, QPageLayout::Orientation orientation, QWidget* parent) override {
        std::unique_ptr<QPrinter> imprimante = NouvelleImprimante(titre);
        imprimante->setPageOrientation(orientation);
        if (!Accepte(*imprimante, titre, parent)) return nullptr;
        // The dialog may have turned the page; the sheet is drawn for its own orientation.
        imprimante->setPageOrientation(orientation);
        return imprimante;
    }

    PlateForme::Impression ChoisirImpression(const QString& titre, QWidget* parent) override {
        std::unique_ptr<QPrinter> imprimante = NouvelleImprimante(titre);
        if (!Accepte(*imprimante, titre, parent)) return {};
        PlateForme::Impression choix;
        choix.Exemplaires = imprimante->copyCount();
        choix.CopiesParLeSysteme = imprimante->supportsMultipleCopies();
        choix.Page = std::move(imprimante);
        return choix;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT ImprimantesQt* CreerImprimantesQt() {
    return new DialoguesImpression;
}
static_assert(std::is_same_v<decltype(&CreerImprimantesQt), FabriqueImprimantes>);
