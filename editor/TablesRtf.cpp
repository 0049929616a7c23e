// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TablesRtf.h"

#include "core/Windows1252.h"

#include <QStringDecoder>

#include <unordered_map>

namespace {

// The single-byte sets named by \fcharset; the others (symbol, Asian double-byte sets) fall back
// on the document's set.
int PageDuJeu(int jeu) {
    switch (jeu) {
    case 77:
        return 10000; // Macintosh

    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 163:
        return 1258; // Vietnamese
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Central European
    case 254:
        return 437; // DOS
    default:
        return 0;
    }
}

bool JeuConnu(int page) {
    return page == 874 || (page >= 1250 && page <= 1258) || page == 10000 || page == 437 || page == 850;
}

// The name this Qt knows a set by.
QByteArray NomDuJeu(int page) {
    if (page == 10000) return "macintosh";
    if (page == 437 || page == 850) return "IBM" + QByteArray::number(page);
    return "windows-" + QByteArray::number(page);
}

QByteArray TousLesOctets() {
    QByteArray octets(256, '\0');
    for (int i = 0; i < 256; ++i)
        octets[i] = static_cast<char>(i);
    return octets;
}

QString DecoderTable(int page) {
    if (page != 1252 && JeuConnu(page)) {
        QStringDecoder decodeur(NomDuJeu(page).constData(), QStringConverter::Flag::Stateless);
        if (decodeur.isValid()) {
            const QString table = decodeur(TousLesOctets());
            if (table.size() == 256) return table;
        }
    }
    return Windows1252::Decoder(TousLesOctets());
}

} // namespace

void TablesRtf::NouvellePolice(int numero) {
    ++version;
    policeCourante = numero;
    if (polices.size() < EntreesMaximales || polices.contains(numero)) polices[numero] = Police();
}

void TablesRtf::JeuDePolice(int jeu) {
    ++version;
    auto it = polices.find(policeCourante);
    if (it != polices.end()) it->page = PageDuJeu(jeu);
}

// A name ends at its ";"; what follows up to the next \f is no part of it.
void TablesRtf::NomDePolice(QStringView morceau) {
    auto it = polices.find(policeCourante);
    if (it == polices.end() || it->nomTermine) return;
    ++version;
    const qsizetype fin = morceau.indexOf(QLatin1Char(';'));
    for (const QChar c : morceau.left(fin < 0 ? morceau.size() : fin))
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F) it->nom += c; // damage, never a font's name
    if (fin >= 0) {
        it->nom = it->nom.trimmed();
        it->nomTermine = true;
    }
}

void TablesRtf::Composante(char nom, int valeur) {
    const int v = qBound(0, valeur, 255);
    if (nom == 'r') rouge = v;
    if (nom == 'g') vert = v;
    if (nom == 'b') bleu = v;
}

void TablesRtf::FinDeCouleur() {
    ++version;
    if (couleurs.size() < EntreesMaximales) {
        const bool automatique = rouge < 0 && vert < 0 && bleu < 0;
        couleurs.append(automatique ? QColor() : QColor(qMax(rouge, 0), qMax(vert, 0), qMax(bleu, 0)));
    }
    rouge = vert = bleu = -1;
}

QString TablesRtf::Famille(int police) const {
    const auto it = polices.constFind(police);
    return it == polices.constEnd() ? QString() : it->nom.trimmed();
}

QColor TablesRtf::Couleur(int index) const {
    return index > 0 && index < couleurs.size() ? couleurs.at(index) : QColor();
}

const QString& TablesRtf::Jeu(int police) {
    if (dernier.jeu && dernier.police == police && dernier.version == version && dernier.page == pageDocument)
        return *dernier.jeu;
    dernier = {police, version, pageDocument, &JeuDe(police)};
    return *dernier.jeu;
}

const QString& TablesRtf::JeuDe(int police) const {
    const auto it = polices.constFind(police);
    const int page = it != polices.constEnd() && it->page != 0 ? it->page : pageDocument;
    return Table(JeuConnu(page) ? page : 1252);
}

// Each set decoded once for the whole run: the converter is slow to find, and a set never
// changes. Only the known sets come here, so the tables stay few; they never move, readers keep
// the last one they used.
const QString& TablesRtf::Table(int page) {
    static std::unordered_map<int, QString> tables;
    auto it = tables.find(page);
    if (it == tables.end()) it = tables.emplace(page, DecoderTable(page)).first;
    return it->second;
}
