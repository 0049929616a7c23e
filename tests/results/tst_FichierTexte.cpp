// The Windows-1252 text files with CR LF, and the two safe writes: whole-file replacement and
// the locked append that takes back a failed entry.
#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "results/DisquePlein.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

bool DossierEnLectureSeule(const QString& dossier) {
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile essai(dossier + QStringLiteral("/essai"));
    if (!essai.open(QIODevice::WriteOnly)) return true;
    essai.remove();
    return false; // root writes anyway
}

void RendreInscriptible(const QString& dossier) {
    QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

class TestFichierTexte : public QObject {
    Q_OBJECT

  private slots:
    void lignesFinissentParCRLF_data();
    void lignesFinissentParCRLF();
    void finsDeLigneReconnuesALaLecture_data();
    void finsDeLigneReconnuesALaLecture();
    void octets80A9FRelusEtReecritsALIdentique();
    void texteEntierAllerRetour_data();
    void texteEntierAllerRetour();
    void ecrireRemplacePuisLireRelit();
    void remplacementRateGardeLAncienFichier_data();
    void remplacementRateGardeLAncienFichier();
    void lireUnFichierAbsentDitPourquoi();

    void ajoutChoisitLEntreeSelonLeFichier_data();
    void ajoutChoisitLEntreeSelonLeFichier();
    void ajoutRateLaisseLeFichierCommeIlEtait_data();
    void ajoutRateLaisseLeFichierCommeIlEtait();
    void verrouTenuAilleursFaitRenoncerPuisReussir();
    void verrouLaisseParUnPosteEteintEstLeve();
};

void TestFichierTexte::lignesFinissentParCRLF_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("every line ended, empty ones too")
        << QStringList{"a", "", "b"} << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("no line, no byte") << QStringList{} << QByteArray();
    QTest::newRow("French letters and euro") << QStringList{QStringLiteral("élève à 5 € ; n° 3")}
                                             << QByteArray("\xE9l\xE8ve \xE0 5 \x80 ; n\xB0 3\r\n");
    QTest::newRow("what the set lacks becomes ?")
        << QStringList{QStringLiteral("Łukasz 中 \U0001F600")} << QByteArray("?ukasz ? ?\r\n");
    QTest::newRow("tab kept") << QStringList{"a\tb"} << QByteArray("a\tb\r\n");
    QTest::newRow("a break inside a line stays on the line")
        << QStringList{"a\nb", "c\r\nd", "e\rf"} << QByteArray("a b\r\nc  d\r\ne f\r\n");
}

void TestFichierTexte::lignesFinissentParCRLF() {
    QFETCH(QStringList, lignes);
    QFETCH(QByteArray, attendu);
    QCOMPARE(FichierTexte::EncoderLignes(lignes), attendu);
}

void TestFichierTexte::finsDeLigneReconnuesALaLecture_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR alone") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("last line without its end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("CR then CR LF: two lines") << QByteArray("a\r\r\n") << QStringList{"a", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("accents decoded") << QByteArray("L\xE9"
                                                   "a\r\n")
                                     << QStringList{QStringLiteral("Léa")};
}

void TestFichierTexte::finsDeLigneReconnuesALaLecture() {
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, lignes);
    QCOMPARE(FichierTexte::DecoderLignes(octets), lignes);
}

// The 32 bytes where Windows-1252 and Latin-1 part, undefined ones included, as a file of
// another machine may hold them: read and written back, not one byte changes.
void TestFichierTexte::octets80A9FRelusEtReecritsALIdentique() {
    QByteArray ligne;
    for (int octet = 0x80; octet <= 0x9F; ++octet)
        ligne.append(static_cast<char>(octet));
    const QByteArray fichier = ligne + "\r\n" + ligne + "\r\n";
    const QStringList lignes = FichierTexte::DecoderLignes(fichier);
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes[0].size(), 32);
    QCOMPARE(lignes[0].front(), QChar(0x20AC));
    QCOMPARE(lignes[0].at(0x9C - 0x80), QChar(0x0153));
    QCOMPARE(lignes[0].back(), QChar(0x0178));
    QCOMPARE(FichierTexte::EncoderLignes(lignes), fichier);
}

void TestFichierTexte::texteEntierAllerRetour_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("two lines") << QStringLiteral("a\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("a final empty line") << QStringLiteral("a\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("empty text") << QString() << QByteArray();
    QTest::newRow("accents") << QStringLiteral("Zoé\nNoël") << QByteArray("Zo\xE9\r\nNo\xEBl\r\n");
}

