// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlateForme.h"
#include "core/Programme.h"
#include "results/Bilan.h"

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
    ResultatPartie r;
    r.NumJeu = 3;
    r.Compteurs.NbBonnes = partie;
    r.Compteurs.NbTotal = 250;
    r.Compteurs.NbErreurs = poste;
    r.Compteurs.NbBonnesGauche = poste;
    r.Compteurs.NbTotalGauche = 8;
    r.Compteurs.NbBonnesHaut = partie % 7;
    r.Compteurs.NbTotalHaut = 7;
    r.Compteurs.NbErreursGauche = partie;
    r.Compteurs.NbErreursHaut = poste + partie;
    return ComposerBilan(prog.Profil(), r, prog.Plate().Maintenant(),
                         QStringLiteral("Élève %1-%2").arg(poste).arg(partie));
}

} // namespace PosteDeClasse
