// SPDX-License-Identifier: GPL-3.0-or-later
// A classroom's shared program folder, where any account may leave a trap: a link to the teacher's
// own file (dangling or not), a named pipe, something at a lock's place, an old lock it cannot
// remove; a folder the account may only read; a share that drops. Every save and read of the
// program meets each of them: none waits for ever, none writes outside the folder, and each either
// does its work or says in French what it met.
#include "classlists/ListeClasse.h"
#include "core/EcritureFichier.h"
#include "core/Partie.h"
#include "core/Preferences.h"
#include "editor/TexteEnCours.h"
#include "results/Bilan.h"
#include "results/EffacementBilans.h"
#include "results/FichiersBilans.h"
#include "support/BancProgramme.h"
#include "support/EnregistrementPreferences.h"
#include "support/Pieges.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTextDocument>

#include <sys/stat.h>
#include <utime.h>

namespace {

namespace ER = EnregistrementPreferences;

enum class Piege {
    Lien,            // to the teacher's own file, outside the folder
    LienMort,        // to a file that does not exist yet
    Tube,            // a named pipe
    VerrouLienMort,  // a dangling link at the lock's place
    VerrouTube,      // a pipe at the lock's place
    VerrouAbandonne, // another account's old lock, in a folder where only owners remove files
    LectureSeule,    // the folder is the teacher's; this account may only read it
    DossierParti,    // the share dropped
};

enum class Usage {
    EnregistrerPreferences,
    ChargerPreferences,
    EnregistrerClasse,
    ChargerClasse,
    BilanGeneral,
    BilanIndividuel,
    EditeurLitLeBilan,
    EditeurEnregistre,
    EffacerBilanGeneral,
    EffacerBilanIndividuel,
};

const char* const NomsDesUsages[] = {"preferences saved",     "preferences read",    "class list saved",
                                     "class list read",       "general results",     "pupil's results",
                                     "editor reads results",  "editor saves a text", "general results erased",
                                     "pupil's results erased"};

// What a save or read met: done, or refused with what was said.
struct Issue {
    bool Faite = false;
    QString Message;
};

const QString Ailleurs = QStringLiteral("ailleurs/notes.txt");
const QByteArray NotesDeLEnseignante("Mes notes, qui ne regardent personne.\n");

QString FichierDe(Usage operation) {
    switch (operation) {
    case Usage::EnregistrerPreferences:
    case Usage::ChargerPreferences:
        return QStringLiteral("Carrelis.pfr");
    case Usage::EnregistrerClasse:
    case Usage::ChargerClasse:
        return QStringLiteral("CE1.elv");
    case Usage::BilanIndividuel:
    case Usage::EffacerBilanIndividuel:
        return QStringLiteral("Bilan individuel Paul.txt");
    case Usage::EditeurEnregistre:
        return QStringLiteral("lettre.txt");
    default:
        return QStringLiteral("bilan Carrelis.txt");
    }
}

bool ParUnAutreCompte(Piege p) {
    return p == Piege::VerrouAbandonne || p == Piege::LectureSeule;
}

void Vieillir(const QString& chemin, int secondes) {
    const time_t quand = time(nullptr) - secondes;
    const timeval temps[2]{{quand, 0}, {quand, 0}};
    QCOMPARE(::lutimes(QFile::encodeName(chemin).constData(), temps), 0);
}

// What the results files and the editor hold in a folder as the teacher left it.
QByteArray ContenuNormal(Usage o) {
    switch (o) {
    case Usage::ChargerPreferences:
        return Preferences().Octets();
    case Usage::ChargerClasse:
        return ListeClasse::Octets({QStringLiteral("Léa")});
    default:
        return QByteArray("\r\nPaul\r\nCarrelis - Jeu n° 1 : remplir\r\n");
    }
}

} // namespace

Q_DECLARE_METATYPE(Piege)
Q_DECLARE_METATYPE(Usage)

class TestDossierPartage : public QObject {
    Q_OBJECT

  private slots:
    void chaqueFichierResisteAuPiege_data();
    void chaqueFichierResisteAuPiege();

