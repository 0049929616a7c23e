// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/SuiviClasse.h"

#include <QWidget>

struct ProfilProgramme;
class QLabel;
class QTableWidget;
class QVBoxLayout;

// One pupil's page of the follow-up window: every game in a list, the most recent first (the
// chart's text alternative), and the chart of the rate of right answers over time, one curve
// per exercise.
class DetailEleve : public QWidget {
    Q_OBJECT
  public:
    explicit DetailEleve(const ProfilProgramme& profil, QWidget* parent = nullptr);

    void Montrer(const SuiviClasse::LigneEleve& eleve, const ReleveBilans::Releve& releve,
                 const QString& nom);

    QTableWidget* Liste() const { return liste; }
    // The chart, or the line saying why there is none.
    QWidget* Graphique() const { return graphique; }

  private:
    void RemplirListe(const SuiviClasse::LigneEleve& eleve, const ReleveBilans::Releve& releve);
    void MontrerGraphique(const SuiviClasse::LigneEleve& eleve, const ReleveBilans::Releve& releve,
                          const QString& nom);

    const ProfilProgramme& profil;
    QLabel* titre;
    QTableWidget* liste;
    QLabel* absents; // the games the chart leaves out
    QVBoxLayout* zoneGraphique;
    QWidget* graphique = nullptr;
};
