// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences window of both programs, driven as a teacher would: what it shows, what
// "Valider" writes, what "Annuler" puts back, the reload on opening, the image chooser.
#include "core/MaintienGeometrie.h"
#include "core/Preferences.h"
#include "core/Programme.h"
#include "program/U_pref.h"
#include "support/BancProgramme.h"
#include "support/EnregistrementPreferences.h"
#include "support/Pieges.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace ER = EnregistrementPreferences;

namespace {

// One program's state and its preferences window, in the test's folder.
struct Banc : BancProgramme {
    explicit Banc(const ProfilProgramme& profil, QSize ecran = QSize(800, 600))
        : BancProgramme(profil, ecran) {
        fenetre = std::make_unique<TF_preferences>(prog);
    }
    template <class T = QWidget> T* C(const QString& nom) const { return fenetre->findChild<T*>(nom); }
    QAbstractButton* Bouton(const QString& nom) const { return C<QAbstractButton>(nom); }
    // As the main menu opens it, without waiting in a modal loop.
    void Ouvrir() const { fenetre->show(); }
    QByteArray Fichier() const { return ER::Lire(prog.Profil().FichierPref); }

    std::unique_ptr<TF_preferences> fenetre;
};

// Radio buttons and check boxes answer a click on their box, at the left.
void Cliquer(QAbstractButton* bouton) {
    QVERIFY2(bouton, "no such button");
    const bool caseOuRadio = qobject_cast<QCheckBox*>(bouton) || qobject_cast<QRadioButton*>(bouton);
    const QPoint point = caseOuRadio ? QPoint(8, bouton->height() / 2) : bouton->rect().center();
    QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier, point);
}

QString NomAccessible(QWidget* w) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(w);
    return interface ? interface->text(QAccessible::Name) : QString();
}

QString CreerImage(const QString& chemin, QColor couleur) {
    QImage image(12, 9, QImage::Format_RGB32);
    image.fill(couleur);
    return image.save(chemin, "BMP") ? QFileInfo(chemin).absoluteFilePath() : QString();
}

} // namespace

class TestU_pref : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void fenetreParDefautSansFichier_data();
    void fenetreParDefautSansFichier();
    void validerEcritLesOctets_data();
    void validerEcritLesOctets();
    void validerSansRienChangerGardeLeFichier();
    void annulerRemetLesValeursChargees_data();
    void annulerRemetLesValeursChargees();
    void ouvrirRelitLeFichier();
    void enCouleursAfficheSelonLeFichier_data();
    void enCouleursAfficheSelonLeFichier();
    void enCouleursSuitImpressionDeLExercice();
    void changerLImagePropose_data();
    void changerLImagePropose();
    void changerLImagePeintLaNouvelle();
    void changerLImageRefuseUnCheminInconservable_data();
    void changerLImageRefuseUnCheminInconservable();
    void echecDEnregistrementAverti_data();
    void echecDEnregistrementAverti();
    void tenueEtMiseAEchelle();
    void clavierParcourtEtChoisit();
    void choixAuLecteurDEcran_data();
    void choixAuLecteurDEcran();
    void tabDansLesDeuxSens_data();
    void tabDansLesDeuxSens();
    void chaqueControleANomAccessible_data();
    void chaqueControleANomAccessible();

  private:
    std::unique_ptr<QTemporaryDir> dossier;
    QString dossierInitial;
};

void TestU_pref::init() {
    dossierInitial = QDir::currentPath();
    dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dossier->path()));
}

void TestU_pref::cleanup() {
    QDir::setCurrent(dossierInitial);
    dossier.reset();
}

void TestU_pref::fenetreParDefautSansFichier_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("bilansIndividuels");
    QTest::addColumn<bool>("enCouleurs");
    QTest::newRow("carrelis") << ProfilCarrelis() << "Enregistrer des bilans individuels :" << false;
    QTest::newRow("navirelle") << ProfilNavirelle() << "Enregistrer des bilans individuels" << true;
}

