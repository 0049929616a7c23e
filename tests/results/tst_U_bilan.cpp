// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: what it shows under the teacher's preferences, choosing a class and a
// name, saving, the report and the printed exercise, and a whole game of exercise 3 ending in
// the results files.
#include "classlists/ListeClasse.h"
#include "core/FichierTexte.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "results/U_Edit3.h"
#include "results/U_bilan.h"
#include "sheets/ImpressionFeuille.h"
#include "support/ActionsAccessibles.h"
#include "support/BancProgramme.h"
#include "support/FenetreTemoin.h"
#include "support/Pieges.h"
#include "support/PlateFormeTest.h"
#include "tables/CaseTableau.h"
#include "tables/U_Jeu_Carrelis_T.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

struct Banc : DossierDeTest, BancProgramme {
    explicit Banc(const ProfilProgramme& profil = ProfilCarrelis()) : BancProgramme(profil), fenetres(prog) {
        fenetres.CreerAuDemarrage();
        prog.RepProgramme = QDir::currentPath();
        bilan = fenetres.Obtenir<TF_bilan>(IdFenetre::Bilan);
    }

    void Jeu(int numJeu, int bonnes, int total, int erreurs) {
        partie = ResultatPartie{};
        partie.NumJeu = numJeu;
        partie.Compteurs.NbBonnes = bonnes;
        partie.Compteurs.NbTotal = static_cast<quint8>(total);
        partie.Compteurs.NbErreurs = erreurs;
        partie.ImprimerExercice = [this](const Destination& vers) {
            return ImprimerExercice(vers,
                                    ContenuTableau{tableau, Operation::Addition, partie.NumJeu, QString()});
        };
    }
    void Montrer() {
        bilan->Preparer(partie, ReglagesDuProgramme(prog, nomEleve));
        bilan->show();
    }
    void Preferences(bool enregistrer, bool individuels, bool resultats, bool exercice) {
        prog.Prefs.EnregistrerBilans = enregistrer;
        prog.Prefs.BilansIndividuels = individuels;
        prog.Prefs.ImprimerResultats = resultats;
        prog.Prefs.ImprimerExercice = exercice;
    }
    template <class T = QWidget> T* Controle(const char* nom) const {
        return bilan->findChild<T*>(QLatin1String(nom));
    }
    QString Fichier(const QString& nom) const {
        QFile f(QDir(dossier.path()).filePath(nom));
        return f.open(QIODevice::ReadOnly) ? FichierTexte::DecoderTexte(f.readAll()) : QString();
    }

    Fenetres fenetres;
    QString nomEleve; // given earlier in the run
    TF_bilan* bilan = nullptr;
    ResultatPartie partie;
    Tableau tableau;
};

void EcrireClasse(const QString& nom, const QStringList& eleves) {
    QString raison;
    QVERIFY(ListeClasse::Enregistrer(nom, eleves, raison));
}

} // namespace

class TestBilanFenetre : public QObject {
    Q_OBJECT

  private slots:
    void visibiliteSelonLesPreferences_data();
    void visibiliteSelonLesPreferences();
    void lignesDuDefiPourLExercice3Seulement_data();
    void lignesDuDefiPourLExercice3Seulement();
    void echapFaitCeQueFaitAnnuler_data();
    void echapFaitCeQueFaitAnnuler();
    void premiereFenetreDuneSeanceVideLaClasse();
    void seulUnNomModifieQuitteLaClasse_data();
    void seulUnNomModifieQuitteLaClasse();
    void classeEtNomChoisisSansSouris_data();
    void classeEtNomChoisisSansSouris();
    void classeEnVigueurMontreeChoisie_data();
    void classeEnVigueurMontreeChoisie();
    void classeQuiEstUnLienDiteAuChoix();
    void imprimerLeBilanDemandeUnNom();
    void imprimerLeBilanComposeLeRapport();
    void imprimerLExerciceEnPaysage();
    void exerciceUneFoisApresUnTravailReussi_data();
    void exerciceUneFoisApresUnTravailReussi();
    void defiJoueEnregistreDansLesDeuxFichiers();
};

