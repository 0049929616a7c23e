// SPDX-License-Identifier: GPL-3.0-or-later
// The results files read back: what the programs write comes back whole and to the byte, and
// what time does to a file (a crash, a hand edit, the other program) costs only what it touched.
#include "core/FichierTexte.h"
#include "results/LectureBilans.h"
#include "support/ClasseEcrite.h"
#include "support/EcritureEntrees.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ProfilProgramme)
Q_DECLARE_METATYPE(LectureBilans::SorteFichier)

using namespace LectureBilans;

namespace {

QByteArray Lire(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

const QStringList Entree{"",
                         "Paul",
                         "Carrelis - Jeu n° 1 : remplir",
                         "Le 06/12/2002   à  14:35:10",
                         "Nombre total de bonnes réponses : \t14 / 20",
                         "",
                         "Nombre d'erreurs : \t3"};

QStringList Entrees(const QList<QStringList>& entrees) {
    QStringList lignes;
    for (const QStringList& e : entrees)
        lignes += e;
    return lignes;
}

QStringList Avec(QStringList entree, qsizetype ligne, const QString& texte) {
    entree[ligne] = texte;
    return entree;
}

QStringList Sans(QStringList entree, qsizetype ligne) {
    entree.removeAt(ligne);
    return entree;
}

QStringList Noms(const FichierLu& lu) {
    QStringList noms;
    for (const PartieLue& p : lu.Parties)
        noms << p.Eleve;
    return noms;
}

} // namespace

class TestLectureBilans : public QObject {
    Q_OBJECT

  private slots:
    void ecritParLesProgrammes_data();
    void ecritParLesProgrammes();
    void fichierAbime_data();
    void fichierAbime();
    void coupeAChaqueOctet();
    void enregistreParUnAutreEditeur_data();
    void enregistreParUnAutreEditeur();
    void lireDate_data();
    void lireDate();
    void arretDemande();
};

// Every game saved by the programs' own record comes back with its values, and written out again
// gives the file's bytes.
void TestLectureBilans::ecritParLesProgrammes_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<SorteFichier>("sorte");
    for (const ProfilProgramme& profil : {ProfilCarrelis(), ProfilNavirelle()}) {
        const QByteArray nom = profil.NomExecutable.toUtf8();
        QTest::newRow(nom + ", general file") << profil << "CM1" << SorteFichier::General;
        QTest::newRow(nom + ", a pupil of a class") << profil << "CM1" << SorteFichier::Individuel;
        QTest::newRow(nom + ", a pupil without class") << profil << "" << SorteFichier::Individuel;
    }
}

void TestLectureBilans::ecritParLesProgrammes() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, classe);
    QFETCH(SorteFichier, sorte);
    QTemporaryDir dossier;
    // A name of 60 characters keeps 50; exercise 3 brings its four lines.
    const QString longNom = QStringLiteral("Marie-Éloïse ") + QString(47, QLatin1Char('x'));
    QList<ClasseEcrite::PartieEcrite> parties;
    for (int k = 0; k < 6; ++k)
        parties.append({longNom, 1 + k % 3, ClasseEcrite::Compteurs(1 + k % 3, 10 + k, 20 + k, k),
                        QDateTime(QDate(2025, 9, 1 + k), QTime(8, 5 * k, k))});
    ClasseEcrite::Ecrire(dossier.path(), profil, classe, parties);
    const QString fichier = sorte == SorteFichier::General
                                ? profil.FichierBilan
                                : NomDeFichier::FichierIndividuel(
                                      classe.isEmpty() ? QString() : classe + ".elv", longNom.left(50));
    const QByteArray octets = Lire(dossier.filePath(fichier));
    QVERIFY(!octets.isEmpty());

    const FichierLu lu = LectureBilans::Lire(octets, sorte);
    QCOMPARE(lu.Parties.size(), parties.size());
    QCOMPARE(lu.EntreesIllisibles + lu.LignesInconnues, 0);
    QVERIFY(!lu.FinIncomplete);
    for (qsizetype i = 0; i < parties.size(); ++i) {
        const PartieLue& p = lu.Parties[i];
        const CompteursResultat& c = parties[i].Compteurs;
        QCOMPARE(p.Eleve, longNom.left(50));
        QCOMPARE(p.Programme, profil.Titre);
        QCOMPARE(p.NumJeu, parties[i].NumJeu);
        QCOMPARE(QDateTime(p.Date, p.Heure), parties[i].Quand);
        QCOMPARE((QList<int>{p.Bonnes, p.Total, p.Erreurs}),
                 (QList<int>{c.NbBonnes, c.NbTotal, c.NbErreurs}));
        QCOMPARE(p.AvecDetail(), p.NumJeu == 3);
        if (p.NumJeu == 3)
            QCOMPARE((QList<int>{p.GaucheHaut[0].Bonnes, p.GaucheHaut[0].Total, p.GaucheHaut[0].Erreurs,
                                 p.GaucheHaut[1].Bonnes, p.GaucheHaut[1].Total, p.GaucheHaut[1].Erreurs}),
                     (QList<int>{c.NbBonnesGauche, c.NbTotalGauche, c.NbErreursGauche, c.NbBonnesHaut,
                                 c.NbTotalHaut, c.NbErreursHaut}));
    }
    QCOMPARE(EcritureEntrees::Octets(lu.Parties, sorte), octets);
}

