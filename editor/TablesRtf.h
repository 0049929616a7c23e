// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

// The font and colour tables of a rich-text file being read, and the single-byte character
// sets its \'hh escapes and plain bytes are decoded with: the Windows sets, the Macintosh's and
// the two of DOS.
class TablesRtf {
  public:
    // The fonts and colours a file may declare: beyond, the extra entries are dropped.
    static constexpr int EntreesMaximales = 4096;

    // Inside {\fonttbl ...}
    void NouvellePolice(int numero);
    void JeuDePolice(int jeu);
    void NomDePolice(QStringView morceau);

    // Inside {\colortbl ...}: \red, \green, \blue set a component, ";" closes the entry.
    void Composante(char nom, int valeur);
    void FinDeCouleur();

    void DefinirPageDeCode(int page) { pageDocument = page; }

    QString Famille(int police) const;
    // An invalid colour for the automatic one (index 0, an empty entry, an unknown index).
    QColor Couleur(int index) const;
    // The 256 characters of the bytes in the given font: a font's own character set first, the
    // document's (\ansicpg, \mac, \pc) otherwise, Windows-1252 where this Qt lacks the set.
    const QString& Jeu(int police);
    QChar Caractere(uchar octet, int police) { return Jeu(police).at(octet); }
    // Grows at every change of the tables: formats made from them are made again.
    int Version() const { return version; }

  private:
    const QString& JeuDe(int police) const;

    struct Police {
        QString nom;
        int page = 0;
        bool nomTermine = false;
    };
    static const QString& Table(int page);

    QHash<int, Police> polices;
    int policeCourante = -1;
    QList<QColor> couleurs;
    int rouge = -1, vert = -1, bleu = -1;
    int pageDocument = 1252;
    // The set asked last: most runs of text use the font of the run before.
    struct {
        int police = 0, version = -1, page = 0;
        const QString* jeu = nullptr;
    } dernier;
    int version = 0;
};