void TestBilanFenetre::visibiliteSelonLesPreferences_data() {
    QTest::addColumn<QList<bool>>("preferences"); // save, individual, print results, print exercise
    QTest::addColumn<QList<bool>>("visibles");    // lists and name, Enregistrer, O K, Annuler
    QTest::addColumn<QList<bool>>("actifs");      // Imprimer le bilan, Imprimer l'exercice
    QTest::newRow("all off: counts and O K")
        << QList<bool>{0, 0, 0, 0} << QList<bool>{0, 0, 1, 0} << QList<bool>{0, 0};
    QTest::newRow("print results only")
        << QList<bool>{0, 0, 1, 0} << QList<bool>{1, 0, 1, 0} << QList<bool>{1, 0};
    QTest::newRow("general results") << QList<bool>{1, 0, 0, 0} << QList<bool>{1, 1, 0, 1}
                                     << QList<bool>{0, 0};
    QTest::newRow("individual results")
        << QList<bool>{0, 1, 0, 1} << QList<bool>{1, 1, 0, 1} << QList<bool>{0, 1};
    QTest::newRow("everything") << QList<bool>{1, 1, 1, 1} << QList<bool>{1, 1, 0, 1} << QList<bool>{1, 1};
}

void TestBilanFenetre::visibiliteSelonLesPreferences() {
    QFETCH(QList<bool>, preferences);
    QFETCH(QList<bool>, visibles);
    QFETCH(QList<bool>, actifs);
    Banc banc;
    banc.Jeu(1, 10, 12, 2);
    banc.Preferences(preferences[0], preferences[1], preferences[2], preferences[3]);
    banc.Montrer();
    for (const char* nom : {"ListBox1", "ListBox3", "Label8", "Edit1"})
        QCOMPARE(banc.Controle(nom)->isVisible(), visibles[0]);
    QCOMPARE(banc.Controle("Button2")->isVisible(), visibles[1]);
    QCOMPARE(banc.Controle("Button1")->isVisible(), visibles[2]);
    QCOMPARE(banc.Controle("bouton_Annuler")->isVisible(), visibles[3]);
    QCOMPARE(banc.Controle("SpeedButton1")->isEnabled(), actifs[0]);
    QCOMPARE(banc.Controle("ImprimeExo")->isEnabled(), actifs[1]);
    QCOMPARE(banc.Controle<QLabel>("NBTOTALB")->text(), QStringLiteral("10 / 12"));
    QCOMPARE(banc.Controle<QLabel>("Erreurs")->text(), QStringLiteral("2"));
}

void TestBilanFenetre::lignesDuDefiPourLExercice3Seulement_data() {
    QTest::addColumn<int>("numJeu");
    QTest::newRow("exercise 1") << 1;
    QTest::newRow("exercise 2") << 2;
    QTest::newRow("exercise 3") << 3;
}

void TestBilanFenetre::lignesDuDefiPourLExercice3Seulement() {
    QFETCH(int, numJeu);
    Banc banc;
    banc.Jeu(numJeu, 9, 12, 3);
    banc.partie.Compteurs.NbBonnesGauche = 2;
    banc.partie.Compteurs.NbTotalGauche = 3;
    banc.partie.Compteurs.NbErreursHaut = 1;
    banc.Montrer();
    for (const char* nom : {"LabelScore1", "LabelScore2", "LabelErreurs1", "LabelErreurs2", "BR1", "BR2",
                            "Erreurs1", "Erreurs2"})
        QCOMPARE(banc.Controle(nom)->isVisible(), numJeu == 3);
    if (numJeu == 3) {
        QCOMPARE(banc.Controle<QLabel>("BR1")->text(), QStringLiteral("2 / 3"));
        QCOMPARE(banc.Controle<QLabel>("Erreurs2")->text(), QStringLiteral("1"));
    }
}

