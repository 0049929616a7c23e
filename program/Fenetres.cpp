#include "program/Fenetres.h"

#include "classlists/U_Eleves.h"
#include "editor/U_PubN.h"
#include "results/U_Edit3.h"
#include "results/U_bilan.h"
#include "core/Programme.h"
#include "program/U_Menu.h"
#include "program/U_pref.h"
#include "tables/U_Jeu_Carrelis_T.h"
#include "tables/U_ModifChxJeu1.h"

#include <map>
#include <type_traits>

Fenetres::Fenetres(Programme& programme) : prog(programme) {}

Fenetres::~Fenetres() {
    // Later windows may refer to earlier ones: destroy in the reverse order of creation.
    while (!creees.empty()) creees.pop_back();
}

namespace {

using Fabrique = std::unique_ptr<QWidget> (*)(Programme&, Fenetres&);

template <class T> std::unique_ptr<QWidget> Avec(Programme& prog, Fenetres& fenetres) {
    if constexpr (std::is_constructible_v<T, Programme&, Fenetres&>)
        return std::make_unique<T>(prog, fenetres);
    else
        return std::make_unique<T>(prog);
}

// The windows this code base can build.
const std::map<IdFenetre, Fabrique>& Fabriques() {
    static const std::map<IdFenetre, Fabrique> table{
        {IdFenetre::Menu, &Avec<TF_Menu>},
        {IdFenetre::Preferences, &Avec<TF_preferences>},
        {IdFenetre::JeuCarrelis, &Avec<TF_Jeu_Carrelis_T>},
        {IdFenetre::ModifCh1, &Avec<TF_ModifCh1>},
        {IdFenetre::PubN, &Avec<TF_PubN>},
        {IdFenetre::Listes, &Avec<TF_Listes>},
        {IdFenetre::Bilan, &Avec<TF_bilan>},
        {IdFenetre::Edit3, &Avec<TF_Edit3>},
    };
    return table;
}

} // namespace

void Fenetres::CreerAuDemarrage() { Fenetre(IdFenetre::Menu); }

void Fenetres::CreerDansLOrdre() {
    for (IdFenetre id : prog.Profil().OrdreFenetres) Fenetre(id);
}

void Fenetres::Enregistrer(IdFenetre id, std::unique_ptr<QWidget> fenetre) {
    if (fenetre && !Creee(id)) creees.emplace_back(id, std::move(fenetre));
}

bool Fenetres::Disponible(IdFenetre id) const {
    return Creee(id) || (prog.Profil().OrdreFenetres.contains(id) && Fabriques().count(id));
}

QWidget* Fenetres::Fenetre(IdFenetre id) {
    if (QWidget* fenetre = Creee(id)) return fenetre;
    if (!Disponible(id)) return nullptr;
    // The main menu's creation fills the values every other window reads.
    if (id != IdFenetre::Menu && !Creee(IdFenetre::Menu) && Disponible(IdFenetre::Menu)) Fenetre(IdFenetre::Menu);
    Enregistrer(id, Fabriques().at(id)(prog, *this));
    return Creee(id);
}

QWidget* Fenetres::Creee(IdFenetre id) const {
    for (const auto& [cle, fenetre] : creees)
        if (cle == id) return fenetre.get();
    return nullptr;
}

TF_Menu* Fenetres::Menu() { return static_cast<TF_Menu*>(Fenetre(IdFenetre::Menu)); }

QList<IdFenetre> Fenetres::OrdreDeCreation() const {
    QList<IdFenetre> ordre;
    for (const auto& entree : creees) ordre.append(entree.first);
    return ordre;
}
