// SPDX-License-Identifier: GPL-3.0-or-later
// The pupils' results files as the teacher's windows find them in the program folder, and their
// erasing: a question first, the trash where there is one, the lock of the appends, and nothing
// but results files.
#include "core/EcritureFichier.h"
#include "core/Programme.h"
#include "results/BilansIndividuels.h"
#include "results/EffacementBilans.h"
#include "support/DisquePlein.h"
#include "support/PlateFormeTest.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <optional>
#include <thread>

namespace {

// Files named in a test: "name/" makes a folder.
void Deposer(const QDir& dossier, const QStringList& noms) {
    for (const QString& nom : noms) {
        if (nom.endsWith(QLatin1Char('/'))) {
            QVERIFY(dossier.mkpath(nom.chopped(1)));
            continue;
        }
        QFile fichier(dossier.filePath(nom));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("\r\nx\r\n");
    }
}

QStringList Contenu(const QDir& dossier) {
    return dossier.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

const QStringList DossierDeClasse{"CM1.elv",
                                  "CM1B.elv",
                                  "Bilan CM1 Léa.txt",
                                  "Bilan CM1B Zoé.txt",
                                  "Bilan individuel Paul.txt",
                                  "bilan Carrelis.txt",
                                  "Bilan trimestre.rtf",
                                  "Bilan du trimestre.txt",
                                  ".Bilan CM1 Max.txt.verrou"};

} // namespace

class TestBilansIndividuels : public QObject {
    Q_OBJECT

  private slots:
    void lectureDuDossier_data();
    void lectureDuDossier();
    void classesEnOrdreFrancais();
    void effacement_data();
    void effacement();
    void unBilanQuUnElevEnregistreResteEntier();
};

void TestBilansIndividuels::lectureDuDossier_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QStringList>("eleves");
    QTest::addColumn<QStringList>("effacables");
    QTest::newRow("CM2 lists its pupils in French order")
        << QStringList{"CE1.elv",
                       "CM2.elv",
                       "Bilan CM2 Léa.txt",
                       "Bilan CM2 Eric.txt",
                       "Bilan CM2 Émile.txt",
                       "Bilan CE1 Paul.txt"}
        << "CM2" << QStringList{"Émile", "Eric", "Léa"}
        << QStringList{"Bilan CE1 Paul.txt", "Bilan CM2 Émile.txt", "Bilan CM2 Eric.txt",
                       "Bilan CM2 Léa.txt"};
    QTest::newRow("CM1 does not take the files of CM1B")
        << DossierDeClasse << "CM1" << QStringList{"Léa"}
        << QStringList{"Bilan CM1 Léa.txt", "Bilan CM1B Zoé.txt", "Bilan individuel Paul.txt"};
    QTest::newRow("a class with a blank keeps its files from the shorter one")
        << QStringList{"CM1.elv", "CM1 B.elv", "Bilan CM1 B Zoé.txt", "Bilan CM1 Léa.txt"} << "CM1"
        << QStringList{"Léa"} << QStringList{"Bilan CM1 B Zoé.txt", "Bilan CM1 Léa.txt"};
    QTest::newRow("and the longer one lists them")
        << QStringList{"CM1.elv", "CM1 B.elv", "Bilan CM1 B Zoé.txt", "Bilan CM1 Léa.txt"} << "CM1 B"
        << QStringList{"Zoé"} << QStringList{"Bilan CM1 B Zoé.txt", "Bilan CM1 Léa.txt"};
    QTest::newRow("no pupil part, no pupil")
        << QStringList{"CM1.elv", "Bilan CM1.txt", "Bilan CM1 .txt", "Bilan CM1   .txt", "Bilan CM1 Léa.TXT"}
        << "CM1" << QStringList{} << QStringList{};
    QTest::newRow("pupils without a class, beside everything that is not theirs")
        << DossierDeClasse + QStringList{"Bilan individuel Dossier.txt/", "bilan individuel Max.txt"}
        << "individuel" << QStringList{"Paul"}
        << QStringList{"Bilan CM1 Léa.txt", "Bilan CM1B Zoé.txt", "Bilan individuel Paul.txt"};
    QTest::newRow("class list extension in capitals")
        << QStringList{"CE2.ELV", "Bilan CE2 Jean-Luc.txt"} << "CE2" << QStringList{"Jean-Luc"}
        << QStringList{"Bilan CE2 Jean-Luc.txt"};
    QTest::newRow("nothing at all") << QStringList{} << "individuel" << QStringList{} << QStringList{};
}

