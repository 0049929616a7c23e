// Any bytes at all through the reader of the results files, as the general file and as a pupil's
// file: no crash, no overflow, no runaway time. And what it read, written out again line for line
// as the programs write, reads back to the same entries, whole, and writes the same bytes: the
// reader keeps every value an entry holds.
#include "results/LectureBilans.h"
#include "support/EcritureEntrees.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void Verifier(QByteArrayView octets, LectureBilans::SorteFichier sorte) {
    const LectureBilans::FichierLu lu = LectureBilans::Lire(octets, sorte);
    const QByteArray ecrit = EcritureEntrees::Octets(lu.Parties, sorte);
    const LectureBilans::FichierLu relu = LectureBilans::Lire(ecrit, sorte);
    const QByteArray reecrit = EcritureEntrees::Octets(relu.Parties, sorte);
    if (relu.Parties.size() == lu.Parties.size() && relu.EntreesIllisibles == 0 &&
        relu.LignesInconnues == 0 && !relu.FinIncomplete && reecrit == ecrit)
        return;
    std::fprintf(
        stderr,
        "entries %lld, read again %lld (%d unreadable, %d unknown lines)\nwritten:\n%s\nwritten again:\n%s\n",
        static_cast<long long>(lu.Parties.size()), static_cast<long long>(relu.Parties.size()),
        relu.EntreesIllisibles, relu.LignesInconnues, ecrit.constData(), reecrit.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArrayView octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    Verifier(octets, LectureBilans::SorteFichier::General);
    Verifier(octets, LectureBilans::SorteFichier::Individuel);
    return 0;
}