void TestU_pref::fenetreParDefautSansFichier() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, bilansIndividuels);
    QFETCH(bool, enCouleurs);
    Banc banc(profil);
    banc.Ouvrir();
    QCOMPARE(banc.fenetre->windowTitle(), QStringLiteral("Préférences"));
    QCOMPARE(banc.fenetre->objectName(), QStringLiteral("F_preferences"));
    QCOMPARE(banc.fenetre->property("contexteAide").toInt(), 6);
    QVERIFY(banc.fenetre->isModal());
    QVERIFY(!(banc.fenetre->windowFlags() & Qt::WindowCloseButtonHint));
    for (const char* nom : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox5"})
        QVERIFY2(!banc.Bouton(QLatin1String(nom))->isChecked(), nom);
    QCOMPARE(banc.Bouton(QStringLiteral("CheckBox5"))->text(), bilansIndividuels);
    QVERIFY(banc.C<QButtonGroup>(QStringLiteral("ModifChoix1"))->checkedButton());
    QCOMPARE(banc.C<QButtonGroup>(QStringLiteral("ModifChoix1"))->checkedButton()->text(),
             QStringLiteral("oui"));
    for (int numJeu = 1; numJeu <= 3; ++numJeu) {
        const auto* groupe = banc.C<QButtonGroup>(QStringLiteral("NbCasesJeu%1").arg(numJeu));
        QCOMPARE(groupe->buttons().size(), 7);
        QCOMPARE(groupe->checkedButton()->text(), QStringLiteral("Taille 3 (4 x 5)"));
    }
    auto* checkBox4 = banc.Bouton(QStringLiteral("CheckBox4"));
    QCOMPARE(checkBox4 != nullptr, enCouleurs);
    if (checkBox4) QVERIFY(checkBox4->isHidden());
    QVERIFY(!QFile::exists(banc.prog.Profil().FichierPref)); // created by "Valider" only
}

void TestU_pref::validerEcritLesOctets_data() {
    QTest::addColumn<QStringList>("clics");
    // Offsets 1280..1284 then 1386..1391.
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("defaults") << QStringList()
                              << QByteArray("\0\0\0\0\0"
                                            "\1\0\0\3\3\3",
                                            11);
    QTest::newRow("size 5 for exercise 2 at 1390") << QStringList{"NbCasesJeu2Taille5"}
                                                   << QByteArray("\0\0\0\0\0"
                                                                 "\1\0\0\3\5\3",
                                                                 11);
    QTest::newRow("sizes 1 and 7, exercises 1 and 3")
        << QStringList{"NbCasesJeu1Taille1", "NbCasesJeu3Taille7"}
        << QByteArray("\0\0\0\0\0"
                      "\1\0\0\1\3\7",
                      11);
    QTest::newRow("exercise 1 fixed, 2 and 3 changeable")
        << QStringList{"ModifChoix1Non", "ModifChoix2Oui", "ModifChoix3Oui"}
        << QByteArray("\0\0\0\0\0"
                      "\0\1\1\3\3\3",
                      11);
    QTest::newRow("every check box") << QStringList{"CheckBox1", "CheckBox5", "CheckBox2", "CheckBox3"}
                                     << QByteArray("\1\1\1\1\0"
                                                   "\1\0\0\3\3\3",
                                                   11);
    QTest::newRow("record, then not") << QStringList{"CheckBox1", "CheckBox1"}
                                      << QByteArray("\0\0\0\0\0"
                                                    "\1\0\0\3\3\3",
                                                    11);
}

void TestU_pref::validerEcritLesOctets() {
    QFETCH(QStringList, clics);
    QFETCH(QByteArray, attendu);
    Banc banc(ProfilCarrelis());
    banc.Ouvrir();
    for (const QString& nom : clics)
        Cliquer(banc.Bouton(nom));
    Cliquer(banc.Bouton(QStringLiteral("bouton_valider")));
    QVERIFY(banc.fenetre->isHidden());
    QCOMPARE(banc.fenetre->result(), int(QDialog::Accepted));
    const QByteArray fichier = banc.Fichier();
    QCOMPARE(fichier.size(), 1392);
    QCOMPARE(fichier.mid(1280, 5) + fichier.mid(1386, 6), attendu);
    QVERIFY(banc.plate.avertissements.isEmpty());
}

