// SPDX-License-Identifier: GPL-3.0-or-later
// The class follow-up window driven as a teacher would, with the keyboard and through the
// accessibility interfaces: the class's table, a pupil's games and chart, a long reading that
// can be stopped, the files it refuses, and the help.
#include "core/AideContextuelle.h"
#include "core/EcritureFichier.h"
#include "program/Fenetres.h"
#include "program/U_Menu.h"
#include "suivi/DetailEleve.h"
#include "suivi/GraphiqueSuivi.h"
#include "suivi/U_Suivi.h"
#include "support/BancProgramme.h"
#include "support/ClasseEcrite.h"
#include "support/ImpressionsFeuilles.h"
#include "support/Pdf.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScatterSeries>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// A class (six pupils unless told: Adam, Léa, Paul, Inès, Hugo, and Zoé who has not played yet)
// with six games each, of every exercise, both preferences on; the first names given take the
// place of the first pupils'.
struct Banc : BancProgramme {
    explicit Banc(const ProfilProgramme& profil = ProfilCarrelis(), int nombre = 6,
                  const QStringList& noms = {})
        : BancProgramme(profil), fenetres(prog) {
        prog.FichierAide = profil.FichierAide;
        prog.RepProgramme = dossier.path();
        QStringList eleves = nombre == 6 ? QStringList{"Adam", "Léa", "Paul", "Inès", "Hugo", "Zoé"}
                                         : ClasseEcrite::Prenoms.first(nombre);
        for (qsizetype i = 0; i < std::min(noms.size(), eleves.size()); ++i)
            eleves[i] = noms[i];
        ClasseEcrite::EcrireListe(dossier.path(), "CM1", eleves);
        ClasseEcrite::Ecrire(
            dossier.path(), profil, "CM1",
            ClasseEcrite::Parties(eleves.first(nombre - 1), 6, QDateTime(QDate(2026, 1, 5), QTime(9, 0))));
        fenetres.CreerAuDemarrage();
        suivi = fenetres.Obtenir<TF_Suivi>(IdFenetre::Suivi);
    }
    // Opens the window on the folder, waits for the reading, runs the work; Escape leaves.
    void Executer(const std::function<void()>& travail) {
        QTimer::singleShot(0, suivi, [this, travail] {
            // Whatever fails on the way, the window closes and the test goes on.
            const auto sortie = qScopeGuard([this] {
                while (QApplication::activeModalWidget() == suivi && suivi->isVisible())
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : suivi,
                                    Qt::Key_Escape);
            });
            QTRY_VERIFY(!Texte("Resume").isEmpty() || !Texte("Remarques").isEmpty());
            travail();
        });
        // What the last opening left is no sign of this one's reading.
        Enfant<QLabel>("Resume")->clear();
        Enfant<QLabel>("Remarques")->clear();
        suivi->Ouvrir(dossier.path());
    }
    template <class T> T* Enfant(const char* nom) const { return suivi->findChild<T*>(QLatin1String(nom)); }
    QString Texte(const char* nom) const { return Enfant<QLabel>(nom)->text().replace(QChar(0xa0), ' '); }
    QTableView* Tableau() const { return Enfant<QTableView>("TableauSuivi"); }
    int Page() const { return Enfant<QStackedWidget>("Pages")->currentIndex(); }

    QTemporaryDir dossier;
    Fenetres fenetres;
    TF_Suivi* suivi = nullptr;
};

QAccessibleInterface* Accessible(QObject* objet) {
    return QAccessible::queryAccessibleInterface(objet);
}

// The name of a header cell, which Qt makes anew for each request and leaves to the caller.
QString NomEntete(const QList<QAccessibleInterface*>& entetes) {
    QStringList noms;
    for (QAccessibleInterface* entete : entetes) {
        noms << entete->text(QAccessible::Name);
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(entete));
    }
    return noms.join(QLatin1Char('|'));
}

} // namespace

class TestU_Suivi : public QObject {
    Q_OBJECT

