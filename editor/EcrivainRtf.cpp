// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EcrivainRtf.h"

#include "core/Windows1252.h"

#include <QTextBlock>
#include <QTextDocument>

#include <charconv>
#include <cmath>

namespace {

// The document's lengths are pixels at 96 per inch: 15 twips each.
constexpr double TwipsParPixel = 15.0;

int Twips(double pixels) {
    return static_cast<int>(std::lround(pixels * TwipsParPixel));
}

// A number's digits, without allocating: a text has thousands of them.
class Nombre {
  public:
    explicit Nombre(int n) : fin(std::to_chars(chiffres, chiffres + sizeof chiffres, n).ptr) {}
    operator QByteArrayView() const { return QByteArrayView(chiffres, fin - chiffres); }

  private:
    char chiffres[12];
    char* fin;
};

void AjouterHexa(QByteArray& sortie, uchar octet) {
    static constexpr char Chiffres[] = "0123456789abcdef";
    const char escape[] = {'\\', '\'', Chiffres[octet >> 4], Chiffres[octet & 0x0F]};
    sortie.append(escape, sizeof escape);
}

// The characters of the 8-bit set above ASCII, to write them as \'hh; the five bytes the set
// leaves undefined are not among them. Made once: the converter is slow to find.
const QHash<char16_t, uchar>& Octets1252() {
    static const QHash<char16_t, uchar> table = [] {
        QByteArray octets;
        for (int octet = 0x80; octet <= 0xFF; ++octet)
            octets.append(static_cast<char>(octet));
        const QString caracteres = Windows1252::Decoder(octets);
        QHash<char16_t, uchar> octetsDe;
        for (qsizetype i = 0; i < caracteres.size() && caracteres.size() == octets.size(); ++i)
            if (caracteres.at(i).unicode() >= 0xA0)
                octetsDe.insert(caracteres.at(i).unicode(), static_cast<uchar>(octets.at(i)));
        return octetsDe;
    }();
    return table;
}

const char* Alignement(Qt::Alignment alignement) {
    const Qt::Alignment horizontal = alignement & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) return "\\qc";
    if (horizontal & Qt::AlignJustify) return "\\qj";
    if (horizontal & Qt::AlignRight) return "\\qr";
    return "";
}

const char* GenreTaquet(QTextOption::TabType genre) {
    switch (genre) {
    case QTextOption::RightTab:
        return "\\tqr";
    case QTextOption::CenterTab:
        return "\\tqc";
    case QTextOption::DelimiterTab:
        return "\\tqdec";
    default:
        return "";
    }
}

} // namespace

QByteArray EcrivainRtf::Ecrire(const QTextDocument& document) {
    EcrivainRtf ecrivain(document);
    ecrivain.Recenser();
    ecrivain.EcrireEntete();
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
        ecrivain.EcrireBloc(bloc);
    ecrivain.sortie += "}\r\n";
    return ecrivain.sortie;
}

EcrivainRtf::EcrivainRtf(const QTextDocument& document) : document(document), octets1252(Octets1252()) {
    polices.append(document.defaultFont().family());
}

// Every font and colour the text uses, in order of first use: font 0 is the document's own.
void EcrivainRtf::Recenser() {
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        Recenser(bloc.charFormat());
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            Recenser(it.fragment().charFormat());
    }
}

void EcrivainRtf::Recenser(const QTextCharFormat& format) {
    const QString famille = Famille(format);
    if (!polices.contains(famille)) polices.append(famille);
    if (format.foreground().style() == Qt::NoBrush) return;
    const QRgb couleur = format.foreground().color().rgb();
    if (!couleurs.contains(couleur)) couleurs.append(couleur);
}

void EcrivainRtf::EcrireEntete() {
    sortie += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < polices.size(); ++i) {
        sortie.append("{\\f").append(Nombre(static_cast<int>(i))).append("\\fnil\\fcharset0 ");
        EcrireNom(polices.at(i));
        sortie += ";}";
    }
    sortie += "}\r\n{\\colortbl ;";
    for (QRgb c : couleurs)
        sortie.append("\\red")
            .append(Nombre(qRed(c)))
            .append("\\green")
            .append(Nombre(qGreen(c)))
            .append("\\blue")
            .append(Nombre(qBlue(c)))
            .append(';');
    sortie += "}\r\n";
}

// A paragraph: its properties, each run of text in a group of its own, then the properties
// of its mark (they give an empty paragraph its height) and \par, the last one's too, as word
// processors write them: a reader opens no paragraph after the last \par.
void EcrivainRtf::EcrireBloc(const QTextBlock& bloc) {
    EcrireParagraphe(bloc.blockFormat());
    for (auto it = bloc.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().isImageFormat()) continue;
        sortie += '{';
        EcrireCaractere(fragment.charFormat());
        EcrireTexte(fragment.text());
        sortie += '}';
    }
    EcrireCaractere(bloc.charFormat());
    sortie += "\\par\r\n";
}

