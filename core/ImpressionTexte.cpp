// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ImpressionTexte.h"

#include "core/TravailImpression.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>

namespace {

// The document's lengths are pixels at 96 per inch; the layout turns them into device dots.
constexpr double MargePixels = 2 / 2.54 * 96;

// The layout turns fonts, tab stops, frame margins and the space above and below paragraphs into
// device dots, but not the side margins and first-line indents of paragraphs: they are scaled
// here, or an indented line would print flush.
void MettreLesParagraphesALEchelle(QTextDocument& copie, double echelle) {
    QTextCursor curseur(&copie);
    curseur.beginEditBlock();
    for (QTextBlock bloc = copie.begin(); bloc.isValid(); bloc = bloc.next()) {
        QTextBlockFormat format = bloc.blockFormat();
        format.setLeftMargin(format.leftMargin() * echelle);
        format.setRightMargin(format.rightMargin() * echelle);
        format.setTextIndent(format.textIndent() * echelle);
        curseur.setPosition(bloc.position());
        curseur.setBlockFormat(format);
    }
    curseur.endEditBlock();
}

} // namespace

namespace ImpressionTexte {

std::unique_ptr<QTextDocument> MiseEnPage(const QTextDocument& document, QPagedPaintDevice& page) {
    std::unique_ptr<QTextDocument> copie(document.clone());
    MettreLesParagraphesALEchelle(*copie, page.logicalDpiY() / 96.0);
    copie->documentLayout()->setPaintDevice(&page);
    QTextFrameFormat cadre = copie->rootFrame()->frameFormat();
    cadre.setMargin(MargePixels);
    copie->rootFrame()->setFrameFormat(cadre);
    // The painter's own page: the printable part, in device dots.
    copie->setPageSize(QSizeF(page.width(), page.height()));
    return copie;
}

int NombreDePages(const QTextDocument& document, QPagedPaintDevice& page) {
    return MiseEnPage(document, page)->pageCount();
}

bool Imprimer(const QTextDocument& document, const Destination& vers) {
    const std::unique_ptr<QTextDocument> copie = MiseEnPage(document, vers.Page);
    const QSizeF taille = copie->pageSize();
    // The orientation is the one chosen in the print dialog.
    return ImprimerPages(vers, std::nullopt, copie->pageCount(), [&](QPainter& peintre, QSize, int numero) {
        const QRectF vue(0, numero * taille.height(), taille.width(), taille.height());
        peintre.translate(0, -vue.top());
        peintre.setClipRect(vue);
        QAbstractTextDocumentLayout::PaintContext contexte;
        contexte.clip = vue;
        contexte.palette.setColor(QPalette::Text, Qt::black);
        copie->documentLayout()->draw(&peintre, contexte);
    });
}

} // namespace ImpressionTexte
