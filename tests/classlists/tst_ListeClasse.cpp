// SPDX-License-Identifier: GPL-3.0-or-later
// The class list file: 256-byte records in Windows-1252, at most 50 read, the French order of
// the names, the class lists of a folder.
#include "classlists/ListeClasse.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Enregistrement(const QByteArray& nom, char remplissage = '\0') {
    QByteArray octets(256, remplissage);
    octets[0] = static_cast<char>(nom.size());
    octets.replace(1, nom.size(), nom);
    return octets;
}

QByteArray Repeter(int n) {
    QByteArray octets;
    for (int i = 0; i < n; ++i)
        octets += Enregistrement("Eleve" + QByteArray::number(i));
    return octets;
}

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

} // namespace

class TestListeClasse : public QObject {
    Q_OBJECT

  private slots:
    void ce1TroisElevesEn768Octets();
    void lectureDesEnregistrements_data();
    void lectureDesEnregistrements();
    void chargerPrendAuPlus50Eleves();
    void nomCoupeA255Caracteres();
    void ordreFrancais_data();
    void ordreFrancais();
    void classesDuDossier();
};

// Zoé, Adam and Léa typed in that order: the file holds them sorted, one record each.
void TestListeClasse::ce1TroisElevesEn768Octets() {
    QStringList eleves;
    for (const QString& nom : {QStringLiteral("Zoé"), QStringLiteral("Adam"), QStringLiteral("Léa")})
        eleves.insert(ListeClasse::PlaceTriee(eleves, nom), nom);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("CE1.elv"));
    QString raison;
    QVERIFY(ListeClasse::Enregistrer(chemin, eleves, raison));
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), Enregistrement("Adam") +
                                    Enregistrement("L\xE9"
                                                   "a") +
                                    Enregistrement("Zo\xE9"));
    ListeClasse::Contenu contenu;
    QVERIFY(ListeClasse::Charger(chemin, contenu, raison));
    QCOMPARE(contenu.Eleves, (QStringList{"Adam", "Léa", "Zoé"}));
    QCOMPARE(contenu.NbEnregistrements, 3);
}

void TestListeClasse::lectureDesEnregistrements_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QStringList>("eleves");
    QTest::addColumn<int>("enregistrements");
    QTest::newRow("empty file") << QByteArray() << QStringList{} << 0;
    QTest::newRow("an empty pupil") << Enregistrement("") + Enregistrement("Lou") << QStringList{"", "Lou"}
                                    << 2;
    QTest::newRow("cut last record left out")
        << Enregistrement("Adam") + Enregistrement("Zo\xE9").left(100) << QStringList{"Adam"} << 1;
    QTest::newRow("less than one record") << QByteArray(255, '\x05') << QStringList{} << 0;
    QTest::newRow("bytes after the length ignored") << Enregistrement("Ana", 'x') << QStringList{"Ana"} << 1;
    QTest::newRow("length 255 fills the record")
        << Enregistrement(QByteArray(255, 'e')) << QStringList{QString(255, QLatin1Char('e'))} << 1;
    const QStringList cinquante = ListeClasse::Lire(Repeter(50)).Eleves;
    QTest::newRow("60 records: the first 50") << Repeter(60) << cinquante << 60;
    QTest::newRow("the euro and the oe ligature") << Enregistrement("\x80 C\x9C"
                                                                    "ur")
                                                  << QStringList{QStringLiteral("€ Cœur")} << 1;
}

void TestListeClasse::lectureDesEnregistrements() {
    QFETCH(QByteArray, octets);
    QFETCH(QStringList, eleves);
    QFETCH(int, enregistrements);
    const ListeClasse::Contenu contenu = ListeClasse::Lire(octets);
    QCOMPARE(contenu.Eleves, eleves);
    QCOMPARE(contenu.NbEnregistrements, enregistrements);
    QVERIFY(contenu.Eleves.size() <= ListeClasse::MaxEleves);
}

void TestListeClasse::chargerPrendAuPlus50Eleves() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("CM2.elv"));
    QVERIFY(Ecrire(chemin, Repeter(60) + "abc"));
    ListeClasse::Contenu contenu;
    QString raison;
    QVERIFY(ListeClasse::Charger(chemin, contenu, raison));
    QCOMPARE(contenu.Eleves.size(), 50);
    QCOMPARE(contenu.Eleves.back(), QStringLiteral("Eleve49"));
    QCOMPARE(contenu.NbEnregistrements, 60);
}

void TestListeClasse::nomCoupeA255Caracteres() {
    const QByteArray octets = ListeClasse::Octets({QString(300, QLatin1Char('z')), QStringLiteral("Łukasz")});
    QCOMPARE(octets.size(), 512);
    QCOMPARE(octets.left(256), Enregistrement(QByteArray(255, 'z')));
    QCOMPARE(octets.mid(256), Enregistrement("?ukasz"));
}

void TestListeClasse::ordreFrancais_data() {
    QTest::addColumn<QStringList>("tapes");
    QTest::addColumn<QStringList>("liste");
    QTest::newRow("an accented letter with its base letter")
        << QStringList{"Eric", "Émile", "Emma", "Zoé", "Élodie", "Ethan"}
        << QStringList{"Élodie", "Émile", "Emma", "Eric", "Ethan", "Zoé"};
    QTest::newRow("case ignored") << QStringList{"bob", "Alice", "alain", "Bernard"}
                                  << QStringList{"alain", "Alice", "Bernard", "bob"};
    QTest::newRow("cedilla and ligature") << QStringList{"Françoise", "Franck", "Œdipe", "Odile", "Oscar"}
                                          << QStringList{"Franck", "Françoise", "Odile", "Œdipe", "Oscar"};
    QTest::newRow("same but for case: the order of typing")
        << QStringList{"LEA", "Léa", "lea", "Lea"} << QStringList{"LEA", "lea", "Lea", "Léa"};
    QTest::newRow("an empty name first") << QStringList{"Yann", ""} << QStringList{"", "Yann"};
}

// Typed one by one into the sorted list, or read from a file and sorted: the same order.
void TestListeClasse::ordreFrancais() {
    QFETCH(QStringList, tapes);
    QFETCH(QStringList, liste);
    QStringList eleves;
    for (const QString& nom : tapes)
        eleves.insert(ListeClasse::PlaceTriee(eleves, nom), nom);
    QCOMPARE(eleves, liste);
    QCOMPARE(ListeClasse::Trier(tapes), liste);
}

void TestListeClasse::classesDuDossier() {
    QTemporaryDir dossier;
    for (const char* nom :
         {"CM2.elv", "ce1.elv", "Élémentaire.elv", "CM1 B.elv", "CM1.ELV", "notes.txt", "bilan Carrelis.txt"})
        QVERIFY(Ecrire(dossier.filePath(QString::fromUtf8(nom)), QByteArray()));
    QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("dossier.elv")));
    QCOMPARE(ListeClasse::ListerClasses(dossier.path()),
             (QStringList{"ce1.elv", "CM1.ELV", "CM1 B.elv", "CM2.elv", "Élémentaire.elv"}));
}

QTEST_GUILESS_MAIN(TestListeClasse)
#include "tst_ListeClasse.moc"
