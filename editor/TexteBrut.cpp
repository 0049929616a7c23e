#include "editor/TexteBrut.h"

#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "core/RaisonFichier.h"
#include "core/Windows1252.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr char MarqueUtf8[] = "\xEF\xBB\xBF";

bool Ascii(QByteArrayView octets) {
    for (char c : octets)
        if (static_cast<uchar>(c) >= 0x80) return false;
    return true;
}

// Valid UTF-8 only: a Windows-1252 text with accents is almost never valid UTF-8 by chance.
bool DecoderUtf8(QByteArrayView octets, QString& texte) {
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    texte = decodeur(octets);
    return !decodeur.hasError();
}

QStringList LignesUtf8(QString texte) {
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lignes = texte.split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.back().isEmpty()) lignes.removeLast(); // the last line's end
    return lignes;
}

} // namespace

namespace TexteBrut {

TexteLu Decoder(QByteArrayView octets) {
    TexteLu lu;
    QString texte;
    if (octets.startsWith(MarqueUtf8) && DecoderUtf8(octets.sliced(3), texte)) {
        lu.codage = Codage::Utf8AvecMarque;
        lu.lignes = LignesUtf8(texte);
    } else if (!Ascii(octets) && DecoderUtf8(octets, texte)) {
        lu.codage = Codage::Utf8;
        lu.lignes = LignesUtf8(texte);
    } else {
        lu.lignes = FichierTexte::DecoderLignes(octets);
    }
    return lu;
}

QByteArray Encoder(const QStringList& lignes, Codage codage) {
    if (codage == Codage::Windows1252) return FichierTexte::EncoderLignes(lignes);
    QByteArray octets = codage == Codage::Utf8AvecMarque ? QByteArray(MarqueUtf8) : QByteArray();
    for (const QString& ligne : lignes)
        octets += ligne.toUtf8() + "\r\n";
    return octets;
}

void Remplir(QTextDocument& document, const QStringList& lignes) {
    document.clear();
    QTextCursor curseur(&document);
    curseur.beginEditBlock();
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (i > 0) curseur.insertBlock();
        curseur.insertText(lignes.at(i));
    }
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

} // namespace TexteBrut
