// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/LignesDeMots.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// What a printed PDF holds, read back with poppler's tools: the words of each page with their
// places (pdftotext -bbox), a page rendered at a resolution (pdftoppm), the page count and size.
namespace Pdf {

inline bool OutilsPresents() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline QString Lancer(const QString& outil, const QStringList& arguments) {
    QProcess processus;
    processus.start(QStandardPaths::findExecutable(outil), arguments);
    if (!processus.waitForFinished(60000) || processus.exitCode() != 0) return {};
    return QString::fromUtf8(processus.readAllStandardOutput());
}

inline QString Deprotege(QString texte) {
    return texte.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// The words of every page, in points from the page's top-left corner.
inline QList<QList<MotPlace>> Mots(const QString& fichier) {
    const QString html =
        Lancer(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), fichier, QStringLiteral("-")});
    QList<QList<MotPlace>> pages;
    static const QRegularExpression balise(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = balise.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            pages.append(QList<MotPlace>());
            continue;
        }
        if (pages.isEmpty()) pages.append(QList<MotPlace>());
        pages.last().append({m.captured(1).toDouble(), m.captured(2).toDouble(), Deprotege(m.captured(3))});
    }
    return pages;
}

// Page `page` (from 1) rendered at `dpi`; a null image when it cannot be.
inline QImage Rendu(const QString& fichier, int page, int dpi) {
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("page"));
    const QString numero = QString::number(page);
    Lancer(QStringLiteral("pdftoppm"),
           {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), numero, QStringLiteral("-l"),
            numero, QStringLiteral("-png"), QStringLiteral("-singlefile"), fichier, sortie});
    QImage image(sortie + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Page {
    int pages = 0;
    double largeur = 0, hauteur = 0; // the first page's media box, in points
};

// The page count and the first media box, read from the file's own page objects.
inline Page LirePage(const QString& fichier) {
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString pdf = QString::fromLatin1(f.readAll());
    Page page;
    page.pages = int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    const auto boite =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)")).match(pdf);
    if (boite.hasMatch()) {
        page.largeur = boite.captured(1).toDouble();
        page.hauteur = boite.captured(2).toDouble();
    }
    return page;
}

} // namespace Pdf
