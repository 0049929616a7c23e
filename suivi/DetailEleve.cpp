// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi/DetailEleve.h"

#include "core/Apparence.h"
#include "core/ProfilProgramme.h"
#include "suivi/GraphiqueSuivi.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Apparence::Arial;

const QStringList Colonnes{
    "Date", "Heure", "Exercice", "Bonnes réponses", "Erreurs", "Taux", "Détail de l'exercice 3"};

QLabel* Ligne(QWidget* parent, const QString& nom) {
    auto* ligne = new QLabel(parent);
    ligne->setObjectName(nom);
    ligne->setTextFormat(Qt::PlainText);
    ligne->setWordWrap(true);
    return ligne;
}

} // namespace

DetailEleve::DetailEleve(const ProfilProgramme& profil, QWidget* parent)
    : QWidget(parent), profil(profil), titre(Ligne(this, QStringLiteral("TitreEleve"))),
      liste(new QTableWidget(0, int(Colonnes.size()), this)),
      absents(Ligne(this, QStringLiteral("PartiesSansDate"))) {
    setObjectName(QStringLiteral("DetailEleve"));
    // Set on the page, the font is scaled with the window and reaches what the page adds later.
    setFont(Arial(14, false));
    titre->setFont(Arial(18, true));
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(titre);
    liste->setObjectName(QStringLiteral("ListeParties"));
    liste->setAccessibleName(QStringLiteral("Parties de l'élève, la plus récente d'abord"));
    liste->setHorizontalHeaderLabels(Colonnes);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setTabKeyNavigation(false);
    liste->verticalHeader()->hide();
    liste->horizontalHeader()->setStretchLastSection(true);
    liste->setFont(Arial(13, false));
    colonne->addWidget(liste, 2);
    zoneGraphique = new QVBoxLayout;
    colonne->addLayout(zoneGraphique, 3);
    colonne->addWidget(absents);
}

void DetailEleve::Montrer(const SuiviClasse::LigneEleve& eleve, const ReleveBilans::Releve& releve,
                          const QString& nom) {
    const int n = int(eleve.Parties.size());
    titre->setText(n == 0 ? QStringLiteral("%1 : aucun exercice").arg(nom)
                          : QStringLiteral("%1 : %2 partie%3").arg(nom).arg(n).arg(n > 1 ? "s" : ""));
    RemplirListe(eleve, releve);
    MontrerGraphique(eleve, releve, nom);
}

void DetailEleve::RemplirListe(const SuiviClasse::LigneEleve& eleve, const ReleveBilans::Releve& releve) {
    liste->setRowCount(int(eleve.Parties.size()));
    int ligne = 0;
    for (auto it = eleve.Parties.crbegin(); it != eleve.Parties.crend(); ++it, ++ligne) {
        const LectureBilans::PartieLue& p = releve.Parties[*it].Lue;
        const QStringList cellules{p.Date.isValid() ? SuiviClasse::TexteDate(p.Date)
                                                    : QStringLiteral("date inconnue"),
                                   p.Heure.isValid() ? p.Heure.toString(u"HH:mm:ss") : QString(),
                                   SuiviClasse::NomExercice(profil, p.NumJeu),
                                   QStringLiteral("%1 / %2").arg(p.Bonnes).arg(p.Total),
                                   QString::number(p.Erreurs),
                                   SuiviClasse::TexteTaux(SuiviClasse::Taux(p)),
                                   SuiviClasse::TexteDetail(profil, p)};
        for (int c = 0; c < cellules.size(); ++c) {
            auto* cellule = new QTableWidgetItem(cellules[c]);
            cellule->setTextAlignment(c == 2 || c == 6 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            liste->setItem(ligne, c, cellule);
        }
    }
    liste->resizeColumnsToContents();
    if (liste->rowCount() > 0) liste->setCurrentCell(0, 0);
}

void DetailEleve::MontrerGraphique(const SuiviClasse::LigneEleve& eleve, const ReleveBilans::Releve& releve,
                                   const QString& nom) {
    delete graphique;
    graphique = nullptr;
    const QList<SuiviClasse::Courbe> courbes = SuiviClasse::Courbes(profil, eleve, releve);
    int sansDate = 0;
    bool points = false;
    for (const SuiviClasse::Courbe& c : courbes) {
        sansDate += c.SansDate;
        points = points || !c.Points.isEmpty();
    }
    absents->setText(
        sansDate == 0 ? QString()
        : sansDate == 1
            ? QStringLiteral("Une partie sans date est dans la liste, mais pas sur le graphique.")
            : QStringLiteral("%1 parties sans date sont dans la liste, mais pas sur le graphique.")
                  .arg(sansDate));
    absents->setVisible(sansDate > 0);
    QString raison;
    const GraphiqueSuivi::Fabrique fabrique = points ? GraphiqueSuivi::Charger(raison) : nullptr;
    if (fabrique) {
        graphique = fabrique(courbes, QStringLiteral("Bonnes réponses de %1").arg(nom),
                             SuiviClasse::DescriptionCourbes(courbes), this);
    } else {
        auto* message = Ligne(this, QStringLiteral("GraphiqueAbsent"));
        message->setAlignment(Qt::AlignCenter);
        message->setText(points ? QStringLiteral("Le graphique ne peut pas être montré : %1. La liste donne "
                                                 "chaque partie.")
                                      .arg(raison)
                                : QStringLiteral("Pas de graphique : aucune partie datée à montrer."));
        graphique = message;
    }
    zoneGraphique->addWidget(graphique);
}