// After a perfect game "Annuler" is disabled so that the result is saved: Escape and the close
// button may not leave either. Without saving there is no "Annuler", and "O K" is the way out.
void TestBilanFenetre::echapFaitCeQueFaitAnnuler_data() {
    QTest::addColumn<bool>("enregistrer");
    QTest::addColumn<int>("bonnes"); // out of 12
    QTest::addColumn<bool>("annulerActif");
    QTest::addColumn<bool>("fermee");
    QTest::newRow("perfect game, saving on") << true << 12 << false << false;
    QTest::newRow("one mistake, saving on") << true << 11 << true << true;
    QTest::newRow("saving off: O K only") << false << 11 << false << false;
}

void TestBilanFenetre::echapFaitCeQueFaitAnnuler() {
    QFETCH(bool, enregistrer);
    QFETCH(int, bonnes);
    QFETCH(bool, annulerActif);
    QFETCH(bool, fermee);
    for (bool parEchap : {true, false}) {
        Banc banc;
        banc.Preferences(enregistrer, false, false, false);
        banc.Jeu(2, bonnes, 12, 12 - bonnes);
        banc.Montrer();
        QCOMPARE(banc.Controle("bouton_Annuler")->isEnabled() && banc.Controle("bouton_Annuler")->isVisible(),
                 annulerActif);
        if (parEchap)
            QTest::keyClick(banc.bilan, Qt::Key_Escape);
        else
            banc.bilan->close();
        QCOMPARE(!banc.bilan->isVisible(), fermee);
        QVERIFY(!QFile::exists(QDir(banc.dossier.path()).filePath(QStringLiteral("bilan Carrelis.txt"))));
    }
}

void TestBilanFenetre::premiereFenetreDuneSeanceVideLaClasse() {
    Banc banc;
    EcrireClasse(QStringLiteral("CE1.elv"),
                 {QStringLiteral("Adam"), QStringLiteral("Léa"), QStringLiteral("Zoé")});
    banc.Preferences(true, true, false, false);
    banc.prog.Prefs.ListeClasse = QStringLiteral("CE1.elv");
    banc.Jeu(1, 5, 12, 7);
    banc.Montrer();
    // The stored class is listed, but no name has been given yet in this run.
    QCOMPARE(banc.Controle<QListWidget>("ListBox1")->count(), 3);
    QCOMPARE(banc.Controle<QListWidget>("ListBox3")->count(), 1);
    QVERIFY(banc.bilan->Choix().Classe.isEmpty());
    QTest::mouseClick(banc.Controle<QListWidget>("ListBox1")->viewport(), Qt::LeftButton, {},
                      banc.Controle<QListWidget>("ListBox1")
                          ->visualItemRect(banc.Controle<QListWidget>("ListBox1")->item(1))
                          .center());
    QCOMPARE(banc.Controle<QLineEdit>("Edit1")->text(), QStringLiteral("Léa"));
    QTest::mouseClick(banc.Controle("Button2"), Qt::LeftButton);
    QVERIFY(!banc.bilan->isVisible());
    QVERIFY(banc.Fichier(QStringLiteral("Bilan individuel Léa.txt")).contains(QStringLiteral("Léa")));
    QVERIFY(banc.Fichier(QStringLiteral("bilan Carrelis.txt"))
                .contains(QStringLiteral("Carrelis - Jeu n° 1 : remplir")));
}

// A pupil chosen from her class stays in it through Enter and the arrows; only a name edited
// after the choice is filed without a class.
void TestBilanFenetre::seulUnNomModifieQuitteLaClasse_data() {
    QTest::addColumn<QList<int>>("touches");
    QTest::addColumn<QString>("fichier");
    QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << "Bilan CM1 Hugo.txt";
    QTest::newRow("arrows, then Enregistrer")
        << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_End} << "Bilan CM1 Hugo.txt";
    QTest::newRow("a letter added") << QList<int>{Qt::Key_End, Qt::Key_O} << "Bilan individuel Hugoo.txt";
    QTest::newRow("a letter erased") << QList<int>{Qt::Key_End, Qt::Key_Backspace}
                                     << "Bilan individuel Hug.txt";
}

