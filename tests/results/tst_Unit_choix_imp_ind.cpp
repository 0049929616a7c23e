// SPDX-License-Identifier: GPL-3.0-or-later
// The report chooser driven by mouse and keyboard: which classes and pupils it offers, which
// file it leaves for the editor, and every way out.
#include "core/Programme.h"
#include "results/Unit_choix_imp_ind.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// A program whose folder holds the given files, and its chooser; the current directory is
// elsewhere, as a file dialog may have left it.
struct Banc {
    explicit Banc(const QStringList& fichiers) : prog(ProfilCarrelis(), plate) {
        prog.InitValeurs();
        prog.RepProgramme = programme.path();
        for (const QString& nom : fichiers) {
            QFile fichier(QDir(programme.path()).filePath(nom));
            if (!fichier.open(QIODevice::WriteOnly)) qWarning("cannot write %s", qPrintable(nom));
        }
        initial = QDir::currentPath();
        QDir::setCurrent(ailleurs.path());
        fenetre = std::make_unique<TF_choix_imp_ind>(plate);
    }
    ~Banc() { QDir::setCurrent(initial); }

    // Shows the chooser modal, does the work once it is up, and tells whether it was accepted;
    // its answer is kept.
    bool Executer(const std::function<void()>& travail) {
        QTimer::singleShot(0, fenetre.get(), [this, travail] {
            travail();
            if (fenetre->isVisible()) fenetre->reject();
        });
        reponse = fenetre->Choisir(prog.Dossier());
        return fenetre->result() == QDialog::Accepted;
    }
    // The results file the editor is to show; empty when none.
    QString Fichier() const {
        if (!reponse) return {};
        return reponse->Sorte == TexteAOuvrir::Mode::Bilan ? reponse->Fichier : QStringLiteral("?");
    }
    QListWidget* Classes() const { return fenetre->findChild<QListWidget*>(QStringLiteral("ListBox3")); }
    QListWidget* Eleves() const { return fenetre->findChild<QListWidget*>(QStringLiteral("ListBox1")); }
    QString Message() const { return fenetre->findChild<QLabel*>(QStringLiteral("Label2"))->text(); }
    static QStringList Textes(const QListWidget* liste) {
        QStringList textes;
        for (int i = 0; i < liste->count(); ++i)
            textes.append(liste->item(i)->text());
        return textes;
    }
    static void Cliquer(QListWidget* liste, const QString& texte) {
        const auto trouves = liste->findItems(texte, Qt::MatchExactly);
        if (trouves.isEmpty()) return;
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(trouves.first()).center());
    }

    QTemporaryDir programme, ailleurs;
    QString initial;
    PlateFormeTest plate;
    Programme prog;
    std::unique_ptr<TF_choix_imp_ind> fenetre;
    std::optional<TexteAOuvrir> reponse;
};

const QStringList DeuxClasses{"CE1.elv",
                              "CM2.elv",
                              "Bilan CM2 Léa.txt",
                              "Bilan CM2 Émile.txt",
                              "Bilan CE1 Paul.txt",
                              "Bilan individuel Max.txt",
                              "Bilan CM2.txt"};

} // namespace

class TestU_choix_imp_ind : public QObject {
    Q_OBJECT

  private slots:
    void listesALouverture_data();
    void listesALouverture();
    void fichierLaissePourLEditeur_data();
    void fichierLaissePourLEditeur();
    void auClavierSeul();
    void nomsEtAnnoncesPourLecteurDEcran();
};

void TestU_choix_imp_ind::listesALouverture_data() {
    QTest::addColumn<QStringList>("fichiers");
    QTest::addColumn<QString>("classe"); // clicked after opening, if any
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QStringList>("eleves");
    QTest::addColumn<QString>("message");
    QTest::newRow("two classes and the pupils without one")
        << DeuxClasses << "" << QStringList{"CE1", "CM2", "individuels"} << QStringList{} << "";
    QTest::newRow("CM2 chosen: its pupils, in French order")
        << DeuxClasses << "CM2" << QStringList{"CE1", "CM2", "individuels"} << QStringList{"Émile", "Léa"}
        << "";
    QTest::newRow("individuels") << DeuxClasses << "individuels" << QStringList{"CE1", "CM2", "individuels"}
                                 << QStringList{"Max"} << "";
    QTest::newRow("a class without results")
        << QStringList{"CE1.elv", "Bilan individuel Max.txt"} << "CE1" << QStringList{"CE1", "individuels"}
        << QStringList{} << "Il n'y a pas de bilans individuels pour cette classe.";
    QTest::newRow("no class list: the pupils at once")
        << QStringList{"Bilan individuel Max.txt", "Bilan individuel Ana.txt", "bilan Carrelis.txt"} << ""
        << QStringList{} << QStringList{"Ana", "Max"} << "";
    QTest::newRow("nothing at all") << QStringList{} << "" << QStringList{} << QStringList{}
                                    << "Il n'y a pas de bilans individuels.";
}

