// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/LectureBilans.h"

#include "core/Windows1252.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>

namespace {

using namespace LectureBilans;

// The two labels every entry carries, in the files' own bytes, without their colon.
constexpr QByteArrayView LibelleBonnes = "Nombre total de bonnes r\xe9ponses";
constexpr QByteArrayView LibelleErreurs = "Nombre d'erreurs";
constexpr QByteArrayView MarqueTitre = "eu n\xb0"; // "Jeu n°", "jeu n°"
constexpr qsizetype PasAvancement = 64 * 1024;
constexpr int ChiffresMax = 9; // more could not be a count, and would overflow

bool Blanc(char c) {
    return c == ' ' || c == '\t';
}

bool Chiffre(char c) {
    return c >= '0' && c <= '9';
}

QByteArrayView SansBlancs(QByteArrayView octets) {
    while (!octets.isEmpty() && Blanc(octets.front()))
        octets = octets.sliced(1);
    while (!octets.isEmpty() && Blanc(octets.back()))
        octets.chop(1);
    return octets;
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F: the rest needs no converter.
QString Decoder(QByteArrayView octets) {
    const bool latin1 = std::none_of(octets.begin(), octets.end(),
                                     [](char c) { return uchar(c) >= 0x80 && uchar(c) <= 0x9F; });
    return latin1 ? QString::fromLatin1(octets) : Windows1252::Decoder(octets);
}

// Reads a number of at most ChiffresMax digits at pos; -1 when there is none.
int Nombre(QByteArrayView octets, qsizetype& pos) {
    const qsizetype debut = pos;
    int valeur = 0;
    while (pos < octets.size() && Chiffre(octets.at(pos)) && pos - debut < ChiffresMax)
        valeur = valeur * 10 + (octets.at(pos++) - '0');
    if (pos == debut || (pos < octets.size() && Chiffre(octets.at(pos)))) return -1;
    return valeur;
}

void PasserBlancs(QByteArrayView octets, qsizetype& pos) {
    while (pos < octets.size() && Blanc(octets.at(pos)))
        ++pos;
}

// A line another editor saved in UTF-8: letters beyond ASCII, each a lead byte followed by its
// continuation bytes. Its first such byte tells at once a line of Windows-1252, where an accented
// letter is one byte between plain letters.
bool LigneUtf8(QByteArrayView ligne) {
    const auto premier = std::find_if(ligne.begin(), ligne.end(), [](char c) { return uchar(c) >= 0x80; });
    if (premier == ligne.end() || uchar(*premier) < 0xC2 || uchar(*premier) > 0xF4 ||
        premier + 1 == ligne.end() || (uchar(premier[1]) & 0xC0) != 0x80)
        return false;
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decode = decodeur(ligne); // what tells whether the bytes are UTF-8
    return !decodeur.hasError();
}

// Whether a lead byte of UTF-8 is followed by a continuation byte anywhere: in the programs' own
// files, an accented letter stands between plain letters. One look at each byte, before any line
// is looked at.
bool SuiteUtf8(QByteArrayView octets) {
    const auto* debut = reinterpret_cast<const uchar*>(octets.data());
    const auto* fin = debut + octets.size();
    return std::adjacent_find(debut, fin, [](uchar a, uchar b) {
               return a >= 0xC2 && a <= 0xF4 && (b & 0xC0) == 0x80;
           }) != fin;
}

// The lines of octets from debut (what precedes is left out) that another editor saved in UTF-8,
// in the bytes the programs write. A line whose Windows-1252 bytes would again read as UTF-8 (a
// name written "Ã©") is kept as it is: read again once written, it has to give the same name.
// False when no line changes.
bool LignesUtf8EnWindows1252(QByteArrayView octets, qsizetype debut, QByteArray& recodes) {
    if (!SuiteUtf8(octets.sliced(debut))) return false;
    bool recode = false;
    qsizetype copies = debut; // the bytes before it are in recodes already, or left out
    recodes.clear();
    while (debut < octets.size()) {
        qsizetype fin = debut;
        while (fin < octets.size() && octets.at(fin) != '\r' && octets.at(fin) != '\n')
            ++fin;
        const QByteArrayView ligne = octets.sliced(debut, fin - debut);
        if (LigneUtf8(ligne)) {
            const QByteArray enWindows1252 = Windows1252::Encoder(QString::fromUtf8(ligne));
            if (!LigneUtf8(enWindows1252)) {
                recodes += octets.sliced(copies, debut - copies);
                recodes += enWindows1252;
                copies = fin;
                recode = true;
            }
        }
        debut = fin + 1;
    }
    if (recode) recodes += octets.sliced(copies);
    return recode;
}

// The file in the bytes the programs write, when another editor saved it in Unicode (a teacher's
// correction, a copy through another system): its labels are then recognised and its names read
// right. Line by line for UTF-8, since the programs go on appending their entries in
// Windows-1252 after the lines saved so. False when the file needs nothing.
bool EnWindows1252(QByteArrayView octets, QByteArray& recodes) {
    if (octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF")) {
        QStringDecoder decodeur(octets.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                              : QStringConverter::Utf16BE);
        const QByteArray enWindows1252 = Windows1252::Encoder(QString(decodeur(octets.sliced(2))));
        // Read as the same bytes written by the programs would be.
        if (!LignesUtf8EnWindows1252(enWindows1252, 0, recodes)) recodes = enWindows1252;
        return true;
    }
    if (!octets.startsWith("\xEF\xBB\xBF")) return LignesUtf8EnWindows1252(octets, 0, recodes);
    if (!LignesUtf8EnWindows1252(octets, 3, recodes)) recodes = octets.sliced(3).toByteArray();
    return true;
}

enum class Sorte { Vide, Titre, Date, Bonnes, Erreurs, DetailPaire, DetailNombre, Autre };

struct Ligne {
    Sorte sorte = Sorte::Autre;
    QByteArrayView octets;
    // Without the blanks around it: what tells the line's kind, however another editor indented
    // it (an indented line read as a name would read back as something else once written without
    // its blanks).
    QByteArrayView contenu;
    QByteArrayView libelle; // a count's line: what precedes the count, tab included
    int nombre = 0;
    int total = 0;
    int numJeu = 0;
    QByteArrayView programme; // a title's line: what precedes "Jeu n°"
};

// "label :<tab>n" or "label :<tab>n / total": the count lines of an entry.
bool LigneDeCompte(Ligne& l) {
    const QByteArrayView ligne = l.contenu;
    const qsizetype tab = ligne.indexOf('\t');
    if (tab < 0) return false;
    const QByteArrayView avant = SansBlancs(ligne.first(tab));
    if (avant.isEmpty() || avant.back() != ':') return false;
    const QByteArrayView valeur = SansBlancs(ligne.sliced(tab + 1));
    qsizetype pos = 0;
    l.nombre = Nombre(valeur, pos);
    if (l.nombre < 0) return false;
    PasserBlancs(valeur, pos);
    bool paire = false;
    if (pos < valeur.size() && valeur.at(pos) == '/') {
        ++pos;
        PasserBlancs(valeur, pos);
        l.total = Nombre(valeur, pos);
        if (l.total < 0) return false;
        paire = true;
    }
    if (pos != valeur.size()) return false;
    l.libelle = ligne.first(tab + 1);
    const QByteArrayView nom = SansBlancs(avant.chopped(1));
    if (nom == LibelleBonnes && paire)
        l.sorte = Sorte::Bonnes;
    else if (nom == LibelleErreurs && !paire)
        l.sorte = Sorte::Erreurs;
    else
        l.sorte = paire ? Sorte::DetailPaire : Sorte::DetailNombre;
    return true;
}

// "<program> - Jeu n° 1 : remplir", "<program> jeu n° 3 : Trouver".
bool LigneDeTitre(Ligne& l) {
    const QByteArrayView ligne = l.contenu;
    const qsizetype marque = ligne.indexOf(MarqueTitre);
    if (marque < 1 || (ligne.at(marque - 1) != 'J' && ligne.at(marque - 1) != 'j')) return false;
    qsizetype pos = marque + MarqueTitre.size();
    PasserBlancs(ligne, pos);
    const int numero = Nombre(ligne, pos);
    PasserBlancs(ligne, pos);
    if (numero < 0 || pos >= ligne.size() || ligne.at(pos) != ':') return false;
    l.sorte = Sorte::Titre;
    l.numJeu = numero >= 1 && numero <= 3 ? numero : 0;
    QByteArrayView programme = SansBlancs(ligne.first(marque - 1));
    if (programme.endsWith('-')) programme = SansBlancs(programme.chopped(1));
    l.programme = programme;
    return true;
}

// "Le " and a digit, or "Le " and the "à" of the time: a date line, readable or not.
bool LigneDeDate(Ligne& l) {
    const QByteArrayView ligne = l.contenu;
    if (!ligne.startsWith("Le ")) return false;
    qsizetype pos = 3;
    PasserBlancs(ligne, pos);
    if ((pos < ligne.size() && Chiffre(ligne.at(pos))) || ligne.contains("\xe0 ")) {
        l.sorte = Sorte::Date;
        return true;
    }
    return false;
}

Ligne Classer(QByteArrayView octets) {
    Ligne l;
    l.octets = octets;
    l.contenu = SansBlancs(octets);
    if (l.contenu.isEmpty())
        l.sorte = Sorte::Vide;
    else if (!LigneDeCompte(l) && !LigneDeTitre(l) && !LigneDeDate(l))
        l.sorte = Sorte::Autre;
    return l;
}

enum class Etape { Aucune, Titre, Date, Bonnes, Erreurs };

// The entries built line after line. A line opens an entry when it cannot belong to the one in
// progress; the one in progress is then whole (its error count was read) or unreadable.
class Lecteur {
  public:
    explicit Lecteur(SorteFichier sorte) : sorte(sorte) {}

    void Traiter(const Ligne& l, int numero) {
        switch (l.sorte) {
        case Sorte::Vide:
            return;
        case Sorte::Autre:
            return Autre(l, numero);
        case Sorte::Titre:
            Ouvrir(numero);
            courante.Titre = Texte(l.octets);
            courante.Programme = Texte(l.programme);
            courante.NumJeu = l.numJeu;
            etape = Etape::Titre;
            return;
        case Sorte::Date:
            return Date(l, numero);
        case Sorte::Bonnes:
            if (ouverte && etape < Etape::Bonnes)
                Inconnues();
            else
                Ouvrir(numero);
            courante.Bonnes = l.nombre;
            courante.Total = l.total;
            etape = Etape::Bonnes;
            return;
        case Sorte::Erreurs:
            return Erreurs(l);
        case Sorte::DetailPaire:
        case Sorte::DetailNombre:
            return DetailDe(l);
        }
    }

    // coupee: the file ends in the middle of a line.
    FichierLu Finir(bool coupee) {
        if (ouverte && !Entiere()) {
            // Torn after its first lines, or before exercise 3's last ones.
            lu.FinIncomplete = true;
            Abandonner();
        } else if (const bool nomSeul = sorte == SorteFichier::General && !enAttente.isEmpty();
                   coupee || nomSeul) {
            // The next entry was begun: its name alone, or a part of a line.
            lu.FinIncomplete = true;
            ++lu.EntreesIllisibles;
            if (nomSeul) enAttente.removeLast();
        }
        Fermer();
        lu.LignesInconnues += int(enAttente.size());
        return std::move(lu);
    }

  private:
    QString Texte(QByteArrayView octets) {
        // Names, titles and labels come back in every entry: each is decoded once.
        const auto it = textes.constFind(QByteArray::fromRawData(octets.data(), octets.size()));
        if (it != textes.cend()) return *it;
        return *textes.insert(octets.toByteArray(), Decoder(octets));
    }

    void Autre(const Ligne& l, int numero) {
        if (sorte == SorteFichier::Individuel && !entreeVue && lu.EnTete.isEmpty() && enAttente.isEmpty()) {
            lu.EnTete = Texte(SansBlancs(l.octets));
            return;
        }
        // The line after the title is the date line by its place, even when it cannot be read.
        if (ouverte && etape == Etape::Titre) {
            courante.LigneDate = Decoder(l.octets);
            dateSupposee = {l.octets, numero};
            etape = Etape::Date;
            return;
        }
        if (ouverte && etape == Etape::Erreurs) Fermer();
        enAttente.append({l.octets, numero});
    }

    void Date(const Ligne& l, int numero) {
        if (ouverte && etape == Etape::Date && !dateSupposee.first.isNull()) {
            // What stood in the date's place was a stray line: here is the date.
            ++lu.LignesInconnues;
            dateSupposee = {};
        } else if (ouverte && etape < Etape::Date) {
            Inconnues();
        } else {
            Ouvrir(numero);
        }
        courante.LigneDate = Decoder(l.octets);
        LireDate(courante.LigneDate, courante.Date, courante.Heure);
        etape = Etape::Date;
    }

    void Erreurs(const Ligne& l) {
        if (ouverte && etape == Etape::Bonnes) {
            Inconnues();
            courante.Erreurs = l.nombre;
            etape = Etape::Erreurs;
            return;
        }
        // Errors without the good answers before them: the entry cannot be told.
        if (ouverte && etape != Etape::Erreurs)
            Abandonner();
        else
            ++lu.LignesInconnues;
    }

    void DetailDe(const Ligne& l) {
        const bool paire = l.sorte == Sorte::DetailPaire;
        int& rang = paire ? detailsBonnes : detailsErreurs;
        const Etape attendue = paire ? Etape::Bonnes : Etape::Erreurs;
        if (!ouverte || etape != attendue || rang >= 2) {
            ++lu.LignesInconnues;
            return;
        }
        Inconnues();
        Detail& detail = courante.GaucheHaut[static_cast<size_t>(rang++)];
        if (paire) {
            detail.LibelleBonnes = Texte(l.libelle);
            detail.Bonnes = l.nombre;
            detail.Total = l.total;
        } else {
            detail.LibelleErreurs = Texte(l.libelle);
            detail.Erreurs = l.nombre;
        }
    }

    // A new entry: in the general file the line just before it is its pupil, and what came
    // before that line belongs to nothing.
    void Ouvrir(int numero) {
        Fermer();
        courante = PartieLue{};
        ouverte = true;
        entreeVue = true;
        etape = Etape::Aucune;
        detailsBonnes = detailsErreurs = 0;
        dateSupposee = {};
        courante.Ligne = numero;
        if (sorte == SorteFichier::General && !enAttente.isEmpty()) {
            courante.Eleve = Texte(SansBlancs(enAttente.last().first));
            courante.Ligne = enAttente.last().second;
            enAttente.removeLast();
        } else if (sorte == SorteFichier::Individuel) {
            courante.Eleve = lu.EnTete;
        }
        Inconnues();
    }

    // Whole: its errors read, and as many lines of exercise 3's errors as of its good answers.
    bool Entiere() const { return ouverte && etape == Etape::Erreurs && detailsErreurs >= detailsBonnes; }

    void Fermer() {
        if (!ouverte) return;
        if (Entiere()) {
            lu.Parties.append(std::move(courante));
            ouverte = false;
            return;
        }
        Abandonner();
    }

    // The entry in progress cannot be read. A line that stood in its date's place may have
    // been the name of the next entry, written after a crash cut this one.
    void Abandonner() {
        if (!ouverte) return;
        ouverte = false;
        ++lu.EntreesIllisibles;
        if (!dateSupposee.first.isNull()) enAttente.prepend(dateSupposee);
        dateSupposee = {};
    }

    void Inconnues() {
        lu.LignesInconnues += int(enAttente.size());
        enAttente.clear();
    }

    SorteFichier sorte;
    FichierLu lu;
    PartieLue courante;
    bool ouverte = false;
    bool entreeVue = false;
    Etape etape = Etape::Aucune;
    int detailsBonnes = 0;
    int detailsErreurs = 0;
    QList<std::pair<QByteArrayView, int>> enAttente; // lines not yet known to be a name or nothing
    std::pair<QByteArrayView, int> dateSupposee;
    QHash<QByteArray, QString> textes;
};

// Reads up to ChiffresMax digits of a date or time part; -1 when there is none.
int Partie(QStringView texte, qsizetype& pos) {
    const qsizetype debut = pos;
    int valeur = 0;
    while (pos < texte.size() && texte.at(pos).isDigit() && pos - debut < ChiffresMax)
        valeur = valeur * 10 + texte.at(pos++).digitValue();
    return pos == debut ? -1 : valeur;
}

bool Separateur(QStringView texte, qsizetype pos, QStringView separateurs) {
    return pos < texte.size() && separateurs.contains(texte.at(pos));
}

void PasserEspaces(QStringView texte, qsizetype& pos) {
    while (pos < texte.size() && texte.at(pos).isSpace())
        ++pos;
}

QDate DateDe(QStringView texte, qsizetype& pos) {
    int a = Partie(texte, pos);
    if (a < 0 || !Separateur(texte, pos++, u"/.-")) return {};
    const int b = Partie(texte, pos);
    if (b < 0 || !Separateur(texte, pos++, u"/.-")) return {};
    int c = Partie(texte, pos);
    if (c < 0) return {};
    if (a > 999) return QDate(a, b, c); // 2002-12-06
    if (c < 100) c += 2000;             // 06/12/02
    return QDate(c, b, a);
}

QTime HeureDe(QStringView texte, qsizetype& pos) {
    const int h = Partie(texte, pos);
    if (h < 0 || !Separateur(texte, pos++, u":h")) return {};
    const int m = Partie(texte, pos);
    int s = 0;
    if (Separateur(texte, pos, u":")) s = Partie(texte, ++pos);
    return m < 0 || s < 0 ? QTime() : QTime(h, m, s);
}

} // namespace

namespace LectureBilans {

bool PartieLue::AvecDetail() const {
    return std::any_of(GaucheHaut.begin(), GaucheHaut.end(),
                       [](const Detail& d) { return d.AvecBonnes() || d.AvecErreurs(); });
}

void LireDate(QStringView ligne, QDate& date, QTime& heure) {
    date = {};
    heure = {};
    ligne = ligne.trimmed();
    if (!ligne.startsWith(u"Le ")) return;
    qsizetype pos = 3;
    PasserEspaces(ligne, pos);
    date = DateDe(ligne, pos);
    if (!date.isValid()) return date = {}, void();
    PasserEspaces(ligne, pos);
    if (pos < ligne.size() && ligne.at(pos) == u'\u00e0') ++pos;
    PasserEspaces(ligne, pos);
    heure = HeureDe(ligne, pos);
}

static FichierLu LireWindows1252(QByteArrayView octets, SorteFichier sorte, const Avancement& avancer) {
    Lecteur lecteur(sorte);
    qsizetype debut = 0;
    qsizetype prochainAvis = PasAvancement;
    int numero = 0;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const char c = octets.at(i);
        if (c != '\r' && c != '\n') continue;
        lecteur.Traiter(Classer(octets.sliced(debut, i - debut)), ++numero);
        if (c == '\r' && i + 1 < octets.size() && octets.at(i + 1) == '\n') ++i;
        debut = i + 1;
        if (avancer && debut >= prochainAvis) {
            prochainAvis = debut + PasAvancement;
            if (!avancer(debut)) {
                FichierLu lu = lecteur.Finir(false);
                lu.Interrompue = true;
                return lu;
            }
        }
    }
    // Every entry ends with its line break: a last line without one was cut while written.
    const bool coupee = !SansBlancs(octets.sliced(debut)).isEmpty();
    FichierLu lu = lecteur.Finir(coupee);
    if (avancer) avancer(octets.size());
    return lu;
}

FichierLu Lire(QByteArrayView octets, SorteFichier sorte, const Avancement& avancer) {
    QByteArray recodes;
    if (!EnWindows1252(octets, recodes)) return LireWindows1252(octets, sorte, avancer);
    // The progress is told in the file's own bytes.
    const qsizetype total = octets.size(), lus = recodes.size();
    Avancement avancerDansLeFichier;
    if (avancer)
        avancerDansLeFichier = [&](qsizetype n) { return avancer(lus == 0 ? total : n * total / lus); };
    return LireWindows1252(recodes, sorte, avancerDansLeFichier);
}

} // namespace LectureBilans
