// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/SaisieReponse.h"

EffetSaisie SaisieReponse::Touche(ToucheSaisie touche, QChar chiffre) {
    EffetSaisie effet = EffetSaisie::Rien;
    if (!bloquee) {
        switch (touche) {
        case ToucheSaisie::Effacement:
            reponse.chop(1);
            effet = EffetSaisie::Affichage;
            break;
        case ToucheSaisie::Entree:
            if (!reponse.isEmpty()) {
                bloquee = true;
                return EffetSaisie::Verifier;
            }
            break;
        case ToucheSaisie::Chiffre:
            if (!chiffre.isDigit()) break;
            // A leading 0 is replaced: "07" could never match the decimal text of a value.
            if (reponse == QLatin1String("0"))
                reponse = chiffre;
            else
                reponse += chiffre;
            effet = EffetSaisie::Affichage;
            break;
        case ToucheSaisie::Autre:
            break;
        }
    }
    if (reponse.size() > 3) {
        reponse.truncate(3);
        effet = EffetSaisie::Affichage;
    }
    return effet;
}

bool SaisieReponse::EffacerParLaGauche() {
    if (reponse.isEmpty()) return false;
    reponse.chop(1);
    return true;
}

void SaisieReponse::NouvelleCase() {
    reponse.clear();
    bloquee = false;
}
