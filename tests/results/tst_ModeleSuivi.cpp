// SPDX-License-Identifier: GPL-3.0-or-later
// The class table of the follow-up: what each cell says (on screen and to a screen reader), the
// class's medians, the trends, and the orders the teacher may ask for.
#include "results/ExportSuivi.h"
#include "results/ModeleSuivi.h"
#include "support/ClasseEcrite.h"

#include <QTemporaryDir>
#include <QTest>

using ClasseEcrite::PartieEcrite;

namespace {

PartieEcrite Partie(const QString& eleve, int numJeu, int bonnes, int total, int jour) {
    return {eleve, numJeu, ClasseEcrite::Compteurs(numJeu, bonnes, total, 2),
            QDateTime(QDate(2026, 3, 2).addDays(jour), QTime(9, 0))};
}

// A class of five: Adam rising in exercise 1, Léa falling, Paul steady with one game of
// exercise 3, Zoé and Tom without games.
struct Classe {
    Classe() {
        ClasseEcrite::EcrireListe(dossier.path(), "CM1", {"Zoé", "Adam", "Léa", "Paul", "Tom"});
        ClasseEcrite::Ecrire(dossier.path(), ProfilCarrelis(), "CM1",
                             {Partie("Adam", 1, 8, 20, 0), Partie("Adam", 1, 12, 20, 1),
                              Partie("Adam", 1, 16, 20, 2), Partie("Léa", 1, 19, 20, 0),
                              Partie("Léa", 1, 15, 20, 1), Partie("Paul", 1, 10, 20, 0),
                              Partie("Paul", 1, 11, 20, 3), Partie("Paul", 3, 24, 30, 4)});
        releve =
            ReleveBilans::Lire(ReleveBilans::Inventorier(dossier.path(), ProfilCarrelis()), ProfilCarrelis());
        modele.Montrer(releve, "CM1");
    }
    QString Cellule(int ligne, int colonne, int role = Qt::DisplayRole) const {
        return modele.data(modele.index(ligne, colonne), role).toString();
    }
    QStringList Colonne(int colonne) const {
        QStringList textes;
        for (int l = 0; l < modele.rowCount(); ++l)
            textes << Cellule(l, colonne);
        return textes;
    }

    QTemporaryDir dossier;
    ReleveBilans::Releve releve;
    ModeleSuivi modele{ProfilCarrelis()};
};

// The columns of exercise n (1..3): games, last result, best rate, date, trend.
int Col(int exercice, ModeleSuivi::Rubrique rubrique) {
    return 1 + (exercice - 1) * ModeleSuivi::NombreRubriques + rubrique;
}

// The non-breaking blanks before "%" and "err.".
QString Nbsp(QString texte) {
    return texte.replace(QStringLiteral(" %"), QStringLiteral("\u00a0%"))
        .replace(QStringLiteral(" err."), QStringLiteral("\u00a0err."));
}

} // namespace

class TestModeleSuivi : public QObject {
    Q_OBJECT

  private slots:
    void tendance_data();
    void tendance();
    void cellulesEtMedianes();
    void ceQueDitLeLecteurDEcran();
    void tri_data();
    void tri();
    void celluleDeTableur_data();
    void celluleDeTableur();
};

void TestModeleSuivi::tendance_data() {
    QTest::addColumn<QList<double>>("taux");
    QTest::addColumn<int>("sens");
    using T = SuiviClasse::Tendance;
    QTest::newRow("one game") << QList<double>{50} << int(T::Aucune);
    QTest::newRow("two, rising") << QList<double>{50, 60} << int(T::Progres);
    QTest::newRow("three, within the threshold") << QList<double>{50, 80, 55} << int(T::Stable);
    QTest::newRow("three, falling") << QList<double>{90, 95, 70} << int(T::Baisse);
    QTest::newRow("just above the threshold") << QList<double>{50, 0, 55.5} << int(T::Progres);
}

void TestModeleSuivi::tendance() {
    QFETCH(QList<double>, taux);
    QFETCH(int, sens);
    QCOMPARE(int(SuiviClasse::TendanceDe(taux)), sens);
}

void TestModeleSuivi::cellulesEtMedianes() {
    const Classe c;
    QCOMPARE(c.modele.rowCount(), 6); // five pupils and the class
    QCOMPARE(c.Colonne(0), (QStringList{"Adam", "Léa", "Paul", "Tom", "Zoé", "Médiane de la classe"}));
    using R = ModeleSuivi::Rubrique;
    QCOMPARE(c.Colonne(Col(1, R::Parties)), (QStringList{"3", "2", "2", "0", "0", "2"}));
    QCOMPARE(c.Colonne(Col(1, R::Dernier)),
             (QStringList{Nbsp("80 % (16/20, 2 err.)"), Nbsp("75 % (15/20, 2 err.)"),
                          Nbsp("55 % (11/20, 2 err.)"), "aucun exercice", "aucun exercice", Nbsp("75 %")}));
    QCOMPARE(c.Colonne(Col(1, R::Meilleur)),
             (QStringList{Nbsp("80 %"), Nbsp("95 %"), Nbsp("55 %"), "", "", Nbsp("80 %")}));
    QCOMPARE(c.Colonne(Col(1, R::Date)),
             (QStringList{"04/03/26", "03/03/26", "05/03/26", "", "", "05/03/26"}));
    QCOMPARE(c.Colonne(Col(1, R::Sens)), (QStringList{"↑ en progrès", "↓ en baisse", "→ stable", "", "",
                                                      QStringLiteral("↑\u00a01  →\u00a01  ↓\u00a01")}));
    QCOMPARE(c.Colonne(Col(3, R::Dernier)).mid(2, 2),
             (QStringList{Nbsp("80 % (24/30, 2 err.)"), "aucun exercice"}));
    QCOMPARE(c.Cellule(2, Col(3, R::Sens)), QString());
    // The table as the page and the file take it: full titles, the class's row last.
    const ModeleSuivi::Tableau affiche = c.modele.Affiche();
    QCOMPARE(affiche.Entetes.size(), 16);
    QCOMPARE(affiche.Entetes[Col(2, R::Meilleur)], "Exercice 2 : trouver, meilleur taux");
    QCOMPARE(affiche.Lignes.last().first(), "Médiane de la classe");
}

