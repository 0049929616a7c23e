// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

// A document told as one line per paragraph, so that a test states text and formats in one
// string: "C li=300 tabs=r1500 |{b,Arial,14,#c80a14}text{,Arial,12}more". Lengths in twips.
namespace DescriptionDocument {

inline int Twips(double pixels) {
    return static_cast<int>(std::lround(pixels * 15));
}

inline QString Paragraphe(const QTextBlockFormat& f, double largeurRetrait) {
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    QString d = a & Qt::AlignHCenter ? "C" : a & Qt::AlignJustify ? "J" : a & Qt::AlignRight ? "R" : "L";
    const std::pair<const char*, double> longueurs[] = {{"li", f.leftMargin() + f.indent() * largeurRetrait},
                                                        {"ri", f.rightMargin()},
                                                        {"fi", f.textIndent()},
                                                        {"sb", f.topMargin()},
                                                        {"sa", f.bottomMargin()}};
    for (const auto& [nom, valeur] : longueurs)
        if (Twips(valeur) != 0) d += QStringLiteral(" %1=%2").arg(nom).arg(Twips(valeur));
    QStringList taquets;
    for (const QTextOption::Tab& t : f.tabPositions())
        taquets += QStringLiteral("%1%2")
                       .arg(t.type == QTextOption::RightTab       ? "r"
                            : t.type == QTextOption::CenterTab    ? "c"
                            : t.type == QTextOption::DelimiterTab ? "d"
                                                                  : "")
                       .arg(Twips(t.position));
    if (!taquets.isEmpty()) d += " tabs=" + taquets.join(',');
    return d + " |";
}

// The font as it shows: the document's own where the text names none.
inline QString Caractere(const QTextCharFormat& f, const QFont& parDefaut) {
    QString d;
    if (f.fontWeight() >= QFont::DemiBold) d += 'b';
    if (f.fontItalic()) d += 'i';
    if (f.fontUnderline()) d += 'u';
    if (f.fontStrikeOut()) d += 's';
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) d += '^';
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) d += '_';
    const QString famille = f.property(QTextFormat::FontFamilies).toStringList().value(0);
    d += ',' + (famille.isEmpty() ? parDefaut.family() : famille);
    d += ',' + QString::number(f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                                         : parDefaut.pointSizeF());
    if (f.foreground().style() != Qt::NoBrush) d += ',' + f.foreground().color().name();
    return '{' + d + '}';
}

inline QString Decrire(const QTextDocument& document) {
    QStringList paragraphes;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        QString d = Paragraphe(bloc.blockFormat(), document.indentWidth());
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            d += Caractere(it.fragment().charFormat(), document.defaultFont()) + it.fragment().text();
        paragraphes += d;
    }
    return paragraphes.join('\n');
}

// The text alone, the paragraphs joined by "\n" (line separators kept as they are).
inline QString Texte(const QTextDocument& document) {
    QStringList paragraphes;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
        paragraphes += bloc.text();
    return paragraphes.join('\n');
}

} // namespace DescriptionDocument
