// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a class list file, through the class editor's path: read, sorted, written, read
// again gives the same pupils; a file the editor could have written (sorted names, zeroed record
// tails, at most 50 whole records) is written back to the byte; the sorted list is in order, and
// a name added where the editor places it keeps it so.
#include "Harnais.h"

#include "classlists/ListeClasse.h"

#include <algorithm>

using Harnais::Exiger;

namespace {

bool EnOrdre(const QStringList& eleves) {
    for (qsizetype i = 1; i < eleves.size(); ++i)
        if (ListeClasse::AvantEnFrancais(eleves.at(i), eleves.at(i - 1))) return false;
    return true;
}

bool QueuesAZero(QByteArrayView octets) {
    for (qsizetype debut = 0; debut + ListeClasse::TailleEnregistrement <= octets.size();
         debut += ListeClasse::TailleEnregistrement) {
        const int longueur = static_cast<quint8>(octets.at(debut));
        for (qsizetype i = debut + 1 + longueur; i < debut + ListeClasse::TailleEnregistrement; ++i)
            if (octets.at(i) != '\0') return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArrayView octets = Harnais::Octets(donnees, taille);
    const ListeClasse::Contenu lu = ListeClasse::Lire(octets);
    const int entiers = static_cast<int>(octets.size() / ListeClasse::TailleEnregistrement);
    Exiger(lu.NbEnregistrements == entiers, "every whole record is counted");
    Exiger(lu.Eleves.size() == std::min(entiers, ListeClasse::MaxEleves), "at most 50 pupils are read");

    const QStringList tries = ListeClasse::Trier(lu.Eleves);
    Exiger(EnOrdre(tries), "the sorted pupils are in French order", tries.join(u'|').toUtf8());
    const QByteArray ecrits = ListeClasse::Octets(tries);
    Exiger(ecrits.size() == tries.size() * ListeClasse::TailleEnregistrement, "one record per pupil");
    const QStringList relus = ListeClasse::Trier(ListeClasse::Lire(ecrits).Eleves);
    Exiger(relus == tries, "read, written and read again: the same pupils",
           Harnais::Montrer(tries.join(u'|')) + "\n" + Harnais::Montrer(relus.join(u'|')));
    Exiger(ListeClasse::Octets(relus) == ecrits, "written again: the same bytes");
    if (octets.size() % ListeClasse::TailleEnregistrement == 0 && entiers <= ListeClasse::MaxEleves &&
        QueuesAZero(octets) && EnOrdre(lu.Eleves))
        Exiger(ecrits == octets, "a file the editor could have written comes back to the byte",
               Harnais::MontrerOctets(octets) + "\n" + Harnais::MontrerOctets(ecrits));

    // The pupils added one by one where the editor places them, as typed.
    QStringList ajoutes;
    for (const QString& eleve : lu.Eleves)
        ajoutes.insert(ListeClasse::PlaceTriee(ajoutes, eleve), eleve);
    Exiger(EnOrdre(ajoutes), "names added one by one stay in order", ajoutes.join(u'|').toUtf8());
    return 0;
}