// Strings, their meaningless tails and undefined characters survive the window.
void TestU_pref::validerSansRienChangerGardeLeFichier() {
    const QByteArray fichier = ER::Valide(21);
    QVERIFY(ER::Ecrire(QStringLiteral("Navirelle.pfr"), fichier));
    Banc banc(ProfilNavirelle());
    banc.Ouvrir();
    Cliquer(banc.Bouton(QStringLiteral("bouton_valider")));
    QCOMPARE(banc.Fichier(), fichier);
}

void TestU_pref::annulerRemetLesValeursChargees_data() {
    QTest::addColumn<bool>("parEchap");
    QTest::newRow("Annuler") << false;
    QTest::newRow("Escape") << true;
}

void TestU_pref::annulerRemetLesValeursChargees() {
    QFETCH(bool, parEchap);
    Preferences p;
    p.TailleJeu2 = 2;
    p.ImprimerResultats = 1;
    p.ImagesPref[1] = QStringLiteral("Fond4.bmp");
    p.ListeClasse = QStringLiteral("CP.elv");
    QVERIFY(ER::Ecrire(QStringLiteral("Carrelis.pfr"), p.Octets()));
    Banc banc(ProfilCarrelis());
    banc.plate.reponsesOuvrir = {CreerImage(QStringLiteral("autre.bmp"), Qt::blue)};
    banc.Ouvrir();
    QCOMPARE(banc.C<QButtonGroup>(QStringLiteral("NbCasesJeu2"))->checkedButton()->text(),
             QStringLiteral("Taille 2 (4 x 4)"));
    Cliquer(banc.Bouton(QStringLiteral("NbCasesJeu2Taille5")));
    Cliquer(banc.Bouton(QStringLiteral("CheckBox2")));
    Cliquer(banc.Bouton(QStringLiteral("ModifChoix1Non")));
    Cliquer(banc.Bouton(QStringLiteral("bouton_changer_image_exo")));
    QCOMPARE(banc.prog.Prefs.TailleJeu2, quint8(5));
    banc.prog.Prefs.ListeClasse = QStringLiteral("CE1.elv"); // chosen meanwhile in the results window

    if (parEchap)
        QTest::keyClick(banc.fenetre.get(), Qt::Key_Escape);
    else
        Cliquer(banc.Bouton(QStringLiteral("bouton_annuler")));

    QVERIFY(banc.fenetre->isHidden());
    QCOMPARE(banc.prog.Prefs.TailleJeu2, quint8(2));
    QCOMPARE(banc.prog.Prefs.ImprimerResultats, quint8(1));
    QCOMPARE(banc.prog.Prefs.ChoixModifiable1, quint8(1));
    QCOMPARE(banc.prog.Prefs.ImagesPref[1], QStringLiteral("Fond4.bmp"));
    QCOMPARE(banc.prog.Prefs.ListeClasse, QStringLiteral("CE1.elv"));
    QCOMPARE(banc.Fichier(), p.Octets());
}

// Changes made in memory during play never survive the opening of the window.
void TestU_pref::ouvrirRelitLeFichier() {
    Preferences p;
    p.TailleJeu1 = 4;
    p.ListeClasse = QStringLiteral("CM1.elv");
    QVERIFY(ER::Ecrire(QStringLiteral("Carrelis.pfr"), p.Octets()));
    Banc banc(ProfilCarrelis());
    QCOMPARE(banc.prog.Prefs.TailleJeu1, quint8(4)); // read at creation
    banc.Ouvrir();
    Cliquer(banc.Bouton(QStringLiteral("bouton_annuler")));

    banc.prog.Prefs.TailleJeu1 = 6; // the size chooser of an exercise
    banc.prog.Prefs.ListeClasse = QStringLiteral("CM2.elv");
    banc.Ouvrir();
    QCOMPARE(banc.prog.Prefs.TailleJeu1, quint8(4));
    QCOMPARE(banc.prog.Prefs.ListeClasse, QStringLiteral("CM1.elv"));
    QVERIFY(banc.Bouton(QStringLiteral("NbCasesJeu1Taille4"))->isChecked());
    QCOMPARE(banc.prog.PrefSauvees.TailleJeu1, quint8(4));
}

