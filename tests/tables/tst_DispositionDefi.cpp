// SPDX-License-Identifier: GPL-3.0-or-later
// Exact challenge layouts from scripted draws: each size's chains, the draw order and bounds.
#include "support/HasardScripte.h"
#include "tables/DispositionDefi.h"

#include <QTest>

#include <set>
#include <utility>

using Cellules = std::set<std::pair<int, int>>;
Q_DECLARE_METATYPE(Cellules)

class TestDispositionDefi : public QObject {
    Q_OBJECT

  private slots:
    void chaquesTailleDonneSesChaines_data();
    void chaquesTailleDonneSesChaines();
    void aucuneDispositionHorsDesTailles();
    void reconstruireEffaceLesMarquesPrecedentes();
};

namespace {
QList<int> Donnes(const Tableau::Marques& marques) {
    QList<int> liste;
    for (int i = 0; i < 11; ++i)
        if (marques[i]) liste.append(i);
    return liste;
}

Cellules CellulesDonnees(const Tableau& t) {
    Cellules cellules;
    for (int c = 0; c < Tableau::Dim; ++c)
        for (int r = 0; r < Tableau::Dim; ++r)
            if (t.CaseRemplie[c][r]) cellules.insert({c, r});
    return cellules;
}
} // namespace

void TestDispositionDefi::chaquesTailleDonneSesChaines_data() {
    QTest::addColumn<int>("taille");
    QTest::addColumn<QList<int>>("tirages");
    QTest::addColumn<QList<int>>("bornes");
    QTest::addColumn<QList<int>>("colonnesDonnees");
    QTest::addColumn<QList<int>>("lignesDonnees");
    QTest::addColumn<Cellules>("cellules");

    QTest::newRow("2x3 s=0: row anchor, 'the other row', a retried column")
        << 0 << QList<int>{0, 1, 2, 2, 0} << QList<int>{2, 2, 3, 3, 3} << QList<int>{} << QList<int>{2}
        << Cellules{{3, 2}, {3, 1}, {1, 1}, {2, 2}};
    QTest::newRow("2x3 s=1: column anchor, no row header")
        << 0 << QList<int>{1, 1, 0, 0} << QList<int>{2, 3, 2, 3} << QList<int>{2} << QList<int>{}
        << Cellules{{2, 1}, {1, 1}, {1, 2}, {3, 2}};
    QTest::newRow("3x4 s=0: one chain from a row to a column header, a retried row")
        << 1 << QList<int>{0, 1, 0, 1, 0, 3, 2} << QList<int>{2, 3, 4, 3, 3, 4, 4} << QList<int>{2}
        << QList<int>{2} << Cellules{{1, 2}, {1, 1}, {4, 1}, {3, 3}, {2, 3}};
    QTest::newRow("3x4 s=1: the remaining columns on the last row")
        << 1 << QList<int>{1, 2, 2, 0, 0} << QList<int>{2, 4, 3, 3, 4} << QList<int>{3} << QList<int>{2}
        << Cellules{{3, 3}, {3, 1}, {1, 1}, {2, 2}, {4, 2}};
    QTest::newRow("4x4") << 2 << QList<int>{3, 1, 0, 3, 1, 0, 2} << QList<int>{4, 4, 4, 4, 4, 4, 4}
                         << QList<int>{1} << QList<int>{4}
                         << Cellules{{2, 4}, {2, 1}, {4, 1}, {1, 3}, {1, 2}, {3, 2}};
    QTest::newRow("4x5") << 3 << QList<int>{0, 4, 1, 0, 2, 1, 3} << QList<int>{4, 5, 4, 5, 5, 5, 4}
                         << QList<int>{3} << QList<int>{1}
                         << Cellules{{5, 1}, {5, 2}, {1, 2}, {3, 4}, {2, 4}, {3, 3}, {4, 3}};
    QTest::newRow("4x6") << 4 << QList<int>{2, 5, 0, 0, 2, 3, 3, 1} << QList<int>{4, 6, 4, 6, 6, 4, 6, 6}
                         << QList<int>{2, 3} << QList<int>{3}
                         << Cellules{{6, 3}, {6, 1}, {1, 1}, {3, 4}, {4, 4}, {2, 2}, {5, 2}};
    QTest::newRow("5x5 s=0: two chains")
        << 5 << QList<int>{0, 0, 0, 1, 1, 2, 2, 3, 3} << QList<int>{2, 5, 5, 5, 5, 5, 5, 5, 5}
        << QList<int>{3} << QList<int>{1}
        << Cellules{{1, 1}, {1, 2}, {2, 2}, {2, 3}, {3, 4}, {4, 4}, {4, 5}, {5, 5}};
    QTest::newRow("5x5 s=1 t=0: two column anchors")
        << 5 << QList<int>{1, 4, 4, 3, 0, 0, 1, 0, 2, 1} << QList<int>{2, 5, 5, 5, 5, 5, 5, 2, 5, 5}
        << QList<int>{1, 3} << QList<int>{5}
        << Cellules{{5, 5}, {5, 4}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {4, 3}};
    QTest::newRow("5x5 s=1 t=1: two row anchors")
        << 5 << QList<int>{1, 0, 0, 1, 1, 2, 2, 1, 3, 3} << QList<int>{2, 5, 5, 5, 5, 5, 5, 2, 5, 5}
        << QList<int>{2} << QList<int>{1, 4}
        << Cellules{{1, 1}, {1, 2}, {2, 3}, {3, 3}, {4, 4}, {4, 5}, {5, 5}};
    QTest::newRow("5x6") << 6 << QList<int>{5, 4, 4, 3, 3, 2, 2, 1, 1}
                         << QList<int>{6, 5, 6, 5, 6, 5, 6, 5, 6} << QList<int>{2, 6} << QList<int>{3}
                         << Cellules{{6, 5}, {5, 5}, {5, 4}, {4, 4}, {3, 3}, {3, 2}, {2, 1}, {1, 1}};
    QTest::newRow("5x7") << 7 << QList<int>{6, 4, 0, 0, 3, 2, 1, 1, 4, 2}
                         << QList<int>{7, 5, 7, 5, 7, 5, 7, 5, 7, 7} << QList<int>{3, 7} << QList<int>{3}
                         << Cellules{{7, 5}, {1, 5}, {1, 1}, {4, 1}, {2, 3}, {2, 2}, {5, 2}, {3, 4}, {6, 4}};
}

