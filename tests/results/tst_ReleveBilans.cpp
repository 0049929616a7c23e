// SPDX-License-Identifier: GPL-3.0-or-later
// A program folder read back for the class follow-up: each game once, given to its pupil, and
// what could not be read said in French.
#include "core/EcritureFichier.h"
#include "results/ReleveBilans.h"
#include "results/SuiviClasse.h"
#include "support/ClasseEcrite.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using ClasseEcrite::PartieEcrite;

namespace {

QDateTime Jour(int n) {
    return QDateTime(QDate(2026, 2, 2).addDays(n), QTime(10, 0));
}

PartieEcrite Partie(const QString& eleve, int numJeu, int bonnes, int jour) {
    return {eleve, numJeu, ClasseEcrite::Compteurs(numJeu, bonnes, 20, 20 - bonnes), Jour(jour)};
}

// The rows of a choice as "pupil:games", in their order.
QStringList Resume(const ReleveBilans::Releve& releve, const QString& choix) {
    QStringList lignes;
    for (const SuiviClasse::LigneEleve& l : SuiviClasse::Lignes(releve, choix))
        lignes << QStringLiteral("%1:%2").arg(l.Eleve).arg(l.Parties.size());
    return lignes;
}

// The messages with plain blanks for the non-breaking ones of French typography.
QStringList Remarques(const ReleveBilans::Releve& releve) {
    QStringList remarques = releve.Remarques;
    for (QString& r : remarques)
        r.replace(QChar(0xa0), QLatin1Char(' '));
    return remarques;
}

ReleveBilans::Releve Relire(const QString& dossier, const ProfilProgramme& profil = ProfilCarrelis()) {
    return ReleveBilans::Lire(ReleveBilans::Inventorier(dossier, profil), profil);
}

} // namespace

class TestReleveBilans : public QObject {
    Q_OBJECT

  private slots:
    void chaquePartieUneFoisASonEleve();
    void nomsDesListes_data();
    void nomsDesListes();
    void ceQuiNAPasEteLu();
    void listeAuNomDeRessource();
    void fichierTropGrosRefuseSansLecture();
    void entreeEnCoursDEcriture();
};

// Both preferences on: the general file and the pupils' files hold the same games.
void TestReleveBilans::chaquePartieUneFoisASonEleve() {
    QTemporaryDir d;
    const QString dossier = d.path();
    ClasseEcrite::EcrireListe(dossier, "CM1", {"Zoé", "Adam", "Léa", "Paul"});
    ClasseEcrite::Ecrire(dossier, ProfilCarrelis(), "CM1",
                         {Partie("Adam", 1, 12, 0), Partie("Léa", 2, 15, 1), Partie("Adam", 3, 18, 2),
                          Partie("Adam", 1, 14, 3)});
    // The first results window of a run files a picked name without its class; Max typed his.
    ClasseEcrite::Ecrire(dossier, ProfilCarrelis(), "", {Partie("Paul", 1, 9, 4), Partie("Max", 2, 7, 5)});
    // Navirelle shares the folder: its games go to the same individual files, not to this general file.
    ClasseEcrite::Ecrire(dossier, ProfilNavirelle(), "CM1",
                         {Partie("Léa", 1, 20, 6), Partie("Léa", 2, 20, 7)}, false);
    // Two games only in the general file (individual files off then).
    ClasseEcrite::Ecrire(dossier, ProfilCarrelis(), "CM1",
                         {Partie("Léa", 1, 16, 8), Partie("Inconnu", 1, 16, 9)}, true, false);

    const ReleveBilans::Releve releve = Relire(dossier);
    QCOMPARE(Resume(releve, "CM1"), (QStringList{"Adam:3", "Léa:2", "Paul:1", "Zoé:0"}));
    QCOMPARE(Resume(releve, "individuel"), (QStringList{"Inconnu:1", "Max:1"}));
    QCOMPARE(Resume(releve, SuiviClasse::ToutesLesClasses).size(), 6);
    QCOMPARE(releve.Parties.size(), 8);
    QCOMPARE(
        Remarques(releve),
        QStringList{
            "2 parties de Navirelle, rangées dans les mêmes bilans individuels, ne sont pas comptées ici."});
    // Oldest first, whichever file they came from.
    for (qsizetype i = 1; i < releve.Parties.size(); ++i)
        QVERIFY(releve.Parties[i - 1].Lue.Date <= releve.Parties[i].Lue.Date);
    // The same folder through navirelle's eyes: only its own two games.
    QCOMPARE(Resume(Relire(dossier, ProfilNavirelle()), "CM1"),
             (QStringList{"Adam:0", "Léa:2", "Paul:0", "Zoé:0"}));
}

