// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LecteurRtf.h"

#include <QTextDocument>

using namespace MotsRtf;

namespace {

// Lengths beyond 22 inches (a page and more) or font sizes beyond 1638 points are damage.
constexpr int TwipsMaximaux = 22 * 1440;
int Twips(int valeur) {
    return qBound(-TwipsMaximaux, valeur, TwipsMaximaux);
}

// The document's lengths are pixels at 96 per inch: 15 twips each.
constexpr double TwipsParPixel = 15.0;

// What a text document must not receive as plain characters: controls (they split blocks or
// mean nothing), the markers of frames and objects, lone halves of surrogate pairs.
bool Admissible(char16_t c) {
    if (c == u'\t') return true;
    if (c < 0x20 || c == 0x7F) return false;
    if (c == 0x2029 || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF) return false;
    return !(c >= 0xFDD0 && c <= 0xFDEF);
}

QTextOption::TabType GenreTaquet(int commande) {
    switch (commande) {
    case TaquetDroit:
        return QTextOption::RightTab;
    case TaquetCentre:
        return QTextOption::CenterTab;
    case TaquetDecimal:
        return QTextOption::DelimiterTab;
    default:
        return QTextOption::LeftTab;
    }
}

constexpr char MarqueUtf8[] = "\xEF\xBB\xBF";

QByteArrayView SansMarque(QByteArrayView octets) {
    return octets.startsWith(MarqueUtf8) ? octets.sliced(3) : octets;
}

} // namespace

bool LecteurRtf::EstRtf(QByteArrayView octets) {
    octets = SansMarque(octets);
    qsizetype i = 0;
    while (i < octets.size() &&
           (octets.at(i) == ' ' || octets.at(i) == '\t' || octets.at(i) == '\r' || octets.at(i) == '\n'))
        ++i;
    return octets.sliced(i).startsWith("{\\rtf");
}

bool LecteurRtf::Lire(QByteArrayView octets, QTextDocument& document, OmissionsRtf* omissions) {
    if (!EstRtf(octets)) return false;
    LecteurRtf lecteur(octets, document);
    lecteur.Avancer();
    if (omissions) *omissions = lecteur.Omissions();
    return true;
}

bool LecteurRtf::Inserer(QByteArrayView octets, QTextCursor& curseur) {
    if (!EstRtf(octets)) return false;
    LecteurRtf lecteur(octets, curseur, false);
    lecteur.Avancer();
    curseur = lecteur.curseur;
    return true;
}

LecteurRtf::LecteurRtf(QByteArrayView octets, QTextDocument& document)
    : LecteurRtf(octets, (document.clear(), QTextCursor(&document)), true) {}

// One edit block from the first piece to the last: the document's layout, when it has one, and
// its listeners hear of the text once, whole.
LecteurRtf::LecteurRtf(QByteArrayView octets, const QTextCursor& curseurDepart, bool documentEntier)
    : lexique(SansMarque(octets)), curseur(curseurDepart), documentEntier(documentEntier) {
    curseur.beginEditBlock();
    accueil = curseur.blockFormat();
    marqueAccueil = curseur.blockCharFormat();
}

LecteurRtf::~LecteurRtf() {
    if (!termine) curseur.endEditBlock();
}

bool LecteurRtf::Avancer(QDeadlineTimer fin) {
    for (int n = 1; !termine; ++n) {
        const JetonRtf jeton = lexique.Suivant();
        if (jeton.genre == JetonRtf::Genre::Fin || !Traiter(jeton))
            Terminer();
        else if (n % 512 == 0 && fin.hasExpired())
            return ViderLot(), false;
    }
    return true;
}