  private slots:
    void sansModuleLaListeSeule();
    void ouvertParLeMenu_data();
    void ouvertParLeMenu();
    void tableauAuClavierEtAuLecteurDEcran();
    void chaqueToucheAltUneSeuleFois();
    void eleveEtSonGraphique();
    void nomQuiRessembleADuBalisage();
    void lectureLongueArretable();
    void fichierDeDeuxGigaOctets();
    void exporterPourUnTableur_data();
    void exporterPourUnTableur();
    void exportRefuse_data();
    void exportRefuse();
    void imprimerLeTableau_data();
    void imprimerLeTableau();
    void pagesEtCopiesDuDialogue_data();
    void pagesEtCopiesDuDialogue();
};

// Where the chart's module is missing, a pupil's page says why and keeps the list.
void TestU_Suivi::sansModuleLaListeSeule() {
    Banc banc;
    banc.Executer([&] {
        QVERIFY(banc.suivi->MontrerEleve(0));
        auto* absent = banc.Enfant<QLabel>("GraphiqueAbsent");
        QVERIFY(absent);
        QVERIFY(absent->text().startsWith("Le graphique ne peut pas être montré : le module du graphique"));
        QCOMPARE(banc.Enfant<QTableWidget>("ListeParties")->rowCount(), 6);
    });
    GraphiqueSuivi::AjouterDossier(QStringLiteral(DOSSIER_MODULES));
    QString raison;
    QVERIFY(GraphiqueSuivi::Charger(raison));
}

void TestU_Suivi::ouvertParLeMenu_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QStringList>("colonnes"); // the groups of the header
    QTest::newRow("carrelis") << ProfilCarrelis()
                              << QStringList{"Exercice 1 : remplir", "Exercice 2 : trouver",
                                             "Exercice 3 : défi"};
    QTest::newRow("navirelle") << ProfilNavirelle()
                               << QStringList{"Exercice 1 : remplir", "Exercice 2 : colorier",
                                              "Exercice 3 : trouver"};
}

// The last entry of "Bilans", in both programs: the class's pupils, their games counted, the help.
void TestU_Suivi::ouvertParLeMenu() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QStringList, colonnes);
    Banc banc(profil);
    TF_Menu* menu = banc.fenetres.Menu();
    menu->ActualiserDisponibilite();
    auto* bilans = menu->findChild<QMenu*>("Bilans1");
    QAction* entree = bilans->actions().last();
    QCOMPARE(entree->text(), "&Suivi de la classe");
    QVERIFY(entree->isEnabled());
    RaccourciAide f1(banc.plate, banc.prog.FichierAide);
    qApp->installEventFilter(&f1);
    bool vu = false;
    // The entry runs once the menu has closed, before what looks at its window.
    entree->trigger();
    QTimer::singleShot(0, menu, [&] {
        const auto sortie = qScopeGuard([&] { banc.suivi->reject(); });
        QTRY_COMPARE(QApplication::activeModalWidget(), banc.suivi);
        QTRY_VERIFY(!banc.Texte("Resume").isEmpty());
        QCOMPARE(banc.suivi->windowTitle(), "Suivi de la classe");
        QCOMPARE(banc.Enfant<QComboBox>("ChoixClasse")->currentText(), "CM1");
        QCOMPARE(banc.Texte("Resume"),
                 QStringLiteral("Classe CM1 : 6 élèves, 30 parties de %1.").arg(profil.Titre));
        QAbstractItemModel* modele = banc.Tableau()->model();
        QCOMPARE(modele->rowCount(), 7);
        QStringList groupes;
        for (int c = 1; c < modele->columnCount(); c += 5)
            groupes << modele->headerData(c, Qt::Horizontal, Qt::UserRole + 2).toString();
        QCOMPARE(groupes, colonnes);
        QTest::keyClick(banc.suivi, Qt::Key_F1);
        QTest::mouseClick(banc.Enfant<QPushButton>("BoutonAide"), Qt::LeftButton);
        vu = true;
    });
    QCoreApplication::sendPostedEvents(menu, QEvent::MetaCall);
    QVERIFY(vu);
    QVERIFY(!banc.suivi->isVisible());
    QCOMPARE(banc.plate.aidesAffichees, (QStringList(2, profil.FichierAide + "#Suivi")));
}

