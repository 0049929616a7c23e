#pragma once

#include "results/Bilan.h"
#include "core/Programme.h"

// The games that the stress test's computers save: each record differs from every other, so
// that a test can tell which computer wrote which entry.
namespace PosteDeClasse {

constexpr int Postes = 8;
constexpr int Parties = 200;
// The first games also go to one individual file that every computer shares: its creation is
// contended, and its header must be written once.
constexpr int PartiesIndividuelles = 25;
inline const QString EleveCommun = QStringLiteral("Paul");

inline QDateTime Horloge() {
    return QDateTime(QDate(2002, 12, 6), QTime(14, 35, 10));
}

inline Bilan BilanDe(Programme& prog, int poste, int partie) {
    prog.NumJeu = 3;
    prog.Compteurs.NbBonnes = partie;
    prog.Compteurs.NbTotal = 250;
    prog.Compteurs.NbErreurs = poste;
    prog.Compteurs.NbBonnesGauche = poste;
    prog.Compteurs.NbTotalGauche = 8;
    prog.Compteurs.NbBonnesHaut = partie % 7;
    prog.Compteurs.NbTotalHaut = 7;
    prog.Compteurs.NbErreursGauche = partie;
    prog.Compteurs.NbErreursHaut = poste + partie;
    return ComposerBilan(prog, QStringLiteral("Élève %1-%2").arg(poste).arg(partie));
}

} // namespace PosteDeClasse