void TestBilanFenetre::seulUnNomModifieQuitteLaClasse() {
    QFETCH(QList<int>, touches);
    QFETCH(QString, fichier);
    Banc banc;
    EcrireClasse(QStringLiteral("CM1.elv"), {QStringLiteral("Hugo"), QStringLiteral("Inès")});
    banc.Preferences(false, true, false, false);
    banc.nomEleve = QStringLiteral("Hugo"); // a name given earlier in the run
    banc.Jeu(1, 5, 12, 7);
    banc.Montrer();
    auto* classes = banc.Controle<QListWidget>("ListBox3");
    QTest::mouseClick(classes->viewport(), Qt::LeftButton, {},
                      classes->visualItemRect(classes->item(0)).center());
    QCOMPARE(banc.bilan->Choix().Classe, QStringLiteral("CM1.elv"));
    auto* eleves = banc.Controle<QListWidget>("ListBox1");
    QTest::mouseClick(eleves->viewport(), Qt::LeftButton, {},
                      eleves->visualItemRect(eleves->item(0)).center());
    for (int touche : touches)
        QTest::keyClick(banc.Controle<QLineEdit>("Edit1"), static_cast<Qt::Key>(touche));
    if (banc.bilan->isVisible()) QTest::mouseClick(banc.Controle("Button2"), Qt::LeftButton);
    QVERIFY(!banc.bilan->isVisible());
    const QStringList bilans = QDir(banc.dossier.path()).entryList({QStringLiteral("Bilan *")}, QDir::Files);
    QCOMPARE(bilans, QStringList{fichier});
}

// The class and the name chosen by a screen reader's action on the list's entries, or with the
// arrows and Enter, as a click chooses them: the class's pupils are listed, the name taken.
void TestBilanFenetre::classeEtNomChoisisSansSouris_data() {
    QTest::addColumn<bool>("lecteurDEcran");
    QTest::newRow("a screen reader's toggle") << true;
    QTest::newRow("arrows and Enter") << false;
}

void TestBilanFenetre::classeEtNomChoisisSansSouris() {
    QFETCH(bool, lecteurDEcran);
    Banc banc;
    EcrireClasse(QStringLiteral("CE2.elv"), {QStringLiteral("Zoé")});
    EcrireClasse(QStringLiteral("CM1.elv"), {QStringLiteral("Hugo"), QStringLiteral("Inès")});
    banc.Preferences(false, true, false, false);
    banc.Jeu(1, 5, 12, 7);
    banc.Montrer();
    auto* classes = banc.Controle<QListWidget>("ListBox3");
    auto* eleves = banc.Controle<QListWidget>("ListBox1");
    const auto choisir = [&](QListWidget* liste, const QString& entree) {
        if (lecteurDEcran) return ActionsAccessibles::Basculer(*banc.bilan, entree);
        liste->setFocus(Qt::TabFocusReason);
        QTest::keyClick(liste, Qt::Key_Home);
        while (liste->currentItem() && liste->currentItem()->text() != entree)
            QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Return);
        return liste->currentItem() != nullptr;
    };
    QVERIFY(choisir(classes, QStringLiteral("CM1.elv")));
    QCOMPARE(banc.bilan->Choix().Classe, QStringLiteral("CM1.elv"));
    QCOMPARE(eleves->count(), 2);
    QVERIFY(choisir(eleves, QStringLiteral("Inès")));
    QCOMPARE(banc.Controle<QLineEdit>("Edit1")->text(), QStringLiteral("Inès"));
}

