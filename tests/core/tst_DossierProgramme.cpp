// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder: which folder each start-up situation gives, the system-wide setting, the
// preparation of the folder and the messages when it cannot be used.
#include "core/DossierProgramme.h"
#include "support/DisquePlein.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(OrigineDossier)
Q_DECLARE_METATYPE(EtatDossier)

namespace {

// A home, a launch folder and the delivered files, side by side in one temporary folder. In the
// rows, "@" stands for that folder.
struct Poste {
    QTemporaryDir racine;
    QString Chemin(const QString& relatif) const {
        return QDir::cleanPath(QString(relatif).replace(QLatin1Char('@'), racine.path()));
    }
    void Ecrire(const QString& relatif, const QByteArray& contenu = "x") const {
        const QString chemin = Chemin(relatif);
        QDir().mkpath(QFileInfo(chemin).path());
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QByteArray Lire(const QString& relatif) const {
        QFile f(Chemin(relatif));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Vieillir(const QString& relatif, int jours) const {
        QFile f(Chemin(relatif));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(
            f.setFileTime(QDateTime::currentDateTime().addDays(-jours), QFileDevice::FileModificationTime));
    }
    // What the start-up of carrelis sees on this computer.
    SituationDemarrage Situation(const QString& courant, const QString& option,
                                 const QString& reglage) const {
        Ecrire(QStringLiteral("@/livre/AIDE_CARRELIS.HLP"), "aide livrée");
        Ecrire(QStringLiteral("@/livre/Fond4.bmp"), "fond livré");
        Ecrire(QStringLiteral("@/livre/Carrelis_Titre.bmp"));
        QFile::link(Chemin(QStringLiteral("@/livre")), Chemin(QStringLiteral("@/lien")));
        QDir().mkpath(Chemin(QStringLiteral("@/maison")));
        QDir().mkpath(Chemin(courant));
        return {Chemin(courant),
                Chemin(QStringLiteral("@/maison")),
                Chemin(QStringLiteral("@/livre")),
                option.startsWith(QLatin1Char('@')) ? Chemin(option) : option,
                QString(reglage).replace(QLatin1Char('@'), racine.path()),
                QStringLiteral("/etc/carrelis.conf")};
    }
};

} // namespace

class TestDossierProgramme : public QObject {
    Q_OBJECT