void TestDispositionDefi::chaquesTailleDonneSesChaines() {
    QFETCH(int, taille);
    QFETCH(QList<int>, tirages);
    QFETCH(QList<int>, bornes);
    QFETCH(QList<int>, colonnesDonnees);
    QFETCH(QList<int>, lignesDonnees);
    QFETCH(Cellules, cellules);

    Tableau t;
    QVERIFY(t.DefinirTaille(taille));
    HasardScripte hasard;
    for (int i = 0; i < tirages.size(); ++i)
        hasard.AjouterBorne(tirages[i], bornes[i]);
    DispositionDefi disposition(t, hasard);
    QVERIFY(disposition.Existe());
    disposition.Construire();

    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(Donnes(t.EnteteDonneColonne), colonnesDonnees);
    QCOMPARE(Donnes(t.EnteteDonneLigne), lignesDonnees);
    QCOMPARE(CellulesDonnees(t), cellules);
    QCOMPARE(int(colonnesDonnees.size() + lignesDonnees.size() + cellules.size()), t.NbColonnes + t.NbLignes);
}

void TestDispositionDefi::aucuneDispositionHorsDesTailles() {
    Tableau t;
    t.NbColonnes = 3;
    t.NbLignes = 3; // 6 items: no layout of that length exists
    HasardScripte hasard;
    DispositionDefi disposition(t, hasard);
    QVERIFY(!disposition.Existe());
    disposition.Construire();
    QCOMPARE(CellulesDonnees(t).size(), size_t(0));
    QCOMPARE(hasard.bornes.size(), 0);
}

void TestDispositionDefi::reconstruireEffaceLesMarquesPrecedentes() {
    Tableau t;
    t.DefinirTaille(2);
    HasardScripte hasard{3, 1, 0, 3, 1, 0, 2, /* second layout */ 0, 0, 1, 1, 2, 2};
    DispositionDefi disposition(t, hasard);
    disposition.Construire();
    disposition.Construire();
    // Only the second layout's headers remain; a left-over mark would have made a draw retry.
    QCOMPARE(hasard.Restants(), 0);
    QCOMPARE(Donnes(t.EnteteDonneColonne), QList<int>{3});
    QCOMPARE(Donnes(t.EnteteDonneLigne), QList<int>{1});
}

QTEST_GUILESS_MAIN(TestDispositionDefi)
#include "tst_DispositionDefi.moc"
