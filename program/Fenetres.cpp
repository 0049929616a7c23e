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
#include "sailboats/ImpressionVoiliers.h"
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

#include <map>

ReglagesBilan ReglagesDuProgramme(const Programme& prog, const QString& nomEleve) {
    const Preferences& p = prog.Prefs;
    return {{prog.Dossier(), prog.Profil().FichierBilan, p.ListeClasse, p.EnregistrerBilans != 0,
             p.BilansIndividuels != 0},
            p.ImprimerResultats != 0,
            p.ImprimerExercice != 0,
            nomEleve};
}

Fenetres::Fenetres(Programme& programme) : prog(programme) {}

Fenetres::~Fenetres() {
    // Later windows may refer to earlier ones: destroy in the reverse order of creation.
    while (!creees.empty())
        creees.pop_back();
}

namespace {

using Fabrique = std::unique_ptr<QWidget> (*)(Programme&, Fenetres&);

template <class T> std::unique_ptr<QWidget> AvecPlateForme(Programme& prog, Fenetres&) {
    return std::make_unique<T>(prog.Plate());
}

// A window of the platform and one text of the profile (a heading, a file name).
template <class T, QString ProfilProgramme::*Texte>
std::unique_ptr<QWidget> AvecPlateFormeEtProfil(Programme& prog, Fenetres&) {
    return std::make_unique<T>(prog.Plate(), prog.Profil().*Texte);
}

template <class T> std::unique_ptr<QWidget> AvecProgramme(Programme& prog, Fenetres&) {
    return std::make_unique<T>(prog);
}

template <class T> std::unique_ptr<QWidget> AvecAutres(Programme& prog, Fenetres& fenetres) {
    return std::make_unique<T>(prog, static_cast<AutresFenetres&>(fenetres));
}

// The exercise of carrelis's game, printed as the game left it with the sheets' drawing.
std::unique_ptr<QWidget> JeuCarrelis(Programme& prog, Fenetres& fenetres) {
    return std::make_unique<TF_Jeu_Carrelis_T>(
        prog, fenetres, [&prog](const Destination& vers, const Tableau& tableau, const ChoixExercice& choix) {
            return ImprimerExercice(vers, ContenuTableau{tableau, choix.Op, choix.NumJeu, prog.Consigne});
        });
}

// The table of navirelle's games, printed in the teacher's colours.
template <class T> std::unique_ptr<QWidget> JeuVoiliers(Programme& prog, Fenetres& fenetres) {
    return std::make_unique<T>(prog, fenetres,
                               [&prog](const Destination& vers, const TableauVoiliers& joue, int numJeu) {
                                   return ImprimerExerciceVoiliers(
                                       vers, joue, numJeu, prog.Prefs.PrefNoirEtBlanc != 0, prog.Consigne);
                               });
}

// The sheet window of the program: number tables in carrelis, sailboats in navirelle.
std::unique_ptr<QWidget> FenetreFeuilles(Programme& prog, Fenetres& fenetres) {
    if (prog.Profil().FeuillesVoiliers) return std::make_unique<TF_ImageVoiliers>(prog, fenetres.Dialogues());
    return std::make_unique<TF_Image>(prog, fenetres.Dialogues());
}

// The windows this code base can build.
const std::map<IdFenetre, Fabrique>& Fabriques() {
    static const std::map<IdFenetre, Fabrique> table{
        {IdFenetre::Menu,
         [](Programme& prog, Fenetres& fenetres) -> std::unique_ptr<QWidget> {
             return std::make_unique<TF_Menu>(prog, fenetres);
         }},
        {IdFenetre::Preferences, &AvecProgramme<TF_preferences>},
        {IdFenetre::JeuCarrelis, &JeuCarrelis},
        {IdFenetre::ModifCh1, &AvecPlateFormeEtProfil<TF_ModifCh1, &ProfilProgramme::EnTeteJeu>},
        {IdFenetre::PubN, &AvecProgramme<TF_PubN>},
        {IdFenetre::Listes, &AvecProgramme<TF_Listes>},
        {IdFenetre::Bilan, &AvecAutres<TF_bilan>},
        {IdFenetre::Edit3, &AvecPlateForme<TF_Edit3>},
        {IdFenetre::ChoixImpInd, &AvecPlateForme<TF_choix_imp_ind>},
        {IdFenetre::EffaceBilans, &AvecPlateFormeEtProfil<TF_efface_bilans, &ProfilProgramme::FichierBilan>},
        {IdFenetre::Traitexte, &AvecProgramme<TF_Traitexte>},
        {IdFenetre::Jeu1, &JeuVoiliers<TF_Jeu_1>},
        {IdFenetre::Jeu23, &JeuVoiliers<TF_Jeu_23>},
        {IdFenetre::Image, &FenetreFeuilles},
        {IdFenetre::Consigne, &AvecPlateForme<TF_Consigne>},
        {IdFenetre::Consigne3D, &AvecProgramme<TF_Consigne3D>},
        {IdFenetre::ModifImp, &AvecPlateFormeEtProfil<TF_ModifImp, &ProfilProgramme::EnTeteModifImp>},
        {IdFenetre::Choix3D, &AvecProgramme<TF_Choix3D>},
        {IdFenetre::Serie, &AvecPlateForme<TF_Serie>},
        {IdFenetre::Suivi, &AvecProgramme<TF_Suivi>},
    };
    return table;
}

} // namespace

