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

// The dialog's answer on `valeur`; a stand-in answers as a dialog given up.
template <class T, class Valeur>
bool ChoisirDans(const DialoguesFenetres::Recherche& recherche, IdFenetre id, Valeur& valeur) {
    auto* dialogue = Dialogue<T>(recherche, id);
    return dialogue && dialogue->Choisir(valeur);
}

} // namespace

bool DialoguesFenetres::ChoisirConsigne(QString& consigne) {
    return ChoisirDans<TF_Consigne>(fenetre, IdFenetre::Consigne, consigne);
}

bool DialoguesFenetres::ChoisirConsignes3D(std::array<QString, 3>& consignes) {
    return ChoisirDans<TF_Consigne3D>(fenetre, IdFenetre::Consigne3D, consignes);
}

bool DialoguesFenetres::ChoisirTailleImp(quint8& tailleImp) {
    return ChoisirDans<TF_ModifImp>(fenetre, IdFenetre::ModifImp, tailleImp);
}

bool DialoguesFenetres::ChoisirTailles3D(std::array<quint8, 3>& tailles) {
    return ChoisirDans<TF_Choix3D>(fenetre, IdFenetre::Choix3D, tailles);
}

std::optional<ChoixSerie> DialoguesFenetres::ChoisirSerie() {
    auto* dialogue = Dialogue<TF_Serie>(fenetre, IdFenetre::Serie);
    return dialogue ? dialogue->Choisir() : std::nullopt;
}
