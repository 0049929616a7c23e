// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRgb>
#include <QStringList>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Writes a text document as rich text (RTF) that LecteurRtf reads back with the same text and
// formats, and that other word processors open: 7-bit ASCII, Windows-1252 characters as \'hh,
// the rest as \uN with "?" for readers without Unicode. Pictures, lists and tables have no
// place in it: their text is kept, their shape is not.
class EcrivainRtf {
  public:
    static QByteArray Ecrire(const QTextDocument& document);

  private:
    explicit EcrivainRtf(const QTextDocument& document);
    void Recenser();
    void Recenser(const QTextCharFormat& format);
    void EcrireEntete();
    void EcrireBloc(const QTextBlock& bloc);
    void EcrireParagraphe(const QTextBlockFormat& format);
    void EcrireCaractere(const QTextCharFormat& format);
    void EcrireNom(QStringView nom);
    void EcrireTexte(QStringView texte);
    void EcrireCaractereUnicode(char16_t c);
    QString Famille(const QTextCharFormat& format) const;
    int DemiPoints(const QTextCharFormat& format) const;

    const QTextDocument& document;
    QStringList polices;
    QList<QRgb> couleurs;
    const QHash<char16_t, uchar>& octets1252;
    QByteArray sortie;
};