void Fenetres::CreerAuDemarrage() {
    Fenetre(IdFenetre::Menu);
    // A screen reader names the menu's actions in French as the rest ("Appuyer", not "Press").
    TraduireQtPourLesLecteurs();
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

std::optional<quint8> Fenetres::ChoisirTaille(int numJeu, quint8 taille) {
    auto* choix = qobject_cast<TF_ModifCh1*>(Fenetre(IdFenetre::ModifCh1));
    return choix ? choix->Choisir(numJeu, taille) : std::nullopt;
}

void Fenetres::MontrerBilan(const ResultatPartie& resultat) {
    auto* fenetre = qobject_cast<TF_bilan*>(Fenetre(IdFenetre::Bilan));
    if (!fenetre) return;
    const ChoixEleve choix = fenetre->Ouvrir(resultat, ReglagesDuProgramme(prog, nomEleve));
    // The class picked stays in the preferences, which "Valider" of the preferences window writes.
    prog.Prefs.ListeClasse = choix.Classe;
    nomEleve = choix.NomEleve;
}

void Fenetres::MontrerRapport(const Bilan& bilan) {
    if (auto* rapport = qobject_cast<TF_Edit3*>(Fenetre(IdFenetre::Edit3))) {
        rapport->Composer(bilan);
        rapport->exec();
    }
}

std::optional<TexteAOuvrir> Fenetres::ChoisirBilanIndividuel() {
    auto* choix = qobject_cast<TF_choix_imp_ind*>(Fenetre(IdFenetre::ChoixImpInd));
    return choix ? choix->Choisir(prog.Dossier()) : std::nullopt;
}

void Fenetres::GererBilans() {
    if (auto* gestion = qobject_cast<TF_efface_bilans*>(Fenetre(IdFenetre::EffaceBilans)))
        gestion->Gerer(prog.Dossier());
}

void Fenetres::EditerTexte(const TexteAOuvrir& texte) {
    if (auto* editeur = qobject_cast<TF_Traitexte*>(Fenetre(IdFenetre::Traitexte))) editeur->Ouvrir(texte);
}

void Fenetres::OuvrirSuivi(const QString& dossier) {
    if (auto* suivi = qobject_cast<TF_Suivi*>(Fenetre(IdFenetre::Suivi))) suivi->Ouvrir(dossier);
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
