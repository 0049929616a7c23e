// SPDX-License-Identifier: GPL-3.0-or-later
// The 1392-byte preferences record: offsets, byte-for-byte
// round trip, the fallbacks for damaged files, and saves that fail without harming the file.
#include "core/Preferences.h"
#include "core/Windows1252.h"
#include "support/EnregistrementPreferences.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#endif

namespace ER = EnregistrementPreferences;

class TestPreferences : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();

    void champsAuxPositionsDuFichier();
    void fichierValideReluEtReecritALOctetPres();
    void seulLeChampModifieChange_data();
    void seulLeChampModifieChange();
    void fichierAbimeDonneLeRepli_data();
    void fichierAbimeDonneLeRepli();
    void fichierAbsentOuIllisibleDonneLesValeursParDefaut_data();
    void fichierAbsentOuIllisibleDonneLesValeursParDefaut();
    void enregistrerPuisRelire();
    void enregistrementRateGardeLAncienFichier_data();
    void enregistrementRateGardeLAncienFichier();
    void copieSansListeClasse();
};

void TestPreferences::initTestCase() {
    QVERIFY2(Windows1252::Disponible(), "this Qt has no windows-1252 converter");
}

void TestPreferences::champsAuxPositionsDuFichier() {
    Preferences p;
    p.ImagesPref[0] = QStringLiteral("Fond é.bmp");
    p.ImagesPref[4] = QString(255, QLatin1Char('z'));
    p.EnregistrerBilans = 1;
    p.BilansIndividuels = 2;
    p.ImprimerResultats = 3;
    p.ImprimerExercice = 4;
    p.PrefNoirEtBlanc = 5;
    p.ListeClasse = QStringLiteral("CE2.elv");
    p.ChoixModifiable1 = 0;
    p.ChoixModifiable2 = 1;
    p.ChoixModifiable3 = 1;
    p.TailleJeu1 = 7;
    p.TailleJeu2 = 5;
    p.TailleJeu3 = 1;
    const QByteArray b = p.Octets();
    QCOMPARE(b.size(), 1392);
    QCOMPARE(b.mid(0, 11), QByteArray("\x0A"
                                      "Fond \xE9.bmp"));
    QCOMPARE(b.mid(11, 245), QByteArray(245, '\0')); // the tail of a string written anew
    QCOMPARE(b.at(256), '\0');
    QCOMPARE(static_cast<quint8>(b.at(1024)), quint8(255));
    QCOMPARE(b.mid(1025, 255), QByteArray(255, 'z'));
    QCOMPARE(b.mid(1280, 5), QByteArray("\x01\x02\x03\x04\x05"));
    QCOMPARE(b.mid(1285, 8), QByteArray("\x07"
                                        "CE2.elv"));
    QCOMPARE(b.mid(1386, 6), QByteArray("\x00\x01\x01\x07\x05\x01", 6));

    const Preferences relu = Preferences::Lire(b);
    QCOMPARE(relu.ImagesPref[0], p.ImagesPref[0]);
    QCOMPARE(relu.ImagesPref[4], p.ImagesPref[4]);
    QCOMPARE(relu.ListeClasse, p.ListeClasse);
    QCOMPARE(relu.PrefNoirEtBlanc, quint8(1)); // a flag reads as on or off
    QCOMPARE(relu.TailleJeu2, quint8(5));
}

// The bytes after each length and the five undefined characters must come back untouched.
void TestPreferences::fichierValideReluEtReecritALOctetPres() {
    for (quint32 graine = 1; graine <= 50; ++graine) {
        const QByteArray fichier = ER::Valide(graine);
        QCOMPARE(Preferences::Lire(fichier).Octets(), fichier);
    }
    QVERIFY(Preferences::Lire(ER::Valide()).ImagesPref[2].contains(QChar(0x8D)));
}

void TestPreferences::seulLeChampModifieChange_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<int>("debut");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("size of exercise 2 at 1390") << 0 << 1390 << QByteArray("\x05");
    QTest::newRow("no black and white at 1284") << 1 << 1284 << QByteArray("\x01");
    QTest::newRow("new exercise image: length, text, zeroed tail") << 2 << 256
                                                                   << (QByteArray("\x08"
                                                                                  "neuf.bmp") +
                                                                       QByteArray(247, '\0'));
    QTest::newRow("class list") << 3 << 1285
                                << (QByteArray("\x05"
                                               "a.elv") +
                                    QByteArray(95, '\0'));
}

