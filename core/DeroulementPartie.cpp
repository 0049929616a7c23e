// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DeroulementPartie.h"

BoutonsJeu DeroulementPartie::Boutons() const {
    switch (etape) {
    case Etape::MiseEnPlace:
        return {.Commencer = regles.Commencer, .Nouveau = true, .Changer = true};
    case Etape::EnJeu:
        return {};
    case Etape::Terminee:
        return {.Bilan = true};
    case Etape::BilanVu:
        return {.Nouveau = true, .Changer = true};
    }
    return {};
}

void DeroulementPartie::BilanMontre() {
    if (Repondu()) etape = Etape::BilanVu;
}

bool DeroulementPartie::QuitterOuvreBilan() const {
    return regles.BilanEnQuittant && Repondu() && etape != Etape::BilanVu;
}

void DeroulementPartie::Recommencer(int total, int totalGauche, int totalHaut) {
    compteurs = CompteursResultat{};
    compteurs.NbTotal = static_cast<quint8>(total);
    compteurs.NbTotalGauche = static_cast<quint8>(totalGauche);
    compteurs.NbTotalHaut = static_cast<quint8>(totalHaut);
    etape = Etape::MiseEnPlace;
}

void DeroulementPartie::EntrerEnJeu() {
    if (etape == Etape::MiseEnPlace) etape = Etape::EnJeu;
}

void DeroulementPartie::Terminer() {
    if (etape == Etape::EnJeu) etape = Etape::Terminee;
}
