// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TexteBrut.h"

#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "core/RaisonFichier.h"
#include "core/Windows1252.h"

#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>

namespace {

using TexteBrut::Codage;

constexpr char MarqueUtf8[] = "\xEF\xBB\xBF";
constexpr char MarqueUtf16LE[] = "\xFF\xFE";
constexpr char MarqueUtf16BE[] = "\xFE\xFF";

// A slice of the bytes read at once: some thousand lines, a few milliseconds.
constexpr qsizetype OctetsParTranche = 64 * 1024;

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
        lu.lignes = LignesDe(QStringDecoder(Encodage(lu.codage))(octets.sliced(debut)));
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
    : octets(octets), codage(Reconnaitre(octets, position)) {
    if (codage != Codage::Windows1252) decodeur = QStringDecoder(Encodage(codage));
    const QByteArrayView reste = octets.sliced(position);
    if (reste.size() <= 4) {
        const QString texte = codage == Codage::Windows1252 ? Windows1252::Decoder(reste)
                                                            : QStringDecoder(Encodage(codage))(reste);
        uneLigneVide = !texte.isEmpty() && LongueurFinDeLigne(texte) == texte.size();
    }
    document.clear();
    curseur = QTextCursor(&document);
    curseur.beginEditBlock();
}

Lecteur::~Lecteur() {
    if (!termine) curseur.endEditBlock();
}

// The next bytes, decoded; a character cut at the slice's end is finished by the next one.
QString Lecteur::Tranche() {
    const qsizetype n = qMin(OctetsParTranche, octets.size() - position);
    const QByteArrayView morceau = octets.sliced(position, n);
    position += n;
    return codage == Codage::Windows1252 ? Windows1252::Decoder(morceau) : decodeur(morceau);
}

// The line end closing a slice waits for the next one (it may be the CR of a CR LF cut in two);
// the file's last closes the last line and opens none.
bool Lecteur::Avancer(QDeadlineTimer fin) {
    while (!termine) {
        QString texte = finDeLigne + Tranche();
        const qsizetype garde = LongueurFinDeLigne(texte);
        finDeLigne = texte.right(garde);
        texte.chop(garde);
        curseur.insertText(texte);
        if (position == octets.size()) {
            curseur.endEditBlock();
            termine = true;
        } else if (fin.hasExpired()) {
            return false;
        }
    }
    return true;
}

} // namespace TexteBrut
