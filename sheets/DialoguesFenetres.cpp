// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/DialoguesFenetres.h"

#include "core/ProfilProgramme.h"
#include "sheets/U_Consigne.h"
#include "sheets/U_Consigne3D.h"
#include "sheets/U_ModifChoix3D.h"
#include "sheets/U_ModifChxImp.h"
#include "sheets/U_Serie.h"

namespace {

// A stand-in is still shown, so that a test sees it opened.
template <class T> T* Dialogue(const DialoguesFenetres::Recherche& recherche, IdFenetre id) {
    QWidget* fenetre = recherche ? recherche(id) : nullptr;
    auto* dialogue = qobject_cast<T*>(fenetre);
    if (!dialogue)
        if (auto* autre = qobject_cast<QDialog*>(fenetre)) autre->exec();
    return dialogue;
}

} // namespace

bool DialoguesFenetres::ChoisirConsigne(QString& consigne) {
    auto* dialogue = Dialogue<TF_Consigne>(fenetre, IdFenetre::Consigne);
    return dialogue && dialogue->Choisir(consigne);
}

bool DialoguesFenetres::ChoisirConsignes3D(std::array<QString, 3>& consignes) {
    auto* dialogue = Dialogue<TF_Consigne3D>(fenetre, IdFenetre::Consigne3D);
    return dialogue && dialogue->Choisir(consignes);
}

bool DialoguesFenetres::ChoisirTailleImp(quint8& tailleImp) {
    auto* dialogue = Dialogue<TF_ModifImp>(fenetre, IdFenetre::ModifImp);
    return dialogue && dialogue->Choisir(tailleImp);
}

bool DialoguesFenetres::ChoisirTailles3D(std::array<quint8, 3>& tailles) {
    auto* dialogue = Dialogue<TF_Choix3D>(fenetre, IdFenetre::Choix3D);
    return dialogue && dialogue->Choisir(tailles);
}

std::optional<ChoixSerie> DialoguesFenetres::ChoisirSerie() {
    auto* dialogue = Dialogue<TF_Serie>(fenetre, IdFenetre::Serie);
    return dialogue ? dialogue->Choisir() : std::nullopt;
}