void TestU_Suivi::tableauAuClavierEtAuLecteurDEcran() {
    Banc banc;
    banc.Executer([&] {
        QTableView* tableau = banc.Tableau();
        QCOMPARE(QApplication::focusWidget(), tableau);
        // Every cell heard with its column and its pupil.
        QAccessibleTableInterface* table = Accessible(tableau)->tableInterface();
        QVERIFY(table);
        QAccessibleInterface* cellule = table->cellAt(1, 2);
        QAccessibleTableCellInterface* interface = cellule->tableCellInterface();
        QCOMPARE(NomEntete(interface->columnHeaderCells()), "Exercice 1 : remplir, dernier résultat");
        QCOMPARE(NomEntete(interface->rowHeaderCells()), "Hugo");
        QVERIFY(cellule->text(QAccessible::Name).contains(" sur "));
        // What the desktop's accessibility bridge gives as the column's and the row's descriptions:
        // the exercise is in it, the same title comes back in each group.
        QCOMPARE(table->columnDescription(12), "Exercice 3 : défi, dernier résultat");
        QCOMPARE(table->rowDescription(1), "Hugo");
        // Each short title fits its column, margins included, in the letters the header really
        // paints with.
        QHeaderView* entete = tableau->horizontalHeader();
        const QFontMetrics lettres(entete->viewport()->font());
        const int marges = 2 * entete->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, entete);
        for (int c = 1; c < tableau->model()->columnCount(); ++c) {
            const QString titre =
                tableau->model()->headerData(c, Qt::Horizontal, Qt::UserRole + 3).toString();
            QVERIFY2(lettres.horizontalAdvance(titre) + marges <= entete->sectionSize(c), qPrintable(titre));
        }
        // Down to Léa, Enter: her games; Escape: back to the table, then out.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(tableau, Qt::Key_Down);
        QTest::keyClick(tableau, Qt::Key_Return);
        QCOMPARE(banc.Page(), 1);
        QCOMPARE(banc.Texte("TitreEleve"), "Léa : 6 parties");
        QCOMPARE(QApplication::focusWidget(), banc.Enfant<QTableWidget>("ListeParties"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(banc.Page(), 0);
        QVERIFY(banc.suivi->isVisible());
        // The buttons answer their accessible action: "Détail de l'élève" on the current row.
        QAccessibleInterface* detail = Accessible(banc.Enfant<QPushButton>("BoutonDetail"));
        QVERIFY(detail->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        detail->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(banc.Page(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        // Sorted on the best rate of exercise 1 from the "Trier par" menu, the order said.
        banc.suivi->findChild<QAction*>("Tri3")->trigger();
        QVERIFY(
            banc.Texte("Resume").endsWith("Trié par exercice 1 : remplir, meilleur taux, ordre croissant."));
        banc.suivi->findChild<QAction*>("Tri3")->trigger();
        QVERIFY(banc.Texte("Resume").endsWith("ordre décroissant."));
        QCOMPARE(tableau->model()->headerData(tableau->model()->rowCount() - 1, Qt::Vertical).toString(),
                 "Médiane de la classe");
        // Zoé, who has not played, is at the bottom whatever the order.
        QCOMPARE(tableau->model()->headerData(tableau->model()->rowCount() - 2, Qt::Vertical).toString(),
                 "Zoé");
    });
}

// Alt and a letter reach one control: two captions that share their letter would only take turns.
void TestU_Suivi::chaqueToucheAltUneSeuleFois() {
    Banc banc;
    QStringList lettres;
    for (QAbstractButton* bouton : banc.suivi->findChildren<QAbstractButton*>())
        lettres << bouton->text();
    for (QLabel* etiquette : banc.suivi->findChildren<QLabel*>())
        if (etiquette->buddy()) lettres << etiquette->text();
    QStringList vues;
    for (const QString& texte : lettres) {
        const qsizetype et = texte.indexOf('&');
        if (et < 0 || et + 1 >= texte.size()) continue;
        const QString lettre = texte.mid(et + 1, 1).toLower();
        QVERIFY2(!vues.contains(lettre), qPrintable(texte));
        vues << lettre;
    }
    QCOMPARE(vues.size(), 9);
}

// A pupil's page: every game listed (exercise 3 with its left and top counts), and the chart: one
// curve per exercise, told apart by the marker's shape and the line's dashes, a dated point a game.
void TestU_Suivi::eleveEtSonGraphique() {
    Banc banc(ProfilNavirelle());
    banc.Executer([&] {
        QVERIFY(banc.suivi->MontrerEleve(2)); // Inès
        auto* liste = banc.Enfant<QTableWidget>("ListeParties");
        QCOMPARE(liste->rowCount(), 6);
        QStringList details;
        for (int l = 0; l < liste->rowCount(); ++l)
            if (liste->item(l, 2)->text().startsWith("Exercice 3")) details << liste->item(l, 6)->text();
        QCOMPARE(details.size(), 2);
        for (const QString& d : details)
            QVERIFY2(d.contains(QRegularExpression(
                         "^coques : \\d+ / 4, \\d erreurs? ; voiles : \\d+ / 5, \\d erreurs?$")),
                     qPrintable(d));
        auto* vue = banc.Enfant<QChartView>("Graphique");
        QVERIFY(vue);
        QList<QScatterSeries::MarkerShape> formes;
        QList<Qt::PenStyle> traits;
        int points = 0;
        for (QAbstractSeries* serie : vue->chart()->series()) {
            if (auto* p = qobject_cast<QScatterSeries*>(serie)) {
                formes << p->markerShape();
                points += int(p->count());
                QCOMPARE(vue->chart()->legend()->markers(p).first()->isVisible(), true);
            } else if (auto* l = qobject_cast<QLineSeries*>(serie)) {
                traits << l->pen().style();
            }
        }
        QCOMPARE(points, 6);
        QCOMPARE(QSet<QScatterSeries::MarkerShape>(formes.begin(), formes.end()).size(), 3);
        QCOMPARE(QSet<Qt::PenStyle>(traits.begin(), traits.end()).size(), 3);
        QVERIFY(Accessible(vue)
                    ->text(QAccessible::Description)
                    .startsWith("Exercice 1 : remplir : 2 parties datées"));
    });
}

// A class list from another editor may hold any name: it is shown and said whole.
void TestU_Suivi::nomQuiRessembleADuBalisage() {
    const QString nom = QStringLiteral("<i>Adam</i><!-- B.");
    GraphiqueSuivi::AjouterDossier(QStringLiteral(DOSSIER_MODULES));
    Banc banc(ProfilCarrelis(), 6, {nom});
    banc.Executer([&] {
        QAbstractItemModel* modele = banc.Tableau()->model();
        int ligne = 0;
        while (ligne < modele->rowCount() && modele->headerData(ligne, Qt::Vertical).toString() != nom)
            ++ligne;
        QVERIFY(banc.suivi->MontrerEleve(ligne));
        QCOMPARE(Accessible(banc.Enfant<QLabel>("TitreEleve"))->text(QAccessible::Name),
                 nom + " : 6 parties");
        QStringList textesDuGraphique;
        for (QGraphicsItem* element : banc.Enfant<QChartView>("Graphique")->scene()->items())
            if (auto* texte = dynamic_cast<QGraphicsTextItem*>(element))
                textesDuGraphique << texte->toPlainText();
        QVERIFY2(textesDuGraphique.contains("Bonnes réponses de " + nom),
                 qPrintable(textesDuGraphique.join('|')));
    });
}

// A long reading (the general file of 50 MB, a pupil's save under way in it): the window keeps
// answering, a progress bar comes, and Escape on it stops the reading.
void TestU_Suivi::lectureLongueArretable() {
    Banc banc;
    const QString general = banc.dossier.filePath("bilan Carrelis.txt");
    QFile fichier(general);
    QVERIFY(fichier.open(QIODevice::ReadWrite));
    const QByteArray bloc = fichier.readAll();
    QVERIFY(!bloc.isEmpty());
    while (fichier.size() < 50 * 1024 * 1024)
        fichier.write(bloc);
    // And a pupil's save under way: the file is read again once he is done.
    fichier.write("\r\nPaul\r\n");
    fichier.close();
    QLockFile verrou(EcritureFichier::FichierVerrou(general));
    QVERIFY(verrou.tryLock(0));
    // The window's own event loop runs the watch while the folder is read.
    int battements = 0;
    int battementsAvantBarre = -1;
    qint64 barreApres = -1;
    QElapsedTimer depuis;
    depuis.start();
    QTimer coeur;
    QObject::connect(&coeur, &QTimer::timeout, [&] {
        ++battements;
        auto* barre = banc.Enfant<QProgressDialog>("Progression");
        if (battementsAvantBarre < 0 && barre && barre->isVisible()) {
            battementsAvantBarre = battements;
            barreApres = depuis.elapsed();
            QTest::keyClick(barre, Qt::Key_Escape);
        }
        if (banc.Texte("Remarques").startsWith("La lecture des bilans a été arrêtée")) banc.suivi->reject();
    });
    coeur.start(20);
    QTimer::singleShot(20000, banc.suivi, &QDialog::reject); // never stuck
    banc.suivi->Ouvrir(banc.dossier.path());
    QVERIFY(barreApres >= 300);
    QVERIFY(battementsAvantBarre >= 3);
    QVERIFY(banc.Texte("Remarques").startsWith("La lecture des bilans a été arrêtée"));
    QCOMPARE(banc.Tableau()->model()->rowCount(), 0);
}

void TestU_Suivi::fichierDeDeuxGigaOctets() {
    Banc banc;
    QFile gros(banc.dossier.filePath("bilan Carrelis.txt"));
    QVERIFY(gros.resize(qint64(2) * 1024 * 1024 * 1024));
    banc.Executer([&] {
        QVERIFY(banc.Texte("Remarques").contains("« bilan Carrelis.txt » n'a pas été lu : il pèse 2,0 Go"));
        // The pupils' own files still give every game.
        QVERIFY(banc.Texte("Resume").endsWith("6 élèves, 30 parties de Carrelis."));
    });
}

// The file read back by Python's own CSV reader (another reader than ours): its rows, cells joined
// by "|".
QStringList LuParPython(const QString& fichier) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                 "    for ligne in csv.reader(f, delimiter=';'):\n"
                                 "        print('|'.join(ligne))\n"),
                  fichier});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) return {};
    return QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestU_Suivi::exporterPourUnTableur_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("lignes");
    QTest::newRow("every game") << "ExporterParties" << 30;
    QTest::newRow("the table as shown") << "ExporterTableau" << 7;
}

