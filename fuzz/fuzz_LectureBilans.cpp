// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all through the reader of the results files, as the general file and as a pupil's
// file: no crash, no overflow, no runaway time. And what it read, written out again line for line
// as the programs write, reads back to the same entries, whole, and writes the same bytes: the
// reader keeps every value an entry holds.
#include "Harnais.h"

#include "results/LectureBilans.h"
#include "support/EcritureEntrees.h"

#include <QCoreApplication>

using Harnais::Exiger;

namespace {

void Verifier(QByteArrayView octets, LectureBilans::SorteFichier sorte) {
    const LectureBilans::FichierLu lu = LectureBilans::Lire(octets, sorte);
    const QByteArray ecrit = EcritureEntrees::Octets(lu.Parties, sorte);
    const LectureBilans::FichierLu relu = LectureBilans::Lire(ecrit, sorte);
    const QByteArray reecrit = EcritureEntrees::Octets(relu.Parties, sorte);
    const QByteArray detail = "entries " + QByteArray::number(lu.Parties.size()) + ", read again " +
                              QByteArray::number(relu.Parties.size()) + "\nwritten:\n" + ecrit +
                              "\nwritten again:\n" + reecrit;
    Exiger(relu.Parties.size() == lu.Parties.size() && relu.EntreesIllisibles == 0 &&
               relu.LignesInconnues == 0 && !relu.FinIncomplete,
           "what was read, written again, reads back whole", detail);
    Exiger(reecrit == ecrit, "what was read back writes the same bytes", detail);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArrayView octets = Harnais::Octets(donnees, taille);
    Verifier(octets, LectureBilans::SorteFichier::General);
    Verifier(octets, LectureBilans::SorteFichier::Individuel);
    return 0;
}
