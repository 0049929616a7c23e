// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as /etc/<program>.conf, read as the start-up reads it (UTF-8). The folder it names is
// an absolute clean path or nothing; the program then works in that folder, or in the user's own
// when none is named; and the folder written back as a setting line is read back the same.
#include "Demarrage.h"
#include "Harnais.h"

using Harnais::Exiger;
using Harnais::Montrer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    SituationDemarrage situation = Demarrage::Situation();
    situation.Reglage = QString::fromUtf8(Harnais::Octets(donnees, taille));
    const QString regle = LireReglageDossier(situation.Reglage, situation.DossierPersonnel);
    Exiger(regle.isEmpty() || Demarrage::AbsoluEtPropre(regle), "a folder set is absolute and clean",
           Montrer(regle));

    const DossierChoisi choix = ChoisirDossier(Demarrage::Profil(), situation);
    Exiger(Demarrage::AbsoluEtPropre(choix.Chemin), "the folder chosen is absolute and clean",
           Montrer(choix.Chemin));
    Exiger(regle.isEmpty() ? choix.Origine == OrigineDossier::Personnel
                           : choix.Origine == OrigineDossier::ReglageSysteme && choix.Chemin == regle,
           "the setting decides when it names a folder", Montrer(choix.Chemin));

    if (!regle.isEmpty()) {
        const QString ecrit = QStringLiteral("dossier = \"%1\"\n").arg(regle);
        Exiger(LireReglageDossier(ecrit, situation.DossierPersonnel) == regle,
               "the folder written back as a setting reads the same", Montrer(ecrit));
    }
    return 0;
}