// The last \par ends the last paragraph and opens none: text after it makes one more. Pasted
// text without a paragraph end of its own joins the paragraph it was put into, whose rest keeps
// its own properties.
void LecteurRtf::Terminer() {
    Vider();
    if (documentEntier) {
        if (!paragraphe.empty() || paragraphesFinis == 0)
            Emettre(FormatBloc(etat.paragraphe), FormatTexte(etat.caractere));
    } else if (paragraphesFinis == 0) {
        for (const Morceau& morceau : paragraphe)
            curseur.insertText(morceau.texte, morceau.format);
    } else if (!paragraphe.empty()) {
        Emettre(accueil, marqueAccueil);
    }
    ViderLot();
    paragraphe.clear();
    curseur.endEditBlock();
    termine = true;
}

// False once the outermost group has closed: what follows is no part of the document.
bool LecteurRtf::Traiter(const JetonRtf& jeton) {
    if (SauterRepli(jeton)) return true;
    const bool facultative = destinationFacultative;
    destinationFacultative = false;
    switch (jeton.genre) {
    case JetonRtf::Genre::Ouverture:
        Ouvrir();
        break;
    case JetonRtf::Genre::Fermeture:
        return Fermer();
    case JetonRtf::Genre::Mot:
        destinationFacultative = facultative;
        Mot(jeton);
        destinationFacultative = false;
        break;
    case JetonRtf::Genre::Symbole:
        Symbole(jeton.symbole);
        break;
    case JetonRtf::Genre::Octet:
        Octet(jeton.octet);
        break;
    case JetonRtf::Genre::Texte:
        Texte(jeton.mot);
        break;
    case JetonRtf::Genre::Fin:
        break;
    }
    return true;
}

// The characters that follow \uN for readers without Unicode: each byte, escape or control
// word counts as one; a brace ends them early.
bool LecteurRtf::SauterRepli(const JetonRtf& jeton) {
    if (aSauter <= 0) return false;
    switch (jeton.genre) {
    case JetonRtf::Genre::Ouverture:
    case JetonRtf::Genre::Fermeture:
        aSauter = 0;
        return false;
    case JetonRtf::Genre::Texte: {
        const qsizetype passes = qMin<qsizetype>(aSauter, jeton.mot.size());
        aSauter -= static_cast<int>(passes);
        if (passes < jeton.mot.size()) Texte(jeton.mot.sliced(passes));
        return true;
    }
    default:
        --aSauter;
        return true;
    }
}

void LecteurRtf::Ouvrir() {
    if (pile.size() >= ImbricationMaximale && groupesEnSurplus++ > 0) return;
    pile.push_back(etat);
    if (etat.uprAttendVersionAnsi) {
        // {\upr{ANSI text}{\*\ud{Unicode text}}}: the first group repeats the second in 8 bits.
        pile.back().uprAttendVersionAnsi = false;
        etat.destination = EtatGroupeRtf::Destination::Ignoree;
    }
    etat.uprAttendVersionAnsi = false;
}

bool LecteurRtf::Fermer() {
    if (groupesEnSurplus > 1) {
        --groupesEnSurplus;
        return true;
    }
    groupesEnSurplus = 0;
    if (pile.size() <= 1) return false; // the document's own group: Terminer ends the last paragraph
    if (etat.destination == EtatGroupeRtf::Destination::TablePolices) tables.NomDePolice(u";");
    etat = std::move(pile.back());
    pile.pop_back();
    return true;
}

// A picture, a header or a field's code is skipped whole, marked \* or not, and noted.
void LecteurRtf::Mot(const JetonRtf& jeton) {
    const Definition definition = Chercher(jeton.mot);
    const int valeur = jeton.parametre;
    if (definition.commande == Binaire) { // its data is skipped in every destination
        lexique.Sauter(jeton.aParametre ? valeur : 0);
        return;
    }
    using Destination = EtatGroupeRtf::Destination;
    if (etat.destination == Destination::Ignoree) return;
    if (definition.commande == Omettre) {
        if (etat.destination == Destination::Texte) omissions |= definition.omission;
        etat.destination = Destination::Ignoree;
        return;
    }
    if (destinationFacultative && definition.commande != Ud) etat.destination = Destination::Ignoree;
    if (etat.destination == Destination::Ignoree) return;
    if (MotDeTable(definition.commande, valeur)) return;
    if (etat.destination != Destination::Texte) return;
    MotDeTexte(definition, valeur, !jeton.aParametre || valeur != 0);
}

