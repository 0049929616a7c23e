// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the preferences file. Whatever the length, the record written is 1392 bytes;
// what is read, written and read again holds the same values and writes the same bytes; a
// record that the programs themselves could have written comes back to the byte; a name set
// afterwards is read back as set, and no other byte of the record moves.
#include "Harnais.h"

#include "core/Preferences.h"
#include "core/Windows1252.h"

using Harnais::Exiger;

namespace {

QByteArray Champs(const Preferences& p) {
    QStringList champs(p.ImagesPref.begin(), p.ImagesPref.end());
    champs << p.ListeClasse;
    for (const quint8 octet : {p.EnregistrerBilans, p.BilansIndividuels, p.ImprimerResultats,
                               p.ImprimerExercice, p.PrefNoirEtBlanc, p.ChoixModifiable1, p.ChoixModifiable2,
                               p.ChoixModifiable3, p.TailleJeu1, p.TailleJeu2, p.TailleJeu3})
        champs << QString::number(octet);
    return champs.join(QLatin1Char('|')).toUtf8();
}

// The values a record can hold when the programs wrote it: flags 0 or 1, sizes 1 to 7, string
// lengths within their fields.
bool Ecrivable(QByteArrayView r) {
    const auto octet = [&](int pos) { return static_cast<quint8>(r.at(pos)); };
    for (int i = 0; i < Preferences::NbImages; ++i)
        if (octet(i * 256) > Preferences::LongueurImage) return false;
    if (octet(1285) > Preferences::LongueurListeClasse) return false;
    for (int pos : {1280, 1281, 1282, 1283, 1284, 1386, 1387, 1388})
        if (octet(pos) > 1) return false;
    for (int pos : {1389, 1390, 1391})
        if (octet(pos) < Preferences::TailleJeuMin || octet(pos) > Preferences::TailleJeuMax) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArray octets = Harnais::Octets(donnees, taille).toByteArray();
    const Preferences lues = Preferences::Lire(octets);
    const QByteArray ecrits = lues.Octets();
    Exiger(ecrits.size() == Preferences::TailleFichier, "the record written is 1392 bytes");
    if (octets.size() < Preferences::TailleFichier)
        Exiger(ecrits == Preferences().Octets(), "a cut record reads as the defaults");

    const Preferences relues = Preferences::Lire(ecrits);
    Exiger(Champs(relues) == Champs(lues), "read, written and read again: the same values",
           Champs(lues) + "\n" + Champs(relues));
    Exiger(relues.Octets() == ecrits, "written again: the same bytes");
    if (octets.size() >= Preferences::TailleFichier && Ecrivable(octets))
        Exiger(ecrits == octets.left(Preferences::TailleFichier), "a valid record is written back unchanged",
               Harnais::MontrerOctets(octets.left(Preferences::TailleFichier)) + "\n" +
                   Harnais::MontrerOctets(ecrits));

    // What follows the record becomes the class list chosen in the results window.
    Preferences changees = lues;
    changees.ListeClasse =
        Windows1252::Decoder(octets.mid(Preferences::TailleFichier).left(Preferences::LongueurListeClasse));
    const QByteArray avecListe = changees.Octets();
    Exiger(Preferences::Lire(avecListe).ListeClasse == changees.ListeClasse, "a class list set is read back",
           Harnais::Montrer(changees.ListeClasse));
    Exiger(avecListe.left(1285) == ecrits.left(1285) && avecListe.mid(1386) == ecrits.mid(1386),
           "setting the class list moves no other byte");
    return 0;
}
