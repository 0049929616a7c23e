// SPDX-License-Identifier: GPL-3.0-or-later
// Any command line (the arguments cut at NUL bytes, which no argument holds, and decoded as the
// program entry decodes them). It gives a request, or a French error that names the program and
// nothing else; a folder given is made absolute and clean and chosen before anything else, and
// given again in either spelling of the option, it reads the same.
#include "Demarrage.h"
#include "Harnais.h"

#include "core/LigneDeCommande.h"

using Harnais::Exiger;
using Harnais::Montrer;
using Demande = LigneDeCommande::Demande;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    QStringList arguments;
    if (taille > 0)
        for (const QByteArrayView argument : Harnais::Morceaux(Harnais::Octets(donnees, taille), '\0'))
            arguments.append(QString::fromLocal8Bit(argument));
    const ProfilProgramme& profil = Demarrage::Profil();
    const LigneDeCommande ligne = LireLigneDeCommande(arguments, profil);

    if (ligne.Action == Demande::Erreur) {
        Exiger(ligne.Erreur.startsWith(profil.NomExecutable + QStringLiteral(" : ")) &&
                   ligne.Erreur.endsWith(u'\n') && ligne.Dossier.isEmpty(),
               "an error names the program, and only that is asked", Montrer(ligne.Erreur));
        return 0;
    }
    Exiger(ligne.Erreur.isEmpty(), "no error text without an error");
    if (ligne.Action != Demande::Lancer) {
        Exiger(ligne.Dossier.isEmpty(), "--help and --version ask nothing else");
        return 0;
    }
    if (ligne.Dossier.isEmpty()) return 0;

    SituationDemarrage situation = Demarrage::Situation();
    situation.Option = ligne.Dossier;
    const DossierChoisi choix = ChoisirDossier(profil, situation);
    Exiger(choix.Origine == OrigineDossier::Option && Demarrage::AbsoluEtPropre(choix.Chemin),
           "the folder given is chosen, absolute and clean", Montrer(choix.Chemin));
    for (const QStringList& encore : {QStringList{QStringLiteral("--dossier"), ligne.Dossier},
                                      QStringList{QStringLiteral("--dossier=") + ligne.Dossier}}) {
        const LigneDeCommande relue = LireLigneDeCommande(encore, profil);
        Exiger(relue.Action == Demande::Lancer && relue.Dossier == ligne.Dossier,
               "the folder given again reads the same", Montrer(encore.join(u' ')));
    }
    return 0;
}
