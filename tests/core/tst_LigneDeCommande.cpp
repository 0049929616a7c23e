// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of both programs and the texts of --version and --help.
#include "core/LigneDeCommande.h"

#include <QTest>

Q_DECLARE_METATYPE(LigneDeCommande::Demande)
Q_DECLARE_METATYPE(ProfilProgramme)

class TestLigneDeCommande : public QObject {
    Q_OBJECT

  private slots:
    void lecture_data();
    void lecture();
    void textes_data();
    void textes();
};

void TestLigneDeCommande::lecture_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<LigneDeCommande::Demande>("action");
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QString>("erreur"); // a part of the message; empty: no error
    using D = LigneDeCommande::Demande;
    QTest::newRow("none") << QStringList{} << D::Lancer << ""
                          << "";
    QTest::newRow("version") << QStringList{"--version"} << D::Version << ""
                             << "";
    QTest::newRow("help") << QStringList{"--help"} << D::Aide << ""
                          << "";
    QTest::newRow("short help") << QStringList{"-h"} << D::Aide << ""
                                << "";
    QTest::newRow("folder") << QStringList{"--dossier", "/srv/classe"} << D::Lancer << "/srv/classe"
                            << "";
    QTest::newRow("folder with =") << QStringList{"--dossier=/srv/CM1 B"} << D::Lancer << "/srv/CM1 B"
                                   << "";
    QTest::newRow("folder given twice: the last")
        << QStringList{"--dossier", "a", "--dossier=b"} << D::Lancer << "b"
        << "";
    QTest::newRow("Qt's own options pass")
        << QStringList{"-platform", "offscreen", "--dossier", "d", "-reverse"} << D::Lancer << "d"
        << "";
    QTest::newRow("help after the folder") << QStringList{"--dossier", "d", "--help"} << D::Aide << ""
                                           << "";
    QTest::newRow("folder without its name") << QStringList{"--dossier"} << D::Erreur << ""
                                             << "carrelis : l'option --dossier attend le nom d'un dossier.";
    QTest::newRow("folder with an empty name") << QStringList{"--dossier", ""} << D::Erreur << ""
                                               << "l'option --dossier attend";
    QTest::newRow("folder with = and nothing") << QStringList{"--dossier="} << D::Erreur << ""
                                               << "l'option --dossier attend";
    QTest::newRow("misspelt option") << QStringList{"--dosier", "d"} << D::Erreur << ""
                                     << "carrelis : option inconnue « --dosier ».";
    QTest::newRow("an error before --help is still one") << QStringList{"--aide", "--help"} << D::Erreur << ""
                                                         << "option inconnue « --aide »";
    QTest::newRow("the error says where to look") << QStringList{"--x"} << D::Erreur << ""
                                                  << "Essayez « carrelis --help »";
    QTest::newRow("a stray word") << QStringList{"fichier.txt"} << D::Erreur << ""
                                  << "carrelis : argument inattendu « fichier.txt ».";
    QTest::newRow("a stray word after the folder") << QStringList{"--dossier", "d", "CM1"} << D::Erreur << ""
                                                   << "argument inattendu « CM1 »";
    QTest::newRow("a lone dash") << QStringList{"-"} << D::Erreur << ""
                                 << "argument inattendu « - »";
    QTest::newRow("the values of Qt's options pass")
        << QStringList{"-style", "fusion", "-qwindowtitle", "Classe", "-session", "s1"} << D::Lancer << ""
        << "";
}

void TestLigneDeCommande::lecture() {
    QFETCH(QStringList, arguments);
    QFETCH(LigneDeCommande::Demande, action);
    QFETCH(QString, dossier);
    QFETCH(QString, erreur);
    const LigneDeCommande ligne = LireLigneDeCommande(arguments, ProfilCarrelis());
    QCOMPARE(ligne.Action, action);
    QCOMPARE(ligne.Dossier, dossier);
    QVERIFY2(erreur.isEmpty() ? ligne.Erreur.isEmpty() : ligne.Erreur.contains(erreur),
             qPrintable(ligne.Erreur));
    if (!erreur.isEmpty()) QVERIFY(ligne.Erreur.endsWith(QLatin1Char('\n')));
}

void TestLigneDeCommande::textes_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QStringList>("aideDit");
    QTest::newRow("carrelis") << ProfilCarrelis()
                              << QStringList{
                                     "Utilisation : carrelis [--dossier DOSSIER]",
                                     "/etc/carrelis.conf",
                                     "(~/Carrelis)",
                                     "« AIDE_CARRELIS.HLP »",
                                     "tables d'addition",
                                     "quand elles manquent ou sont plus anciennes que celles livrées"};
    QTest::newRow("navirelle") << ProfilNavirelle()
                               << QStringList{"Utilisation : navirelle [--dossier DOSSIER]",
                                              "/etc/navirelle.conf", "(~/Navirelle)", "« Navirelle.pfr »"};
}

void TestLigneDeCommande::textes() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QStringList, aideDit);
    // The version the packages carry is the one the program says.
    QCOMPARE(TexteVersion(profil),
             QStringLiteral("%1 version " VERSION_PAQUET " (2000 - 2002)\n").arg(profil.Titre));
    const QString aide = TexteAide(profil);
    for (const QString& morceau : aideDit)
        QVERIFY2(aide.contains(morceau), qPrintable(morceau));
    QVERIFY(aide.endsWith(QLatin1Char('\n')));
    for (const QString& ligne : aide.split(QLatin1Char('\n')))
        QVERIFY2(ligne.size() <= 80, qPrintable(ligne));
}

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "tst_LigneDeCommande.moc"
