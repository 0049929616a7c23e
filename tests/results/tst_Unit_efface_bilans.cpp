// SPDX-License-Identifier: GPL-3.0-or-later
// The report manager driven as a teacher would: what it finds, what its buttons erase after the
// question, and what it says afterwards.
#include "core/AideContextuelle.h"
#include "core/Programme.h"
#include "results/Unit_efface_bilans.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QApplication>
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

Q_DECLARE_METATYPE(ProfilProgramme)

namespace {

struct Banc {
    Banc(const ProfilProgramme& profil, const QStringList& fichiers) : prog(profil, plate) {
        prog.InitValeurs();
        prog.RepProgramme = programme.path();
        plate.corbeille = poubelle.path();
        for (const QString& nom : fichiers) {
            QFile fichier(QDir(programme.path()).filePath(nom));
            if (!fichier.open(QIODevice::WriteOnly)) qWarning("cannot write %s", qPrintable(nom));
        }
        fenetre = std::make_unique<TF_efface_bilans>(plate, prog.Profil().FichierBilan);
    }
    // Opens the window modal, runs the work, leaves through "Quitter".
    void Executer(const std::function<void()>& travail) {
        QTimer::singleShot(0, fenetre.get(), [this, travail] {
            travail();
            QTest::mouseClick(Bouton("Bouton_Quitter"), Qt::LeftButton);
        });
        fenetre->Gerer(prog.Dossier());
    }
    QPushButton* Bouton(const char* nom) const {
        return fenetre->findChild<QPushButton*>(QLatin1String(nom));
    }
    QString Texte(const char* label) const {
        return fenetre->findChild<QLabel*>(QLatin1String(label))->text();
    }
    QStringList Liste() const {
        auto* liste = fenetre->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QStringList textes;
        for (int i = 0; i < liste->count(); ++i)
            textes.append(liste->item(i)->text());
        return textes;
    }
    QStringList Dossier() const { return QDir(programme.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir programme, poubelle;
    PlateFormeTest plate;
    Programme prog;
    std::unique_ptr<TF_efface_bilans> fenetre;
};

const QStringList Classe{"CM1.elv", "bilan navirelle.txt", "Bilan CM1 Léa.txt", "Bilan individuel Paul.txt",
                         "Bilan trimestre.rtf"};

} // namespace

class TestU_efface_bilans : public QObject {
    Q_OBJECT