// What a file may hold besides whole entries, and what the reader makes of it.
void TestLectureBilans::fichierAbime_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<SorteFichier>("sorte");
    QTest::addColumn<QStringList>("eleves");
    QTest::addColumn<int>("illisibles");
    QTest::addColumn<int>("inconnues");
    QTest::addColumn<bool>("finIncomplete");
    const auto G = SorteFichier::General;
    const QStringList lea = Avec(Entree, 1, "Léa");
    QTest::newRow("empty file") << QStringList{} << G << QStringList{} << 0 << 0 << false;
    QTest::newRow("blank lines everywhere")
        << Entrees({{"", ""}, Entree.mid(0, 3), {"  ", "\t"}, Entree.mid(3), {"", "", ""}, lea}) << G
        << QStringList{"Paul", "Léa"} << 0 << 0 << false;
    QTest::newRow("no title line") << Entrees({Sans(Entree, 2), lea}) << G << QStringList{"Paul", "Léa"} << 0
                                   << 0 << false;
    QTest::newRow("no date line") << Entrees({Sans(Entree, 3), lea}) << G << QStringList{"Paul", "Léa"} << 0
                                  << 0 << false;
    QTest::newRow("a teacher's note between two entries")
        << Entrees({Entree, {"", "à revoir avec lui", ""}, lea}) << G << QStringList{"Paul", "Léa"} << 0 << 1
        << false;
    QTest::newRow("an unknown line inside an entry")
        << Entrees({Avec(Entree, 5, "%%%"), lea}) << G << QStringList{"Paul", "Léa"} << 0 << 1 << false;
    QTest::newRow("torn in the middle, the next pupil keeps his name")
        << Entrees({Entree.mid(0, 5), lea}) << G << QStringList{"Léa"} << 1 << 0 << false;
    QTest::newRow("torn after the title, the next pupil keeps his name")
        << Entrees({Entree.mid(0, 3), lea}) << G << QStringList{"Léa"} << 1 << 0 << false;
    QTest::newRow("torn last entry") << Entrees({lea, Entree.mid(0, 5)}) << G << QStringList{"Léa"} << 1 << 0
                                     << true;
    QTest::newRow("a name alone at the end")
        << Entrees({lea, Entree.mid(0, 2)}) << G << QStringList{"Léa"} << 1 << 0 << true;
    QTest::newRow("errors without good answers")
        << Entrees({Sans(Entree, 4), lea}) << G << QStringList{"Léa"} << 1 << 0 << false;
    QTest::newRow("count lines indented by another editor")
        << Entrees({Avec(Avec(Entree, 4, "\t" + Entree[4]), 6, "  " + Entree[6]), lea}) << G
        << QStringList{"Paul", "Léa"} << 0 << 0 << false;
    QTest::newRow("no title, the date line indented by another editor")
        << Entrees({Avec(Sans(Entree, 2), 2, "\t " + Entree[3]), lea}) << G << QStringList{"Paul", "Léa"} << 0
        << 0 << false;
    QTest::newRow("a pupil called Le Goff") << Entrees({Avec(Entree, 1, "Le Goff"), lea}) << G
                                            << QStringList{"Le Goff", "Léa"} << 0 << 0 << false;
    QTest::newRow("the other program's entry")
        << Entrees({Avec(Entree, 2, "Navirelle jeu n° 2 : colorier"), lea}) << G << QStringList{"Paul", "Léa"}
        << 0 << 0 << false;
    const QStringList exercice3{"",
                                "Léa",
                                "",
                                "Carrelis - Jeu n° 3 : défi",
                                "Le 06/12/2002   à  14:35:10",
                                "Nombre total de bonnes réponses : \t14 / 20",
                                "Nombre de cases bien remplies à gauche :\t3 / 4",
                                "Nombre de cases bien remplies en haut :\t4 / 5",
                                "",
                                "Nombre d'erreurs : \t3",
                                "Nombre d'erreurs pour les cases à gauche :\t1",
                                "Nombre d'erreurs pour les cases en haut :\t0"};
    QTest::newRow("individual, exercise 3 whole")
        << exercice3 << SorteFichier::Individuel << QStringList{"Léa"} << 0 << 0 << false;
    QTest::newRow("individual, exercise 3 torn before its last line")
        << exercice3.mid(0, 11) << SorteFichier::Individuel << QStringList{} << 1 << 0 << true;
    QTest::newRow("individual, exercise 3 torn before its last line, then another game")
        << Entrees({exercice3.mid(0, 11), exercice3.mid(2)}) << SorteFichier::Individuel << QStringList{"Léa"}
        << 1 << 0 << false;
    QTest::newRow("individual, a stray line")
        << Entrees({exercice3, {"", "Paul"}, exercice3.mid(2)}) << SorteFichier::Individuel
        << QStringList{"Léa", "Léa"} << 0 << 1 << false;
}

