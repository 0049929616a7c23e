// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AutresFenetres.h"
#include "core/Partie.h"
#include "core/ProfilProgramme.h"
#include "core/TexteAOuvrir.h"
#include "sheets/DialoguesFenetres.h"

#include <QList>

#include <memory>
#include <utility>
#include <vector>

class Programme;
class QWidget;
class TF_Menu;
struct ReglagesBilan;

// What the results window is given of the program: its folder and general results file, the
// teacher's preferences, the class picked last, and the name given last (nomEleve).
ReglagesBilan ReglagesDuProgramme(const Programme& prog, const QString& nomEleve);

// Every window of a program, each created once and kept for the whole run. The main menu comes
// first, since its creation fills the values that the others read; every other window is created
// when it is first opened, which keeps the start quick. It is also what one window asks of
// another: the registry alone knows every window, gives each what it needs of the program, and
// hands the answer of one to the next.
class Fenetres : public AutresFenetres {
  public:
    explicit Fenetres(Programme& programme);
    ~Fenetres() override;

    // The main menu; Qt's French texts wait for an assistive technology or another window.
    void CreerAuDemarrage();
    // Every window of the program, in its order (screenshots, tests).
    void CreerDansLOrdre();
    // Adds a window made elsewhere; tests put stand-ins for windows still to come.
    void Enregistrer(IdFenetre id, std::unique_ptr<QWidget> fenetre);

    // Whether the program has that window (created or not yet).
    bool Disponible(IdFenetre id) const;
    TF_Menu* Menu();
    // The window, created at the first request; null when the program has no such window.
    QWidget* Fenetre(IdFenetre id);
    template <class T> T* Obtenir(IdFenetre id) { return static_cast<T*>(Fenetre(id)); }
    QList<IdFenetre> OrdreDeCreation() const;

    // The sheet dialogs, for the sheet windows.
    DialoguesFeuille& Dialogues() { return dialogues; }

    std::optional<quint8> ChoisirTaille(int numJeu, quint8 taille) override;
    void MontrerBilan(const ResultatPartie& resultat) override;
    void MontrerRapport(const Bilan& bilan) override;

    // The report chooser over the program folder: the pupil's results file, or nothing.
    virtual std::optional<TexteAOuvrir> ChoisirBilanIndividuel();
    // The report manager over the program folder.
    virtual void GererBilans();
    // The text editor on the text asked for.
    virtual void EditerTexte(const TexteAOuvrir& texte);
    // The class follow-up over the results of dossier.
    virtual void OuvrirSuivi(const QString& dossier);

  protected:
    QWidget* Creee(IdFenetre id) const;
    Programme& prog;

  private:
    QString nomEleve; // the name given last in a results window, proposed by the next one
    std::vector<std::pair<IdFenetre, std::unique_ptr<QWidget>>> creees;
    DialoguesFenetres dialogues{[this](IdFenetre id) { return Fenetre(id); }};
};