// A pupil of a list found by his file or by his name in an entry, as the programs file them.
void TestReleveBilans::nomsDesListes_data() {
    QTest::addColumn<QStringList>("cm1");
    QTest::addColumn<QStringList>("ce2");
    QTest::addColumn<QString>("eleve");
    QTest::addColumn<QString>("classeFichier"); // "": general file only
    QTest::addColumn<QString>("classeAttendue");
    const QString long60 = QStringLiteral("Jean-Baptiste ") + QString(46, QLatin1Char('y'));
    QTest::newRow("a name of 60 characters, its file")
        << QStringList{long60} << QStringList{} << long60 << "CM1"
        << "CM1";
    QTest::newRow("a name of 60 characters, the general file")
        << QStringList{long60} << QStringList{} << long60 << ""
        << "CM1";
    QTest::newRow("full stops left out of the file name")
        << QStringList{"Léa M."} << QStringList{} << "Léa M."
        << "CM1"
        << "CM1";
    QTest::newRow("one Paul in two classes stays without class")
        << QStringList{"Paul"} << QStringList{"Paul"} << "Paul"
        << ""
        << "individuel";
    QTest::newRow("one Paul in two classes, his class's file")
        << QStringList{"Paul"} << QStringList{"Paul"} << "Paul"
        << "CE2"
        << "CE2";
}

void TestReleveBilans::nomsDesListes() {
    QFETCH(QStringList, cm1);
    QFETCH(QStringList, ce2);
    QFETCH(QString, eleve);
    QFETCH(QString, classeFichier);
    QFETCH(QString, classeAttendue);
    QTemporaryDir d;
    ClasseEcrite::EcrireListe(d.path(), "CM1", cm1);
    ClasseEcrite::EcrireListe(d.path(), "CE2", ce2);
    ClasseEcrite::Ecrire(d.path(), ProfilCarrelis(), classeFichier, {Partie(eleve, 2, 11, 0)}, true,
                         !classeFichier.isEmpty());
    const ReleveBilans::Releve releve = Relire(d.path());
    QCOMPARE(releve.Parties.size(), 1);
    QCOMPARE(releve.Parties[0].Classe, classeAttendue);
    if (classeAttendue != "individuel") QCOMPARE(releve.Parties[0].Eleve, eleve);
}

void TestReleveBilans::ceQuiNAPasEteLu() {
    QTemporaryDir d;
    ClasseEcrite::Ecrire(d.path(), ProfilCarrelis(), "", {Partie("Léa", 1, 12, 0), Partie("Paul", 1, 13, 1)});
    const QByteArray abime = FichierTexte::EncoderLignes(
        {"", "Tom", "Carrelis - Jeu n° 1 : remplir", "", "note", "", "Zoé", "Carrelis - Jeu n° 2 : trouver",
         "Le 03/02/2026   à  10:00:00", "Nombre total de bonnes réponses : \t14 / 20", "",
         "Nombre d'erreurs : \t3", "", "Eva", "Carrelis - Jeu n° 3 : défi", "Le 04/02/2026   à  10:00:00"});
    ClasseEcrite::Ajouter(d.filePath("bilan Carrelis.txt"), abime);
    ClasseEcrite::Ajouter(d.filePath("Bilan individuel Léa.txt"), "Lettre aux parents\r\n");
    const ReleveBilans::Releve releve = Relire(d.path());
    QCOMPARE(releve.Parties.size(), 3);
    QCOMPARE(Remarques(releve),
             (QStringList{"2 entrées illisibles et 1 ligne inconnue ignorées dans « bilan Carrelis.txt ».",
                          "1 ligne inconnue ignorée dans « Bilan individuel Léa.txt »."}));
}