void LecteurRtf::MotDeTexte(const Definition& definition, int valeur, bool actif) {
    using Destination = EtatGroupeRtf::Destination;
    omissions |= definition.omission; // a table's words: its layout is lost
    switch (definition.commande) {
    case Paragraphe:
        if (!etat.paragraphe.dansTableau)
            FinDeParagraphe();
        else if (texteDansCellule)
            espaceEnAttente = true;
        break;
    case Ligne:
        Ajouter(u"\u2028");
        break;
    case Tabulation:
        Ajouter(u"\t");
        break;
    case Cellule:
        FinDeCellule(false);
        break;
    case CelluleImbriquee:
        FinDeCellule(true);
        break;
    case FinDeRangee:
        FinDeParagraphe();
        break;
    case DansTableau:
        etat.paragraphe.dansTableau = true;
        break;
    case Caractere:
        Ajouter(QStringView(&definition.caractere, 1));
        break;
    case Unicode:
        AjouterUnicode(valeur);
        aSauter = etat.caracteresDeRepli;
        break;
    case RepliUnicode:
        etat.caracteresDeRepli = qBound(0, valeur, 255);
        break;
    case PoliceParDefaut:
        policeParDefaut = valeur;
        versionCaractere = -1;
        break;
    case PageDeCode:
        tables.DefinirPageDeCode(definition.page != 0 ? definition.page : valeur);
        break;
    case TableDesPolices:
        etat.destination = Destination::TablePolices;
        break;
    case TableDesCouleurs:
        etat.destination = Destination::TableCouleurs;
        break;
    case Ignorer:
        etat.destination = Destination::Ignoree;
        break;
    case Upr:
        etat.uprAttendVersionAnsi = true;
        break;
    default:
        MotDeCaractere(definition.commande, actif, valeur);
        MotDeParagraphe(definition.commande, valeur);
    }
}

bool LecteurRtf::MotDeTable(int commande, int valeur) {
    using Destination = EtatGroupeRtf::Destination;
    if (etat.destination == Destination::TablePolices) {
        if (commande == Police) tables.NouvellePolice(valeur);
        if (commande == JeuDeCaracteres) tables.JeuDePolice(valeur);
        if (commande == RepliUnicode) etat.caracteresDeRepli = qBound(0, valeur, 255);
        if (commande == Unicode && valeur >= -32768 && valeur <= 65535) {
            const QChar c(static_cast<char16_t>(valeur < 0 ? valeur + 65536 : valeur));
            tables.NomDePolice(QStringView(&c, 1));
            aSauter = etat.caracteresDeRepli;
        }
        return true;
    }
    if (etat.destination == Destination::TableCouleurs) {
        if (commande == Rouge) tables.Composante('r', valeur);
        if (commande == Vert) tables.Composante('g', valeur);
        if (commande == Bleu) tables.Composante('b', valeur);
        return true;
    }
    return false;
}

void LecteurRtf::MotDeCaractere(int commande, bool actif, int valeur) {
    FormatCaractereRtf& c = etat.caractere;
    using Position = FormatCaractereRtf::Position;
    switch (commande) {
    case Plain:
        c = FormatCaractereRtf();
        break;
    case Gras:
        c.gras = actif;
        break;
    case Italique:
        c.italique = actif;
        break;
    case Souligne:
        c.souligne = actif;
        break;
    case PasSouligne:
        c.souligne = false;
        break;
    case Barre:
        c.barre = actif;
        break;
    case Cache:
        c.cache = actif;
        break;
    case Majuscules:
        c.majuscules = actif;
        break;
    case Exposant:
        c.position = Position::Exposant;
        break;
    case Indice:
        c.position = Position::Indice;
        break;
    case SansPosition:
        c.position = Position::Normale;
        break;
    case Haut:
        c.position = valeur > 0 ? Position::Exposant : Position::Normale;
        break;
    case Bas:
        c.position = valeur > 0 ? Position::Indice : Position::Normale;
        break;
    case Police:
        c.police = valeur;
        break;
    case Taille:
        c.demiPoints = valeur > 0 ? qMin(valeur, 3276) : 24;
        break;
    case Couleur:
        c.couleur = valeur;
        break;
    default:
        break;
    }
}

