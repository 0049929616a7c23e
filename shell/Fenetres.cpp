#include "shell/Fenetres.h"

#include "shell/Programme.h"
#include "shell/U_Menu.h"

Fenetres::Fenetres(Programme& programme) : prog(programme) {}

Fenetres::~Fenetres() {
    // Later windows may refer to earlier ones: destroy in the reverse order of creation.
    while (!creees.empty()) creees.pop_back();
}

void Fenetres::CreerDansLOrdre() {
    for (IdFenetre id : prog.Profil().OrdreFenetres) {
        if (Fenetre(id)) continue;
        if (auto fenetre = Creer(id)) creees.emplace_back(id, std::move(fenetre));
    }
}

std::unique_ptr<QWidget> Fenetres::Creer(IdFenetre id) {
    switch (id) {
    case IdFenetre::Menu: return std::make_unique<TF_Menu>(prog, *this);
    default: return nullptr;
    }
}

QWidget* Fenetres::Fenetre(IdFenetre id) const {
    for (const auto& [cle, fenetre] : creees)
        if (cle == id) return fenetre.get();
    return nullptr;
}

TF_Menu* Fenetres::Menu() const { return static_cast<TF_Menu*>(Fenetre(IdFenetre::Menu)); }

QList<IdFenetre> Fenetres::OrdreDeCreation() const {
    QList<IdFenetre> ordre;
    for (const auto& entree : creees) ordre.append(entree.first);
    return ordre;
}