// What a spreadsheet reads back: the same numbers as the files, the names whole.
void TestU_Suivi::exporterPourUnTableur() {
    QFETCH(QString, action);
    QFETCH(int, lignes);
    if (QStandardPaths::findExecutable("python3").isEmpty()) QSKIP("python3 is not installed");
    Banc banc;
    QTemporaryDir sortie;
    const QString fichier = sortie.filePath("suivi.csv");
    banc.plate.reponsesEnregistrer = {{fichier, -1}};
    banc.Executer([&] { banc.suivi->findChild<QAction*>(action)->trigger(); });
    QCOMPARE(banc.plate.avertissements, QStringList{});
    QCOMPARE(banc.plate.dialoguesEnregistrer.size(), 1);
    QVERIFY(banc.plate.dialoguesEnregistrer[0].fichierPropose.startsWith("Suivi CM1 - "));
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("\xef\xbb\xbf"));
    const QStringList lu = LuParPython(fichier);
    QCOMPARE(lu.size(), 1 + lignes);
    if (action == "ExporterTableau") {
        QCOMPARE(lu[1].split('|')[0], "Adam");
        QCOMPARE(lu.last().split('|')[0], "Médiane de la classe");
        return;
    }
    // Each line against the games of the files, in the table's order.
    const ReleveBilans::Releve releve = ReleveBilans::Lire(
        ReleveBilans::Inventorier(banc.dossier.path(), ProfilCarrelis()), ProfilCarrelis());
    int n = 1;
    for (const SuiviClasse::LigneEleve& eleve : SuiviClasse::Lignes(releve, "CM1"))
        for (int i : eleve.Parties) {
            const LectureBilans::PartieLue& p = releve.Parties[i].Lue;
            const QStringList c = lu[n++].split('|');
            QCOMPARE(c.mid(0, 6), (QStringList{"CM1", eleve.Eleve, "Carrelis", QString::number(p.NumJeu),
                                               p.Date.toString(Qt::ISODate), p.Heure.toString("HH:mm:ss")}));
            QCOMPARE(c.mid(6, 3), (QStringList{QString::number(p.Bonnes), QString::number(p.Total),
                                               QString::number(p.Erreurs)}));
            QCOMPARE(c[9], QLocale(QLocale::French).toString(100.0 * p.Bonnes / p.Total, 'f', 1));
            QCOMPARE(c[10].isEmpty(), p.NumJeu != 3);
            if (p.NumJeu == 3) QCOMPARE(c[15], QString::number(p.GaucheHaut[1].Erreurs));
        }
}

