// SPDX-License-Identifier: GPL-3.0-or-later
// The result record of both programs and its two results files: entries to the byte, the names
// of the individual files, and what "Enregistrer" writes, refuses or reports.
#include "core/NomDeFichier.h"
#include "core/Programme.h"
#include "results/Bilan.h"
#include "results/FichiersBilans.h"
#include "support/BancProgramme.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CompteursResultat)

namespace {

// One program in its own folder, its clock on 6 December 2002 at 14:35:10.
struct Banc : BancProgramme {
    explicit Banc(const ProfilProgramme& profil) : BancProgramme(profil) {
        prog.RepProgramme = dossier.path();
        plate.maintenant = QDateTime(QDate(2002, 12, 6), QTime(14, 35, 10));
    }
    QString Chemin(const QString& fichier) const { return dossier.filePath(fichier); }
    QByteArray Contenu(const QString& fichier) const {
        QFile f(Chemin(fichier));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Fichiers() const {
        return QDir(dossier.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dossier;
    ResultatPartie partie; // the game the results come from
};

// Expected bytes written independently of the code under test: these characters are the same
// in Latin-1 and Windows-1252.
QByteArray Lignes(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& ligne : lignes)
        octets += ligne.toLatin1() + "\r\n";
    return octets;
}

CompteursResultat Compteurs(int bonnes, int total, int erreurs, int bg = 0, int tg = 0, int bh = 0,
                            int th = 0, int eg = 0, int eh = 0) {
    CompteursResultat c;
    c.NbBonnes = bonnes;
    c.NbTotal = static_cast<quint8>(total);
    c.NbErreurs = erreurs;
    c.NbBonnesGauche = bg;
    c.NbTotalGauche = static_cast<quint8>(tg);
    c.NbBonnesHaut = bh;
    c.NbTotalHaut = static_cast<quint8>(th);
    c.NbErreursGauche = eg;
    c.NbErreursHaut = eh;
    return c;
}

const QString DateHeure = QStringLiteral("Le 06/12/2002   à  14:35:10");

} // namespace

class TestBilan : public QObject {
    Q_OBJECT

  private slots:
    void entreeDuBilanGeneralALOctetPres_data();
    void entreeDuBilanGeneralALOctetPres();
    void dateEtHeureALaFrancaiseQuelleQueSoitLaLangue_data();
    void dateEtHeureALaFrancaiseQuelleQueSoitLaLangue();
    void nomCoupeA50Caracteres_data();
    void nomCoupeA50Caracteres();
    void lignesCoupeesA50Caracteres();

    void bilanIndividuelEnTetePuisEntreesSuivantes();
    void bilanIndividuelRangeSousSaClasse();

