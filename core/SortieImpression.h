// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Tirage.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <memory>

// Where a print job goes, as the print dialog chose it: the device to draw on, what the dialog
// asked of the document, and the step that hands the finished pages over. Nothing reaches the
// printer or the file before that step says whether it went through.
class SortieImpression {
  public:
    virtual ~SortieImpression() = default;

    virtual QPagedPaintDevice& Page() = 0;
    // Why the pages cannot go where they were sent (a file that cannot be created); empty when
    // they can. A refused output is not drawn on.
    virtual QString Refus() const { return {}; }
    // Once the painter has ended: a PDF file written whole, a printer's state read. False, with
    // the reason in French, when the pages were not taken.
    virtual bool Livrer(QString& raison) = 0;

    Destination Vers() { return {Page(), Demande}; }

    Tirage Demande;
};

// A PDF file, written beside its place and put there only once the job is complete: a full disk
// or a vanished folder leaves the file that was there, or none, never a torn one.
class SortiePdf final : public SortieImpression {
  public:
    // A4 portrait at 1200 dots per inch until told otherwise through Pdf().
    SortiePdf(const QString& chemin, const QString& titre);

    QPagedPaintDevice& Page() override { return pdf; }
    QPdfWriter& Pdf() { return pdf; }
    QString Refus() const override { return refus; }
    bool Livrer(QString& raison) override;

  private:
    QSaveFile fichier;
    QPdfWriter pdf;
    QString refus;
};

// The print dialog's answer. A printer is reached through Qt's printing library, which only the
// print module links (ImprimantesQt.h): the module hands it over as an output of its own. A PDF
// file is written by the program (SortiePdf), with the page and resolution the dialog set.
struct ReponseImpression {
    std::unique_ptr<SortieImpression> Imprimante; // null: the PDF file below
    QString FichierPdf;
    QPageLayout MiseEnPage;
    int Resolution = 1200;
    Tirage Demande;
};

// Where a job of that title goes after that answer, with the pages and copies it asked for.
std::unique_ptr<SortieImpression> SortieDe(ReponseImpression reponse, const QString& titre);
