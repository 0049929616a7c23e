// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/Fenetres.h"

#include "classlists/U_Eleves.h"
#include "core/Programme.h"
#include "core/TraductionQt.h"
#include "editor/U_PubN.h"
#include "editor/U_traitexte.h"
#include "program/U_Menu.h"
#include "program/U_pref.h"
#include "results/U_Edit3.h"
#include "results/U_bilan.h"
#include "results/Unit_choix_imp_ind.h"
#include "results/Unit_efface_bilans.h"
#include "sailboats/U_ImageVoiliers.h"
#include "sailboats/U_Jeu_1.h"
#include "sailboats/U_Jeu_23.h"
#include "sheets/ImpressionFeuille.h"
#include "sheets/U_Consigne.h"
#include "sheets/U_Consigne3D.h"
#include "sheets/U_ModifChoix3D.h"
#include "sheets/U_ModifChxImp.h"
#include "sheets/U_Serie.h"
#include "sheets/U_image.h"
#include "suivi/U_Suivi.h"
#include "tables/U_Jeu_Carrelis_T.h"
#include "tables/U_ModifChxJeu1.h"

#include <QDialog>

#include <map>
#include <type_traits>

Fenetres::Fenetres(Programme& programme) : prog(programme) {}

Fenetres::~Fenetres() {
    // Later windows may refer to earlier ones: destroy in the reverse order of creation.
    while (!creees.empty())
        creees.pop_back();
}

namespace {

using Fabrique = std::unique_ptr<QWidget> (*)(Programme&, Fenetres&);

template <class T> std::unique_ptr<QWidget> Avec(Programme& prog, Fenetres& fenetres) {
    if constexpr (std::is_constructible_v<T, Programme&, Fenetres&>)
        return std::make_unique<T>(prog, fenetres);
    else if constexpr (std::is_constructible_v<T, Programme&, AutresFenetres&>)
        return std::make_unique<T>(prog, static_cast<AutresFenetres&>(fenetres));
    else
        return std::make_unique<T>(prog);
}

// The sheet window of the program: number tables in carrelis, sailboats in navirelle.
std::unique_ptr<QWidget> FenetreFeuilles(Programme& prog, Fenetres& fenetres) {
    if (prog.Profil().FeuillesVoiliers) return std::make_unique<TF_ImageVoiliers>(prog, fenetres.Dialogues());
    return std::make_unique<TF_Image>(prog, fenetres.Dialogues());
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
        {IdFenetre::ChoixImpInd, &Avec<TF_choix_imp_ind>},
        {IdFenetre::EffaceBilans, &Avec<TF_efface_bilans>},
        {IdFenetre::Traitexte, &Avec<TF_Traitexte>},
        {IdFenetre::Jeu1, &Avec<TF_Jeu_1>},
        {IdFenetre::Jeu23, &Avec<TF_Jeu_23>},
        {IdFenetre::Image, &FenetreFeuilles},
        {IdFenetre::Consigne, &Avec<TF_Consigne>},
        {IdFenetre::Consigne3D, &Avec<TF_Consigne3D>},
        {IdFenetre::ModifImp, &Avec<TF_ModifImp>},
        {IdFenetre::Choix3D, &Avec<TF_Choix3D>},
        {IdFenetre::Serie, &Avec<TF_Serie>},
        {IdFenetre::Suivi, &Avec<TF_Suivi>},
    };
    return table;
}

} // namespace

void Fenetres::CreerAuDemarrage() {
    auto* menu = qobject_cast<TF_Menu*>(Fenetre(IdFenetre::Menu));
    // A screen reader names the menu's actions from the moment it is on the screen, in French as
    // the rest ("Appuyer", not "Press"); the first paint does not wait for Qt's texts.
    if (menu) QObject::connect(menu, &TF_Menu::Peint, menu, [] { InstallerTraductionQt(); });
}

void Fenetres::CreerDansLOrdre() {
    for (IdFenetre id : prog.Profil().OrdreFenetres)
        Fenetre(id);
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
    if (id != IdFenetre::Menu && !Creee(IdFenetre::Menu) && Disponible(IdFenetre::Menu))
        Fenetre(IdFenetre::Menu);
    // Qt's own texts (standard buttons, context menus) are French in every window but the menu,
    // which has none: the start does not wait for them.
    if (id != IdFenetre::Menu) InstallerTraductionQt();
    Enregistrer(id, Fabriques().at(id)(prog, *this));
    return Creee(id);
}

QWidget* Fenetres::Creee(IdFenetre id) const {
    for (const auto& [cle, fenetre] : creees)
        if (cle == id) return fenetre.get();
    return nullptr;
}

void Fenetres::ChoisirTaille(int numJeu) {
    QWidget* fenetre = Fenetre(IdFenetre::ModifCh1);
    if (auto* choix = qobject_cast<TF_ModifCh1*>(fenetre))
        choix->Choisir(numJeu);
    else if (auto* dialogue = qobject_cast<QDialog*>(fenetre))
        dialogue->exec(); // a stand-in
}

void Fenetres::MontrerBilan(const ResultatPartie& resultat) {
    ResultatPartie complet = resultat;
    if (!complet.ImprimerExercice) complet.ImprimerExercice = ImpressionDuJeuCarrelis();
    QWidget* fenetre = Fenetre(IdFenetre::Bilan);
    if (auto* bilan = qobject_cast<TF_bilan*>(fenetre))
        bilan->Ouvrir(complet);
    else if (auto* dialogue = qobject_cast<QDialog*>(fenetre))
        dialogue->exec(); // a stand-in
}

void Fenetres::MontrerRapport(const Bilan& bilan) {
    if (auto* rapport = qobject_cast<TF_Edit3*>(Fenetre(IdFenetre::Edit3))) {
        rapport->Composer(bilan);
        rapport->exec();
    }
}

// The table of carrelis's game printed as the game left it: drawing sheets is a floor above the
// game window, so the registry puts the two together.
std::function<bool(const Destination&)> Fenetres::ImpressionDuJeuCarrelis() {
    auto* jeu = qobject_cast<TF_Jeu_Carrelis_T*>(Creee(IdFenetre::JeuCarrelis));
    if (!jeu) return {};
    return [tableau = jeu->TableauJoue(), choix = jeu->Choix(),
            consigne = prog.Consigne](const Destination& vers) {
        return ImprimerExercice(vers, ContenuTableau{tableau, choix.Op, choix.NumJeu, consigne});
    };
}

TF_Menu* Fenetres::Menu() {
    return static_cast<TF_Menu*>(Fenetre(IdFenetre::Menu));
}

QList<IdFenetre> Fenetres::OrdreDeCreation() const {
    QList<IdFenetre> ordre;
    for (const auto& entree : creees)
        ordre.append(entree.first);
    return ordre;
}