// The class a result will be filed under is the one a screen reader hears picked in the list,
// and the name proposed stays; no class is shown picked where the result goes without one.
void TestBilanFenetre::classeEnVigueurMontreeChoisie_data() {
    QTest::addColumn<QString>("nomDonne"); // earlier in the run
    QTest::addColumn<bool>("enregistrer");
    QTest::addColumn<QString>("choisie"); // the entry heard as picked; empty: none
    QTest::newRow("a pupil of CM1 saved before") << "Inès" << true << "CM1.elv";
    QTest::newRow("first results window of the run") << "" << true << "";
    QTest::newRow("report only, a pupil of CM1 before") << "Inès" << false << "CM1.elv";
}

void TestBilanFenetre::classeEnVigueurMontreeChoisie() {
    QFETCH(QString, nomDonne);
    QFETCH(bool, enregistrer);
    QFETCH(QString, choisie);
    Banc banc;
    EcrireClasse(QStringLiteral("CE2.elv"), {QStringLiteral("Zoé")});
    EcrireClasse(QStringLiteral("CM1.elv"), {QStringLiteral("Hugo"), QStringLiteral("Inès")});
    banc.Preferences(enregistrer, enregistrer, true, false);
    banc.prog.Prefs.ListeClasse = QStringLiteral("CM1.elv");
    banc.nomEleve = nomDonne;
    banc.Jeu(1, 5, 12, 7);
    banc.Montrer();
    QAccessibleInterface* classes = QAccessible::queryAccessibleInterface(banc.Controle("ListBox3"));
    QStringList choisies;
    for (int i = 0; i < classes->childCount(); ++i)
        if (classes->child(i)->state().selected) choisies.append(classes->child(i)->text(QAccessible::Name));
    QCOMPARE(choisies, choisie.isEmpty() ? QStringList() : QStringList{choisie});
    QCOMPARE(banc.bilan->Choix().Classe, enregistrer ? choisie : QStringLiteral("CM1.elv"));
    QCOMPARE(banc.Controle<QLineEdit>("Edit1")->text(), nomDonne);
}

// A class list that is a link to a list elsewhere is not read: the pupil is told, and no name of
// that other list is offered.
void TestBilanFenetre::classeQuiEstUnLienDiteAuChoix() {
    Banc banc;
    QVERIFY(QDir().mkdir(QStringLiteral("ailleurs")));
    EcrireClasse(QStringLiteral("ailleurs/CM1.elv"), {QStringLiteral("Hugo")});
    QVERIFY(Pieges::Lien(QStringLiteral("CM1.elv"), QStringLiteral("ailleurs/CM1.elv")));
    banc.Preferences(false, true, false, false);
    banc.Jeu(1, 5, 12, 7);
    banc.Montrer();
    auto* classes = banc.Controle<QListWidget>("ListBox3");
    QTest::mouseClick(classes->viewport(), Qt::LeftButton, {},
                      classes->visualItemRect(classes->item(0)).center());
    QCOMPARE(banc.Controle<QListWidget>("ListBox1")->count(), 0);
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements[0].startsWith(QStringLiteral(
                 "La liste de la classe «\u00a0CM1.elv\u00a0» n'a pas pu être lue\u00a0: c'est un lien")),
             qPrintable(banc.plate.avertissements[0]));
}