    void enregistrerSelonLesPreferences_data();
    void enregistrerSelonLesPreferences();
    void nomSansLettreUtilisableRefuseSansRienEcrire_data();
    void nomSansLettreUtilisableRefuseSansRienEcrire();
    void echecDuBilanGeneralArreteTout();
    void echecDuBilanIndividuelDitQueLeGeneralEstFait();
};

void TestBilan::entreeDuBilanGeneralALOctetPres_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<CompteursResultat>("compteurs");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("navirelle exercise 1: Paul, 14 / 20, 3 errors")
        << ProfilNavirelle() << 1 << Compteurs(14, 20, 3)
        << QByteArray("\r\nPaul\r\nNavirelle jeu n\xB0 1 : remplir\r\nLe 06/12/2002   \xE0  14:35:10\r\n"
                      "Nombre total de bonnes r\xE9ponses : \t14 / 20\r\n\r\nNombre d'erreurs : \t3\r\n");
    QTest::newRow("carrelis exercise 2: no left/top lines")
        << ProfilCarrelis() << 2 << Compteurs(9, 12, 0, 3, 4, 2, 4, 1, 1)
        << Lignes({"", "Paul", "Carrelis - Jeu n° 2 : trouver", DateHeure,
                   "Nombre total de bonnes réponses : \t9 / 12", "", "Nombre d'erreurs : \t0"});
    QTest::newRow("carrelis exercise 3: two lines after the good answers, two after the errors")
        << ProfilCarrelis() << 3 << Compteurs(30, 35, 7, 4, 5, 6, 7, 1, 2)
        << Lignes({"", "Paul", "Carrelis - Jeu n° 3 : défi", DateHeure,
                   "Nombre total de bonnes réponses : \t30 / 35",
                   "Nombre de cases bien remplies à gauche :\t4 / 5",
                   "Nombre de cases bien remplies en haut :\t6 / 7", "", "Nombre d'erreurs : \t7",
                   "Nombre d'erreurs pour les cases à gauche :\t1",
                   "Nombre d'erreurs pour les cases en haut :\t2"});
    QTest::newRow("navirelle exercise 2: no header lines")
        << ProfilNavirelle() << 2 << Compteurs(40, 48, 11, 2, 4, 3, 6, 1, 1)
        << Lignes({"", "Paul", "Navirelle jeu n° 2 : colorier", DateHeure,
                   "Nombre total de bonnes réponses : \t40 / 48", "", "Nombre d'erreurs : \t11"});
    QTest::newRow("navirelle exercise 3: the blanks before some tabs")
        << ProfilNavirelle() << 3 << Compteurs(20, 20, 0, 4, 4, 5, 5, 0, 3)
        << Lignes({"", "Paul", "Navirelle jeu n° 3 : Trouver", DateHeure,
                   "Nombre total de bonnes réponses : \t20 / 20", "Coques bien coloriées :\t4 / 4",
                   "Voiles bien coloriées : \t5 / 5", "", "Nombre d'erreurs : \t0",
                   "Erreurs sur les coques à gauche : \t0", "Erreurs sur les voiles au-dessus : \t3"});
    QTest::newRow("no exercise chosen: no title line")
        << ProfilNavirelle() << 0 << Compteurs(1, 2, 1)
        << Lignes({"", "Paul", DateHeure, "Nombre total de bonnes réponses : \t1 / 2", "",
                   "Nombre d'erreurs : \t1"});
}

// Two saves in a row: the second entry follows the first, which stays as it was.
void TestBilan::entreeDuBilanGeneralALOctetPres() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, numJeu);
    QFETCH(CompteursResultat, compteurs);
    QFETCH(QByteArray, attendu);
    Banc banc(profil);
    banc.partie.NumJeu = numJeu;
    banc.partie.Compteurs = compteurs;
    const Bilan bilan = ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, u"Paul");
    for (int fois = 1; fois <= 2; ++fois) {
        const EcritureBilan ecriture = EcrireBilanGeneral(banc.DestinationDesBilans(), bilan);
        QVERIFY2(ecriture.Reussie, qPrintable(ecriture.Message));
        QCOMPARE(ecriture.Fichier, profil.FichierBilan);
    }
    QCOMPARE(banc.Contenu(profil.FichierBilan), attendu + attendu);
    QCOMPARE(banc.Fichiers(), QStringList{profil.FichierBilan});
}

void TestBilan::dateEtHeureALaFrancaiseQuelleQueSoitLaLangue_data() {
    QTest::addColumn<QLocale>("langue");
    QTest::newRow("English (United States)") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
}

void TestBilan::dateEtHeureALaFrancaiseQuelleQueSoitLaLangue() {
    QFETCH(QLocale, langue);
    const QLocale avant;
    QLocale::setDefault(langue);
    const Bilan bilan = ComposerBilan(ProfilCarrelis(), 1, CompteursResultat{},
                                      QDateTime(QDate(2003, 2, 1), QTime(9, 5, 3)), u"Léa");
    QLocale::setDefault(avant);
    QCOMPARE(bilan.LigneDate, QStringLiteral("Le 01/02/2003"));
    QCOMPARE(bilan.LigneHeure, QStringLiteral(" à  09:05:03"));
    QCOMPARE(bilan.LigneDateHeure(), QStringLiteral("Le 01/02/2003   à  09:05:03"));
}

void TestBilan::nomCoupeA50Caracteres_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("garde");
    const QString cinquante = QStringLiteral("Marie-Charlotte Élisabeth de La Tour-Dauvergne Abc");
    QCOMPARE(cinquante.size(), 50);
    QTest::newRow("60 characters: the first 50") << cinquante + QStringLiteral("defghijklm") << cinquante;
    QTest::newRow("50 characters: all") << cinquante << cinquante;
    // One character beyond the set counts once, as its "?" in the file, and is never split.
    const QString avecEmoji = cinquante.left(49) + QStringLiteral("\U0001F600xyz");
    QTest::newRow("a two-unit character at the cut") << avecEmoji << avecEmoji.left(51);
}

void TestBilan::nomCoupeA50Caracteres() {
    QFETCH(QString, nom);
    QFETCH(QString, garde);
    Banc banc(ProfilCarrelis());
    banc.partie.NumJeu = 1;
    const Bilan bilan = ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, nom);
    QCOMPARE(bilan.NomEleve, garde);
    QVERIFY(EcrireBilanGeneral(banc.DestinationDesBilans(), bilan).Reussie);
    const QList<QByteArray> lignes = banc.Contenu(banc.prog.Profil().FichierBilan).split('\n');
    QCOMPARE(lignes.at(1).size(), 50 + 1); // the name, then its CR
}

