// SPDX-License-Identifier: GPL-3.0-or-later
// Erasing to the desktop's trash from a home that has never had one: the file arrives in the
// trash, or stays where it was when there can be none, and the program folder never receives
// anything.
#include "core/Corbeille.h"
#include "support/DisquePlein.h"
#include "support/EnregistrementPreferences.h"
#include "support/Pieges.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace ER = EnregistrementPreferences;

class TestCorbeille : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void effacerVersLaCorbeille_data();
    void effacerVersLaCorbeille();

  private:
    QByteArray home, donnees, courant;
};

void TestCorbeille::init() {
    home = qgetenv("HOME");
    donnees = qgetenv("XDG_DATA_HOME");
    courant = QDir::currentPath().toLocal8Bit();
}

void TestCorbeille::cleanup() {
    qputenv("HOME", home);
    if (donnees.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", donnees);
    QDir::setCurrent(QString::fromLocal8Bit(courant));
}

void TestCorbeille::effacerVersLaCorbeille_data() {
    QTest::addColumn<bool>("lien");
    QTest::addColumn<bool>("dossierDeDonneesImpossible"); // a file stands where the data folder goes
    QTest::addColumn<bool>("disquePlein");
    QTest::newRow("a home without ~/.local/share") << false << false << false;
    QTest::newRow("a link goes, its target stays") << true << false << false;
    QTest::newRow("no trash can be made: the file stays") << false << true << false;
    QTest::newRow("disk full, no room for the trash's note: the file stays") << false << false << true;
}

void TestCorbeille::effacerVersLaCorbeille() {
    QFETCH(bool, lien);
    QFETCH(bool, dossierDeDonneesImpossible);
    QFETCH(bool, disquePlein);
    QTemporaryDir racine;
    const QDir dossier(racine.path());
    QVERIFY(dossier.mkdir(QStringLiteral("maison")) && dossier.mkdir(QStringLiteral("programme")));
    qputenv("HOME", QFile::encodeName(dossier.filePath(QStringLiteral("maison"))));
    qunsetenv("XDG_DATA_HOME");
    if (dossierDeDonneesImpossible) {
        const QString fichier = dossier.filePath(QStringLiteral("maison/donnees"));
        QVERIFY(ER::Ecrire(fichier, "pas un dossier"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(fichier));
    }
    const QString programme = dossier.filePath(QStringLiteral("programme"));
    QVERIFY(QDir::setCurrent(programme)); // where a trash that cannot be made once went
    const QString chemin = programme + QStringLiteral("/bilan Carrelis.txt");
    const QString cible = dossier.filePath(QStringLiteral("notes.txt"));
    QVERIFY(ER::Ecrire(lien ? cible : chemin, "Paul\r\n"));
    if (lien) QVERIFY(Pieges::Lien(chemin, cible));

    std::optional<DisquePlein> plein;
    if (disquePlein) QVERIFY(plein.emplace(0).Actif());
    const bool mis = Corbeille::Mettre(chemin);
    plein.reset();

    QCOMPARE(mis, !dossierDeDonneesImpossible && !disquePlein);
    QCOMPARE(QDir(programme).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             mis ? QStringList() : QStringList{QStringLiteral("bilan Carrelis.txt")});
    if (lien) QCOMPARE(ER::Lire(cible), QByteArray("Paul\r\n"));
    const QString corbeille = dossier.filePath(QStringLiteral("maison/.local/share/Trash"));
    if (!mis) {
        QCOMPARE(ER::Lire(chemin), QByteArray("Paul\r\n"));
        QCOMPARE(QDir(corbeille + QStringLiteral("/info")).entryList(QDir::Files), QStringList());
        return;
    }
    QCOMPARE(Corbeille::DeLUtilisateur(), corbeille);
    const QString dans = corbeille + QStringLiteral("/files/bilan Carrelis.txt");
    QCOMPARE(Pieges::EstLien(dans), lien);
    QCOMPARE(ER::Lire(dans), QByteArray("Paul\r\n"));
    QVERIFY(QFile::exists(corbeille + QStringLiteral("/info/bilan Carrelis.txt.trashinfo")));
    for (const QString& d : {dossier.filePath(QStringLiteral("maison/.local")), corbeille})
        QCOMPARE(QFile::permissions(d) & 0x0077, QFileDevice::Permissions()); // nobody else's
}

QTEST_GUILESS_MAIN(TestCorbeille)
#include "tst_Corbeille.moc"