  private slots:
    void choix_data();
    void choix();
    void reglageSysteme_data();
    void reglageSysteme();
    void preparation_data();
    void preparation();
    void copieDesFichiersLivres_data();
    void copieDesFichiersLivres();
    void repliEtMessages_data();
    void repliEtMessages();
};

void TestDossierProgramme::choix_data() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("courant");
    QTest::addColumn<QStringList>("fichiersCourant"); // files already in the launch folder
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("reglage");
    QTest::addColumn<OrigineDossier>("origine");
    QTest::addColumn<QString>("attendu");
    using O = OrigineDossier;
    const QString classe = QStringLiteral("dossier = @/partage/CM1");
    QTest::newRow("nothing: a visible folder in the home") << "carrelis"
                                                           << "@/bureau" << QStringList{} << ""
                                                           << "" << O::Personnel << "@/maison/Carrelis";
    QTest::newRow("navirelle has its own") << "navirelle"
                                           << "@/bureau" << QStringList{} << ""
                                           << "" << O::Personnel << "@/maison/Navirelle";
    QTest::newRow("a copy run in place (help file)")
        << "carrelis"
        << "@/copie" << QStringList{"AIDE_CARRELIS.HLP"} << "" << classe << O::DossierCourant << "@/copie";
    QTest::newRow("a teacher's old folder (preferences only)")
        << "carrelis"
        << "@/ancien" << QStringList{"Carrelis.pfr"} << ""
        << "" << O::DossierCourant << "@/ancien";
    QTest::newRow("the other program's files are not ours")
        << "carrelis"
        << "@/ailleurs" << QStringList{"Navirelle.pfr", "AIDE_NAVIRELLE.HLP"} << ""
        << "" << O::Personnel << "@/maison/Carrelis";
    QTest::newRow("a results file alone does not make a program folder")
        << "carrelis"
        << "@/bureau" << QStringList{"bilan Carrelis.txt"} << ""
        << "" << O::Personnel << "@/maison/Carrelis";
    QTest::newRow("started inside the delivered files") << "carrelis"
                                                        << "@/livre" << QStringList{} << ""
                                                        << "" << O::Personnel << "@/maison/Carrelis";
    QTest::newRow("started inside them through a link") << "carrelis"
                                                        << "@/lien" << QStringList{} << ""
                                                        << "" << O::Personnel << "@/maison/Carrelis";
    QTest::newRow("the classroom setting")
        << "carrelis"
        << "@/bureau" << QStringList{} << "" << classe << O::ReglageSysteme << "@/partage/CM1";
    QTest::newRow("the option wins over everything")
        << "carrelis"
        << "@/copie" << QStringList{"AIDE_CARRELIS.HLP"} << "@/cle/Carrelis" << classe << O::Option
        << "@/cle/Carrelis";
    QTest::newRow("an option the shell left with its ~") << "carrelis"
                                                         << "@/bureau" << QStringList{} << "~/Classe"
                                                         << "" << O::Option << "@/maison/Classe";
    QTest::newRow("a relative option starts from the launch folder")
        << "carrelis"
        << "@/bureau" << QStringList{} << "../classe/./CE2"
        << "" << O::Option << "@/classe/CE2";
    // Qt takes a name starting with ":" for one of its built-in resources.
    QTest::newRow("an option starting with a colon is a folder on the disk")
        << "carrelis"
        << "@/bureau" << QStringList{} << ":partage/../:CE2"
        << "" << O::Option << "@/bureau/:CE2";
}

void TestDossierProgramme::choix() {
    QFETCH(QString, programme);
    QFETCH(QString, courant);
    QFETCH(QStringList, fichiersCourant);
    QFETCH(QString, option);
    QFETCH(QString, reglage);
    QFETCH(OrigineDossier, origine);
    QFETCH(QString, attendu);
    Poste poste;
    const SituationDemarrage situation = poste.Situation(courant, option, reglage);
    for (const QString& fichier : fichiersCourant)
        poste.Ecrire(courant + QLatin1Char('/') + fichier);
    const DossierChoisi choix = ChoisirDossier(
        programme == QLatin1String("carrelis") ? ProfilCarrelis() : ProfilNavirelle(), situation);
    QCOMPARE(choix.Chemin, poste.Chemin(attendu));
    QCOMPARE(choix.Origine, origine);
}

void TestDossierProgramme::reglageSysteme_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu"); // "~" stands for the home
    QTest::newRow("plain") << "dossier=/srv/classe"
                           << "/srv/classe";
    QTest::newRow("blanks and capitals") << "  Dossier =   /srv/classe  "
                                         << "/srv/classe";
    QTest::newRow("tabs around the sign") << "dossier\t=\t/srv/classe"
                                          << "/srv/classe";
    QTest::newRow("blank inside the name") << "dossier = /srv/CM1 B"
                                           << "/srv/CM1 B";
    QTest::newRow("quoted name") << "dossier = \"/srv/CM1 B\""
                                 << "/srv/CM1 B";
    QTest::newRow("single quotes") << "dossier='/srv/CM1 B'"
                                   << "/srv/CM1 B";
    QTest::newRow("a lone quote is part of the name") << "dossier = /srv/l'école"
                                                      << "/srv/l'école";
    QTest::newRow("Windows line ends") << "# classe\r\ndossier = /srv/a\r\n"
                                       << "/srv/a";
    QTest::newRow("section header of an ini file") << "[General]\ndossier=/srv/a\n"
                                                   << "/srv/a";
    QTest::newRow("the last line wins") << "dossier = /srv/a\ndossier = /srv/b\n"
                                        << "/srv/b";
    QTest::newRow("commented with #") << "# dossier = /srv/a\n"
                                      << "";
    QTest::newRow("commented with ;") << "; dossier = /srv/a\n"
                                      << "";
    QTest::newRow("empty value does not undo an earlier one") << "dossier = /srv/a\ndossier =\n"
                                                              << "/srv/a";
    QTest::newRow("another key") << "dossiers = /srv/a\nrepertoire = /srv/b\n"
                                 << "";
    QTest::newRow("each user's own folder") << "dossier = ~/Documents/Carrelis"
                                            << "~/Documents/Carrelis";
    QTest::newRow("the home itself") << "dossier = ~"
                                     << "~";
    QTest::newRow("relative starts from the home") << "dossier = Classe/../CM2"
                                                   << "~/CM2";
    QTest::newRow("relative, starting with a colon") << "dossier = :CM2"
                                                     << "~/:CM2";
    QTest::newRow("no file") << ""
                             << "";
}