// A counter of many digits cannot push a line past 50 characters.
void TestBilan::lignesCoupeesA50Caracteres() {
    const Bilan bilan =
        ComposerBilan(ProfilCarrelis(), 3, Compteurs(1, 2, 2147483647, 3, 4, 5, 6, 2147483647, -2147483647),
                      QDateTime(QDate(2002, 12, 6), QTime(14, 35, 10)), u"Paul");
    QCOMPARE(bilan.LigneErreursGauche, QStringLiteral("Nombre d'erreurs pour les cases à gauche :\t2147483"));
    QCOMPARE(bilan.LigneErreursHaut, QStringLiteral("Nombre d'erreurs pour les cases en haut :\t-2147483"));
    for (const QString& ligne : bilan.EntreeGenerale())
        QVERIFY2(ligne.size() <= 50, qPrintable(ligne));
}

void TestBilan::bilanIndividuelEnTetePuisEntreesSuivantes() {
    Banc banc(ProfilNavirelle());
    banc.prog.Prefs.BilansIndividuels = 1;
    banc.partie.NumJeu = 1;
    banc.partie.Compteurs = Compteurs(14, 20, 3);
    QVERIFY(EnregistrerBilan(banc.plate, banc.DestinationDesBilans(),
                             ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, u"Paul")));
    banc.plate.maintenant = banc.plate.maintenant.addSecs(3600);
    banc.partie.NumJeu = 2;
    banc.partie.Compteurs = Compteurs(8, 9, 1);
    QVERIFY(EnregistrerBilan(banc.plate, banc.DestinationDesBilans(),
                             ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, u"Paul")));
    const QString fichier = QStringLiteral("Bilan individuel Paul.txt");
    QCOMPARE(banc.Fichiers(), QStringList{fichier});
    QCOMPARE(banc.Contenu(fichier),
             Lignes({"", "Paul", "", "Navirelle jeu n° 1 : remplir", DateHeure,
                     "Nombre total de bonnes réponses : \t14 / 20", "", "Nombre d'erreurs : \t3", "",
                     "Navirelle jeu n° 2 : colorier", "Le 06/12/2002   à  15:35:10",
                     "Nombre total de bonnes réponses : \t8 / 9", "", "Nombre d'erreurs : \t1"}));
    QVERIFY(banc.plate.avertissements.isEmpty());
}

// The name inside keeps its full stop: only the file name loses it.
void TestBilan::bilanIndividuelRangeSousSaClasse() {
    Banc banc(ProfilCarrelis());
    banc.prog.Prefs.BilansIndividuels = 1;
    banc.prog.Prefs.ListeClasse = QStringLiteral("CM1.elv");
    banc.partie.NumJeu = 3;
    banc.partie.Compteurs = Compteurs(10, 10, 0, 3, 3, 4, 4);
    const Bilan bilan = ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, u"Léa M.");
    QVERIFY(EnregistrerBilan(banc.plate, banc.DestinationDesBilans(), bilan));
    QCOMPARE(banc.Contenu(QStringLiteral("Bilan CM1 Léa M.txt")), QByteArray("\r\nL\xE9"
                                                                             "a M.\r\n\r\n") +
                                                                      Lignes(bilan.LignesResultat()));
    QCOMPARE(bilan.LignesResultat().size(), 9);
}

void TestBilan::enregistrerSelonLesPreferences_data() {
    QTest::addColumn<bool>("general");
    QTest::addColumn<bool>("individuel");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("reussi");
    QTest::addColumn<QStringList>("fichiers");
    QTest::newRow("both") << true << true << "Zoé" << true
                          << QStringList{"Bilan individuel Zoé.txt", "bilan Carrelis.txt"};
    QTest::newRow("general only") << true << false << "Zoé" << true << QStringList{"bilan Carrelis.txt"};
    QTest::newRow("individual only") << false << true << "Zoé" << true
                                     << QStringList{"Bilan individuel Zoé.txt"};
    QTest::newRow("neither") << false << false << "Zoé" << true << QStringList{};
    QTest::newRow("empty name: nothing, silently") << true << true << "" << false << QStringList{};
}