void TestU_pref::enCouleursAfficheSelonLeFichier_data() {
    QTest::addColumn<int>("imprimerExercice");
    QTest::addColumn<int>("noirEtBlanc");
    QTest::addColumn<bool>("checkBox3");
    QTest::addColumn<bool>("checkBox4Visible");
    QTest::addColumn<bool>("checkBox4");
    QTest::newRow("no printing: colours hidden") << 0 << 0 << false << false << true;
    QTest::newRow("printing in colour") << 1 << 0 << true << true << true;
    QTest::newRow("printing in black and white") << 1 << 1 << true << true << false;
    QTest::newRow("an unknown byte is on: black and white") << 1 << 2 << true << true << false;
}

void TestU_pref::enCouleursAfficheSelonLeFichier() {
    QFETCH(int, imprimerExercice);
    QFETCH(int, noirEtBlanc);
    QFETCH(bool, checkBox3);
    QFETCH(bool, checkBox4Visible);
    QFETCH(bool, checkBox4);
    Preferences p;
    p.ImprimerExercice = static_cast<quint8>(imprimerExercice);
    p.PrefNoirEtBlanc = static_cast<quint8>(noirEtBlanc);
    QVERIFY(ER::Ecrire(QStringLiteral("Navirelle.pfr"), p.Octets()));
    Banc banc(ProfilNavirelle());
    banc.Ouvrir();
    QCOMPARE(banc.Bouton(QStringLiteral("CheckBox3"))->isChecked(), checkBox3);
    QCOMPARE(banc.Bouton(QStringLiteral("CheckBox4"))->isVisible(), checkBox4Visible);
    QCOMPARE(banc.Bouton(QStringLiteral("CheckBox4"))->isChecked(), checkBox4);
    // Shown, the window changes nothing it was not asked to (a damaged flag comes back as 1).
    Cliquer(banc.Bouton(QStringLiteral("bouton_valider")));
    QCOMPARE(banc.Fichier(), Preferences::Lire(p.Octets()).Octets());
}

void TestU_pref::enCouleursSuitImpressionDeLExercice() {
    Banc banc(ProfilNavirelle());
    banc.Ouvrir();
    QAbstractButton* exercice = banc.Bouton(QStringLiteral("CheckBox3"));
    QAbstractButton* couleurs = banc.Bouton(QStringLiteral("CheckBox4"));
    QCOMPARE(couleurs->text(), QStringLiteral("En couleurs :"));
    Cliquer(exercice);
    QVERIFY(couleurs->isVisible());
    QVERIFY(couleurs->isChecked());
    Cliquer(exercice);
    QVERIFY(!couleurs->isVisible());
    QCOMPARE(banc.prog.Prefs.ImprimerExercice, quint8(0));
    Cliquer(exercice);
    Cliquer(couleurs);
    QCOMPARE(banc.prog.Prefs.PrefNoirEtBlanc, quint8(1));
    Cliquer(banc.Bouton(QStringLiteral("bouton_valider")));
    const QByteArray fichier = banc.Fichier();
    QCOMPARE(fichier.at(1283), '\1');
    QCOMPARE(fichier.at(1284), '\1');
}

void TestU_pref::changerLImagePropose_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("choisie"); // "" none, "ici.bmp" an existing file, else a missing one
    QTest::addColumn<bool>("defautPresent");
    QTest::addColumn<QString>("propose");
    QTest::newRow("menu: nothing exists, nothing proposed") << 0 << "" << false << "";
    QTest::newRow("menu: the default image") << 0 << "" << true << "Carrelis_Titre.bmp";
    QTest::newRow("menu: the chosen image first") << 0 << "ici.bmp" << true << "ici.bmp";
    QTest::newRow("menu: chosen image deleted, the default")
        << 0 << "partie.bmp" << true << "Carrelis_Titre.bmp";
    QTest::newRow("exercises: the default image") << 1 << "" << true << "Fond4.bmp";
    QTest::newRow("exercises: chosen image deleted, no default") << 1 << "partie.bmp" << false << "";
}