void TestU_choix_imp_ind::listesALouverture() {
    QFETCH(QStringList, fichiers);
    QFETCH(QString, classe);
    QFETCH(QStringList, classes);
    QFETCH(QStringList, eleves);
    QFETCH(QString, message);
    Banc banc(fichiers);
    banc.Executer([&] {
        Banc::Cliquer(banc.Classes(), classe);
        QCOMPARE(Banc::Textes(banc.Classes()), classes);
        QCOMPARE(Banc::Textes(banc.Eleves()), eleves);
        QCOMPARE(banc.Message(), message);
    });
}

void TestU_choix_imp_ind::fichierLaissePourLEditeur_data() {
    QTest::addColumn<QStringList>("clics"); // "classe:CM2", "eleve:Léa"
    QTest::addColumn<QString>("sortie");    // Valider, Entree, Escape, Fermer
    QTest::addColumn<bool>("acceptee");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("a pupil, then Valider")
        << QStringList{"classe:CM2", "eleve:Léa"} << "Valider" << true << "Bilan CM2 Léa.txt";
    QTest::newRow("Enter on a pupil opens it")
        << QStringList{"classe:CM2", "eleve:Émile"} << "Entree" << true << "Bilan CM2 Émile.txt";
    QTest::newRow("Valider without a pupil opens nothing")
        << QStringList{"classe:CM2"} << "Valider" << true << "";
    QTest::newRow("another class forgets the pupil")
        << QStringList{"classe:CM2", "eleve:Léa", "classe:CE1"} << "Valider" << true << "";
    QTest::newRow("Escape opens nothing")
        << QStringList{"classe:CM2", "eleve:Léa"} << "Escape" << false << "";
    QTest::newRow("the close button opens nothing")
        << QStringList{"classe:CM2", "eleve:Léa"} << "Fermer" << false << "";
    QTest::newRow("without a class") << QStringList{"classe:individuels", "eleve:Max"} << "Valider" << true
                                     << "Bilan individuel Max.txt";
}

void TestU_choix_imp_ind::fichierLaissePourLEditeur() {
    QFETCH(QStringList, clics);
    QFETCH(QString, sortie);
    QFETCH(bool, acceptee);
    QFETCH(QString, fichier);
    Banc banc(DeuxClasses);
    const bool accepte = banc.Executer([&] {
        for (const QString& clic : clics) {
            const QString quoi = clic.section(QLatin1Char(':'), 0, 0),
                          texte = clic.section(QLatin1Char(':'), 1);
            if (quoi == QLatin1String("classe")) Banc::Cliquer(banc.Classes(), texte);
            if (quoi == QLatin1String("eleve")) Banc::Cliquer(banc.Eleves(), texte);
        }
        if (sortie == QLatin1String("Valider"))
            QTest::mouseClick(banc.fenetre->findChild<QPushButton*>(QStringLiteral("Bouton_Quitter")),
                              Qt::LeftButton);
        if (sortie == QLatin1String("Entree")) QTest::keyClick(banc.Eleves(), Qt::Key_Return);
        if (sortie == QLatin1String("Escape")) QTest::keyClick(banc.Eleves(), Qt::Key_Escape);
        if (sortie == QLatin1String("Fermer")) banc.fenetre->close();
    });
    QCOMPARE(accepte, acceptee);
    QCOMPARE(banc.Fichier(), fichier);
    if (!fichier.isEmpty()) QVERIFY(QFile::exists(QDir(banc.programme.path()).filePath(fichier)));
    QCOMPARE(banc.Eleves()->count(), 0);
}

// Tab to the classes, arrows to a class, Enter to its pupils, arrows to a pupil, Enter opens.
void TestU_choix_imp_ind::auClavierSeul() {
    Banc banc(DeuxClasses);
    const bool accepte = banc.Executer([&] {
        QCOMPARE(banc.fenetre->focusWidget(), banc.Classes());
        // The list taking the focus makes its first entry current; the arrows choose.
        QTest::keyClick(banc.Classes(), Qt::Key_Down);
        QCOMPARE(banc.Classes()->currentItem()->text(), QStringLiteral("CM2"));
        QTest::keyClick(banc.Classes(), Qt::Key_Return);
        QCOMPARE(banc.fenetre->focusWidget(), banc.Eleves());
        QTest::keyClick(banc.Eleves(), Qt::Key_Down);
        QTest::keyClick(banc.Eleves(), Qt::Key_Return);
    });
    QVERIFY(accepte);
    QCOMPARE(banc.Fichier(), QStringLiteral("Bilan CM2 Léa.txt"));
}

void TestU_choix_imp_ind::nomsEtAnnoncesPourLecteurDEcran() {
    Banc banc({"CE1.elv"});
    banc.Executer([&] {
        auto nom = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(nom(banc.Classes()), QStringLiteral("Classes"));
        QCOMPARE(nom(banc.Eleves()), QStringLiteral("Elèves"));
        QCOMPARE(QAccessible::queryAccessibleInterface(banc.Classes())->role(), QAccessible::List);
        Banc::Cliquer(banc.Classes(), QStringLiteral("CE1"));
        auto* message = banc.fenetre->findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(nom(message), QStringLiteral("Il n'y a pas de bilans individuels pour cette classe."));
        QVERIFY(banc.plate.annonces.contains({message, QAccessible::NameChanged}));
    });
}

QTEST_MAIN(TestU_choix_imp_ind)
#include "tst_Unit_choix_imp_ind.moc"
