// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/ReleveBilans.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

struct ProfilProgramme;

// Who needs help, on what, and whether it gets better: each pupil's games summed up exercise by
// exercise, over what ReleveBilans found in the folder.
namespace SuiviClasse {

constexpr int NombreExercices = 3;
// Below this many points between the first and the last of the three latest games, a pupil
// stays where he was.
constexpr double SeuilTendance = 5.0;

inline const QString ToutesLesClasses = QStringLiteral("toute l'école");

enum class Tendance { Aucune, Baisse, Stable, Progres };

// A game's rate of right answers, in %; negative when it had nothing to answer.
double Taux(const LectureBilans::PartieLue& partie);

// The way of the latest rates (oldest first): the last three, or two, compared.
Tendance TendanceDe(const QList<double>& taux);

// The middle value (the mean of the two middle ones); negative for none.
double Mediane(QList<double> valeurs);

// How the follow-up writes its values, the same in the window, the printed table and the files.
// "Exercice 2 : trouver": the exercise's name, from the program's title of its results.
QString NomExercice(const ProfilProgramme& profil, int numJeu);
QString TexteTaux(double taux);                                // "70 %"; empty when negative
QString TexteResultat(const LectureBilans::PartieLue& partie); // "70 % (14/20, 3 err.)"
QString TexteDate(QDate date, bool court = false);             // "06/12/2002", "06/12/02"
QString TexteTendance(Tendance sens, bool avecSigne = true);   // "↑ en progrès"; empty: none
QString Nombre(double valeur);                                 // "4", "4,5"

// One pupil's games of one exercise.
struct Exercice {
    int Parties = 0;
    int Derniere = -1;    // index into Releve::Parties; -1: none
    double Meilleur = -1; // the best rate; negative: no game with something to answer
    Tendance Sens = Tendance::Aucune;
};

struct LigneEleve {
    QString Classe;
    QString Eleve;
    std::array<Exercice, NombreExercices> Exercices;
    QList<int> Parties; // every game of the pupil, oldest first, indexes into Releve::Parties

    bool AucunePartie() const { return Parties.isEmpty(); }
};

// Exercise 3's left and top counts in words: "cases à gauche : 3 / 4, 1 erreur ; cases en haut :
// 4 / 5, 0 erreur" (the program's words); empty for the other exercises.
QString TexteDetail(const ProfilProgramme& profil, const LectureBilans::PartieLue& partie);

// A pupil's rates over time for a chart: one curve per exercise, a point per dated game that had
// something to answer.
struct Courbe {
    QString Nom;
    QList<std::pair<QDateTime, double>> Points; // oldest first
    int SansDate = 0;                           // games left out for want of a date
};
QList<Courbe> Courbes(const ProfilProgramme& profil, const LigneEleve& eleve,
                      const ReleveBilans::Releve& releve);
// The curves in words, for those who do not see the chart.
QString DescriptionCourbes(const QList<Courbe>& courbes);

// What the class chooser offers: the classes, "individuel", "toute l'école".
QStringList Choix(const ReleveBilans::Releve& releve);

// One row per pupil of the choice, in French order: the pupils of a class list, those without a
// game included, and the pupils found in the files.
QList<LigneEleve> Lignes(const ReleveBilans::Releve& releve, const QString& choix);

} // namespace SuiviClasse
