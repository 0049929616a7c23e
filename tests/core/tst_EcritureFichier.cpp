// SPDX-License-Identifier: GPL-3.0-or-later
// The two safe writes: whole-file replacement, and the locked append that takes back a failed
// entry and lets the computers of a classroom take turns.
#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "support/DisquePlein.h"

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

class TestEcritureFichier : public QObject {
    Q_OBJECT

  private slots:
    void remplacementRateGardeLAncienFichier_data();
    void remplacementRateGardeLAncienFichier();
    void ajoutChoisitLEntreeSelonLeFichier_data();
    void ajoutChoisitLEntreeSelonLeFichier();
    void ajoutRateLaisseLeFichierCommeIlEtait_data();
    void ajoutRateLaisseLeFichierCommeIlEtait();
    void verrouTenuAilleursFaitRenoncerPuisReussir();
    void verrouLaisseParUnPosteEteintEstLeve();
};

void TestEcritureFichier::remplacementRateGardeLAncienFichier_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("debutRaison");
    QTest::newRow("disk full") << "disque"
                               << "l'écriture s'est interrompue";
    QTest::newRow("folder gone") << "parti"
                                 << "le dossier";
    QTest::newRow("a folder has the name") << "dossier"
                                           << "un dossier porte déjà ce nom";
    // Even root may not make a file in /sys: a folder chosen in a dialog is named, the program's is not.
    QTest::newRow("a chosen folder only read") << "choisi"
                                               << "le dossier «\u00a0/sys\u00a0» est protégé en écriture";
    QTest::newRow("the program folder only read") << "programme"
                                                  << "le dossier du programme est protégé en écriture";
}

void TestEcritureFichier::remplacementRateGardeLAncienFichier() {
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
    } else if (cas == QLatin1String("choisi") || cas == QLatin1String("programme")) {
        if (!QFileInfo(QStringLiteral("/sys")).isDir()) QSKIP("no /sys here");
        ecrit = EcritureFichier::Remplacer(QStringLiteral("/sys/CE1.elv"), "b", raison,
                                           cas == QLatin1String("choisi")
                                               ? RaisonFichier::Lieu::DossierChoisi
                                               : RaisonFichier::Lieu::DossierDuProgramme);
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

void TestEcritureFichier::ajoutChoisitLEntreeSelonLeFichier_data() {
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("apres");
    QTest::newRow("absent: created with the new entry") << false << QByteArray() << QByteArray("N");
    QTest::newRow("empty: as if new") << true << QByteArray() << QByteArray("N");
    QTest::newRow("with content: the next entry at the end") << true << QByteArray("xy") << QByteArray("xyS");
}

void TestEcritureFichier::ajoutChoisitLEntreeSelonLeFichier() {
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

void TestEcritureFichier::ajoutRateLaisseLeFichierCommeIlEtait_data() {
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
    // The file's name fits the 255 bytes of a name; its lock's, 8 bytes longer, does not.
    QTest::newRow("a name of 250 bytes: its lock's passes 255")
        << "long" << true << 0 << "le nom «\u00a0.aaa";
}

void TestEcritureFichier::ajoutRateLaisseLeFichierCommeIlEtait() {
    QFETCH(QString, cas);
    QFETCH(bool, existe);
    QFETCH(int, tailleMax);
    QFETCH(QString, debutRaison);
    QTemporaryDir racine;
    const QString dossier = racine.filePath(QStringLiteral("programme"));
    QVERIFY(QDir().mkdir(dossier));
    const QString chemin =
        dossier + (cas == QLatin1String("long") ? QLatin1Char('/') + QString(246, QLatin1Char('a')) + ".txt"
                                                : QStringLiteral("/bilan Carrelis.txt"));
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
    } else if (cas == QLatin1String("long")) {
        ecrit = EcritureFichier::Ajouter(chemin, entree, entree, raison);
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

void TestEcritureFichier::verrouTenuAilleursFaitRenoncerPuisReussir() {
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
void TestEcritureFichier::verrouLaisseParUnPosteEteintEstLeve() {
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

QTEST_GUILESS_MAIN(TestEcritureFichier)
#include "tst_EcritureFichier.moc"