void TestPreferences::seulLeChampModifieChange() {
    QFETCH(int, champ);
    QFETCH(int, debut);
    QFETCH(QByteArray, attendu);
    const QByteArray avant = ER::Valide(7);
    Preferences p = Preferences::Lire(avant);
    switch (champ) {
    case 0:
        p.TailleJeu2 = 5;
        break;
    case 1:
        p.PrefNoirEtBlanc = 1;
        break;
    case 2:
        p.ImagesPref[1] = QStringLiteral("neuf.bmp");
        break;
    case 3:
        p.ListeClasse = QStringLiteral("a.elv");
        break;
    }
    QByteArray prevu = avant;
    prevu.replace(debut, attendu.size(), attendu);
    QCOMPARE(p.Octets(), prevu);
}

void TestPreferences::fichierAbimeDonneLeRepli_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("listeClasse");
    QTest::addColumn<int>("tailleJeu3");
    QTest::addColumn<QByteArray>("reecrit"); // what a save then writes
    const QByteArray valide = ER::Valide(3);
    const Preferences lu = Preferences::Lire(valide);
    QTest::newRow("1391 bytes: all defaults")
        << valide.left(1391) << QString() << 3 << Preferences().Octets();
    QTest::newRow("empty: all defaults") << QByteArray() << QString() << 3 << Preferences().Octets();
    QTest::newRow("longer: its first 1392 bytes")
        << (valide + QByteArray("extra")) << lu.ListeClasse << int(lu.TailleJeu3) << valide;

    QByteArray longueurTropGrande = valide;
    longueurTropGrande[1285] = static_cast<char>(200);
    for (int i = 0; i < 100; ++i)
        longueurTropGrande[1286 + i] = static_cast<char>('A' + i % 26);
    QByteArray coupee = longueurTropGrande;
    coupee[1285] = static_cast<char>(100);
    QString cent;
    for (int i = 0; i < 100; ++i)
        cent.append(QLatin1Char(static_cast<char>('A' + i % 26)));
    QTest::newRow("class list length 200: cut to 100")
        << longueurTropGrande << cent << int(lu.TailleJeu3) << coupee;

    for (int taille : {0, 8, 255}) {
        QByteArray horsLimites = valide, corrigee = valide;
        horsLimites[1391] = static_cast<char>(taille);
        corrigee[1391] = '\3';
        QTest::addRow("size %d: 3", taille) << horsLimites << lu.ListeClasse << 3 << corrigee;
    }
    // The window shows a check box, the programs test "not zero": both must read it as on.
    for (auto [position, octet] : {std::pair{1280, 2}, {1284, 255}, {1387, 7}}) {
        QByteArray drapeau = valide, corrige = valide;
        drapeau[position] = static_cast<char>(octet);
        corrige[position] = '\1';
        QTest::addRow("flag %d at %d: on", octet, position)
            << drapeau << lu.ListeClasse << int(lu.TailleJeu3) << corrige;
    }
}

void TestPreferences::fichierAbimeDonneLeRepli() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, listeClasse);
    QFETCH(int, tailleJeu3);
    QFETCH(QByteArray, reecrit);
    const Preferences p = Preferences::Lire(octets);
    QCOMPARE(p.ListeClasse, listeClasse);
    QCOMPARE(int(p.TailleJeu3), tailleJeu3);
    QCOMPARE(p.Octets(), reecrit);
}

void TestPreferences::fichierAbsentOuIllisibleDonneLesValeursParDefaut_data() {
    QTest::addColumn<int>("cas");
    QTest::addColumn<QString>("alerte"); // what the teacher is told; empty: nothing
    QTest::newRow("no file") << 0 << "";
    QTest::newRow("a folder of that name")
        << 1
        << "Les préférences n'ont pas pu être lues dans «\u00a0Carrelis.pfr\u00a0»\u00a0: un dossier porte "
           "déjà ce nom. Le programme prend ses réglages par défaut.";
    QTest::newRow("a short file") << 2 << "";
}

// Whatever the memory held before, a load that finds no record leaves the defaults.
void TestPreferences::fichierAbsentOuIllisibleDonneLesValeursParDefaut() {
    QFETCH(int, cas);
    QFETCH(QString, alerte);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Carrelis.pfr"));
    if (cas == 1) QVERIFY(QDir().mkdir(chemin));
    if (cas == 2) QVERIFY(ER::Ecrire(chemin, QByteArray(100, '\x01')));
    Preferences p = Preferences::Lire(ER::Valide());
    p.ChoixModifiable1 = 0;
    p.ChoixModifiable2 = 1;
    p.TailleJeu2 = 6;
    QString dit = QStringLiteral("ancienne alerte");
    QVERIFY(!ChargerPreferences(p, chemin, dit));
    QCOMPARE(dit, alerte);
    QCOMPARE(p.Octets(), Preferences().Octets());
    QCOMPARE(p.ChoixModifiable1, quint8(1));
    QCOMPARE(p.ChoixModifiable2, quint8(0));
    QCOMPARE(p.TailleJeu2, quint8(3));
    QVERIFY(p.ListeClasse.isEmpty());
    QVERIFY(p.ImagesPref[0].isEmpty());
}

