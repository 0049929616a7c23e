// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AutresFenetres.h"
#include "core/Partie.h"
#include "core/ProfilProgramme.h"
#include "sheets/DialoguesFenetres.h"

#include <QList>

#include <memory>
#include <utility>
#include <vector>

class Programme;
class QWidget;
class TF_Menu;

// Every window of a program, each created once and kept for the whole run. The main menu comes
// first, since its creation fills the values that the others read; every other window is created
// when it is first opened, which keeps the start quick. It is also what one window asks of
// another: the registry alone knows every window.
class Fenetres final : public AutresFenetres {
  public:
    explicit Fenetres(Programme& programme);
    ~Fenetres();

    // The main menu; Qt's French texts follow its first paint.
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

    void ChoisirTaille(int numJeu) override;
    void MontrerBilan(const ResultatPartie& resultat) override;
    void MontrerRapport(const Bilan& bilan) override;

  private:
    QWidget* Creee(IdFenetre id) const;
    std::function<bool(const Destination&)> ImpressionDuJeuCarrelis();

    Programme& prog;
    std::vector<std::pair<IdFenetre, std::unique_ptr<QWidget>>> creees;
    DialoguesFenetres dialogues{[this](IdFenetre id) { return Fenetre(id); }};
};
