// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FenetreExercice.h"
#include "sailboats/TableauVoiliers.h"

class BoutonTrames;
class TableauImages;

// What navirelle's exercise windows share around their own game: the table of boat pictures at
// the top left, the hatch switch in the status bar over every picture, "Le jeu est terminé !"
// while the finished table waits for its results, "Changer" offered as the teacher's preference
// for the exercise says, and the exercise print of the table played.
class FenetreJeuVoiliers : public FenetreExercice {
    Q_OBJECT
  public:
    TableauImages* Tableau() const { return tableau; }
    virtual const TableauVoiliers& TableauJoue() const = 0;

    // Prints a table played, alone on a page, for exercise numJeu ("Imprimer l'exercice" of the
    // results); false when the page refused it. The program gives its sheets' drawing.
    using ImpressionVoiliers = std::function<bool(const Destination&, const TableauVoiliers&, int numJeu)>;

  protected:
    FenetreJeuVoiliers(Programme& programme, AutresFenetres& autres, ImpressionVoiliers imprimer,
                       QList<Exercice> exercices, const QString& usageDuTableau, QWidget* parent);

    void ConstruireJeuTermine(const QRect& position, int taillePolice);
    void ConstruireBarreEtTrames(const QString& message, int largeurMessage);
    // Once every control is built: scaled, and the hatches as the pupil left them.
    void TerminerConstruction();

    // The game's new table, laid out and drawn.
    bool MettreEnPlace(int taille) override;
    virtual bool NouvellePartie(int taille) = 0;
    virtual void Disposer() = 0;
    virtual void Redessiner() = 0;
    // The pictures besides the table that take the hatches.
    virtual void TramerAussi(bool actives, int echelle) = 0;

    void MontrerEtape() override;
    std::function<bool(const Destination&)> ImpressionExercice() const override;
    void resizeEvent(QResizeEvent* evenement) override;
    // Laid out again on the window's new size, once a table is set up.
    void Redisposer();

    TableauImages* tableau;
    QWidget* jeuTermine = nullptr; // PanelJeuTermine
    BoutonTrames* boutonTrames = nullptr;

  private:
    void AppliquerTrames(bool actives);

    ImpressionVoiliers imprimer;
};

// A sailboat exercise window over its game, TypePartie (PartieRemplir, PartieColorier): the
// frame follows the game's steps, and the table played is the game's.
template <class TypePartie> class FenetreJeuVoiliersDe : public FenetreJeuVoiliers {
  public:
    const TableauVoiliers& TableauJoue() const override { return partie.Tableau(); }
    const TypePartie& Partie() const { return partie; }

  protected:
    FenetreJeuVoiliersDe(Programme& programme, AutresFenetres& autres, ImpressionVoiliers imprimer,
                         QList<Exercice> exercices, const QString& usageDuTableau, QWidget* parent)
        : FenetreJeuVoiliers(programme, autres, std::move(imprimer), std::move(exercices), usageDuTableau,
                             parent) {
        Suivre(partie);
    }

    TypePartie partie;
};
