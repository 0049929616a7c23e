// SPDX-License-Identifier: GPL-3.0-or-later
// Any file name of the program folder and any class lists, through the results-file name parser
// of the teacher's windows. A name it files under a class is exactly the name composed from that
// class and the pupil it reads; no longer class fits the name; and a name composed from a class
// and a pupil is read back as that class and that pupil.
#include "Harnais.h"

#include "results/BilansIndividuels.h"

using Harnais::Exiger;
using Harnais::Montrer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // U+0000, which no file name holds, separates the file name, a pupil, and the classes.
    const QStringList morceaux = Harnais::EnUtf16(Harnais::Octets(donnees, taille)).split(QChar(u'\0'));
    const QString& fichier = morceaux.at(0);
    const QString eleve = morceaux.value(1);
    const QStringList classes = morceaux.mid(2);

    const QString classe = BilansIndividuels::ClasseDe(fichier, classes);
    if (!classe.isEmpty()) {
        Exiger(classe == BilansIndividuels::ClasseIndividuelle || classes.contains(classe),
               "a file is filed under a class of the folder", Montrer(classe));
        const QString lu = BilansIndividuels::Eleve(fichier, classe);
        Exiger(!lu.trimmed().isEmpty() && BilansIndividuels::NomFichier(classe, lu) == fichier,
               "a parsed name composed again gives the same name", Montrer(fichier) + "\n" + Montrer(lu));
        for (const QString& autre : classes)
            Exiger(autre.size() <= classe.size() || BilansIndividuels::Eleve(fichier, autre).isEmpty(),
                   "the longest class that fits wins", Montrer(autre));
    } else {
        for (const QString& autre : classes)
            Exiger(BilansIndividuels::Eleve(fichier, autre).isEmpty(), "a name no class takes fits none",
                   Montrer(autre));
    }

    if (eleve.trimmed().isEmpty()) return 0;
    for (const QString& autre : classes) {
        if (autre.isEmpty()) continue;
        const QString compose = BilansIndividuels::NomFichier(autre, eleve);
        Exiger(BilansIndividuels::Eleve(compose, autre) == eleve, "a composed name gives back its pupil",
               Montrer(compose));
        Exiger(BilansIndividuels::ClasseDe(compose, {autre}) == autre, "and its class", Montrer(compose));
    }
    return 0;
}