void TestFichierTexte::texteEntierAllerRetour() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, octets);
    QCOMPARE(FichierTexte::EncoderTexte(texte), octets);
    QCOMPARE(FichierTexte::DecoderTexte(octets), texte);
    // Line ends typed on another system come out the same.
    QString windows = texte;
    windows.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QCOMPARE(FichierTexte::EncoderTexte(windows), octets);
}

void TestFichierTexte::ecrireRemplacePuisLireRelit() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("texte.txt"));
    QVERIFY(Ecrire(chemin, QByteArray(1000, 'x')));
    QString raison;
    QVERIFY(FichierTexte::Ecrire(chemin, QStringLiteral("Élève\ntrès bien"), raison));
    QCOMPARE(Contenu(chemin), QByteArray("\xC9l\xE8ve\r\ntr\xE8s bien\r\n"));
    QString texte;
    QVERIFY(FichierTexte::Lire(chemin, texte, raison));
    QCOMPARE(texte, QStringLiteral("Élève\ntrès bien"));
}

void TestFichierTexte::remplacementRateGardeLAncienFichier_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("debutRaison");
    QTest::newRow("disk full") << "disque"
                               << "l'écriture s'est interrompue";
    QTest::newRow("folder gone") << "parti"
                                 << "le dossier";
    QTest::newRow("a folder has the name") << "dossier"
                                           << "un dossier porte déjà ce nom";
}

void TestFichierTexte::remplacementRateGardeLAncienFichier() {
    QFETCH(QString, cas);
    QFETCH(QString, debutRaison);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("CE1.elv"));
    const QByteArray ancien(512, 'a');
    QVERIFY(Ecrire(chemin, ancien));
    QString raison;
    bool ecrit = true;
    if (cas == QLatin1String("disque")) {
        DisquePlein disque(100);
        if (!disque.Actif()) QSKIP("no file size limit here");
        ecrit = EcritureFichier::Remplacer(chemin, QByteArray(768, 'b'), raison);
    } else if (cas == QLatin1String("parti")) {
        ecrit = EcritureFichier::Remplacer(dossier.filePath(QStringLiteral("parti/CE1.elv")), "b", raison);
    } else {
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("CM2.elv")));
        ecrit = EcritureFichier::Remplacer(dossier.filePath(QStringLiteral("CM2.elv")), "b", raison);
    }
    QVERIFY(!ecrit);
    QVERIFY2(raison.startsWith(debutRaison), qPrintable(raison));
    QCOMPARE(Contenu(chemin), ancien);
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("CE1.elv")});
}

void TestFichierTexte::lireUnFichierAbsentDitPourquoi() {
    QTemporaryDir dossier;
    QString texte = QStringLiteral("avant"), raison;
    QVERIFY(!FichierTexte::Lire(dossier.filePath(QStringLiteral("absent.txt")), texte, raison));
    QVERIFY2(raison.startsWith(QStringLiteral("le fichier est introuvable")), qPrintable(raison));
    QCOMPARE(texte, QStringLiteral("avant"));
}

void TestFichierTexte::ajoutChoisitLEntreeSelonLeFichier_data() {
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("apres");
    QTest::newRow("absent: created with the new entry") << false << QByteArray() << QByteArray("N");
    QTest::newRow("empty: as if new") << true << QByteArray() << QByteArray("N");
    QTest::newRow("with content: the next entry at the end") << true << QByteArray("xy") << QByteArray("xyS");
}

void TestFichierTexte::ajoutChoisitLEntreeSelonLeFichier() {
    QFETCH(bool, existe);
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, apres);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("bilan.txt"));
    if (existe) QVERIFY(Ecrire(chemin, avant));
    QString raison;
    QVERIFY2(EcritureFichier::Ajouter(chemin, "N", "S", raison), qPrintable(raison));
    QCOMPARE(Contenu(chemin), apres);
    QVERIFY(!QFile::exists(EcritureFichier::FichierVerrou(chemin)));
}

void TestFichierTexte::ajoutRateLaisseLeFichierCommeIlEtait_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<bool>("existe");
    QTest::addColumn<int>("tailleMax"); // for the full disk: the lock fits, the entry does not
    QTest::addColumn<QString>("debutRaison");
    QTest::newRow("disk full in the middle of the entry")
        << "disque" << true << 610 << "l'écriture s'est interrompue";
    QTest::newRow("disk full on a new file: no file left")
        << "disque" << false << 500 << "l'écriture s'est interrompue";
    QTest::newRow("disk full: not even the lock")
        << "disque" << true << 20 << "le fichier n'a pas pu être réservé";
    QTest::newRow("read-only folder")
        << "lecture seule" << true << 0 << "le dossier du programme est protégé";
    QTest::newRow("a folder has the name") << "dossier" << false << 0 << "un dossier porte déjà ce nom";
    QTest::newRow("a folder has the lock's name")
        << "verrou" << true << 0
        << "un dossier «\u00a0.bilan Carrelis.txt.verrou\u00a0» occupe la place du verrou";
}