void TestBilansIndividuels::lectureDuDossier() {
    QFETCH(QStringList, fichiers);
    QFETCH(QString, classe);
    QFETCH(QStringList, eleves);
    QFETCH(QStringList, effacables);
    QTemporaryDir dossier;
    Deposer(QDir(dossier.path()), fichiers);
    QCOMPARE(BilansIndividuels::Eleves(dossier.path(), classe), eleves);
    QCOMPARE(BilansIndividuels::Fichiers(dossier.path()), effacables);
    for (const QString& eleve : eleves)
        QVERIFY(fichiers.contains(BilansIndividuels::NomFichier(classe, eleve)));
}

void TestBilansIndividuels::classesEnOrdreFrancais() {
    QTemporaryDir dossier;
    Deposer(QDir(dossier.path()),
            {"Ecureuils.elv", "école.elv", "CM1 B.elv", "CM1.elv", "ce2.elv", "Bilan CM1 Léa.txt"});
    QCOMPARE(BilansIndividuels::Classes(dossier.path()),
             (QStringList{"ce2", "CM1", "CM1 B", "école", "Ecureuils"}));
}

void TestBilansIndividuels::effacement_data() {
    QTest::addColumn<bool>("general");
    QTest::addColumn<bool>("corbeille");
    QTest::addColumn<QList<bool>>("reponses");
    QTest::addColumn<QString>("occupe"); // a file a pupil is saving into meanwhile
    QTest::addColumn<QStringList>("restent");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("question"); // the start of the first one
    QTest::addColumn<int>("avertissements");
    QTest::addColumn<bool>("disquePlein"); // no room even for a lock file
    const QStringList autres{".Bilan CM1 Max.txt.verrou", "Bilan du trimestre.txt", "Bilan trimestre.rtf",
                             "CM1.elv", "CM1B.elv"};
    const QStringList individuels{"Bilan CM1 Léa.txt", "Bilan CM1B Zoé.txt", "Bilan individuel Paul.txt"};
    QTest::newRow("general, yes: to the trash")
        << true << true << QList<bool>{true} << "" << QStringList(autres + individuels)
        << "Le bilan général a été effacé. Il est dans la corbeille."
        << "Effacer le bilan général «\u00a0bilan Carrelis.txt\u00a0»" << 0 << false;
    QTest::newRow("general, no: nothing erased")
        << true << true << QList<bool>{false} << ""
        << QStringList(autres + individuels + QStringList{"bilan Carrelis.txt"}) << ""
        << "Effacer le bilan général" << 0 << false;
    QTest::newRow("general without a trash, yes twice: erased for good")
        << true << false << QList<bool>{true, true} << "" << QStringList(autres + individuels)
        << "Le bilan général a été effacé."
        << "Effacer le bilan général" << 0 << false;
    QTest::newRow("general without a trash, yes then no: kept")
        << true << false << QList<bool>{true, false} << ""
        << QStringList(autres + individuels + QStringList{"bilan Carrelis.txt"})
        << "Le bilan général n'a pas été effacé."
        << "Effacer le bilan général" << 0 << false;
    QTest::newRow("individuals, yes: only the results files go")
        << false << true << QList<bool>{true} << "" << QStringList(autres + QStringList{"bilan Carrelis.txt"})
        << "Bilans individuels effacés. Ils sont dans la corbeille."
        << "Effacer les 3 bilans individuels de la liste" << 0 << false;
    QTest::newRow("individuals, no") << false << true << QList<bool>{false} << ""
                                     << QStringList(autres + individuels + QStringList{"bilan Carrelis.txt"})
                                     << ""
                                     << "Effacer les 3 bilans individuels" << 0 << false;
    QTest::newRow("individuals, one being saved: it stays and is said")
        << false << true << QList<bool>{true} << "Bilan CM1B Zoé.txt"
        << QStringList(autres +
                       QStringList{"bilan Carrelis.txt", "Bilan CM1B Zoé.txt", ".Bilan CM1B Zoé.txt.verrou"})
        << "2 bilans individuels effacés sur 3 ; les autres sont restés dans le dossier."
        << "Effacer les 3 bilans individuels" << 1 << false;
    QTest::newRow("individuals without a trash, erased for good")
        << false << false << QList<bool>{true, true} << ""
        << QStringList(autres + QStringList{"bilan Carrelis.txt"}) << "Bilans individuels effacés."
        << "Effacer les 3" << 0 << false;
    // What fills a disk is what the teacher erases to make room: no lock can be made then, and no
    // append can be under way or begin.
    QTest::newRow("general on a full disk, yes twice: erased for good")
        << true << false << QList<bool>{true, true} << "" << QStringList(autres + individuels)
        << "Le bilan général a été effacé."
        << "Effacer le bilan général" << 0 << true;
    QTest::newRow("individuals on a full disk: to the trash")
        << false << true << QList<bool>{true} << "" << QStringList(autres + QStringList{"bilan Carrelis.txt"})
        << "Bilans individuels effacés. Ils sont dans la corbeille."
        << "Effacer les 3 bilans individuels de la liste" << 0 << true;
}

