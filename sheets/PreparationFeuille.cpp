// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/PreparationFeuille.h"

namespace {

bool IndexValide(int index) {
    return index >= ReglagesFeuille::IndexTailleMin && index <= ReglagesFeuille::IndexTailleMax;
}

} // namespace

void PreparationFeuille::Reinitialiser(const QString&) {
    feuille.Reglages.Reinitialiser();
    feuille.Op = Operation::Addition;
    feuille.Trois = {};
    feuille.TirerCopie(hasard);
}

bool PreparationFeuille::ChoisirOperation(Operation operation) {
    feuille.Op = operation;
    feuille.TirerTableaux(hasard);
    return true;
}

bool PreparationFeuille::ChoisirJeu(int numJeu) {
    if (numJeu < 1 || numJeu > 3 || numJeu == feuille.Reglages.JeuImprime) return false;
    feuille.Reglages.JeuImprime = static_cast<quint8>(numJeu);
    if (feuille.TroisDifferents()) return false;
    feuille.TirerCopie(hasard);
    return true;
}

bool PreparationFeuille::ChoisirDisposition(int disposition) {
    ReglagesFeuille& r = feuille.Reglages;
    if (disposition < ReglagesFeuille::DispositionMin || disposition > ReglagesFeuille::TroisDifferents ||
        disposition == r.NbExAImprimer)
        return false;
    const bool quitteTroisDifferents = feuille.TroisDifferents();
    r.NbExPrecedent = r.NbExAImprimer;
    r.NbExAImprimer = static_cast<quint8>(disposition);
    if (feuille.TroisDifferents())
        feuille.TirerTrois(hasard);
    else if (quitteTroisDifferents)
        feuille.TirerCopie(hasard);
    return true;
}

bool PreparationFeuille::ChangerTaille(quint8 tailleImp) {
    if (!IndexValide(tailleImp) || tailleImp == feuille.Reglages.TailleImp) return false;
    feuille.Reglages.TailleImp = tailleImp;
    if (feuille.TroisDifferents()) return false;
    feuille.TirerCopie(hasard);
    return true;
}

bool PreparationFeuille::ChangerTailles3D(const std::array<quint8, 3>& tailles) {
    bool change = false;
    for (int i = 1; i <= 3; ++i) {
        const quint8 taille = tailles[size_t(i - 1)];
        if (!IndexValide(taille) || taille == feuille.Reglages.TailleImpN(i)) continue;
        feuille.Reglages.TailleImpN(i) = taille;
        change = true;
    }
    feuille.Reglages.Choix3DModifie = change;
    if (!change || !feuille.TroisDifferents()) return false;
    feuille.TirerTrois(hasard);
    return true;
}

bool PreparationFeuille::ChangerConsigne(const QString& consigne) {
    return Remplacer(feuille.Reglages.Consigne, consigne) && !feuille.TroisDifferents();
}

bool PreparationFeuille::ChangerConsignes3D(const std::array<QString, 3>& consignes) {
    if (consignes == Consignes3D()) return false;
    for (int i = 1; i <= 3; ++i)
        feuille.Reglages.ConsigneN(i) = consignes[size_t(i - 1)];
    return feuille.TroisDifferents();
}

void PreparationFeuille::Nouveau() {
    feuille.TirerTableaux(hasard);
}

std::array<quint8, 3> PreparationFeuille::Tailles3D() const {
    return {feuille.Reglages.TailleImp1, feuille.Reglages.TailleImp2, feuille.Reglages.TailleImp3};
}

std::array<QString, 3> PreparationFeuille::Consignes3D() const {
    return {feuille.Reglages.Consigne1, feuille.Reglages.Consigne2, feuille.Reglages.Consigne3};
}