  private:
    Issue Executer(Usage operation, BancProgramme& banc);
};

Issue TestDossierPartage::Executer(Usage operation, BancProgramme& banc) {
    Programme& prog = banc.prog;
    const QString chemin = QDir(prog.Dossier()).filePath(FichierDe(operation));
    Issue issue;
    QString raison;
    const Bilan bilan = ComposerBilan(prog.Profil(), 1, CompteursResultat{}, banc.plate.maintenant, u"Paul");
    switch (operation) {
    case Usage::EnregistrerPreferences:
        issue.Faite = EnregistrerPreferences(prog.Prefs, prog.Profil().FichierPref, raison);
        issue.Message = raison;
        break;
    case Usage::ChargerPreferences:
        issue.Faite = ChargerPreferences(prog.Prefs, prog.Profil().FichierPref, issue.Message);
        break;
    case Usage::EnregistrerClasse:
        issue.Faite = ListeClasse::Enregistrer(chemin, {QStringLiteral("Léa")}, issue.Message);
        break;
    case Usage::ChargerClasse: {
        ListeClasse::Contenu contenu;
        issue.Faite = ListeClasse::Charger(chemin, contenu, issue.Message) &&
                      contenu.Eleves == QStringList{QStringLiteral("Léa")};
        break;
    }
    case Usage::BilanGeneral:
    case Usage::BilanIndividuel: {
        const EcritureBilan ecriture = operation == Usage::BilanGeneral
                                           ? EcrireBilanGeneral(banc.DestinationDesBilans(), bilan)
                                           : EcrireBilanIndividuel(banc.DestinationDesBilans(), bilan);
        issue = {ecriture.Reussie, ecriture.Message};
        break;
    }
    case Usage::EditeurLitLeBilan:
    case Usage::EditeurEnregistre: {
        TexteEnCours texte(prog.Plate(), prog.Dossier(), prog.Profil().FichierBilan);
        if (operation == Usage::EditeurLitLeBilan) {
            texte.Activer(TexteAOuvrir::Bilan(FichierDe(operation)));
            issue.Faite =
                texte.EstUnBilan() && texte.Document().toPlainText().contains(QStringLiteral("Paul"));
        } else {
            texte.Document().setPlainText(QStringLiteral("Chers parents,"));
            texte.NomFichierTexte = chemin;
            texte.TexteNomme = true;
            issue.Faite = texte.Enregistrer();
        }
        issue.Message = banc.plate.avertissements.join(QLatin1Char('\n'));
        break;
    }
    case Usage::EffacerBilanGeneral:
    case Usage::EffacerBilanIndividuel: {
        banc.plate.reponsesQuestions = {true, true}; // erase, and for good if the trash refuses
        const EffacementBilans::CompteRendu compte =
            operation == Usage::EffacerBilanGeneral
                ? EffacementBilans::EffacerBilanGeneral(prog.Plate(), prog.Dossier(),
                                                        prog.Profil().FichierBilan)
                : EffacementBilans::EffacerBilansIndividuels(prog.Plate(), prog.Dossier(),
                                                             {FichierDe(operation)});
        issue.Faite = compte.Accepte && compte.Effaces.size() == 1;
        issue.Message = banc.plate.avertissements.join(QLatin1Char('\n'));
        break;
    }
    }
    return issue;
}