void TestBilansIndividuels::effacement() {
    QFETCH(bool, general);
    QFETCH(bool, corbeille);
    QFETCH(QList<bool>, reponses);
    QFETCH(QString, occupe);
    QFETCH(QStringList, restent);
    QFETCH(QString, message);
    QFETCH(QString, question);
    QFETCH(int, avertissements);
    QFETCH(bool, disquePlein);
    QTemporaryDir dossier, poubelle;
    const QDir programme(dossier.path());
    Deposer(programme, DossierDeClasse);
    PlateFormeTest plate;
    plate.reponsesQuestions = reponses;
    if (corbeille) plate.corbeille = poubelle.path();
    Programme prog(ProfilCarrelis(), plate);
    prog.InitValeurs();
    prog.RepProgramme = dossier.path();
    QLockFile eleve(EcritureFichier::FichierVerrou(programme.filePath(occupe)));
    if (!occupe.isEmpty()) QVERIFY(eleve.tryLock(0));

    std::optional<DisquePlein> plein;
    if (disquePlein) QVERIFY(plein.emplace(0).Actif());
    const auto compte =
        general ? EffacementBilans::EffacerBilanGeneral(plate, prog.Dossier(), prog.Profil().FichierBilan,
                                                        std::chrono::milliseconds(100))
                : EffacementBilans::EffacerBilansIndividuels(plate, prog.Dossier(),
                                                             BilansIndividuels::Fichiers(prog.Dossier()),
                                                             std::chrono::milliseconds(100));
    plein.reset();
    restent.sort();
    QStringList trouves = Contenu(programme);
    trouves.sort();
    QCOMPARE(trouves, restent);
    QCOMPARE(compte.Message, message);
    QVERIFY2(plate.questions.value(0).startsWith(question), qPrintable(plate.questions.value(0)));
    QCOMPARE(plate.questions.size(), reponses.size());
    QCOMPARE(plate.avertissements.size(), avertissements);
    if (avertissements) QVERIFY(plate.avertissements.first().contains(occupe));
    // What went to the trash is there, whole, to be taken back.
    if (corbeille) QCOMPARE(QDir(poubelle.path()).entryList(QDir::Files).size(), compte.DansLaCorbeille);
}

// A pupil saving while the teacher erases: the erase waits for the entry, which goes to the
// trash with the file, whole.
void TestBilansIndividuels::unBilanQuUnElevEnregistreResteEntier() {
    QTemporaryDir dossier, poubelle;
    const QString chemin = QDir(dossier.path()).filePath(QStringLiteral("bilan Carrelis.txt"));
    QString raison;
    QVERIFY(EcritureFichier::Ajouter(chemin, "a\r\n", "a\r\n", raison));
    PlateFormeTest plate;
    plate.reponsesQuestions = {true};
    plate.corbeille = poubelle.path();
    Programme prog(ProfilCarrelis(), plate);
    prog.InitValeurs();
    prog.RepProgramme = dossier.path();
    std::atomic<bool> verrouPris = false;
    // The pupil's computer holds the lock, writes its entry in two halves and lets go.
    std::thread eleve([&] {
        QLockFile verrou(EcritureFichier::FichierVerrou(chemin));
        verrouPris = verrou.tryLock(0);
        QFile fichier(chemin);
        fichier.open(QIODevice::Append | QIODevice::Unbuffered);
        fichier.write("Nom\r\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        fichier.write("Fin\r\n");
    });
    const QDeadlineTimer limite(2000);
    while (!verrouPris && !limite.hasExpired())
        std::this_thread::yield();
    const auto compte =
        EffacementBilans::EffacerBilanGeneral(prog.Plate(), prog.Dossier(), prog.Profil().FichierBilan);
    eleve.join();
    QVERIFY(verrouPris);
    QCOMPARE(compte.DansLaCorbeille, 1);
    QFile jete(QDir(poubelle.path()).filePath(QStringLiteral("bilan Carrelis.txt")));
    QVERIFY(jete.open(QIODevice::ReadOnly));
    QCOMPARE(jete.readAll(), QByteArray("a\r\nNom\r\nFin\r\n"));
}

QTEST_GUILESS_MAIN(TestBilansIndividuels)
#include "tst_BilansIndividuels.moc"