void TestBilan::enregistrerSelonLesPreferences() {
    QFETCH(bool, general);
    QFETCH(bool, individuel);
    QFETCH(QString, nom);
    QFETCH(bool, reussi);
    QFETCH(QStringList, fichiers);
    Banc banc(ProfilCarrelis());
    banc.prog.Prefs.EnregistrerBilans = general;
    banc.prog.Prefs.BilansIndividuels = individuel;
    banc.partie.NumJeu = 1;
    QCOMPARE(EnregistrerBilan(banc.plate, banc.DestinationDesBilans(),
                              ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, nom)),
             reussi);
    QCOMPARE(banc.Fichiers(), fichiers);
    QVERIFY(banc.plate.avertissements.isEmpty());
}

void TestBilan::nomSansLettreUtilisableRefuseSansRienEcrire_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("message"); // how the warning starts; empty: none, as for no name
    QTest::addColumn<QString>("liste");   // the class list chosen
    QTest::newRow("nothing usable") << "../"
                                    << "Le bilan n'a pas été enregistré"
                                    << "";
    QTest::newRow("blanks only, like no name") << "   "
                                               << ""
                                               << "";
    // Written "?" in the files, "Léo 李" and "Léo 王" would be the same pupil.
    QTest::newRow("outside Windows-1252")
        << QString::fromUtf16(u"Léo 李") << QString::fromUtf16(u"Le nom «\u00a0Léo 李\u00a0» contient") << "";
    // A list made elsewhere than in the class editor: its own name fits 255 bytes, its pupils'
    // files do, but not their locks.
    QTest::newRow("a class too long for its pupils' files")
        << "Paul"
        << "Le bilan n'a pas été enregistré\u00a0: le nom de la classe «\u00a0€€€"
        << QString(80, QChar(0x20AC)) + ".elv";
}

void TestBilan::nomSansLettreUtilisableRefuseSansRienEcrire() {
    QFETCH(QString, nom);
    QFETCH(QString, message);
    QFETCH(QString, liste);
    Banc banc(ProfilNavirelle());
    banc.prog.Prefs.EnregistrerBilans = 1;
    banc.prog.Prefs.BilansIndividuels = 1;
    banc.prog.Prefs.ListeClasse = liste;
    QVERIFY(!EnregistrerBilan(banc.plate, banc.DestinationDesBilans(),
                              ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, nom)));
    QCOMPARE(banc.plate.avertissements.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(banc.plate.avertissements[0].startsWith(message), qPrintable(banc.plate.avertissements[0]));
    QVERIFY(banc.Fichiers().isEmpty());
}

void TestBilan::echecDuBilanGeneralArreteTout() {
    Banc banc(ProfilCarrelis());
    banc.prog.Prefs.EnregistrerBilans = 1;
    banc.prog.Prefs.BilansIndividuels = 1;
    QVERIFY(QDir().mkdir(banc.Chemin(QStringLiteral("bilan Carrelis.txt"))));
    QVERIFY(
        !EnregistrerBilan(banc.plate, banc.DestinationDesBilans(),
                          ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, u"Paul")));
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements[0].startsWith(
                 QStringLiteral("Le bilan n'a pas été enregistré dans «\u00a0bilan "
                                "Carrelis.txt\u00a0»\u00a0: un dossier porte déjà ce nom")),
             qPrintable(banc.plate.avertissements[0]));
    QCOMPARE(banc.Fichiers(), QStringList{QStringLiteral("bilan Carrelis.txt")});
}

void TestBilan::echecDuBilanIndividuelDitQueLeGeneralEstFait() {
    Banc banc(ProfilCarrelis());
    banc.prog.Prefs.EnregistrerBilans = 1;
    banc.prog.Prefs.BilansIndividuels = 1;
    QVERIFY(QDir().mkdir(banc.Chemin(QStringLiteral("Bilan individuel Paul.txt"))));
    const Bilan bilan = ComposerBilan(banc.prog.Profil(), banc.partie, banc.plate.maintenant, u"Paul");
    QVERIFY(!EnregistrerBilan(banc.plate, banc.DestinationDesBilans(), bilan));
    QCOMPARE(banc.plate.avertissements.size(), 1);
    const QString message = banc.plate.avertissements[0];
    QVERIFY2(message.startsWith(
                 QStringLiteral("Le bilan n'a pas été enregistré dans «\u00a0Bilan individuel Paul.txt")),
             qPrintable(message));
    QVERIFY2(
        message.endsWith(QStringLiteral("Il a bien été enregistré dans «\u00a0bilan Carrelis.txt\u00a0».")),
        qPrintable(message));
    QCOMPARE(banc.Contenu(QStringLiteral("bilan Carrelis.txt")), Lignes(bilan.EntreeGenerale()));
}

QTEST_GUILESS_MAIN(TestBilan)
#include "tst_Bilan.moc"
