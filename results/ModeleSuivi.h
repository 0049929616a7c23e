// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/SuiviClasse.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QStringList>

#include <array>

struct ProfilProgramme;

// The class table of the follow-up window: one row per pupil, in French order until the teacher
// sorts on a column, then the row of the class (the median of each exercise), which stays last
// whatever the order. For each exercise: the games, the last result, the best rate, the date of the
// last game and the way the last three went, in words. A screen reader hears each cell with its
// column (the header's accessible name carries the exercise) and its pupil (the row's header).
class ModeleSuivi : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Rubrique { Parties, Dernier, Meilleur, Date, Sens, NombreRubriques };
    static constexpr int RoleTri = Qt::UserRole + 1;
    static constexpr int RoleGroupe = Qt::UserRole + 2; // a column's exercise, for the grouped header
    static constexpr int RoleTitre = Qt::UserRole + 3;  // its title under the exercise ("Meilleur")

    explicit ModeleSuivi(const ProfilProgramme& profil, QObject* parent = nullptr);

    // The pupils of the choice (a class, "individuel", "toute l'école") among what was read; the
    // reading must outlive the rows.
    void Montrer(const ReleveBilans::Releve& releve, const QString& choix);
    void Vider();
    const QString& Choix() const { return choix; }

    // The pupil of a row; null for the class's row.
    const SuiviClasse::LigneEleve* Eleve(int ligne) const;
    const QList<SuiviClasse::LigneEleve>& Eleves() const { return lignes; }
    // "Exercice 1 : remplir, meilleur taux".
    QString NomColonne(int colonne) const;
    QString NomLigneClasse() const;

    // The titles and the cells as shown, rows in their order, the class's last.
    struct Tableau {
        QStringList Entetes; // in full: "Exercice 1 : remplir, meilleur taux"
        QStringList Groupes; // a column's exercise, empty for the names
        QStringList Titres;  // under the exercise: "Meilleur"
        QList<QStringList> Lignes;
    };
    Tableau Affiche() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int colonne, Qt::SortOrder ordre = Qt::AscendingOrder) override;

  private:
    // The values of the class's row, per exercise.
    struct Mediane {
        double Parties = -1;
        double Dernier = -1;
        double Meilleur = -1;
        QDate Date;
        std::array<int, 4> Sens{}; // by SuiviClasse::Tendance
    };

    QString Texte(int ligne, int colonne, bool accessible) const;
    QString TexteEleve(const SuiviClasse::LigneEleve& eleve, int exercice, Rubrique rubrique,
                       bool accessible) const;
    QString TexteClasse(int exercice, Rubrique rubrique, bool accessible) const;
    QVariant CleTri(const SuiviClasse::LigneEleve& eleve, int colonne) const;
    bool Avant(const SuiviClasse::LigneEleve& a, const SuiviClasse::LigneEleve& b, int colonne,
               Qt::SortOrder ordre) const;
    QString NomEleve(const SuiviClasse::LigneEleve& eleve) const;
    void CalculerMedianes();

    std::array<QString, SuiviClasse::NombreExercices> exercices;
    const ReleveBilans::Releve* releve = nullptr;
    QString choix;
    QList<SuiviClasse::LigneEleve> lignes;
    std::array<Mediane, SuiviClasse::NombreExercices> medianes;
};