void LecteurRtf::MotDeParagraphe(int commande, int valeur) {
    FormatParagrapheRtf& p = etat.paragraphe;
    switch (commande) {
    case Pard:
        p = FormatParagrapheRtf();
        break;
    case AGauche:
        p.alignement = Qt::AlignLeft;
        break;
    case Centre:
        p.alignement = Qt::AlignHCenter;
        break;
    case ADroite:
        p.alignement = Qt::AlignRight;
        break;
    case Justifie:
        p.alignement = Qt::AlignJustify;
        break;
    case RetraitGauche:
        p.gauche = Twips(valeur);
        break;
    case RetraitDroit:
        p.droite = Twips(valeur);
        break;
    case RetraitPremiereLigne:
        p.premiereLigne = Twips(valeur);
        break;
    case EspaceAvant:
        p.avant = Twips(valeur);
        break;
    case EspaceApres:
        p.apres = Twips(valeur);
        break;
    case TaquetDroit:
    case TaquetCentre:
    case TaquetDecimal:
        p.genreTabulation = GenreTaquet(commande);
        break;
    case TaquetBarre:
        p.genreTabulation = QTextOption::LeftTab;
        break;
    case Taquet:
        if (p.tabulations.size() < FormatParagrapheRtf::TabulationsMaximales)
            p.tabulations.append({qBound(0, valeur, TwipsMaximaux), p.genreTabulation});
        p.genreTabulation = QTextOption::LeftTab;
        break;
    default:
        break;
    }
}

void LecteurRtf::Symbole(char symbole) {
    using Destination = EtatGroupeRtf::Destination;
    if (symbole == '*') {
        destinationFacultative = true;
        return;
    }
    if (etat.destination == Destination::TablePolices || etat.destination == Destination::TableCouleurs) {
        if (symbole == '\\' || symbole == '{' || symbole == '}') Texte(QByteArrayView(&symbole, 1));
        return;
    }
    if (etat.destination != Destination::Texte) return;
    switch (symbole) {
    case '\\':
    case '{':
    case '}':
        Ajouter(QString(QLatin1Char(symbole)));
        break;
    case '~':
        Ajouter(u"\u00A0");
        break;
    case '-':
        Ajouter(u"\u00AD");
        break;
    case '_':
        Ajouter(u"\u2011");
        break;
    case '\t':
        Ajouter(u"\t");
        break;
    default:
        break;
    }
}

void LecteurRtf::Octet(uchar octet) {
    using Destination = EtatGroupeRtf::Destination;
    if (etat.destination == Destination::Texte) {
        const QChar c = tables.Caractere(octet, PoliceDe(etat.caractere));
        Ajouter(QStringView(&c, 1));
    } else if (etat.destination == Destination::TablePolices) {
        const QChar c = tables.Caractere(octet, -1);
        tables.NomDePolice(QStringView(&c, 1));
    }
}