void TestLectureBilans::fichierAbime() {
    QFETCH(QStringList, lignes);
    QFETCH(SorteFichier, sorte);
    QFETCH(QStringList, eleves);
    QFETCH(int, illisibles);
    QFETCH(int, inconnues);
    QFETCH(bool, finIncomplete);
    for (const char* fin : {"\r\n", "\n"}) {
        QByteArray octets = FichierTexte::EncoderLignes(lignes);
        octets.replace("\r\n", fin);
        const FichierLu lu = LectureBilans::Lire(octets, sorte);
        QCOMPARE(Noms(lu), eleves);
        QCOMPARE(lu.EntreesIllisibles, illisibles);
        QCOMPARE(lu.LignesInconnues, inconnues);
        QCOMPARE(lu.FinIncomplete, finIncomplete);
        for (const PartieLue& p : lu.Parties)
            QCOMPARE(p.Erreurs, 3);
    }
}

// A teacher who corrected a name in another editor may have saved the file in Unicode; the
// programs then go on appending their entries in Windows-1252.
void TestLectureBilans::enregistreParUnAutreEditeur_data() {
    QTest::addColumn<QByteArray>("octets");
    const QString texte = Entrees({Avec(Entree, 1, "Léa"), Avec(Entree, 1, "Noël")}).join("\r\n") + "\r\n";
    const auto utf16 = [&](QStringConverter::Encoding codage, const char* marque) {
        return QByteArray(marque) + QByteArray(QStringEncoder(codage)(texte));
    };
    const QByteArray programme = FichierTexte::EncoderLignes(Avec(Entree, 1, "Noël"));
    QTest::newRow("UTF-8") << texte.toUtf8();
    QTest::newRow("UTF-8 with its mark") << "\xEF\xBB\xBF" + texte.toUtf8();
    QTest::newRow("UTF-8, then an entry the program appended")
        << "\xEF\xBB\xBF" + Avec(Entree, 1, "Léa").join("\r\n").toUtf8() + "\r\n" + programme;
    QTest::newRow("UTF-16 of a Windows notepad") << utf16(QStringConverter::Utf16LE, "\xFF\xFE");
    QTest::newRow("big-endian UTF-16") << utf16(QStringConverter::Utf16BE, "\xFE\xFF");
    QTest::newRow("UTF-8 with its mark, before a pupil written in Windows-1252")
        << "\xEF\xBB\xBF" + FichierTexte::EncoderLignes(Avec(Entree, 1, "Léa")) + programme;
}