void TestU_pref::changerLImagePropose() {
    QFETCH(int, tag);
    QFETCH(QString, choisie);
    QFETCH(bool, defautPresent);
    QFETCH(QString, propose);
    if (choisie == QLatin1String("ici.bmp")) QVERIFY(!CreerImage(choisie, Qt::green).isEmpty());
    Preferences p;
    p.ImagesPref[tag] = choisie;
    QVERIFY(ER::Ecrire(QStringLiteral("Carrelis.pfr"), p.Octets()));
    Banc banc(ProfilCarrelis());
    if (defautPresent) QVERIFY(!CreerImage(banc.prog.ImageParDefaut(tag), Qt::yellow).isEmpty());
    banc.Ouvrir();
    Cliquer(banc.Bouton(tag == 0 ? QStringLiteral("bouton_changer_image_accueil")
                                 : QStringLiteral("bouton_changer_image_exo")));
    QCOMPARE(banc.plate.dialoguesOuverts.size(), 1);
    QCOMPARE(banc.plate.dialoguesOuverts[0].filtre, QStringLiteral("images bitmap (*.bmp)"));
    QCOMPARE(banc.plate.dialoguesOuverts[0].fichierPropose, propose);
    QCOMPARE(banc.prog.Prefs.ImagesPref[tag], choisie); // the teacher gave up
}

void TestU_pref::changerLImagePeintLaNouvelle() {
    Banc banc(ProfilCarrelis());
    const QString rouge = CreerImage(QStringLiteral("rouge.bmp"), Qt::red);
    banc.plate.reponsesOuvrir = {rouge};
    banc.Ouvrir();
    QWidget* boite = banc.C(QStringLiteral("PaintBox1"));
    QVERIFY(boite->grab().toImage().pixelColor(boite->width() / 2, boite->height() / 2) != QColor(Qt::red));
    Cliquer(banc.Bouton(QStringLiteral("bouton_changer_image_accueil")));
    QCOMPARE(banc.prog.Prefs.ImagesPref[0], rouge);
    QCOMPARE(boite->grab().toImage().pixelColor(boite->width() / 2, boite->height() / 2), QColor(Qt::red));
    QCOMPARE(boite->accessibleDescription(), QStringLiteral("rouge.bmp"));
    Cliquer(banc.Bouton(QStringLiteral("bouton_valider")));
    QCOMPARE(Preferences::Lire(banc.Fichier()).ImagesPref[0], rouge);
}

void TestU_pref::changerLImageRefuseUnCheminInconservable_data() {
    QTest::addColumn<QString>("chemin");
    QTest::newRow("256 characters") << QStringLiteral("/%1.bmp").arg(QString(251, QLatin1Char('a')));
    QTest::newRow("characters the file cannot hold") << QStringLiteral("/images/\u0416\u0443\u043a.bmp");
}

void TestU_pref::changerLImageRefuseUnCheminInconservable() {
    QFETCH(QString, chemin);
    Banc banc(ProfilCarrelis());
    banc.plate.reponsesOuvrir = {chemin};
    banc.Ouvrir();
    Cliquer(banc.Bouton(QStringLiteral("bouton_changer_image_exo")));
    QVERIFY(banc.prog.Prefs.ImagesPref[1].isEmpty());
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY(banc.plate.avertissements[0].startsWith(
        QStringLiteral("Les préférences ne peuvent pas garder le chemin")));
}

void TestU_pref::echecDEnregistrementAverti_data() {
    QTest::addColumn<QString>("cas");
    QTest::newRow("read-only folder") << "lecture seule";
    QTest::newRow("a folder in place of the file") << "dossier";
    QTest::newRow("a named pipe in place of the file") << "tube";
}

