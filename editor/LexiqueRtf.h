// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// One piece of a rich-text file as the lexer cuts it.
struct JetonRtf {
    enum class Genre { Fin, Ouverture, Fermeture, Mot, Symbole, Octet, Texte };
    Genre genre = Genre::Fin;
    QByteArrayView mot; // the control word's letters, or the run of plain text
    bool aParametre = false;
    qint32 parametre = 0; // clamped, so that no arithmetic on it can overflow
    char symbole = 0;     // the character after a backslash that is not a letter
    uchar octet = 0;      // the byte of a \'hh escape
};

// Cuts the bytes of a rich-text file into groups, control words, escapes and text. Every call
// moves forward by at least one byte or ends, whatever the bytes are.
class LexiqueRtf {
  public:
    // Far more than any real value: twips of a page, font sizes, counts of fallback characters.
    static constexpr qint32 ParametreMaximal = 1'000'000'000;

    explicit LexiqueRtf(QByteArrayView octets) : octets(octets) {}

    JetonRtf Suivant();
    // The data of \binN: n bytes passed over, never beyond the end.
    void Sauter(qint64 n);
    qsizetype Position() const { return pos; }

  private:
    JetonRtf ApresBarre();
    JetonRtf MotDeControle();
    bool Hexadecimal(uchar& octet);
    JetonRtf Texte();

    QByteArrayView octets;
    qsizetype pos = 0;
};