void TestBilanFenetre::imprimerLeBilanDemandeUnNom() {
    Banc banc;
    banc.Preferences(false, false, true, false);
    banc.Jeu(1, 5, 12, 7);
    banc.Montrer();
    QTest::mouseClick(banc.Controle("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(banc.plate.avertissements,
             QStringList{QStringLiteral("Tu dois indiquer ton nom pour pouvoir imprimer.")});
    QVERIFY(banc.Controle("SpeedButton1")->isEnabled());
}

void TestBilanFenetre::imprimerLeBilanComposeLeRapport() {
    Banc banc;
    banc.Preferences(false, false, true, false);
    banc.Jeu(3, 9, 12, 3);
    banc.Montrer();
    QTest::keyClicks(banc.Controle<QLineEdit>("Edit1"), QStringLiteral("Paul"));
    QString rapport;
    banc.plate.fichierPdf = QDir(banc.dossier.path()).filePath(QStringLiteral("bilan.pdf"));
    QTimer::singleShot(0, [&] {
        if (auto* edit3 = qobject_cast<TF_Edit3*>(QApplication::activeModalWidget())) {
            rapport = edit3->RichEdit1()->toPlainText();
            // Its button prints: here into the PDF file the print dialog would have chosen.
            QTest::mouseClick(edit3->findChild<QPushButton*>(QStringLiteral("BoutonImprimer")),
                              Qt::LeftButton);
            edit3->accept();
        }
    });
    QTest::mouseClick(banc.Controle("SpeedButton1"), Qt::LeftButton);
    // Two empty lines, the title, an empty line, the name.
    QVERIFY2(rapport.startsWith(QStringLiteral("\n\nCarrelis - Jeu n° 3 : défi\n\nPaul\n")),
             qPrintable(rapport));
    QVERIFY(rapport.contains(QStringLiteral("Nombre total de bonnes réponses : \t9 / 12")));
    QVERIFY(rapport.contains(banc.prog.Profil().LibellesBilan[0]));
    // One report per results window.
    QVERIFY(!banc.Controle("SpeedButton1")->isEnabled());
    QCOMPARE(banc.plate.impressions, QStringList{QStringLiteral("Bilan")});
    QFile pdf(banc.plate.fichierPdf);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
    QVERIFY(pdf.size() > 1000);
}

void TestBilanFenetre::imprimerLExerciceEnPaysage() {
    Banc banc;
    banc.Preferences(false, false, false, true);
    banc.tableau.DefinirTaille(3);
    banc.Jeu(1, 20, 20, 0);
    banc.plate.fichierPdf = QDir(banc.dossier.path()).filePath(QStringLiteral("exercice.pdf"));
    banc.Montrer();
    QTest::mouseClick(banc.Controle("ImprimeExo"), Qt::LeftButton);
    QCOMPARE(banc.plate.impressions, QStringList{QStringLiteral("Exercice")});
    QFile pdf(banc.plate.fichierPdf);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray contenu = pdf.readAll();
    QVERIFY(contenu.startsWith("%PDF"));
    // Landscape A4: the media box is wider than high.
    const qsizetype boite = contenu.indexOf("/MediaBox");
    QVERIFY(boite > 0);
    const QList<QByteArray> nombres = contenu.mid(boite, 60).split(' ');
    QVERIFY(nombres.size() > 4);
    QVERIFY(nombres[3].toDouble() > nombres[4].split(']').first().toDouble());
    QVERIFY(banc.Controle("ImprimeExo")->isEnabled()); // carrelis prints as often as asked
    banc.plate.fichierPdf.clear();                     // the pupil gives up: nothing happens
    QTest::mouseClick(banc.Controle("ImprimeExo"), Qt::LeftButton);
    QVERIFY(banc.plate.avertissements.isEmpty());
}

void TestBilanFenetre::exerciceUneFoisApresUnTravailReussi_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("fichier"); // "": the dialog given up; "absent/...": a job refused
    QTest::addColumn<bool>("message");
    QTest::addColumn<bool>("actif"); // "Imprimer l'exercice" afterwards
    const auto C = ProfilCarrelis(), N = ProfilNavirelle();
    QTest::newRow("navirelle, printed: once only") << N << "exercice.pdf" << false << false;
    QTest::newRow("navirelle, job refused: try again") << N << "absent/exercice.pdf" << true << true;
    QTest::newRow("navirelle, a device as the file: try again") << N << "/dev/full" << true << true;
    QTest::newRow("navirelle, dialog given up") << N << "" << false << true;
    QTest::newRow("carrelis, printed: as often as asked") << C << "exercice.pdf" << false << true;
    QTest::newRow("carrelis, job refused") << C << "absent/exercice.pdf" << true << true;
}