// The previous file stays, the teacher is told why, and the window stays open with the choices.
// What stands in place of the file is said as the window opens.
void TestU_pref::echecDEnregistrementAverti() {
    QFETCH(QString, cas);
    const GardeContreLAttente garde(30);
    const bool lectureSeule = cas == QLatin1String("lecture seule");
    const QByteArray ancien = ER::Valide(8);
    if (cas == QLatin1String("tube")) {
        QVERIFY(Pieges::Tube(QStringLiteral("Carrelis.pfr")));
    } else if (lectureSeule) {
        QVERIFY(ER::Ecrire(QStringLiteral("Carrelis.pfr"), ancien));
        QVERIFY(QFile::setPermissions(QStringLiteral("."), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFile essai(QStringLiteral("essai")); essai.open(QIODevice::WriteOnly)) {
            essai.remove();
            QFile::setPermissions(QStringLiteral("."),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user writes in read-only folders (root); the other row fails the save another way");
        }
    } else {
        QVERIFY(QDir().mkdir(QStringLiteral("Carrelis.pfr")));
    }
    Banc banc(ProfilCarrelis());
    banc.Ouvrir();
    Cliquer(banc.Bouton(QStringLiteral("NbCasesJeu3Taille6")));
    Cliquer(banc.Bouton(QStringLiteral("bouton_valider")));
    QFile::setPermissions(QStringLiteral("."),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(banc.plate.avertissements.size(), lectureSeule ? 1 : 2);
    if (!lectureSeule)
        QVERIFY2(
            banc.plate.avertissements[0].startsWith(QStringLiteral("Les préférences n'ont pas pu être lues")),
            qPrintable(banc.plate.avertissements[0]));
    const QString debut = QStringLiteral(
        "Les préférences n'ont pas pu être enregistrées dans «\u00a0Carrelis.pfr\u00a0»\u00a0: ");
    QVERIFY2(banc.plate.avertissements.last().startsWith(debut),
             qPrintable(banc.plate.avertissements.last()));
    QVERIFY(banc.plate.avertissements.last().size() > debut.size() + 1); // the reason follows
    QVERIFY(banc.fenetre->isVisible());
    QCOMPARE(banc.prog.Prefs.TailleJeu3, quint8(6));
    if (lectureSeule)
        QCOMPARE(banc.Fichier(), ancien);
    else if (cas == QLatin1String("tube"))
        QVERIFY(Pieges::EstTube(QStringLiteral("Carrelis.pfr")));
    else
        QVERIFY(QFileInfo(QStringLiteral("Carrelis.pfr")).isDir());
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).size(), lectureSeule ? 1 : 0);
}

void TestU_pref::tenueEtMiseAEchelle() {
    Banc banc(ProfilNavirelle(), QSize(1024, 768));
    QCOMPARE(banc.C(QStringLiteral("bouton_valider"))->geometry(), QRect(819, 625, 189, 59));
    QCOMPARE(banc.C(QStringLiteral("bouton_valider"))->font().pixelSize(), 19);
    auto* timer1 = banc.fenetre->findChild<MaintienGeometrie*>(QStringLiteral("Timer1"));
    QVERIFY(timer1);
    QVERIFY(!timer1->Actif());
    banc.Ouvrir();
    QVERIFY(timer1->Actif());
    QCOMPARE(timer1->Minuterie().interval(), 500);
    banc.fenetre->move(40, 30);
    QTRY_COMPARE(banc.fenetre->pos(), QPoint(0, 0));
    QTRY_COMPARE(banc.fenetre->size(), QSize(1024, 768));
    Cliquer(banc.Bouton(QStringLiteral("bouton_annuler")));
    QVERIFY(!timer1->Actif());
}

// Tab visits every control once, in reading order; the arrows choose within a group.
void TestU_pref::choixAuLecteurDEcran_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("reglages"); // sizes 1 to 3, then "modifiable" 1 to 3
    QTest::newRow("a size") << "NbCasesJeu2Taille5"
                            << "3 5 3 / 1 0 0";
    QTest::newRow("changes during play") << "ModifChoix3Oui"
                                         << "3 3 3 / 1 0 1";
}