void LecteurRtf::Texte(QByteArrayView texte) {
    using Destination = EtatGroupeRtf::Destination;
    switch (etat.destination) {
    case Destination::Ignoree:
        break;
    case Destination::TableCouleurs:
        for (char c : texte)
            if (c == ';') tables.FinDeCouleur();
        break;
    case Destination::TablePolices: {
        QString nom;
        for (char c : texte)
            nom.append(tables.Caractere(static_cast<uchar>(c), -1));
        tables.NomDePolice(nom);
        break;
    }
    case Destination::Texte: {
        // The bytes straight into the run: no set holds a surrogate, only controls to drop.
        if (texte.isEmpty()) break;
        demiSurrogat = 0;
        if (!PreparerAjout()) break;
        const QString& jeu = tables.Jeu(PoliceDe(etat.caractere));
        const qsizetype avant = tampon.size();
        tampon.reserve(avant + texte.size());
        for (char c : texte) {
            const QChar lettre = jeu.at(static_cast<uchar>(c));
            if (Admissible(lettre.unicode())) tampon.append(lettre);
        }
        if (tampon.size() > avant) texteDansCellule = true;
        break;
    }
    }
}

// Words usually write a character beyond the 16-bit range as two \uN in a row, each half of
// the surrogate pair; a half without its partner is dropped.
void LecteurRtf::AjouterUnicode(int valeur) {
    if (valeur < -32768 || valeur > 65535) return;
    const char16_t c = static_cast<char16_t>(valeur < 0 ? valeur + 65536 : valeur);
    if (QChar::isHighSurrogate(c)) {
        demiSurrogat = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (demiSurrogat != 0) {
            const char16_t paire[2] = {demiSurrogat, c};
            demiSurrogat = 0;
            Ajouter(QStringView(paire, 2));
        }
        return;
    }
    Ajouter(QStringView(&c, 1));
}

// Before text goes into the run: a new run when the format changed, and what a table row owes
// since its last text: a tab per cell ended, or a blank for a paragraph ended inside a cell.
// False for hidden text.
bool LecteurRtf::PreparerAjout() {
    if (etat.caractere.cache) return false;
    if (!tampon.isEmpty() && !(formatTampon == etat.caractere)) Vider();
    formatTampon = etat.caractere;
    if (cellulesEnAttente > 0)
        tampon.append(QString(cellulesEnAttente, QLatin1Char('\t')));
    else if (espaceEnAttente)
        tampon.append(QLatin1Char(' '));
    cellulesEnAttente = 0;
    espaceEnAttente = false;
    apresCelluleImbriquee = false;
    return true;
}

void LecteurRtf::Ajouter(QStringView texte) {
    if (texte.isEmpty()) return;
    if (!QChar::isLowSurrogate(texte.front().unicode())) demiSurrogat = 0;
    if (!PreparerAjout()) return;
    const qsizetype avant = tampon.size();
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c.isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || !Admissible(c.unicode())) {
            tampon.append(texte.sliced(debut, i - debut));
            debut = i + 1;
        }
    }
    tampon.append(texte.sliced(debut));
    if (tampon.size() > avant) texteDansCellule = true;
}

// A cell's end owes a tab to the row's next text; none after the row's last cell. The outer
// cell ending just after a nested one owes none more.
void LecteurRtf::FinDeCellule(bool imbriquee) {
    if (imbriquee || !apresCelluleImbriquee) ++cellulesEnAttente;
    apresCelluleImbriquee = imbriquee;
    espaceEnAttente = false;
    texteDansCellule = false;
}

void LecteurRtf::Vider() {
    if (tampon.isEmpty()) return;
    if (formatTampon.majuscules) tampon = std::move(tampon).toUpper();
    paragraphe.push_back({std::move(tampon), FormatTexte(formatTampon)});
    tampon = QString();
}

// The properties in force at \par are those of the paragraph it ends, its mark included.
void LecteurRtf::FinDeParagraphe() {
    Vider();
    Emettre(FormatBloc(etat.paragraphe), FormatTexte(etat.caractere));
    cellulesEnAttente = 0;
    espaceEnAttente = false;
    texteDansCellule = false;
    apresCelluleImbriquee = false;
}