void TestU_Suivi::exportRefuse_data() {
    QTest::addColumn<QString>("fichier"); // in the program folder when relative
    QTest::addColumn<QString>("message");
    QTest::newRow("the general results file")
        << "bilan Carrelis.txt"
        << "« bilan Carrelis.txt » est un fichier des bilans ou des listes "
           "d'élèves : l'export ne le remplace pas. Choisissez un autre nom.";
    QTest::newRow("a class list") << "CM1.elv"
                                  << "« CM1.elv » est un fichier des bilans";
    QTest::newRow("a folder that is not there") << "/nulle/part/suivi.csv"
                                                << "Le fichier « suivi.csv » n'a pas été enregistré : ";
    // Even root may not make a file in /sys: the folder the teacher chose is named.
    if (QFileInfo(QStringLiteral("/sys")).isDir())
        QTest::newRow("a chosen folder only read") << "/sys/suivi.csv"
                                                   << "Le fichier « suivi.csv » n'a pas été enregistré : le "
                                                      "dossier « /sys » est protégé en écriture";
}

void TestU_Suivi::exportRefuse() {
    QFETCH(QString, fichier);
    QFETCH(QString, message);
    Banc banc;
    const QString chemin = QDir(banc.dossier.path()).filePath(fichier);
    QFile avant(chemin);
    const QByteArray contenu = avant.open(QIODevice::ReadOnly) ? avant.readAll() : QByteArray();
    avant.close();
    banc.plate.reponsesEnregistrer = {{chemin, -1}};
    banc.Executer([&] { QVERIFY(!banc.suivi->Exporter(true)); });
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements[0].replace(QChar(0xa0), ' ').startsWith(message),
             qPrintable(banc.plate.avertissements[0]));
    QFile apres(chemin);
    QCOMPARE(apres.open(QIODevice::ReadOnly) ? apres.readAll() : QByteArray(), contenu);
}

