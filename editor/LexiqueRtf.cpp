// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LexiqueRtf.h"

#include <array>

namespace {

// What each byte is, looked up once per byte: text runs and control words make most of a file.
enum Classe : unsigned char { Ordinaire, Lettre, FinDeTexte };

constexpr std::array<Classe, 256> Classes = [] {
    std::array<Classe, 256> classes{};
    for (int c = 'a'; c <= 'z'; ++c)
        classes[static_cast<size_t>(c)] = Lettre;
    for (int c = 'A'; c <= 'Z'; ++c)
        classes[static_cast<size_t>(c)] = Lettre;
    for (char c : {'\\', '{', '}', '\r', '\n'})
        classes[static_cast<unsigned char>(c)] = FinDeTexte;
    return classes;
}();

Classe ClasseDe(char c) {
    return Classes[static_cast<unsigned char>(c)];
}

bool EstLettre(char c) {
    return ClasseDe(c) == Lettre;
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

int ValeurHexa(char c) {
    if (EstChiffre(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

JetonRtf Jeton(JetonRtf::Genre genre) {
    JetonRtf jeton;
    jeton.genre = genre;
    return jeton;
}

} // namespace

JetonRtf LexiqueRtf::Suivant() {
    while (pos < octets.size()) {
        const char c = octets.at(pos);
        switch (c) {
        case '\r':
        case '\n':
            ++pos;
            break; // line ends of the file carry no meaning
        case '{':
            ++pos;
            return Jeton(JetonRtf::Genre::Ouverture);
        case '}':
            ++pos;
            return Jeton(JetonRtf::Genre::Fermeture);
        case '\\': {
            JetonRtf jeton = ApresBarre();
            if (jeton.genre != JetonRtf::Genre::Fin) return jeton;
            break; // a broken escape is dropped and reading goes on
        }
        default:
            return Texte();
        }
    }
    return Jeton(JetonRtf::Genre::Fin);
}

void LexiqueRtf::Sauter(qint64 n) {
    if (n <= 0) return;
    pos += static_cast<qsizetype>(qMin<qint64>(n, octets.size() - pos));
}

// Returns Fin for what is no token at all (a backslash at the very end, a broken \'),
// and Suivant goes on with the next byte.
JetonRtf LexiqueRtf::ApresBarre() {
    ++pos;
    if (pos >= octets.size()) return Jeton(JetonRtf::Genre::Fin);
    const char c = octets.at(pos);
    if (EstLettre(c)) return MotDeControle();
    ++pos;
    if (c == '\'') {
        JetonRtf jeton = Jeton(JetonRtf::Genre::Octet);
        return Hexadecimal(jeton.octet) ? jeton : Jeton(JetonRtf::Genre::Fin);
    }
    if (c == '\r' || c == '\n') { // a backslash before a line end is an old way to write \par
        JetonRtf jeton = Jeton(JetonRtf::Genre::Mot);
        jeton.mot = "par";
        return jeton;
    }
    JetonRtf jeton = Jeton(JetonRtf::Genre::Symbole);
    jeton.symbole = c;
    return jeton;
}

// Letters, then an optional signed number, then one optional blank that belongs to the word.
// The number saturates: its digits are all read, its value stops growing.
JetonRtf LexiqueRtf::MotDeControle() {
    JetonRtf jeton = Jeton(JetonRtf::Genre::Mot);
    const qsizetype debut = pos;
    const char* const donnees = octets.data();
    const qsizetype fin = octets.size();
    while (pos < fin && EstLettre(donnees[pos]))
        ++pos;
    jeton.mot = octets.sliced(debut, pos - debut);
    bool negatif = false;
    if (pos + 1 < octets.size() && octets.at(pos) == '-' && EstChiffre(octets.at(pos + 1))) {
        negatif = true;
        ++pos;
    }
    qint64 valeur = 0;
    while (pos < octets.size() && EstChiffre(octets.at(pos))) {
        jeton.aParametre = true;
        valeur = qMin<qint64>(valeur * 10 + (octets.at(pos) - '0'), ParametreMaximal);
        ++pos;
    }
    jeton.parametre = static_cast<qint32>(negatif ? -valeur : valeur);
    if (pos < octets.size() && octets.at(pos) == ' ') ++pos;
    return jeton;
}

bool LexiqueRtf::Hexadecimal(uchar& octet) {
    int valeur = 0;
    for (int i = 0; i < 2; ++i) {
        const int chiffre = pos < octets.size() ? ValeurHexa(octets.at(pos)) : -1;
        if (chiffre < 0) return false;
        valeur = valeur * 16 + chiffre;
        ++pos;
    }
    octet = static_cast<uchar>(valeur);
    return true;
}

JetonRtf LexiqueRtf::Texte() {
    JetonRtf jeton = Jeton(JetonRtf::Genre::Texte);
    const qsizetype debut = pos;
    const char* const donnees = octets.data();
    const qsizetype fin = octets.size();
    while (pos < fin && ClasseDe(donnees[pos]) != FinDeTexte)
        ++pos;
    jeton.mot = octets.sliced(debut, pos - debut);
    return jeton;
}