void TestDossierPartage::chaqueFichierResisteAuPiege_data() {
    QTest::addColumn<Piege>("piege");
    QTest::addColumn<Usage>("operation");
    QTest::addColumn<bool>("faite");
    QTest::addColumn<QString>("dit"); // a part of the message; empty: nothing is said

    struct Attendu {
        Usage operation;
        bool faite;
        const char* dit;
    };
    const auto lignes = [](const char* nomPiege, Piege piege, const QList<Attendu>& attendus) {
        for (const Attendu& a : attendus)
            QTest::addRow("%s: %s", nomPiege, NomsDesUsages[int(a.operation)])
                << piege << a.operation << a.faite << QString::fromUtf8(a.dit);
    };
    using O = Usage;
    // A save replaces a link by the file; a read, an append refuse it; erasing takes the link away.
    for (const auto& [nom, piege] :
         {std::pair{"link", Piege::Lien}, std::pair{"dangling link", Piege::LienMort}})
        lignes(nom, piege,
               {{O::EnregistrerPreferences, true, ""},
                {O::ChargerPreferences, false, "lien"},
                {O::EnregistrerClasse, true, ""},
                {O::ChargerClasse, false, "lien"},
                {O::BilanGeneral, false, "lien"},
                {O::BilanIndividuel, false, "lien"},
                {O::EditeurLitLeBilan, false, "lien"},
                {O::EditeurEnregistre, true, ""},
                {O::EffacerBilanGeneral, true, ""},
                {O::EffacerBilanIndividuel, true, ""}});
    lignes("pipe", Piege::Tube,
           {{O::EnregistrerPreferences, false, "tube"},
            {O::ChargerPreferences, false, "tube"},
            {O::EnregistrerClasse, false, "tube"},
            {O::ChargerClasse, false, "tube"},
            {O::BilanGeneral, false, "tube"},
            {O::BilanIndividuel, false, "tube"},
            {O::EditeurLitLeBilan, false, "tube"},
            {O::EditeurEnregistre, false, "tube"},
            {O::EffacerBilanGeneral, true, ""},
            {O::EffacerBilanIndividuel, true, ""}});
    // Reading needs no lock where none can be made; writing does, and says why at once.
    for (const auto& [nom, piege, dit] :
         {std::tuple{"dangling link at the lock", Piege::VerrouLienMort, "un lien vers"},
          std::tuple{"pipe at the lock", Piege::VerrouTube, "un tube nommé"},
          std::tuple{"another account's old lock", Piege::VerrouAbandonne, "laissé par le compte"}})
        lignes(nom, piege,
               {{O::BilanGeneral, false, dit},
                {O::BilanIndividuel, false, dit},
                {O::EditeurLitLeBilan, true, ""},
                {O::EffacerBilanGeneral, false, dit},
                {O::EffacerBilanIndividuel, false, dit}});
    const char* protege = "le dossier du programme est protégé en écriture";
    lignes("read-only folder", Piege::LectureSeule,
           {{O::EnregistrerPreferences, false, protege},
            {O::ChargerPreferences, true, ""},
            {O::EnregistrerClasse, false, protege},
            {O::ChargerClasse, true, ""},
            {O::BilanGeneral, false, protege},
            {O::BilanIndividuel, false, protege},
            {O::EditeurLitLeBilan, true, ""},
            {O::EditeurEnregistre, false, protege},
            {O::EffacerBilanGeneral, false, protege},
            {O::EffacerBilanIndividuel, false, protege}});
    const char* parti = "est introuvable";
    lignes("folder gone", Piege::DossierParti,
           {{O::EnregistrerPreferences, false, parti},
            {O::ChargerPreferences, false, ""}, // as on a first start: the defaults
            {O::EnregistrerClasse, false, parti},
            {O::ChargerClasse, false, parti},
            {O::BilanGeneral, false, parti},
            {O::BilanIndividuel, false, parti},
            {O::EditeurLitLeBilan, false, parti},
            {O::EditeurEnregistre, false, parti},
            {O::EffacerBilanGeneral, false, ""}, // nothing left to erase: nothing asked
            {O::EffacerBilanIndividuel, false, parti}});
}