void TestPreferences::enregistrerPuisRelire() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("Navirelle.pfr"));
    QVERIFY(ER::Ecrire(chemin, ER::Valide(11)));
    Preferences p;
    QString raison;
    QVERIFY(ChargerPreferences(p, chemin, raison));
    QVERIFY(EnregistrerPreferences(p, chemin, raison));
    QCOMPARE(ER::Lire(chemin), ER::Valide(11));

    p.TailleJeu1 = 6;
    QVERIFY(EnregistrerPreferences(p, chemin, raison));
    Preferences relu;
    QVERIFY(ChargerPreferences(relu, chemin, raison));
    QCOMPARE(relu.TailleJeu1, quint8(6));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("Navirelle.pfr")});
}

void TestPreferences::enregistrementRateGardeLAncienFichier_data() {
    QTest::addColumn<int>("cas");
    QTest::addColumn<QString>("raisonAttendue"); // how the French reason starts
    QTest::newRow("read-only folder") << 0 << "le dossier du programme est protégé en écriture";
    QTest::newRow("disk full") << 1 << "l'écriture s'est interrompue, le disque est peut-être plein";
    QTest::newRow("folder gone") << 2 << "le dossier «";
    QTest::newRow("a folder of that name") << 3 << "un dossier porte déjà ce nom";
}

void TestPreferences::enregistrementRateGardeLAncienFichier() {
    QFETCH(int, cas);
    QFETCH(QString, raisonAttendue);
    QTemporaryDir racine;
    const QString dossier = racine.filePath(QStringLiteral("programme"));
    QVERIFY(QDir().mkdir(dossier));
    const QString chemin = dossier + QStringLiteral("/Carrelis.pfr");
    const QByteArray ancien = ER::Valide(2);
    QVERIFY(ER::Ecrire(chemin, ancien));
    Preferences p = Preferences::Lire(ancien);
    p.TailleJeu2 = p.TailleJeu2 % 7 + 1;
    QString raison;
    bool ecrit = true;
    if (cas == 0) {
        QVERIFY(QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFile probe(dossier + QStringLiteral("/essai")); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(dossier,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user writes in read-only folders (root): see the disk full row");
        }
        ecrit = EnregistrerPreferences(p, chemin, raison);
        QFile::setPermissions(dossier,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    } else if (cas == 1) {
#if defined(Q_OS_UNIX)
        // A file size limit makes every write past 100 bytes fail, as a full disk would.
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant;
        limite.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        ecrit = EnregistrerPreferences(p, chemin, raison);
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signalAvant);
#else
        QSKIP("no file size limit here");
#endif
    } else if (cas == 2) {
        ecrit = EnregistrerPreferences(p, racine.filePath(QStringLiteral("parti/Carrelis.pfr")), raison);
    } else {
        QVERIFY(QDir().mkdir(racine.filePath(QStringLiteral("Navirelle.pfr"))));
        ecrit = EnregistrerPreferences(p, racine.filePath(QStringLiteral("Navirelle.pfr")), raison);
    }
    QVERIFY(!ecrit);
    QVERIFY2(raison.startsWith(raisonAttendue), qPrintable(raison));
    QCOMPARE(ER::Lire(chemin), ancien);
    QCOMPARE(QDir(dossier).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Carrelis.pfr")});
}

void TestPreferences::copieSansListeClasse() {
    Preferences chargees = Preferences::Lire(ER::Valide(4));
    Preferences sauvees;
    sauvees.ListeClasse = QStringLiteral("ancienne.elv");
    sauvees.CopierSaufListeClasse(chargees);
    QCOMPARE(sauvees.ListeClasse, QStringLiteral("ancienne.elv"));
    QCOMPARE(sauvees.ImagesPref, chargees.ImagesPref);

    // "Annuler": every field comes back, except the class list chosen meanwhile.
    Preferences courantes = chargees;
    courantes.TailleJeu1 = courantes.TailleJeu1 % 7 + 1;
    courantes.EnregistrerBilans ^= 1;
    courantes.ImagesPref[0] = QStringLiteral("autre.bmp");
    courantes.ListeClasse = QStringLiteral("CM2.elv");
    courantes.CopierSaufListeClasse(sauvees);
    QCOMPARE(courantes.ListeClasse, QStringLiteral("CM2.elv"));
    courantes.ListeClasse = chargees.ListeClasse;
    QCOMPARE(courantes.Octets(), ER::Valide(4));
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_Preferences.moc"
