#pragma once

#include "editor/EtatRtf.h"
#include "editor/LexiqueRtf.h"
#include "editor/TablesRtf.h"

#include <QByteArrayView>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <vector>

class QTextDocument;

// Reads rich text (RTF) into a text document: paragraphs and line ends, bold, italic, underline,
// strikeout, superscript and subscript, font family and size, text colour, alignment, indents,
// paragraph spacing and tab stops. What the editor cannot hold (pictures, tables of contents,
// headers, style sheets...) is passed over. Any bytes at all are read to their end without harm:
// nesting is bounded, numbers are clamped, binary data never runs past the end.
class LecteurRtf {
  public:
    // Deeper groups than this are read as if they were one group.
    static constexpr int ImbricationMaximale = 1000;

    // Whether the bytes begin as every rich-text file does ("{\rtf", blanks allowed before).
    static bool EstRtf(QByteArrayView octets);
    // Replaces the content of the document. False, the document untouched, when the bytes are
    // not rich text: the caller then reads them as plain text.
    static bool Lire(QByteArrayView octets, QTextDocument& document);
    // The same, inserted at the cursor, which ends after what was read.
    static bool Inserer(QByteArrayView octets, QTextCursor& curseur);

  private:
    LecteurRtf(QTextCursor& curseur, bool documentEntier)
        : curseur(curseur), documentEntier(documentEntier) {}
    void Parcourir(QByteArrayView octets);
    bool Traiter(const JetonRtf& jeton, LexiqueRtf& lexique);
    bool SauterRepli(const JetonRtf& jeton);
    void Ouvrir();
    bool Fermer();
    void Mot(const JetonRtf& jeton, LexiqueRtf& lexique);
    bool MotDeTable(int commande, int valeur);
    void MotDeCaractere(int commande, bool actif, int valeur);
    void MotDeParagraphe(int commande, int valeur);
    void Symbole(char symbole);
    void Octet(uchar octet);
    void Texte(QByteArrayView texte);
    void Ajouter(QStringView texte);
    void AjouterUnicode(int valeur);
    void Vider();
    void FinDeParagraphe(bool nouveau);
    QTextCharFormat FormatTexte(const FormatCaractereRtf& format) const;
    QTextBlockFormat FormatBloc(const FormatParagrapheRtf& format) const;

    QTextCursor& curseur;
    const bool documentEntier;
    TablesRtf tables;
    EtatGroupeRtf etat;
    std::vector<EtatGroupeRtf> pile;
    int groupesEnSurplus = 0;
    int policeParDefaut = 0;
    int aSauter = 0;                     // fallback characters of the last \uN still to pass over
    bool destinationFacultative = false; // after \*: an unknown destination is skipped whole
    QString tampon;
    FormatCaractereRtf formatTampon;
    char16_t demiSurrogat = 0;
};
