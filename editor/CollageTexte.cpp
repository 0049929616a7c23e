// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CollageTexte.h"

#include "editor/EcrivainRtf.h"
#include "editor/LecteurRtf.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// The names other programs give rich text on the clipboard.
const QStringList TypesRtf{QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                           QStringLiteral("text/richtext")};

QByteArray Rtf(const QMimeData& source) {
    for (const QString& type : TypesRtf)
        if (source.hasFormat(type)) return source.data(type);
    return {};
}

// A fragment as the editor's files would keep it.
QByteArray RtfDuFragment(const QTextDocumentFragment& fragment, const QFont& police) {
    QTextDocument document;
    document.setDefaultFont(police);
    QTextCursor(&document).insertFragment(fragment);
    return EcrivainRtf::Ecrire(document);
}

// The words alone, one line per paragraph; a picture has no place in them.
QString TexteSeul(const QMimeData& source) {
    QString texte =
        source.hasText() ? source.text() : QTextDocumentFragment::fromHtml(source.html()).toPlainText();
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    texte.remove(QChar::ObjectReplacementCharacter);
    return texte;
}

} // namespace

namespace CollageTexte {

QMimeData* Donnees(const QTextCursor& selection) {
    auto* donnees = new QMimeData;
    const QTextDocumentFragment fragment = selection.selection();
    QString texte = fragment.toPlainText();
    texte.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    texte.replace(QChar::LineSeparator, QLatin1Char('\n'));
    donnees->setText(texte);
    donnees->setHtml(fragment.toHtml());
    const QFont police = selection.document() ? selection.document()->defaultFont() : QFont();
    donnees->setData(TypesRtf.first(), RtfDuFragment(fragment, police));
    return donnees;
}

bool Coller(const QMimeData& source, QTextCursor& curseur, bool texteSeulement) {
    if (!texteSeulement) {
        QByteArray rtf = Rtf(source);
        if (!LecteurRtf::EstRtf(rtf) && source.hasHtml()) {
            const QFont police = curseur.document() ? curseur.document()->defaultFont() : QFont();
            rtf = RtfDuFragment(QTextDocumentFragment::fromHtml(source.html()), police);
        }
        if (LecteurRtf::EstRtf(rtf)) {
            curseur.beginEditBlock();
            curseur.removeSelectedText();
            const bool lu = LecteurRtf::Inserer(rtf, curseur);
            curseur.endEditBlock();
            return lu;
        }
    }
    if (!source.hasText() && !source.hasHtml()) return false;
    curseur.insertText(TexteSeul(source));
    return true;
}

bool Collable(const QMimeData& source) {
    return source.hasText() || source.hasHtml() || !Rtf(source).isEmpty();
}

} // namespace CollageTexte