  private slots:
    void cliquerUnBouton_data();
    void cliquerUnBouton();
    void reouvertureAPresEffacement();
    void nomsEtAnnoncesPourLecteurDEcran();
    void f1OuvreLAideDesBilans();
};

void TestU_efface_bilans::cliquerUnBouton_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QList<bool>>("reponses");
    QTest::addColumn<QStringList>("restent");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QStringList>("liste");
    const QStringList individuels{"Bilan CM1 Léa.txt", "Bilan individuel Paul.txt"};
    QTest::newRow("general, yes") << "BoutonEffaceG" << QList<bool>{true}
                                  << QStringList{"Bilan CM1 Léa.txt", "Bilan individuel Paul.txt",
                                                 "Bilan trimestre.rtf", "CM1.elv"}
                                  << "Le bilan général a été effacé. Il est dans la corbeille."
                                  << "Pas de bilan général" << individuels;
    QTest::newRow("general, no") << "BoutonEffaceG" << QList<bool>{false} << Classe << ""
                                 << "Le bilan général a été trouvé" << individuels;
    QTest::newRow("individuals, yes: the teacher's own file stays")
        << "BoutonEffaceI" << QList<bool>{true}
        << QStringList{"Bilan trimestre.rtf", "CM1.elv", "bilan navirelle.txt"}
        << "Bilans individuels effacés. Ils sont dans la corbeille."
        << "Le bilan général a été trouvé" << QStringList{};
    QTest::newRow("individuals, no") << "BoutonEffaceI" << QList<bool>{false} << Classe << ""
                                     << "Le bilan général a été trouvé" << individuels;
}

void TestU_efface_bilans::cliquerUnBouton() {
    QFETCH(QString, bouton);
    QFETCH(QList<bool>, reponses);
    QFETCH(QStringList, restent);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(QStringList, liste);
    Banc banc(ProfilNavirelle(), Classe);
    banc.plate.reponsesQuestions = reponses;
    banc.Executer([&] {
        QVERIFY(banc.Bouton("BoutonEffaceG")->isEnabled());
        QVERIFY(banc.Bouton("BoutonEffaceI")->isEnabled());
        QTest::mouseClick(banc.Bouton(qPrintable(bouton)), Qt::LeftButton);
        QCOMPARE(banc.Texte("Label1"), label1);
        QCOMPARE(banc.Texte("Label2"), label2);
        QCOMPARE(banc.Liste(), liste);
        QCOMPARE(banc.Bouton("BoutonEffaceG")->isEnabled(), label2 != QStringLiteral("Pas de bilan général"));
        QCOMPARE(banc.Bouton("BoutonEffaceI")->isEnabled(), !liste.isEmpty());
        // A button gone grey does not keep the keyboard.
        QVERIFY(banc.fenetre->focusWidget() && banc.fenetre->focusWidget()->isEnabled());
    });
    QStringList attendus = restent;
    attendus.sort();
    QStringList trouves = banc.Dossier();
    trouves.sort();
    QCOMPARE(trouves, attendus);
    QCOMPARE(banc.plate.questions.size(), 1);
    QCOMPARE(banc.Liste(), QStringList{}); // emptied on the way out
}

void TestU_efface_bilans::reouvertureAPresEffacement() {
    Banc banc(ProfilCarrelis(), {"Bilan individuel Paul.txt", "bilan Carrelis.txt"});
    banc.plate.reponsesQuestions = {true, true};
    banc.Executer([&] {
        QTest::mouseClick(banc.Bouton("BoutonEffaceG"), Qt::LeftButton);
        QTest::mouseClick(banc.Bouton("BoutonEffaceI"), Qt::LeftButton);
    });
    banc.Executer([&] {
        QCOMPARE(banc.Texte("Label2"), QStringLiteral("Pas de bilan général"));
        QCOMPARE(banc.Texte("Label1"), QString());
        QVERIFY(!banc.Bouton("BoutonEffaceG")->isEnabled());
        QVERIFY(!banc.Bouton("BoutonEffaceI")->isEnabled());
        QCOMPARE(banc.fenetre->focusWidget(), banc.Bouton("Bouton_Quitter"));
    });
    QCOMPARE(banc.Dossier(), QStringList{});
}

void TestU_efface_bilans::nomsEtAnnoncesPourLecteurDEcran() {
    Banc banc(ProfilCarrelis(), {"Bilan individuel Paul.txt"});
    banc.plate.reponsesQuestions = {true};
    banc.Executer([&] {
        auto nom = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        QCOMPARE(nom(banc.Bouton("BoutonEffaceI")), QStringLiteral("Effacer les bilans individuels"));
        QCOMPARE(nom(banc.fenetre->findChild<QListWidget*>()), QStringLiteral("Bilans individuels trouvés"));
        QTest::mouseClick(banc.Bouton("BoutonEffaceI"), Qt::LeftButton);
        auto* resultat = banc.fenetre->findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(nom(resultat), QStringLiteral("Bilans individuels effacés. Ils sont dans la corbeille."));
        QVERIFY(banc.plate.annonces.contains({resultat, QAccessible::NameChanged}));
    });
}

void TestU_efface_bilans::f1OuvreLAideDesBilans() {
    Banc banc(ProfilCarrelis(), {});
    banc.prog.FichierAide = QStringLiteral("AIDE_CARRELIS.HLP");
    RaccourciAide f1(banc.plate, banc.prog.FichierAide);
    qApp->installEventFilter(&f1);
    banc.Executer([&] { QTest::keyClick(banc.Bouton("Bouton_Quitter"), Qt::Key_F1); });
    QCOMPARE(banc.plate.aidesAffichees, QStringList{"AIDE_CARRELIS.HLP#Bilans"});
}

QTEST_MAIN(TestU_efface_bilans)
#include "tst_Unit_efface_bilans.moc"