// Thirty pupils on two landscape pages of the paper chosen, the title and the header on each, read
// back from the PDF; a long name takes room in its column without shrinking the whole table.
void TestU_Suivi::imprimerLeTableau_data() {
    QTest::addColumn<QPageSize::PageSizeId>("papier");
    QTest::addColumn<QStringList>("noms");
    QTest::addColumn<QSizeF>("page"); // in points, landscape
    const QString long_ = "Marie-Éléonore Françoise de La Tour d'Auvergne-Œ";
    QTest::newRow("A4") << QPageSize::A4 << QStringList{} << QSizeF(842, 595);
    QTest::newRow("US Letter") << QPageSize::Letter << QStringList{} << QSizeF(792, 612);
    QTest::newRow("a name of 48 letters") << QPageSize::A4 << QStringList{long_} << QSizeF(842, 595);
}

void TestU_Suivi::imprimerLeTableau() {
    QFETCH(QPageSize::PageSizeId, papier);
    QFETCH(QStringList, noms);
    QFETCH(QSizeF, page);
    if (!Pdf::OutilsPresents()) QSKIP("poppler-utils is not installed");
    Banc banc(ProfilCarrelis(), 30, noms);
    QTemporaryDir sortie;
    banc.plate.fichierPdf = sortie.filePath("suivi.pdf");
    banc.plate.papier = QPageSize(papier);
    banc.Executer([&] { QTest::mouseClick(banc.Enfant<QPushButton>("BoutonImprimer"), Qt::LeftButton); });
    QCOMPARE(banc.plate.avertissements, QStringList{});
    const Pdf::Page lue = Pdf::LirePage(banc.plate.fichierPdf);
    QCOMPARE(lue.pages, 2);
    QVERIFY2(qAbs(lue.largeur - page.width()) < 2 && qAbs(lue.hauteur - page.height()) < 2,
             qPrintable(QStringLiteral("%1 x %2").arg(lue.largeur).arg(lue.hauteur)));
    QStringList eleves = ClasseEcrite::Prenoms;
    for (qsizetype i = 0; i < noms.size(); ++i)
        eleves[i] = noms[i].split(' ').first();
    QStringList trouves;
    for (const QList<MotPlace>& mots : Pdf::Mots(banc.plate.fichierPdf)) {
        QStringList textes;
        for (const MotPlace& m : mots)
            textes << m.mot;
        const QString texte = textes.join(' ');
        QVERIFY(texte.startsWith("Suivi de la classe : Classe CM1 (Carrelis) Imprimé le 09/03/2026"));
        // The header on each page, not one title cut short.
        QVERIFY(texte.contains("Exercice 1 : remplir Exercice 2 : trouver Exercice 3 : défi"));
        QVERIFY(textes.contains("Élève"));
        for (const char* titre : {"Parties", "Dernier", "Meilleur", "Date", "Tendance"})
            QCOMPARE(textes.count(titre), 3);
        for (const QString& prenom : eleves)
            if (textes.contains(prenom)) trouves << prenom;
        // The letters keep the size they have in a class of short names: "Dernier " is some 28
        // points wide there, 13 when a long name shrank every cell to fit.
        const auto dernier =
            std::find_if(mots.begin(), mots.end(), [](const MotPlace& m) { return m.mot == "Dernier"; });
        QVERIFY(dernier != mots.end() && std::next(dernier) != mots.end());
        QVERIFY2(std::next(dernier)->x - dernier->x > 22,
                 qPrintable(QString::number(std::next(dernier)->x - dernier->x)));
    }
    QCOMPARE(trouves.size(), 30);
    // A printer that refuses the pages: said in French, not taken for done.
    banc.plate.fichierPdf = "/nulle/part/suivi.pdf";
    banc.Executer([&] { QVERIFY(!banc.suivi->Imprimer()); });
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY(banc.plate.avertissements[0].startsWith("L'impression n'a pas pu se faire"));
}