// A paragraph goes into the document whole, with its properties: the first into the paragraph
// the cursor is in, each next one as a new paragraph. Most paragraphs of a file are alike: one
// run in the format of their mark, the properties of the paragraph before. Those wait in a batch
// that goes in with one insertion, a paragraph separator before each (see ViderLot).
void LecteurRtf::Emettre(const QTextBlockFormat& bloc, const QTextCharFormat& marque) {
    const bool commeLePrecedent =
        paragraphesFinis > 0 && bloc == blocPrecedent && (lot.isEmpty() || marque == formatLot) &&
        (paragraphe.empty() || (paragraphe.size() == 1 && paragraphe.front().format == marque));
    if (commeLePrecedent) {
        lot += QChar::ParagraphSeparator;
        if (!paragraphe.empty()) lot += paragraphe.front().texte;
        formatLot = marque;
        if (lot.size() >= LotMaximal) ViderLot();
    } else {
        ViderLot();
        if (paragraphesFinis > 0) curseur.insertBlock(bloc, marque);
        for (const Morceau& morceau : paragraphe)
            curseur.insertText(morceau.texte, morceau.format);
        if (paragraphesFinis == 0) {
            curseur.setBlockFormat(bloc);
            curseur.setBlockCharFormat(marque);
        }
        blocPrecedent = bloc;
    }
    paragraphe.clear();
    ++paragraphesFinis;
}

// Each separator of the batch makes a paragraph with the properties of the one the cursor is in
// and the batch's format for its mark: what Emettre would have made one by one.
void LecteurRtf::ViderLot() {
    if (lot.isEmpty()) return;
    curseur.insertText(lot, formatLot);
    lot.resize(0);
}

const QTextCharFormat& LecteurRtf::FormatTexte(const FormatCaractereRtf& c) {
    if (versionCaractere == tables.Version() && cleCaractere == c) return formatCaractere;
    cleCaractere = c;
    versionCaractere = tables.Version();
    using Position = FormatCaractereRtf::Position;
    QTextCharFormat& format = formatCaractere;
    format = QTextCharFormat();
    format.setFontWeight(c.gras ? QFont::Bold : QFont::Normal);
    format.setFontItalic(c.italique);
    format.setFontUnderline(c.souligne);
    format.setFontStrikeOut(c.barre);
    format.setVerticalAlignment(c.position == Position::Exposant ? QTextCharFormat::AlignSuperScript
                                : c.position == Position::Indice ? QTextCharFormat::AlignSubScript
                                                                 : QTextCharFormat::AlignNormal);
    const QString famille = tables.Famille(PoliceDe(c));
    if (!famille.isEmpty()) format.setFontFamilies({famille});
    format.setFontPointSize(c.demiPoints / 2.0);
    const QColor couleur = tables.Couleur(c.couleur);
    if (couleur.isValid()) format.setForeground(couleur);
    return format;
}

const QTextBlockFormat& LecteurRtf::FormatBloc(const FormatParagrapheRtf& p) {
    if (paragrapheFait && cleParagraphe == p) return formatParagraphe;
    cleParagraphe = p;
    paragrapheFait = true;
    QTextBlockFormat& format = formatParagraphe;
    format = QTextBlockFormat();
    format.setAlignment(p.alignement);
    format.setLeftMargin(p.gauche / TwipsParPixel);
    format.setRightMargin(p.droite / TwipsParPixel);
    format.setTextIndent(p.premiereLigne / TwipsParPixel);
    format.setTopMargin(p.avant / TwipsParPixel);
    format.setBottomMargin(p.apres / TwipsParPixel);
    QList<QTextOption::Tab> taquets;
    for (const TabulationRtf& t : p.tabulations)
        taquets.append(QTextOption::Tab(t.position / TwipsParPixel, t.genre,
                                        t.genre == QTextOption::DelimiterTab ? QChar(u',') : QChar()));
    if (!taquets.isEmpty()) format.setTabPositions(taquets);
    return format;
}