void EcrivainRtf::EcrireParagraphe(const QTextBlockFormat& format) {
    sortie += "\\pard";
    sortie += Alignement(format.alignment());
    const int gauche = Twips(format.leftMargin() + format.indent() * document.indentWidth());
    const std::pair<const char*, int> longueurs[] = {
        {"\\li", gauche},
        {"\\ri", Twips(format.rightMargin())},
        {"\\fi", Twips(format.textIndent())},
        {"\\sb", Twips(format.topMargin())},
        {"\\sa", Twips(format.bottomMargin())},
    };
    for (const auto& [mot, valeur] : longueurs)
        if (valeur != 0) sortie.append(mot).append(Nombre(valeur));
    for (const QTextOption::Tab& taquet : format.tabPositions())
        sortie.append(GenreTaquet(taquet.type)).append("\\tx").append(Nombre(Twips(taquet.position)));
    sortie += ' ';
}

void EcrivainRtf::EcrireCaractere(const QTextCharFormat& format) {
    sortie.append("\\plain\\f").append(Nombre(static_cast<int>(polices.indexOf(Famille(format)))));
    sortie.append("\\fs").append(Nombre(DemiPoints(format)));
    if (format.fontWeight() >= QFont::DemiBold) sortie += "\\b";
    if (format.fontItalic()) sortie += "\\i";
    if (format.fontUnderline()) sortie += "\\ul";
    if (format.fontStrikeOut()) sortie += "\\strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) sortie += "\\super";
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) sortie += "\\sub";
    if (format.foreground().style() != Qt::NoBrush)
        sortie.append("\\cf").append(
            Nombre(static_cast<int>(couleurs.indexOf(format.foreground().color().rgb()) + 1)));
    sortie += ' ';
}

// A font's name has no tabs, line breaks or symbol words: everything beyond ASCII goes as a
// character code, and the ";" that would end it early is left out.
void EcrivainRtf::EcrireNom(QStringView nom) {
    for (const QChar c : nom) {
        if (c == u'\\' || c == u'{' || c == u'}') sortie += '\\';
        if (c != u';') EcrireCaractereUnicode(c.unicode());
    }
}

void EcrivainRtf::EcrireTexte(QStringView texte) {
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
            sortie += "\\\\";
            break;
        case u'{':
            sortie += "\\{";
            break;
        case u'}':
            sortie += "\\}";
            break;
        case u'\t':
            sortie += "\\tab ";
            break;
        case 0x2028:
            sortie += "\\line ";
            break;
        case 0x00A0:
            sortie += "\\~";
            break;
        case 0x00AD:
            sortie += "\\-";
            break;
        case 0x2011:
            sortie += "\\_";
            break;
        default:
            EcrireCaractereUnicode(u);
        }
    }
}

// Printable ASCII as it is, the 8-bit set as \'hh, the rest as \uN and a "?" for readers without
// Unicode (N a signed 16-bit number; a character beyond 16 bits goes as its two halves). The "?"
// is written \'3f: some readers take a plain "?" and all the letters after it for the fallback.
// Controls and object markers are dropped.
void EcrivainRtf::EcrireCaractereUnicode(char16_t c) {
    if (c >= 0x20 && c < 0x7F) {
        sortie += static_cast<char>(c);
        return;
    }
    if (c < 0x20 || c == 0x7F || c == 0xFFFC) return;
    const auto it = octets1252.constFind(c);
    if (it != octets1252.constEnd()) {
        AjouterHexa(sortie, *it);
        return;
    }
    sortie.append("\\u").append(Nombre(static_cast<qint16>(c))).append("\\'3f");
}

QString EcrivainRtf::Famille(const QTextCharFormat& format) const {
    const QStringList familles = format.property(QTextFormat::FontFamilies).toStringList();
    if (!familles.isEmpty() && !familles.front().isEmpty()) return familles.front();
    return document.defaultFont().family();
}

// Half-points, as \fs counts; 12 points when neither the text nor the document says.
int EcrivainRtf::DemiPoints(const QTextCharFormat& format) const {
    double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0.0;
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    if (points <= 0) points = document.defaultFont().pointSizeF();
    if (points <= 0 && document.defaultFont().pixelSize() > 0)
        points = document.defaultFont().pixelSize() * 0.75;
    if (points <= 0) points = 12;
    return qBound(1, static_cast<int>(std::lround(points * 2)), 3276);
}