void TestDossierProgramme::reglageSysteme() {
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    const QString maison = QStringLiteral("/home/eleve");
    QCOMPARE(LireReglageDossier(texte, maison), QString(attendu).replace(QLatin1Char('~'), maison));
}

void TestDossierProgramme::preparation_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<bool>("creerParents");
    QTest::addColumn<EtatDossier>("etat");
    QTest::addColumn<bool>("existe");
    using E = EtatDossier;
    QTest::newRow("existing folder") << "@/maison" << false << E::Pret << true;
    QTest::newRow("created") << "@/maison/Carrelis" << false << E::Pret << true;
    QTest::newRow("created with its parents") << "@/maison/a/b/Carrelis" << true << E::Pret << true;
    // A share that is not mounted must not be replaced by a local folder of the same name.
    QTest::newRow("shared folder whose parent is missing")
        << "@/partage/CM1" << false << E::Introuvable << false;
    QTest::newRow("a file in the way") << "@/maison/fichier" << true << E::Introuvable << false;
    // Not even root may write there, so the row holds whoever runs the tests.
    QTest::newRow("folder nobody may write") << "/proc" << false << E::NonInscriptible << true;
    QTest::newRow("cannot be created at all") << "/proc/Carrelis" << true << E::Introuvable << false;
}

void TestDossierProgramme::preparation() {
    QFETCH(QString, chemin);
    QFETCH(bool, creerParents);
    QFETCH(EtatDossier, etat);
    QFETCH(bool, existe);
    Poste poste;
    poste.Situation(QStringLiteral("@/bureau"), {}, {});
    poste.Ecrire(QStringLiteral("@/maison/fichier"));
    const QString dossier = poste.Chemin(chemin);
    QCOMPARE(PreparerDossier(dossier, creerParents, poste.Chemin(QStringLiteral("@/livre")), {}), etat);
    QCOMPARE(QFileInfo(dossier).isDir(), existe);
    if (etat == EtatDossier::Pret) // the trial file leaves no trace
        QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 chemin == QLatin1String("@/maison") ? 1 : 0);
}

void TestDossierProgramme::copieDesFichiersLivres_data() {
    QTest::addColumn<QByteArray>("present"); // the help already in the folder; empty: none
    QTest::addColumn<int>("ageJours");       // its age against the delivered one (negative: newer)
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("missing: copied") << QByteArray() << 0 << QByteArray("aide livrée");
    QTest::newRow("older: the new version replaces it")
        << QByteArray("ancienne aide") << 30 << QByteArray("aide livrée");
    QTest::newRow("changed by the teacher since: kept")
        << QByteArray("aide de la maîtresse") << -30 << QByteArray("aide de la maîtresse");
}

void TestDossierProgramme::copieDesFichiersLivres() {
    QFETCH(QByteArray, present);
    QFETCH(int, ageJours);
    QFETCH(QByteArray, attendu);
    Poste poste;
    const SituationDemarrage situation = poste.Situation(QStringLiteral("@/bureau"), {}, {});
    poste.Vieillir(QStringLiteral("@/livre/AIDE_CARRELIS.HLP"), 60);
    if (!present.isEmpty()) {
        poste.Ecrire(QStringLiteral("@/maison/Carrelis/AIDE_CARRELIS.HLP"), present);
        poste.Vieillir(QStringLiteral("@/maison/Carrelis/AIDE_CARRELIS.HLP"), 60 + ageJours);
    }
    const DossierDeTravail dossier = EtablirDossier(ProfilCarrelis(), situation);
    QCOMPARE(dossier.Chemin, poste.Chemin(QStringLiteral("@/maison/Carrelis")));
    QVERIFY(dossier.Avertissements.isEmpty());
    QCOMPARE(poste.Lire(QStringLiteral("@/maison/Carrelis/AIDE_CARRELIS.HLP")), attendu);
    QCOMPARE(poste.Lire(QStringLiteral("@/maison/Carrelis/Fond4.bmp")), QByteArray("fond livré"));
    // Not delivered (Carrelis.bmp), so not made up; nothing half-copied stays behind.
    QCOMPARE(QDir(dossier.Chemin).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"AIDE_CARRELIS.HLP", "Carrelis_Titre.bmp", "Fond4.bmp"}));
    QVERIFY(QFileInfo(dossier.Chemin + QStringLiteral("/Fond4.bmp")).isWritable());
}

