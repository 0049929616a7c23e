// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TexteBrut.h"

#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "core/RaisonFichier.h"
#include "core/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>

#include <bit>

namespace {

using TexteBrut::Codage;

constexpr char MarqueUtf8[] = "\xEF\xBB\xBF";
constexpr char MarqueUtf16LE[] = "\xFF\xFE";
constexpr char MarqueUtf16BE[] = "\xFE\xFF";

// A slice of the bytes read at once: some thousand lines, a few milliseconds.
constexpr qsizetype OctetsParTranche = 64 * 1024;

bool Utf16(Codage codage) {
    return codage == Codage::Utf16LE || codage == Codage::Utf16BE;
}

bool Ascii(QByteArrayView octets) {
    for (char c : octets)
        if (static_cast<uchar>(c) >= 0x80) return false;
    return true;
}

// Strict UTF-8: no overlong form, no surrogate, nothing beyond U+10FFFF, nothing cut at the end.
// A Windows-1252 text with accents is almost never valid UTF-8 by chance.
bool Utf8Valide(QByteArrayView octets) {
    const qsizetype n = octets.size();
    for (qsizetype i = 0; i < n;) {
        const uchar c = static_cast<uchar>(octets.at(i));
        if (c < 0x80) {
            ++i;
            continue;
        }
        int suite = 0;
        char32_t valeur = 0, minimum = 0;
        if ((c & 0xE0) == 0xC0) {
            suite = 1, valeur = c & 0x1F, minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2, valeur = c & 0x0F, minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3, valeur = c & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (i + suite >= n) return false;
        for (int k = 1; k <= suite; ++k) {
            const uchar b = static_cast<uchar>(octets.at(i + k));
            if ((b & 0xC0) != 0x80) return false;
            valeur = valeur << 6 | (b & 0x3F);
        }
        if (valeur < minimum || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur <= 0xDFFF)) return false;
        i += suite + 1;
    }
    return true;
}

QStringConverter::Encoding Encodage(Codage codage) {
    switch (codage) {
    case Codage::Utf16LE:
        return QStringConverter::Utf16LE;
    case Codage::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

// The text after its mark. Qt's decoder would also drop a U+FEFF opening what it is given; here
// the mark is already off, and such a character is the text's own (a second mark, a zero-width
// no-break space opening a slice): kept, it is written back.
QString DecoderUnicode(QByteArrayView octets, Codage codage) {
    return QStringDecoder(Encodage(codage), QStringConverter::Flag::ConvertInitialBom)(octets);
}

QByteArray Marque(Codage codage) {
    switch (codage) {
    case Codage::Utf8AvecMarque:
        return MarqueUtf8;
    case Codage::Utf16LE:
        return MarqueUtf16LE;
    case Codage::Utf16BE:
        return MarqueUtf16BE;
    default:
        return {};
    }
}

QStringList LignesDe(QString texte) {
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lignes = texte.split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.back().isEmpty()) lignes.removeLast(); // the last line's end
    return lignes;
}

// The line end that closes a piece of text: CR LF, LF or CR.
qsizetype LongueurFinDeLigne(QStringView texte) {
    if (texte.endsWith(u"\r\n")) return 2;
    return texte.endsWith(u'\n') || texte.endsWith(u'\r') ? 1 : 0;
}

// The code unit at byte i: a byte, or two in UTF-16.
char16_t Unite(QByteArrayView octets, qsizetype i, Codage codage) {
    const auto octet = [&](qsizetype k) { return static_cast<char16_t>(static_cast<uchar>(octets[k])); };
    switch (codage) {
    case Codage::Utf16LE:
        return octet(i) | octet(i + 1) << 8;
    case Codage::Utf16BE:
        return octet(i) << 8 | octet(i + 1);
    default:
        return octet(i);
    }
}

// Whether the bytes may be cut at fin: each slice is decoded alone, so no character is cut in
// two (a UTF-8 letter, a UTF-16 surrogate pair), and no CR LF, which would make two line ends.
bool BordDeCaractere(QByteArrayView octets, qsizetype fin, Codage codage) {
    const qsizetype unite = Utf16(codage) ? 2 : 1;
    const char16_t avant = Unite(octets, fin - unite, codage), apres = Unite(octets, fin, codage);
    if (avant == u'\r' && apres == u'\n') return false;
    if (Utf16(codage)) return !QChar::isHighSurrogate(avant);
    return codage == Codage::Windows1252 || (apres & 0xC0) != 0x80;
}

// Where each slice begins, from the text's first byte, and the end of the bytes last.
std::vector<qsizetype> Bornes(QByteArrayView octets, qsizetype debut, Codage codage) {
    const qsizetype unite = Utf16(codage) ? 2 : 1;
    std::vector<qsizetype> bornes;
    for (qsizetype borne = debut; borne < octets.size();) {
        bornes.push_back(borne);
        borne += OctetsParTranche;
        while (borne + unite <= octets.size() && !BordDeCaractere(octets, borne, codage))
            borne += unite;
        if (borne + unite > octets.size()) borne = octets.size();
    }
    bornes.push_back(octets.size());
    return bornes;
}

// k written with so many binary digits, read backwards.
qsizetype Renverse(qsizetype k, int chiffres) {
    qsizetype r = 0;
    for (int i = 0; i < chiffres; ++i, k >>= 1)
        r = r << 1 | (k & 1);
    return r;
}

} // namespace

namespace TexteBrut {

Codage Reconnaitre(QByteArrayView octets, qsizetype& debutDuTexte) {
    debutDuTexte = 0;
    if (octets.startsWith(MarqueUtf16LE)) {
        debutDuTexte = 2;
        return Codage::Utf16LE;
    }
    if (octets.startsWith(MarqueUtf16BE)) {
        debutDuTexte = 2;
        return Codage::Utf16BE;
    }
    if (octets.startsWith(MarqueUtf8) && Utf8Valide(octets.sliced(3))) {
        debutDuTexte = 3;
        return Codage::Utf8AvecMarque;
    }
    if (!Ascii(octets) && Utf8Valide(octets)) return Codage::Utf8;
    return Codage::Windows1252;
}

TexteLu Decoder(QByteArrayView octets) {
    TexteLu lu;
    qsizetype debut = 0;
    lu.codage = Reconnaitre(octets, debut);
    if (lu.codage == Codage::Windows1252)
        lu.lignes = FichierTexte::DecoderLignes(octets);
    else
        lu.lignes = LignesDe(DecoderUnicode(octets.sliced(debut), lu.codage));
    return lu;
}

QByteArray Encoder(const QStringList& lignes, Codage codage) {
    if (codage == Codage::Windows1252) return FichierTexte::EncoderLignes(lignes);
    QStringEncoder encodeur(Encodage(codage));
    QByteArray octets = Marque(codage);
    for (const QString& ligne : lignes)
        octets += encodeur(ligne + QStringLiteral("\r\n"));
    return octets;
}

void Remplir(QTextDocument& document, const QStringList& lignes) {
    document.clear();
    QTextCursor curseur(&document);
    curseur.beginEditBlock();
    curseur.insertText(lignes.join(QLatin1Char('\n')));
    curseur.endEditBlock();
}

QStringList Lignes(const QTextDocument& document, bool videEstUneLigne) {
    QStringList lignes;
    if (document.isEmpty()) return videEstUneLigne ? QStringList{QString()} : lignes;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        QString texte = bloc.text();
        texte.remove(QChar::ObjectReplacementCharacter); // a picture has no place in plain text
        lignes += texte.split(QChar::LineSeparator);
    }
    return lignes;
}

QString Intraduisibles(const QStringList& lignes, Codage codage) {
    QString manquants;
    if (codage != Codage::Windows1252) return manquants;
    for (const QString& ligne : lignes) {
        if (Windows1252::PeutCoder(ligne)) continue;
        for (qsizetype i = 0; i < ligne.size(); ++i) {
            const qsizetype n = ligne.at(i).isHighSurrogate() && i + 1 < ligne.size() ? 2 : 1;
            const QStringView c = QStringView(ligne).sliced(i, n);
            if (!Windows1252::PeutCoder(c) && !manquants.contains(c)) manquants += c;
            i += n - 1;
        }
    }
    return manquants;
}

bool Lire(const QString& chemin, TexteLu& texte, QString& raison) {
    QByteArray octets;
    if (!EcritureFichier::LireTout(chemin, octets, raison)) return false;
    texte = Decoder(octets);
    return true;
}

bool Ecrire(const QString& chemin, const QTextDocument& document, Codage codage, QString& raison,
            bool videEstUneLigne) {
    return EcritureFichier::Remplacer(chemin, Encoder(Lignes(document, videEstUneLigne), codage), raison);
}

// One edit block from the first slice to the last: no layout nor listener hears of the text
// before it is whole. Each slice goes in with a single insertion, its line ends becoming
// paragraph ends.
Lecteur::Lecteur(QByteArrayView octets, QTextDocument& document)
    : octets(octets), codage(Reconnaitre(octets, lus)), bornes(Bornes(octets, lus, codage)),
      longueurs(static_cast<qsizetype>(bornes.size()) - 1) {
    const QByteArrayView reste = octets.sliced(lus);
    if (reste.size() <= 4) {
        const QString texte =
            codage == Codage::Windows1252 ? Windows1252::Decoder(reste) : DecoderUnicode(reste, codage);
        uneLigneVide = !texte.isEmpty() && LongueurFinDeLigne(texte) == texte.size();
    }
    document.clear();
    curseur = QTextCursor(&document);
    curseur.beginEditBlock();
}

Lecteur::~Lecteur() {
    if (!termine) curseur.endEditBlock();
}

// A slice's text; the file's last line end closes the last line and opens none.
QString Lecteur::TexteDe(qsizetype tranche) const {
    const QByteArrayView morceau = octets.sliced(bornes[tranche], bornes[tranche + 1] - bornes[tranche]);
    QString texte =
        codage == Codage::Windows1252 ? Windows1252::Decoder(morceau) : DecoderUnicode(morceau, codage);
    if (tranche + 2 == static_cast<qsizetype>(bornes.size())) texte.chop(LongueurFinDeLigne(texte));
    return texte;
}

// Between the slices before it and those after it that are already in.
void Lecteur::Inserer(qsizetype tranche) {
    const qsizetype position = longueurs.Avant(tranche);
    curseur.setPosition(static_cast<int>(position));
    curseur.insertText(TexteDe(tranche));
    longueurs.Ajouter(tranche, curseur.position() - position);
    lus += bornes[tranche + 1] - bornes[tranche];
}

// The slices go in scattered over the text (0, 4, 2, 6, 1, 5, 3, 7 of eight) rather than in
// their order: Qt finds the place of each insertion in balanced trees, which appending always at
// the end makes deepest just there. Scattered, an 8 MB results file goes in two thirds of the
// time (Bilan8 of bench/bench_editeur).
bool Lecteur::Avancer(QDeadlineTimer fin) {
    const qsizetype tranches = static_cast<qsizetype>(bornes.size()) - 1;
    const int chiffres = tranches > 1 ? std::bit_width(static_cast<quint64>(tranches - 1)) : 0;
    while (inserees < tranches) {
        const qsizetype tranche = Renverse(rang++, chiffres);
        if (tranche >= tranches) continue;
        Inserer(tranche);
        if (++inserees < tranches && fin.hasExpired()) return false;
    }
    if (!termine) curseur.endEditBlock();
    termine = true;
    return true;
}

void Lecteur::Longueurs::Ajouter(qsizetype tranche, qsizetype longueur) {
    for (qsizetype i = tranche + 1; i < static_cast<qsizetype>(sommes.size()); i += i & -i)
        sommes[i] += longueur;
}

qsizetype Lecteur::Longueurs::Avant(qsizetype tranche) const {
    qsizetype somme = 0;
    for (qsizetype i = tranche; i > 0; i -= i & -i)
        somme += sommes[i];
    return somme;
}

} // namespace TexteBrut
