// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EtatRtf.h"
#include "editor/LexiqueRtf.h"
#include "editor/MotsRtf.h"
#include "editor/OmissionsRtf.h"
#include "editor/TablesRtf.h"

#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <vector>

class QTextDocument;

// Reads rich text (RTF) into a text document: paragraphs and line ends, bold, italic, underline,
// strikeout, superscript and subscript, capitals, font family and size, text colour, alignment,
// indents, paragraph spacing and tab stops; a table row becomes one paragraph, a tab between its
// cells. What the editor cannot hold (pictures, headers, fields' codes, style sheets...) is passed
// over; what of it a file written back in its place would lose is noted (Omissions). Any bytes at
// all are read to their end without harm: nesting is bounded, numbers are clamped, binary data
// never runs past the end. Time and memory grow with the file and no faster.
class LecteurRtf {
  public:
    // Deeper groups than this are read as if they were one group.
    static constexpr int ImbricationMaximale = 1000;

    // Whether the bytes begin as every rich-text file does ("{\rtf", blanks and a UTF-8
    // byte-order mark allowed before).
    static bool EstRtf(QByteArrayView octets);
    // Replaces the content of the document. False, the document untouched, when the bytes are
    // not rich text: the caller then reads them as plain text.
    static bool Lire(QByteArrayView octets, QTextDocument& document, OmissionsRtf* omissions = nullptr);
    // The same, inserted at the cursor, which ends after what was read.
    static bool Inserer(QByteArrayView octets, QTextCursor& curseur);

    // A whole document read a slice at a time, for a window that shows how far it is: the
    // document is emptied here and filled by Avancer. The bytes (rich text: see EstRtf) must
    // outlive the reader.
    LecteurRtf(QByteArrayView octets, QTextDocument& document);
    ~LecteurRtf();
    LecteurRtf(const LecteurRtf&) = delete;
    LecteurRtf& operator=(const LecteurRtf&) = delete;

    // Reads on until the deadline passes (a few hundred pieces at least); true once the
    // document is whole.
    bool Avancer(QDeadlineTimer fin = QDeadlineTimer(QDeadlineTimer::Forever));
    qsizetype OctetsLus() const { return lexique.Position(); }
    OmissionsRtf Omissions() const { return omissions; }

  private:
    // A run of text of one format, waiting for the end of its paragraph.
    struct Morceau {
        QString texte;
        QTextCharFormat format;
    };

    LecteurRtf(QByteArrayView octets, const QTextCursor& curseur, bool documentEntier);
    void Terminer();
    bool Traiter(const JetonRtf& jeton);
    bool SauterRepli(const JetonRtf& jeton);
    void Ouvrir();
    bool Fermer();
    void Mot(const JetonRtf& jeton);
    void MotDeTexte(const MotsRtf::Definition& definition, int valeur, bool actif);
    bool MotDeTable(int commande, int valeur);
    void MotDeCaractere(int commande, bool actif, int valeur);
    void MotDeParagraphe(int commande, int valeur);
    void Symbole(char symbole);
    void Octet(uchar octet);
    void Texte(QByteArrayView texte);
    bool PreparerAjout();
    void Ajouter(QStringView texte);
    void AjouterUnicode(int valeur);
    void FinDeCellule(bool imbriquee);
    void Vider();
    void FinDeParagraphe();
    void Emettre(const QTextBlockFormat& bloc, const QTextCharFormat& marque);
    void ViderLot();
    const QTextCharFormat& FormatTexte(const FormatCaractereRtf& format);
    const QTextBlockFormat& FormatBloc(const FormatParagrapheRtf& format);
    int PoliceDe(const FormatCaractereRtf& format) const {
        return format.police < 0 ? policeParDefaut : format.police;
    }

    LexiqueRtf lexique;
    QTextCursor curseur;
    const bool documentEntier;
    bool termine = false;
    QTextBlockFormat accueil; // pasted text: the properties of the paragraph it lands in
    QTextCharFormat marqueAccueil;
    TablesRtf tables;
    EtatGroupeRtf etat;
    std::vector<EtatGroupeRtf> pile;
    int groupesEnSurplus = 0;
    int policeParDefaut = 0;
    int aSauter = 0;                     // fallback characters of the last \uN still to pass over
    bool destinationFacultative = false; // after \*: an unknown destination is skipped whole
    QString tampon;                      // the run being read, all of formatTampon
    FormatCaractereRtf formatTampon;
    std::vector<Morceau> paragraphe;
    int paragraphesFinis = 0;
    // Paragraphs like the one before, waiting to go in together; a batch stays small enough for
    // a slice of reading.
    static constexpr qsizetype LotMaximal = 64 * 1024;
    QString lot;
    QTextCharFormat formatLot;
    QTextBlockFormat blocPrecedent;
    char16_t demiSurrogat = 0;
    OmissionsRtf omissions;

    // Between the cells of a row: the tabs owed before the next text of the row, the blank
    // owed after a paragraph end inside a cell.
    int cellulesEnAttente = 0;
    bool espaceEnAttente = false;
    bool texteDansCellule = false;
    bool apresCelluleImbriquee = false; // the outer cell's end after a nested one adds no tab

    // The last formats made: most runs and paragraphs share them.
    FormatCaractereRtf cleCaractere;
    int versionCaractere = -1;
    QTextCharFormat formatCaractere;
    FormatParagrapheRtf cleParagraphe;
    bool paragrapheFait = false;
    QTextBlockFormat formatParagraphe;
};