void TestLectureBilans::enregistreParUnAutreEditeur() {
    QFETCH(QByteArray, octets);
    QList<qsizetype> avis;
    const FichierLu lu = LectureBilans::Lire(octets, SorteFichier::General, [&](qsizetype n) {
        avis << n;
        return true;
    });
    QCOMPARE(Noms(lu), (QStringList{"Léa", "Noël"}));
    QCOMPARE(lu.EntreesIllisibles + lu.LignesInconnues, 0);
    QVERIFY(!lu.FinIncomplete);
    for (const PartieLue& p : lu.Parties)
        QCOMPARE((QList<int>{p.NumJeu, p.Bonnes, p.Total, p.Erreurs}), (QList<int>{1, 14, 20, 3}));
    QCOMPARE(avis.value(avis.size() - 1), octets.size()); // the progress ends at the file's own end
}

// A crash may stop a save at any byte: the entries before it stay whole, the torn one is told.
void TestLectureBilans::coupeAChaqueOctet() {
    const QByteArray avant = FichierTexte::EncoderLignes(Entrees({Entree, Avec(Entree, 1, "Léa")}));
    const QByteArray derniere = FichierTexte::EncoderLignes(
        {"", "Zoé", "Carrelis - Jeu n° 3 : défi", "Le 06/12/2002   à  14:35:10",
         "Nombre total de bonnes réponses : \t14 / 20", "Nombre de cases bien remplies à gauche :\t3 / 4",
         "Nombre de cases bien remplies en haut :\t4 / 5", "", "Nombre d'erreurs : \t3",
         "Nombre d'erreurs pour les cases à gauche :\t1", "Nombre d'erreurs pour les cases en haut :\t0"});
    for (qsizetype n = 1; n <= derniere.size(); ++n) {
        const FichierLu lu = LectureBilans::Lire(avant + derniere.first(n), SorteFichier::General);
        // Cut right after the first line break, nothing was begun; before the very last byte (the
        // line feed of CR LF), the entry is whole.
        const bool commencee = n > 2 && n < derniere.size() - 1;
        const QStringList attendus =
            n >= derniere.size() - 1 ? QStringList{"Paul", "Léa", "Zoé"} : QStringList{"Paul", "Léa"};
        QCOMPARE(Noms(lu), attendus);
        QVERIFY2(lu.FinIncomplete == commencee, qPrintable(QString::number(n)));
        QCOMPARE(lu.EntreesIllisibles, commencee ? 1 : 0);
        QCOMPARE(lu.LignesInconnues, 0);
    }
}

void TestLectureBilans::lireDate_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("heure");
    QTest::newRow("as written") << "Le 06/12/2002   à  14:35:10" << QDate(2002, 12, 6) << QTime(14, 35, 10);
    QTest::newRow("short year") << "Le 06/12/02   à  14:35:10" << QDate(2002, 12, 6) << QTime(14, 35, 10);
    QTest::newRow("dots, no seconds") << "Le 6.12.2002 à 9:05" << QDate(2002, 12, 6) << QTime(9, 5);
    QTest::newRow("year first") << "Le 2002-12-06   à  14:35:10" << QDate(2002, 12, 6) << QTime(14, 35, 10);
    QTest::newRow("no time") << "Le 06/12/2002" << QDate(2002, 12, 6) << QTime();
    QTest::newRow("indented") << "\t Le 06/12/2002 à 14:35" << QDate(2002, 12, 6) << QTime(14, 35);
    QTest::newRow("impossible date") << "Le 31/02/2002   à  14:35:10" << QDate() << QTime();
    QTest::newRow("words") << "Le vendredi   à  14:35:10" << QDate() << QTime();
    QTest::newRow("digits without end") << "Le 0612200200000000000000" << QDate() << QTime();
}

void TestLectureBilans::lireDate() {
    QFETCH(QString, ligne);
    QFETCH(QDate, date);
    QFETCH(QTime, heure);
    QDate d;
    QTime h;
    LireDate(ligne, d, h);
    QCOMPARE(d, date);
    QCOMPARE(h, heure);
}

void TestLectureBilans::arretDemande() {
    QByteArray octets;
    for (int i = 0; i < 4000; ++i)
        octets += FichierTexte::EncoderLignes(Entree);
    int avis = 0;
    const FichierLu lu =
        LectureBilans::Lire(octets, SorteFichier::General, [&](qsizetype) { return ++avis < 2; });
    QVERIFY(lu.Interrompue);
    QCOMPARE(avis, 2);
    QVERIFY(lu.Parties.size() < 4000);
}

QTEST_GUILESS_MAIN(TestLectureBilans)
#include "tst_LectureBilans.moc"