void TestBilanFenetre::exerciceUneFoisApresUnTravailReussi() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, fichier);
    QFETCH(bool, message);
    QFETCH(bool, actif);
    Banc banc(profil);
    banc.Preferences(false, false, false, true);
    banc.tableau.DefinirTaille(1);
    banc.Jeu(2, 5, 12, 1);
    banc.plate.fichierPdf = fichier.isEmpty() ? QString() : QDir(banc.dossier.path()).filePath(fichier);
    banc.Montrer();
    QTest::mouseClick(banc.Controle("ImprimeExo"), Qt::LeftButton);
    QCOMPARE(banc.plate.impressions.size(), 1);
    QCOMPARE(banc.plate.avertissements.size(), message ? 1 : 0);
    if (message)
        QVERIFY(banc.plate.avertissements.first().startsWith(QStringLiteral("L'exercice n'a pas pu")));
    QCOMPARE(banc.Controle("ImprimeExo")->isEnabled(), actif);
}

// From the last answer of a challenge to the two results files.
void TestBilanFenetre::defiJoueEnregistreDansLesDeuxFichiers() {
    Banc banc;
    EcrireClasse(QStringLiteral("CM2.elv"), {QStringLiteral("Chloé"), QStringLiteral("Noé")});
    banc.Preferences(true, true, false, false);
    banc.prog.Prefs.TailleJeu3 = 1;
    auto* jeu = banc.fenetres.Obtenir<TF_Jeu_Carrelis_T>(IdFenetre::JeuCarrelis);
    jeu->Ouvrir(ChoixExercice{3, Operation::Multiplication});
    const Tableau& t = jeu->TableauJoue();
    auto* clavier = jeu->findChild<QLineEdit*>(QStringLiteral("Pourcurseur"));
    int rang = 0;
    for (int r = 0; r <= t.NbLignes; ++r)
        for (int c = 0; c <= t.NbColonnes; ++c)
            if (!t.CaseRemplie[c][r]) {
                QTest::mouseClick(jeu->Cellule(c, r), Qt::LeftButton);
                QTest::keyClicks(clavier,
                                 QString::number(rang++ == 0 ? t.Valeurs[c][r] + 1 : t.Valeurs[c][r]));
                QTest::keyClick(clavier, Qt::Key_Return);
            }
    QTimer::singleShot(0, [&] {
        auto* classes = banc.Controle<QListWidget>("ListBox3");
        QTest::mouseClick(classes->viewport(), Qt::LeftButton, {},
                          classes->visualItemRect(classes->item(0)).center());
        auto* eleves = banc.Controle<QListWidget>("ListBox1");
        QTest::mouseClick(eleves->viewport(), Qt::LeftButton, {},
                          eleves->visualItemRect(eleves->item(1)).center());
        QTest::mouseClick(banc.Controle("Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(jeu->findChild<QPushButton*>(QStringLiteral("BoutonBilan")), Qt::LeftButton);
    const QString total = QString::number(t.NbTotal);
    const QStringList attendu{
        QString(), QStringLiteral("Noé"), QStringLiteral("Carrelis - Jeu n° 3 : défi"),
        QStringLiteral("Le 09/03/2026   à  14:05:07"),
        QStringLiteral("Nombre total de bonnes réponses : \t%1 / %2").arg(t.NbTotal - 1).arg(total)};
    const QStringList general =
        banc.Fichier(QStringLiteral("bilan Carrelis.txt")).split(QRegularExpression(QStringLiteral("\r?\n")));
    QCOMPARE(general.mid(0, 5), attendu);
    QVERIFY(general.contains(
        banc.prog.Profil().LibellesBilan[0] +
        QStringLiteral("%1 / %2").arg(jeu->Compteurs().NbBonnesGauche).arg(jeu->Compteurs().NbTotalGauche)));
    const QStringList individuel =
        banc.Fichier(QStringLiteral("Bilan CM2 Noé.txt")).split(QRegularExpression(QStringLiteral("\r?\n")));
    QVERIFY(individuel.contains(QStringLiteral("Carrelis - Jeu n° 3 : défi")));
    QVERIFY(individuel.contains(attendu[4]));
}

QTEST_MAIN(TestBilanFenetre)
#include "tst_U_bilan.moc"
