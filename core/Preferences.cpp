// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Preferences.h"

#include "core/AccesFichier.h"
#include "core/EcritureFichier.h"
#include "core/RaisonFichier.h"
#include "core/Windows1252.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Where each field stands in the 1392-byte record.
constexpr int DebutImage(int i) {
    return i * (Preferences::LongueurImage + 1);
}
constexpr int PosEnregistrerBilans = 1280;
constexpr int PosBilansIndividuels = 1281;
constexpr int PosImprimerResultats = 1282;
constexpr int PosImprimerExercice = 1283;
constexpr int PosPrefNoirEtBlanc = 1284;
constexpr int PosListeClasse = 1285;
constexpr int PosChoixModifiable1 = 1386;
constexpr int PosTailleJeu1 = 1389;

static_assert(DebutImage(Preferences::NbImages) == PosEnregistrerBilans);
static_assert(PosListeClasse + 1 + Preferences::LongueurListeClasse == PosChoixModifiable1);
static_assert(PosTailleJeu1 + 3 == Preferences::TailleFichier);

quint8 Octet(const QByteArray& octets, int pos) {
    return static_cast<quint8>(octets.at(pos));
}

// The window shows a check box and the programs test "not zero": a damaged byte is read as
// on, so that what the teacher sees is what the program does.
quint8 Drapeau(const QByteArray& octets, int pos) {
    return Octet(octets, pos) != 0 ? 1 : 0;
}

// A length byte above the field's size would read past it: the string is cut to the field.
QString LireChaine(const QByteArray& octets, int debut, int maximum) {
    const int longueur = std::min<int>(Octet(octets, debut), maximum);
    return Windows1252::Decoder(QByteArrayView(octets).sliced(debut + 1, longueur));
}

// A string still as it was read keeps its bytes, meaningless tail included; only a changed
// one is written again, its tail zeroed.
void EcrireChaine(QByteArray& octets, int debut, int maximum, const QString& valeur) {
    if (Octet(octets, debut) <= maximum && LireChaine(octets, debut, maximum) == valeur) return;
    const QByteArray code = Windows1252::Encoder(valeur).left(maximum);
    octets[debut] = static_cast<char>(code.size());
    std::fill(octets.begin() + debut + 1, octets.begin() + debut + 1 + maximum, '\0');
    octets.replace(debut + 1, code.size(), code);
}

// An exercise cannot start on a size it does not know; the default size stands in.
quint8 TailleValideOuDefaut(quint8 taille) {
    return taille >= Preferences::TailleJeuMin && taille <= Preferences::TailleJeuMax
               ? taille
               : Preferences::TailleJeuParDefaut;
}

} // namespace

quint8& Preferences::TailleJeu(int numJeu) {
    return numJeu == 2 ? TailleJeu2 : numJeu == 3 ? TailleJeu3 : TailleJeu1;
}

quint8 Preferences::TailleJeu(int numJeu) const {
    return const_cast<Preferences*>(this)->TailleJeu(numJeu);
}

quint8& Preferences::ChoixModifiable(int numJeu) {
    return numJeu == 2 ? ChoixModifiable2 : numJeu == 3 ? ChoixModifiable3 : ChoixModifiable1;
}

quint8 Preferences::ChoixModifiable(int numJeu) const {
    return const_cast<Preferences*>(this)->ChoixModifiable(numJeu);
}

Preferences Preferences::Lire(const QByteArray& octets) {
    Preferences prefs;
    if (octets.size() < TailleFichier) return prefs; // a cut record: nothing in it can be trusted
    prefs.Brut = octets.left(TailleFichier);         // anything after the record is ignored
    const QByteArray& b = prefs.Brut;
    for (int i = 0; i < NbImages; ++i)
        prefs.ImagesPref[i] = LireChaine(b, DebutImage(i), LongueurImage);
    prefs.EnregistrerBilans = Drapeau(b, PosEnregistrerBilans);
    prefs.BilansIndividuels = Drapeau(b, PosBilansIndividuels);
    prefs.ImprimerResultats = Drapeau(b, PosImprimerResultats);
    prefs.ImprimerExercice = Drapeau(b, PosImprimerExercice);
    prefs.PrefNoirEtBlanc = Drapeau(b, PosPrefNoirEtBlanc);
    prefs.ListeClasse = LireChaine(b, PosListeClasse, LongueurListeClasse);
    for (int n = 1; n <= 3; ++n) {
        prefs.ChoixModifiable(n) = Drapeau(b, PosChoixModifiable1 + n - 1);
        prefs.TailleJeu(n) = TailleValideOuDefaut(Octet(b, PosTailleJeu1 + n - 1));
    }
    return prefs;
}

QByteArray Preferences::Octets() const {
    QByteArray octets = Brut.size() == TailleFichier ? Brut : QByteArray(TailleFichier, '\0');
    for (int i = 0; i < NbImages; ++i)
        EcrireChaine(octets, DebutImage(i), LongueurImage, ImagesPref[i]);
    octets[PosEnregistrerBilans] = static_cast<char>(EnregistrerBilans);
    octets[PosBilansIndividuels] = static_cast<char>(BilansIndividuels);
    octets[PosImprimerResultats] = static_cast<char>(ImprimerResultats);
    octets[PosImprimerExercice] = static_cast<char>(ImprimerExercice);
    octets[PosPrefNoirEtBlanc] = static_cast<char>(PrefNoirEtBlanc);
    EcrireChaine(octets, PosListeClasse, LongueurListeClasse, ListeClasse);
    for (int n = 1; n <= 3; ++n) {
        octets[PosChoixModifiable1 + n - 1] = static_cast<char>(ChoixModifiable(n));
        octets[PosTailleJeu1 + n - 1] = static_cast<char>(TailleJeu(n));
    }
    return octets;
}

void Preferences::CopierSaufListeClasse(const Preferences& source) {
    const QString liste = ListeClasse;
    *this = source;
    ListeClasse = liste;
}

bool ChargerPreferences(Preferences& prefs, const QString& fichier, QString& alerte) {
    prefs = Preferences();
    alerte.clear();
    const AccesFichier::Nature nature = AccesFichier::NatureDe(fichier);
    if (nature == AccesFichier::Nature::Absent) return false;
    QFile entree;
    QString raison;
    QByteArray octets;
    if (AccesFichier::OuvrirEnLecture(entree, fichier, raison)) {
        octets = entree.read(Preferences::TailleFichier);
        if (entree.error() != QFileDevice::NoError) raison = RaisonFichier::Lecture(entree, fichier);
    }
    if (!raison.isEmpty()) {
        alerte = QStringLiteral("Les préférences n'ont pas pu être lues dans «\u00a0%1\u00a0»\u00a0: %2. Le "
                                "programme prend ses réglages par défaut.")
                     .arg(QFileInfo(fichier).fileName(), raison);
        if (nature == AccesFichier::Nature::Lien)
            alerte +=
                QStringLiteral(" «\u00a0Valider\u00a0» dans les préférences mettra un vrai fichier à la "
                               "place du lien.");
        return false;
    }
    if (octets.size() < Preferences::TailleFichier) return false;
    prefs = Preferences::Lire(octets);
    return true;
}

bool EnregistrerPreferences(const Preferences& prefs, const QString& fichier, QString& raison) {
    return EcritureFichier::Remplacer(fichier, prefs.Octets(), raison);
}