// Another program may leave a class list whose name starts with ":", which Qt's paths take for
// one of its built-in resources: it is read from the folder all the same.
void TestReleveBilans::listeAuNomDeRessource() {
    QTemporaryDir d;
    ClasseEcrite::EcrireListe(d.path(), ":CM1", {"Léa", "Tom"});
    const ReleveBilans::Inventaire inventaire = ReleveBilans::Inventorier(d.path(), ProfilCarrelis());
    QCOMPARE(inventaire.Classes.size(), 1);
    QCOMPARE(inventaire.Classes[0].Nom, QStringLiteral(":CM1"));
    QCOMPARE(inventaire.Classes[0].Probleme, QString());
    QCOMPARE(inventaire.Classes[0].Eleves, (QStringList{"Léa", "Tom"}));
}

// A file no classroom writes is refused before a byte of it is read (it is sparse here: it takes
// no room on the disk, but reading it would).
void TestReleveBilans::fichierTropGrosRefuseSansLecture() {
    QTemporaryDir d;
    ClasseEcrite::Ecrire(d.path(), ProfilCarrelis(), "", {Partie("Léa", 1, 12, 0)});
    QFile gros(d.filePath("bilan Carrelis.txt"));
    QVERIFY(gros.resize(qint64(2) * 1024 * 1024 * 1024));
    QElapsedTimer chrono;
    chrono.start();
    const ReleveBilans::Releve releve = Relire(d.path());
    QVERIFY(chrono.elapsed() < 2000);
    QCOMPARE(Remarques(releve),
             QStringList{
                 "« bilan Carrelis.txt » n'a pas été lu : il pèse 2,0 Go, bien plus qu'un fichier de bilans "
                 "d'une école ; il est sans doute abîmé."});
    QCOMPARE(releve.Parties.size(), 1); // from Léa's own file
}

// A last entry not whole is read again between two saves: a save that keeps the lock (or a folder
// where no lock can be taken) leaves it out unsaid, as a save in progress; otherwise a crash cut it.
void TestReleveBilans::entreeEnCoursDEcriture() {
    QTemporaryDir d;
    const QString general = d.filePath("bilan Carrelis.txt");
    ClasseEcrite::Ecrire(d.path(), ProfilCarrelis(), "", {Partie("Léa", 1, 12, 0)}, true, false);
    ClasseEcrite::Ajouter(general,
                          FichierTexte::EncoderLignes({"", "Paul", "Carrelis - Jeu n° 1 : remplir"}));
    QLockFile verrou(EcritureFichier::FichierVerrou(general));
    QVERIFY(verrou.tryLock(0));
    QByteArray octets;
    QString raison;
    QVERIFY(!ReleveBilans::LireFichier(general, true, octets, raison));
    QVERIFY(ReleveBilans::LireFichier(general, false, octets, raison));
    const ReleveBilans::Releve releve = Relire(d.path());
    QCOMPARE(releve.Parties.size(), 1);
    QCOMPARE(Remarques(releve), QStringList{});
    verrou.unlock();
    QCOMPARE(Remarques(Relire(d.path())),
             QStringList{"1 entrée illisible ignorée dans « bilan Carrelis.txt »."});
}

QTEST_GUILESS_MAIN(TestReleveBilans)
#include "tst_ReleveBilans.moc"