void TestDossierProgramme::repliEtMessages_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("reglage");
    QTest::addColumn<QString>("maison");  // empty: the usual one
    QTest::addColumn<QString>("attendu"); // the folder used
    QTest::addColumn<QStringList>("dit"); // what the single message says; empty: no message
    QTest::addColumn<bool>("disquePlein");
    QTest::newRow("all is well") << ""
                                 << ""
                                 << ""
                                 << "@/maison/Carrelis" << QStringList{} << false;
    QTest::newRow("option names a folder nobody may write")
        << "/proc"
        << ""
        << ""
        << "@/maison/Carrelis"
        << QStringList{"Carrelis ne peut pas écrire dans son dossier « /proc »", "l'option --dossier",
                       "rangés cette fois dans « @/maison/Carrelis »"}
        << false;
    QTest::newRow("classroom share not mounted")
        << ""
        << "dossier = @/partage/CM1"
        << ""
        << "@/maison/Carrelis"
        << QStringList{"ne trouve pas son dossier « @/partage/CM1 »", "réglé dans /etc/carrelis.conf",
                       "rangés cette fois dans « @/maison/Carrelis »"}
        << false;
    QTest::newRow("home cannot be written either")
        << ""
        << ""
        << "/proc"
        << "@/bureau"
        << QStringList{"ne trouve pas son dossier « /proc/Carrelis » (le dossier personnel)",
                       "ne pourront pas être enregistrés"}
        << false;
    QTest::newRow("share read-only and no home: read what the share holds")
        << "/proc"
        << ""
        << "/proc"
        << "/proc"
        << QStringList{"ne peut pas écrire dans son dossier « /proc »", "ne pourront pas être enregistrés"}
        << false;
    // Its class lists and results are there, and erasing results is what makes room.
    QTest::newRow("the share's disk is full: it stays the program folder")
        << "@/bureau"
        << ""
        << ""
        << "@/bureau"
        << QStringList{"Le disque du dossier « @/bureau » de Carrelis (donné par l'option --dossier) est "
                       "plein",
                       "Gestion des bilans"}
        << true;
}

void TestDossierProgramme::repliEtMessages() {
    QFETCH(QString, option);
    QFETCH(QString, reglage);
    QFETCH(QString, maison);
    QFETCH(QString, attendu);
    QFETCH(QStringList, dit);
    QFETCH(bool, disquePlein);
    Poste poste;
    SituationDemarrage situation = poste.Situation(QStringLiteral("@/bureau"), option, reglage);
    if (!maison.isEmpty()) situation.DossierPersonnel = maison;
    std::optional<DisquePlein> plein;
    if (disquePlein) QVERIFY(plein.emplace(0).Actif());
    const DossierDeTravail dossier = EtablirDossier(ProfilCarrelis(), situation);
    plein.reset();
    QCOMPARE(dossier.Chemin, poste.Chemin(attendu));
    QCOMPARE(dossier.Avertissements.size(), dit.isEmpty() ? 0 : 1);
    for (const QString& morceau : dit)
        QVERIFY2(
            dossier.Avertissements.constFirst().contains(QString(morceau).replace('@', poste.racine.path())),
            qPrintable(dossier.Avertissements.constFirst()));
    if (attendu == QLatin1String("@/maison/Carrelis"))
        QVERIFY(QFileInfo::exists(poste.Chemin(QStringLiteral("@/maison/Carrelis/Fond4.bmp"))));
}

QTEST_GUILESS_MAIN(TestDossierProgramme)
#include "tst_DossierProgramme.moc"
