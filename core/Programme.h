// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Hasard.h"
#include "core/Partie.h"
#include "core/Preferences.h"
#include "core/ProfilProgramme.h"

#include <QRect>
#include <QString>

#include <memory>

class PlateForme;
class ReglagesUtilisateur;

// The state of one running program, owned by its entry and handed to every window. Tests build
// their own, so that no state leaks from one test into another.
class Programme {
  public:
    Programme(const ProfilProgramme& profil, PlateForme& plateForme,
              std::unique_ptr<Hasard> hasard = std::make_unique<HasardSysteme>());
    ~Programme();

    const ProfilProgramme& Profil() const { return profil; }
    PlateForme& Plate() const { return plateForme; }
    Hasard& Aleatoire() const { return *hasard; }
    // The user's own settings, in the place the platform gives, read at the first request.
    ReglagesUtilisateur& Reglages() const;

    // Sets the values a run starts with (the instruction of printed exercises).
    void InitValeurs();
    // Brings the current directory back to the program folder, which file dialogs may have moved.
    void RetourRepertoire();
    // Default image i of the six-entry table: 0 = ImageAccueil, 1..5 = ImageExo[0..4].
    QString ImageParDefaut(int i) const;
    // The program folder, where every results and class list file lives; the current directory
    // until the main menu has noted it.
    QString Dossier() const;

    QString RepProgramme;
    QString FichierAide; // full path, settled with the folder at start
    QRect GeometrieMenu;

    Preferences Prefs;
    Preferences PrefSauvees; // the loaded values, put back by "Annuler" (ListeClasse aside)

    QString Consigne; // the instruction of printed exercises, shared by the sheets and the results window

  private:
    ProfilProgramme profil;
    PlateForme& plateForme;
    std::unique_ptr<Hasard> hasard;
    mutable std::unique_ptr<ReglagesUtilisateur> reglages;
};