void TestFichierTexte::ajoutRateLaisseLeFichierCommeIlEtait() {
    QFETCH(QString, cas);
    QFETCH(bool, existe);
    QFETCH(int, tailleMax);
    QFETCH(QString, debutRaison);
    QTemporaryDir racine;
    const QString dossier = racine.filePath(QStringLiteral("programme"));
    QVERIFY(QDir().mkdir(dossier));
    const QString chemin = dossier + QStringLiteral("/bilan Carrelis.txt");
    const QByteArray avant = QByteArray("\r\nPaul\r\n").leftJustified(600, 'a');
    if (existe) QVERIFY(Ecrire(chemin, avant));
    const QByteArray entree(1000, 'e');
    QString raison;
    bool ecrit = true;
    if (cas == QLatin1String("disque")) {
        DisquePlein disque(tailleMax);
        if (!disque.Actif()) QSKIP("no file size limit here");
        ecrit = EcritureFichier::Ajouter(chemin, entree, entree, raison);
    } else if (cas == QLatin1String("lecture seule")) {
        const bool protege = DossierEnLectureSeule(dossier);
        if (protege)
            ecrit = EcritureFichier::Ajouter(chemin, entree, entree, raison, std::chrono::milliseconds(200));
        RendreInscriptible(dossier);
        if (!protege) QSKIP("this user writes in read-only folders (root): see the disk full rows");
    } else if (cas == QLatin1String("verrou")) {
        QVERIFY(QDir().mkdir(EcritureFichier::FichierVerrou(chemin)));
        ecrit = EcritureFichier::Ajouter(chemin, entree, entree, raison, std::chrono::milliseconds(200));
    } else {
        QVERIFY(QDir().mkdir(chemin));
        ecrit = EcritureFichier::Ajouter(chemin, entree, entree, raison);
    }
    QVERIFY(!ecrit);
    QVERIFY2(raison.startsWith(debutRaison), qPrintable(raison));
    if (cas == QLatin1String("dossier") || cas == QLatin1String("verrou")) return;
    QCOMPARE(QFile::exists(chemin), existe);
    QCOMPARE(Contenu(chemin), existe ? avant : QByteArray());
    QCOMPARE(QDir(dossier).entryList(QDir::Files | QDir::Hidden).size(), existe ? 1 : 0);
}

void TestFichierTexte::verrouTenuAilleursFaitRenoncerPuisReussir() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("bilan navirelle.txt"));
    QVERIFY(Ecrire(chemin, "debut"));
    QLockFile autrePoste(EcritureFichier::FichierVerrou(chemin));
    QVERIFY(autrePoste.tryLock(0));
    QString raison;
    QVERIFY(!EcritureFichier::Ajouter(chemin, "N", "S", raison, std::chrono::milliseconds(150)));
    QVERIFY2(raison.contains(QStringLiteral("occupé par un autre ordinateur")), qPrintable(raison));
    QCOMPARE(Contenu(chemin), QByteArray("debut"));
    autrePoste.unlock();
    QVERIFY(EcritureFichier::Ajouter(chemin, "N", "S", raison, std::chrono::milliseconds(150)));
    QCOMPARE(Contenu(chemin), QByteArray("debutS"));
}

// A computer switched off while it held the lock must not stop the classroom: a lock older than
// a few seconds, from another machine, is broken.
void TestFichierTexte::verrouLaisseParUnPosteEteintEstLeve() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("bilan navirelle.txt"));
    const QString verrou = EcritureFichier::FichierVerrou(chemin);
    QVERIFY(verrou.endsWith(QStringLiteral("/.bilan navirelle.txt.verrou")));
    QVERIFY(Ecrire(verrou, "4242\nnavirelle\nposte-du-fond\n"));
    QFile ancien(verrou);
    QVERIFY(ancien.open(QIODevice::ReadWrite));
    QVERIFY(ancien.setFileTime(QDateTime::currentDateTime().addSecs(-12), QFileDevice::FileModificationTime));
    ancien.close();
    QString raison;
    QVERIFY2(EcritureFichier::Ajouter(chemin, "N", "S", raison, std::chrono::milliseconds(1000)),
             qPrintable(raison));
    QCOMPARE(Contenu(chemin), QByteArray("N"));
    QVERIFY(!QFile::exists(verrou));
}

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_FichierTexte.moc"
