// SPDX-License-Identifier: GPL-3.0-or-later
// One computer of a classroom saving many games in a row into the shared program folder:
//   ajouteur_bilans <folder> <computer number> <number of games>
// Each game goes into the general results file, the first ones also into the individual file
// that every computer shares. Exit code 0 when every save succeeded.
#include "results/FichiersBilans.h"
#include "results/PosteDeClasse.h"
#include "support/PlateFormeTest.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

bool Reussie(const EcritureBilan& ecriture) {
    if (!ecriture.Reussie) std::fprintf(stderr, "%s\n", qPrintable(ecriture.Message));
    return ecriture.Reussie;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) return 2;
    const int poste = arguments[2].toInt(), parties = arguments[3].toInt();
    PlateFormeTest plate;
    plate.maintenant = PosteDeClasse::Horloge();
    Programme prog(ProfilNavirelle(), plate);
    prog.InitValeurs();
    prog.RepProgramme = arguments[1];
    const DestinationBilan destination{prog.Dossier(), prog.Profil().FichierBilan, {}, true, true};
    for (int partie = 0; partie < parties; ++partie) {
        Bilan bilan = PosteDeClasse::BilanDe(prog, poste, partie);
        if (!Reussie(EcrireBilanGeneral(destination, bilan))) return 1;
        if (partie >= PosteDeClasse::PartiesIndividuelles) continue;
        bilan.NomEleve = PosteDeClasse::EleveCommun;
        if (!Reussie(EcrireBilanIndividuel(destination, bilan))) return 1;
    }
    return 0;
}