void TestModeleSuivi::ceQueDitLeLecteurDEcran() {
    const Classe c;
    using R = ModeleSuivi::Rubrique;
    QCOMPARE(c.modele.headerData(Col(1, R::Sens), Qt::Horizontal, Qt::AccessibleTextRole).toString(),
             "Exercice 1 : remplir, tendance");
    QCOMPARE(c.modele.headerData(1, Qt::Vertical, Qt::AccessibleTextRole).toString(), "Léa");
    QCOMPARE(c.modele.headerData(5, Qt::Vertical).toString(), "Médiane de la classe");
    QCOMPARE(c.Cellule(0, Col(1, R::Dernier), Qt::AccessibleTextRole),
             QStringLiteral("16 sur 20, 2 erreurs, 80\u00a0%"));
    QCOMPARE(c.Cellule(0, Col(1, R::Sens), Qt::AccessibleTextRole), "en progrès");
    QCOMPARE(c.Cellule(3, Col(1, R::Sens), Qt::AccessibleTextRole), "pas de tendance");
    QCOMPARE(c.Cellule(3, Col(1, R::Parties), Qt::AccessibleTextRole), "aucune partie");
    QCOMPARE(c.Cellule(5, Col(1, R::Sens), Qt::AccessibleTextRole), "1 en progrès, 1 stable, 1 en baisse");
}

// Pupils without a value stay below the others in both orders, the class's row last of all.
void TestModeleSuivi::tri_data() {
    QTest::addColumn<int>("colonne");
    QTest::addColumn<int>("ordre");
    QTest::addColumn<QStringList>("eleves");
    using R = ModeleSuivi::Rubrique;
    QTest::newRow("best rate, highest first")
        << Col(1, R::Meilleur) << int(Qt::DescendingOrder)
        << QStringList{"Léa", "Adam", "Paul", "Tom", "Zoé", "Médiane de la classe"};
    QTest::newRow("best rate, lowest first")
        << Col(1, R::Meilleur) << int(Qt::AscendingOrder)
        << QStringList{"Paul", "Adam", "Léa", "Tom", "Zoé", "Médiane de la classe"};
    QTest::newRow("trend, falling first")
        << Col(1, R::Sens) << int(Qt::AscendingOrder)
        << QStringList{"Léa", "Paul", "Adam", "Tom", "Zoé", "Médiane de la classe"};
    QTest::newRow("date of the last game")
        << Col(1, R::Date) << int(Qt::DescendingOrder)
        << QStringList{"Paul", "Adam", "Léa", "Tom", "Zoé", "Médiane de la classe"};
    QTest::newRow("names, backwards")
        << 0 << int(Qt::DescendingOrder)
        << QStringList{"Zoé", "Tom", "Paul", "Léa", "Adam", "Médiane de la classe"};
    QTest::newRow("games of exercise 3, equal ones by name")
        << Col(3, R::Parties) << int(Qt::DescendingOrder)
        << QStringList{"Paul", "Adam", "Léa", "Tom", "Zoé", "Médiane de la classe"};
}

void TestModeleSuivi::tri() {
    QFETCH(int, colonne);
    QFETCH(int, ordre);
    QFETCH(QStringList, eleves);
    Classe c;
    const QPersistentModelIndex lea = c.modele.index(1, 3);
    c.modele.sort(colonne, Qt::SortOrder(ordre));
    QCOMPARE(c.Colonne(0), eleves);
    // What the view had chosen follows its pupil.
    QCOMPARE(c.Cellule(lea.row(), 0), "Léa");
    QCOMPARE(lea.column(), 3);
}

void TestModeleSuivi::celluleDeTableur_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("cellule");
    QTest::newRow("plain") << "Léa"
                           << "Léa";
    QTest::newRow("a semicolon") << "Dupont; Léa"
                                 << "\"Dupont; Léa\"";
    QTest::newRow("quotes") << "Léa \"la grande\""
                            << "\"Léa \"\"la grande\"\"\"";
    QTest::newRow("a blank in front") << " Paul"
                                      << "\" Paul\"";
    QTest::newRow("a formula") << "=HYPERLINK(\"x\")"
                               << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("a minus first") << "-Léa"
                                   << "'-Léa";
    QTest::newRow("a tab first") << "\t=1+1"
                                 << "'\t=1+1";
    QTest::newRow("a carriage return first") << "\r=1+1"
                                             << "\"'\r=1+1\"";
    QTest::newRow("a decimal comma stays") << "70,5"
                                           << "70,5";
}

void TestModeleSuivi::celluleDeTableur() {
    QFETCH(QString, texte);
    QFETCH(QString, cellule);
    QCOMPARE(ExportSuivi::Cellule(texte), cellule);
}

QTEST_GUILESS_MAIN(TestModeleSuivi)
#include "tst_ModeleSuivi.moc"