void TestDossierPartage::chaqueFichierResisteAuPiege() {
    QFETCH(Piege, piege);
    QFETCH(Usage, operation);
    QFETCH(bool, faite);
    QFETCH(QString, dit);
    const GardeContreLAttente garde(30);

    QTemporaryDir racine;
    const QDir dossier(racine.path());
    QVERIFY(dossier.mkpath(QStringLiteral("programme")) && dossier.mkpath(QStringLiteral("ailleurs")) &&
            dossier.mkpath(QStringLiteral("corbeille")));
    const QString programme = dossier.filePath(QStringLiteral("programme"));
    const QString chemin = programme + QLatin1Char('/') + FichierDe(operation);
    const QString verrou = EcritureFichier::FichierVerrou(chemin);
    const QString cible = dossier.filePath(Ailleurs);
    if (piege != Piege::LienMort) QVERIFY(ER::Ecrire(cible, NotesDeLEnseignante));
    const bool lireOuEffacer = operation == Usage::ChargerPreferences || operation == Usage::ChargerClasse ||
                               operation == Usage::EditeurLitLeBilan ||
                               operation == Usage::EffacerBilanGeneral ||
                               operation == Usage::EffacerBilanIndividuel;
    if (piege == Piege::Lien || piege == Piege::LienMort)
        QVERIFY(Pieges::Lien(chemin, QStringLiteral("../") + Ailleurs));
    else if (piege == Piege::Tube)
        QVERIFY(Pieges::Tube(chemin));
    else if (lireOuEffacer || ParUnAutreCompte(piege))
        QVERIFY(ER::Ecrire(chemin, ContenuNormal(operation)));
    if (piege == Piege::VerrouLienMort) QVERIFY(Pieges::Lien(verrou, QStringLiteral("parti")));
    if (piege == Piege::VerrouTube) QVERIFY(Pieges::Tube(verrou));
    if (piege == Piege::VerrouAbandonne) {
        QVERIFY(ER::Ecrire(verrou, "4242\ncarrelis\nposte-du-fond\n"));
        Vieillir(verrou, 60);
        QCOMPARE(::lchown(QFile::encodeName(verrou).constData(), 4242, 4242), 0);
    }
    const QFile::Permissions pourTous = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther;
    QVERIFY(QFile::setPermissions(racine.path(), pourTous));
    QVERIFY(QFile::setPermissions(programme, pourTous));
    QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    // The sticky bit: in this folder every account creates files, and removes only its own.
    if (piege == Piege::VerrouAbandonne)
        QCOMPARE(::chmod(QFile::encodeName(programme).constData(), 01777), 0);

    QDir::setCurrent(programme);
    BancProgramme banc;
    banc.plate.corbeille = dossier.filePath(QStringLiteral("corbeille"));
    if (piege == Piege::DossierParti) QVERIFY(QDir(programme).removeRecursively());

    QElapsedTimer chrono;
    chrono.start();
    Issue issue;
    {
        std::optional<CommeUnAutreCompte> autre;
        if (ParUnAutreCompte(piege)) autre.emplace();
        issue = Executer(operation, banc);
    }
    const qint64 duree = chrono.elapsed();
    QDir::setCurrent(racine.path());

    QVERIFY2(issue.Faite == faite, qPrintable(issue.Message));
    if (dit.isEmpty())
        QVERIFY2(issue.Message.isEmpty(), qPrintable(issue.Message));
    else
        QVERIFY2(issue.Message.contains(dit), qPrintable(issue.Message));
    // Nothing outside the folder changed: the teacher's file is as she left it, or still absent.
    if (piege == Piege::LienMort)
        QVERIFY(!QFile::exists(cible));
    else
        QCOMPARE(ER::Lire(cible), NotesDeLEnseignante);
    // A save that went through put a file in the link's place; one that did not lost nothing.
    if (faite && !lireOuEffacer) QVERIFY(QFileInfo(chemin).isFile() && !QFileInfo(chemin).isSymLink());
    if (piege == Piege::Tube && !faite) QVERIFY(Pieges::EstTube(chemin));
    if ((piege == Piege::Lien || piege == Piege::LienMort) && !faite) QVERIFY(Pieges::EstLien(chemin));
    // Said at once, not after the wait for a busy lock.
    QVERIFY2(duree < EcritureFichier::AttenteVerrou.count() / 4, qPrintable(QString::number(duree)));
    if (piege == Piege::VerrouAbandonne) QCOMPARE(::chmod(QFile::encodeName(programme).constData(), 0755), 0);
}

QTEST_GUILESS_MAIN(TestDossierPartage)
#include "tst_DossierPartage.moc"
