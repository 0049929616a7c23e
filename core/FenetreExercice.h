// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DeroulementPartie.h"
#include "core/Partie.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>

class AutresFenetres;
class EtiquetteAppreciation;
class Hasard;
class MobilierPleinEcran;
class PlateForme;
class Programme;
class QLabel;
class QPushButton;
class ReglagesUtilisateur;
struct Preferences;

// An exercise window, shown by the menu without blocking it, and the frame its games share: the
// tiled background and the geometry hold, the status bar and its place for a switch at the right,
// the counters of right and wrong answers as a screen reader hears them, "Juste" or "Faux" for 5
// seconds, and the commands, enabled as the step of the game allows. Every opening from the menu
// sets up the exercise chosen there (caption, help context, a new table), whether the window was
// hidden or still open behind the menu; a modal window it opened closing over it sets up nothing.
// A game window builds its table and its controls from these pieces, follows its game with
// Suivre(), and says what is its own: how it sets up a table and where the keyboard plays.
class FenetreExercice : public QWidget {
    Q_OBJECT
  public:
    enum class Commande { Commencer, Nouveau, Changer, Bilan, Aide, Quitter };
    // One exercise of the window: its number, caption, help context and help topic.
    struct Exercice {
        int NumJeu;
        const char* Titre;
        int ContexteAide;
        const char* SujetAide;
    };
    struct DescriptionBouton {
        Commande Role;
        const char* Nom;     // the object name tests and assistive technologies find
        const char* Libelle; // with its accelerator
        QRect Position;      // at the design size, in its parent
    };

    FenetreExercice(Programme& programme, AutresFenetres& autres, QList<Exercice> exercices,
                    QWidget* parent = nullptr);

    // Sets up the exercise chosen (the nearest of the window's) and shows the window.
    virtual void Ouvrir(const ChoixExercice& choisi);
    const ChoixExercice& Choix() const { return choix; }
    const CompteursResultat& Compteurs() const { return deroulement->Compteurs(); }
    QPushButton* Bouton(Commande commande) const { return boutons[static_cast<size_t>(commande)]; }

  protected:
    // The pieces, built in the order the window wants its controls stacked and tabbed.
    void Suivre(DeroulementPartie& partie) { deroulement = &partie; }
    const DeroulementPartie& Deroulement() const { return *deroulement; }
    void ConstruireBarreDEtat(const QString& message, int largeurMessage);
    void ConstruireBoutons(QWidget* parent, std::initializer_list<DescriptionBouton> liste);
    void ConstruireAppreciation(QWidget* parent, const QRect& position);
    // Labels in a block whose caption is their "titre" property.
    void AjouterCompteurs(QLabel* bonnes, QLabel* erreurs);
    // A switch of the status bar (its child), at its right end.
    void PlacerInterrupteur(QPushButton* interrupteur);
    // Once every control is built.
    void MettreAEchelle();

    // A new table of the size given; false when it is not a size of the exercise.
    virtual bool MettreEnPlace(int taille) = 0;
    // Where the keyboard plays when a table is set up.
    virtual QWidget* PlaceDuJeu() = 0;
    // Where the keyboard goes when the size chooser closes: back on "Changer" unless said otherwise.
    virtual QWidget* PlaceApresChangement();
    // "Commencer", for a game that opens with it.
    virtual void Commencer() {}
    // What "Imprimer l'exercice" of the results prints; none by default.
    virtual std::function<bool(const Destination&)> ImpressionExercice() const { return {}; }
    // The commands as the step of the game allows; a window adds what follows the step.
    virtual void MontrerEtape();
    virtual void MontrerCompteurs(bool annoncer);

    // What a game window reads of the program: the platform, the draws, the teacher's
    // preferences, the pupil's own settings and the menu's place.
    PlateForme& Plate() const;
    Hasard& Aleatoire() const;
    const Preferences& Prefs() const;
    ReglagesUtilisateur& Reglages() const;
    QRect GeometrieMenu() const;

    // A new table of the exercise, at its size in the preferences.
    void NouveauJeu();
    // After an answer: "Juste" or "Faux" (and `parole` heard), the counters, the commands, and at
    // the end the keyboard on "Bilan".
    void Repondu(bool juste, const QString& parole);

    void resizeEvent(QResizeEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

    Programme& prog;
    AutresFenetres& autres;
    ChoixExercice choix;
    MobilierPleinEcran* mobilier;
    double rapport = 1.0;
    QWidget* barreDEtat = nullptr; // StatusBar1
    EtiquetteAppreciation* appreciation = nullptr;

  private:
    const Exercice& ExerciceEnCours() const;
    void MontrerExercice();
    void Recommencer();
    void ChangerDeTaille();
    void VoirBilan();
    void MontrerBilan();
    void Aide();
    void Quitter();

    QList<Exercice> exercices;
    DeroulementPartie* deroulement = nullptr;
    std::array<QPushButton*, 6> boutons{};
    std::array<QLabel*, 2> compteurs{};
    QPushButton* interrupteur = nullptr;
    bool quitte = false; // "Quitter" is closing the window: its own close needs nothing more
};