// The print dialog's pages and copies, as a sheet window takes them: each page printed is the one
// asked for, and the summary counts the pages of the table printed.
void TestU_Suivi::pagesEtCopiesDuDialogue_data() {
    PagesDemandees::Colonnes();
    const QString titre = QStringLiteral("Suivi de la classe : Classe CM1 (Carrelis)");
    QTest::newRow("the second page of two, twice") << "2" << 2 << true << 2 << QStringList{titre, titre};
}

void TestU_Suivi::pagesEtCopiesDuDialogue() {
    Banc banc(ProfilCarrelis(), 30);
    QTemporaryDir sortie;
    const QString fichier = sortie.filePath("suivi.pdf");
    QString resume;
    PagesDemandees::Verifier(banc.plate, fichier, [&] {
        banc.Executer([&] {
            QTest::mouseClick(banc.Enfant<QPushButton>("BoutonImprimer"), Qt::LeftButton);
            resume = banc.Texte("Resume");
        });
    });
    for (const QList<MotPlace>& page : Pdf::Mots(fichier)) {
        QStringList mots;
        for (const MotPlace& m : page)
            mots << m.mot;
        QVERIFY2(mots.join(' ').contains("page 2 sur 2"), qPrintable(mots.join(' ')));
    }
    QVERIFY2(resume.endsWith("Tableau imprimé : 1 page."), qPrintable(resume));
}

QTEST_MAIN(TestU_Suivi)
#include "tst_U_Suivi.moc"