// A radio button toggled through the accessibility tree sets its preference, as a click does.
void TestU_pref::choixAuLecteurDEcran() {
    QFETCH(QString, bouton);
    QFETCH(QString, reglages);
    Banc banc(ProfilCarrelis());
    banc.Ouvrir();
    QAccessibleInterface* choix = QAccessible::queryAccessibleInterface(banc.Bouton(bouton));
    QVERIFY(choix->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    choix->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    const Preferences& p = banc.prog.Prefs;
    QCOMPARE(QStringLiteral("%1 %2 %3 / %4 %5 %6")
                 .arg(p.TailleJeu1)
                 .arg(p.TailleJeu2)
                 .arg(p.TailleJeu3)
                 .arg(p.ChoixModifiable1)
                 .arg(p.ChoixModifiable2)
                 .arg(p.ChoixModifiable3),
             reglages);
}

void TestU_pref::clavierParcourtEtChoisit() {
    Banc banc(ProfilNavirelle());
    banc.Ouvrir();
    banc.fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(banc.fenetre.get()));
    Cliquer(banc.Bouton(QStringLiteral("CheckBox3"))); // shows "En couleurs :"
    banc.C(QStringLiteral("bouton_changer_image_accueil"))->setFocus();
    QStringList parcours{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        parcours.append(QApplication::focusWidget()->objectName());
    }
    const QStringList attendu{"bouton_changer_image_accueil",
                              "bouton_changer_image_exo",
                              "ModifChoix1Oui",
                              "NbCasesJeu1Taille3",
                              "ModifChoix2Non",
                              "NbCasesJeu2Taille3",
                              "ModifChoix3Non",
                              "NbCasesJeu3Taille3",
                              "CheckBox1",
                              "CheckBox5",
                              "CheckBox2",
                              "CheckBox3",
                              "CheckBox4",
                              "bouton_valider",
                              "bouton_annuler"};
    QCOMPARE(parcours, attendu);

    banc.C(QStringLiteral("NbCasesJeu2Taille3"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(banc.prog.Prefs.TailleJeu2, quint8(4));
    QTest::keyClick(banc.fenetre.get(), Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(banc.fenetre->isHidden()); // an accelerator presses the button after a short animation
    QCOMPARE(banc.Fichier().at(1390), '\4');
}

namespace {

// The controls that take the focus, in their order: each is told to a screen reader.
struct FocusPris : QObject {
    FocusPris() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::FocusIn && objet->isWidgetType()) noms.append(objet->objectName());
        return false;
    }
    QStringList noms;
};

} // namespace

void TestU_pref::tabDansLesDeuxSens_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<QStringList>("parcours");
    const QStringList avant{"bouton_changer_image_exo", "ModifChoix1Oui",     "NbCasesJeu1Taille3",
                            "ModifChoix2Non",           "NbCasesJeu2Taille3", "ModifChoix3Non",
                            "NbCasesJeu3Taille3",       "CheckBox1"};
    QTest::newRow("Tab") << int(Qt::Key_Tab) << avant;
    QTest::newRow("Maj+Tab") << int(Qt::Key_Backtab) << QStringList(avant.rbegin(), avant.rend());
}

// Tab and Maj+Tab stop once on each radio group, on its chosen button, and give the focus to
// nothing else on the way: a screen reader speaks of every control that takes it.
void TestU_pref::tabDansLesDeuxSens() {
    QFETCH(int, touche);
    QFETCH(QStringList, parcours);
    Banc banc(ProfilNavirelle());
    banc.Ouvrir();
    banc.fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(banc.fenetre.get()));
    banc.C(QStringLiteral("NbCasesJeu2Taille3"))->setFocus(); // the group's choices on both sides
    banc.C(parcours.first())->setFocus();
    FocusPris pris;
    for (int i = 1; i < parcours.size(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(touche));
    QCOMPARE(pris.noms, parcours.mid(1));
    QAccessibleInterface* arrivee = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QVERIFY(arrivee->state().focused);
}

void TestU_pref::chaqueControleANomAccessible_data() {
    LesDeuxProgrammes();
}

void TestU_pref::chaqueControleANomAccessible() {
    QFETCH(ProfilProgramme, profil);
    Banc banc(profil);
    banc.Ouvrir();
    QList<QWidget*> controles;
    for (auto* w : banc.fenetre->findChildren<QAbstractButton*>())
        controles.append(w);
    for (auto* w : banc.fenetre->findChildren<QGroupBox*>())
        controles.append(w);
    controles << banc.C(QStringLiteral("PaintBox1")) << banc.C(QStringLiteral("PaintBox2"));
    QStringList noms;
    for (QWidget* w : controles) {
        QVERIFY2(!NomAccessible(w).isEmpty(), qPrintable(w->objectName()));
        noms.append(NomAccessible(w));
    }
    // The two "Changer l'image." buttons say which picture they change.
    QVERIFY(NomAccessible(banc.C(QStringLiteral("bouton_changer_image_accueil"))) !=
            NomAccessible(banc.C(QStringLiteral("bouton_changer_image_exo"))));
    QCOMPARE(NomAccessible(banc.C(QStringLiteral("CheckBox1"))), QStringLiteral("Enregistrer les bilans"));
    QCOMPARE(NomAccessible(banc.C(QStringLiteral("NbCasesJeu2"))),
             QStringLiteral("Jeu n° 2 : nombre de cases"));
}

QTEST_MAIN(TestU_pref)
#include "tst_U_pref.moc"
