#pragma once

#include "shell/ProfilProgramme.h"

#include <QList>

#include <memory>
#include <utility>
#include <vector>

class Programme;
class QWidget;
class TF_Menu;

// Every window of a program, created once at start in the program's order (the main menu
// first, since its creation fills the values that the others read) and kept for the whole run.
class Fenetres {
public:
    explicit Fenetres(Programme& programme);
    ~Fenetres();

    void CreerDansLOrdre();

    TF_Menu* Menu() const;
    // The window, or null while that window is not part of the program yet.
    QWidget* Fenetre(IdFenetre id) const;
    template <class T> T* Obtenir(IdFenetre id) const { return static_cast<T*>(Fenetre(id)); }
    QList<IdFenetre> OrdreDeCreation() const;

private:
    std::unique_ptr<QWidget> Creer(IdFenetre id);

    Programme& prog;
    std::vector<std::pair<IdFenetre, std::unique_ptr<QWidget>>> creees;
};
