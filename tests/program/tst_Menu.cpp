// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, buttons and menu entries reaching their windows, F10, help,
// the taskbar, the geometry hold, the mosaic, and the scaling shared by every window.
#include "core/Echelle.h"
#include "core/FenetreAide.h"
#include "core/MaintienGeometrie.h"
#include "core/MiseAEchelle.h"
#include "core/PlateFormeQt.h"
#include "core/Preferences.h"
#include "core/Programme.h"
#include "core/ZoneMosaique.h"
#include "program/BoutonMenu.h"
#include "program/Fenetres.h"
#include "program/Lancement.h"
#include "program/U_Menu.h"
#include "support/BancProgramme.h"
#include "support/FenetreTemoin.h"
#include "support/HasardScripte.h"
#include "support/Pieges.h"
#include "support/PlateFormeTest.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

Q_DECLARE_METATYPE(IdFenetre)

namespace {

const QList<IdFenetre> Exercices{IdFenetre::JeuCarrelis, IdFenetre::Jeu1, IdFenetre::Jeu23};

// A program with its menu, and stand-ins for the windows given.
struct Banc : BancProgramme {
    explicit Banc(const ProfilProgramme& profil, QList<IdFenetre> temoins = {})
        : BancProgramme(profil), fenetres(prog) {
        // The stand-ins take the place of the real windows, which are then not created.
        for (IdFenetre id : temoins) {
            auto noter = [this, id] { ouvertes.append(id); };
            if (Exercices.contains(id))
                fenetres.Enregistrer(id, std::make_unique<ExerciceTemoin>(prog, fenetres, noter));
            else
                fenetres.Enregistrer(id, std::make_unique<FenetreTemoin>(noter));
        }
        fenetres.CreerDansLOrdre();
        menu = fenetres.Menu();
        menu->ActualiserDisponibilite();
    }
    FenetreTemoin* Temoin(IdFenetre id) { return fenetres.Obtenir<FenetreTemoin>(id); }
    QAction* Action(const QString& nom) const { return menu->findChild<QAction*>(nom); }
    // An entry runs once its caller has returned, as when the menu closes: delivered here, and
    // pendant once the window the entry opens is there.
    void Declencher(const QString& nom, const std::function<void()>& pendant = {}) const {
        Action(nom)->trigger();
        if (pendant) QTimer::singleShot(0, menu, pendant);
        QCoreApplication::sendPostedEvents(menu, QEvent::MetaCall);
    }

    FenetresTemoins fenetres;
    TF_Menu* menu = nullptr;
    QList<IdFenetre> ouvertes;
};

const QList<IdFenetre> TousLesTemoins{IdFenetre::JeuCarrelis,  IdFenetre::Jeu1,      IdFenetre::Jeu23,
                                      IdFenetre::Preferences,  IdFenetre::PubN,      IdFenetre::Image,
                                      IdFenetre::Listes,       IdFenetre::Traitexte, IdFenetre::ChoixImpInd,
                                      IdFenetre::EffaceBilans, IdFenetre::Suivi};

void EcrireImage(const QString& fichier, QColor couleur, QSize taille = QSize(16, 16)) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    QVERIFY(image.save(fichier, "BMP"));
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

  private slots:
    void formCreatePrepareLeProgramme_data();
    void formCreatePrepareLeProgramme();
    void formCreateGardeLeDossierEtabliAuLancement();
    void fermerRendLaBarreMasqueeDeuxFois();
    void menuCreeEnPremier();
    void fermerLeMenuTermineLeProgramme();
    void lesLegendesSontCellesDesFenetres();
    void aideUtilisableDepuisUneFenetreModale();
    void aideQuiNEstPasUnFichierNeRetientPas();
    void lesAutresFenetresNaissentALeurPremiereOuverture();
    void boutonsEtEntreesDeJeu_data();
    void boutonsEtEntreesDeJeu();
    void entreesModales_data();
    void entreesModales();
    void fenetresDesBilansDepuisLeMenu_data();
    void fenetresDesBilansDepuisLeMenu();
    void bilanIndividuelSansChoixNOuvrePasLEditeur();
    void bilanIndividuelChoisiOuvreLEditeur();
    void f10OuvreLesPreferences();
    void aide_data();
    void aide();
    void entreesSansFenetreDesactivees();
    void maintienGeometrie();
    void clicsSurLeFondReplacent();
    void mosaiqueDeLaccueil();
    void premiereApparitionChargeLesPreferences();
    void preferencesQuiNeSontPasUnFichierDitesAuDemarrage_data();
    void preferencesQuiNeSontPasUnFichierDitesAuDemarrage();
    void miseAEchelleDesControlesPlaces_data();
    void miseAEchelleDesControlesPlaces();
    void construitALEchelleDeLEcran_data();
    void construitALEchelleDeLEcran();
    void boutonsDUneTailleGardentChacunLeurEtat_data();
    void boutonsDUneTailleGardentChacunLeurEtat();
};

void TestMenu::formCreatePrepareLeProgramme_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("titre");
    QTest::newRow("carrelis") << ProfilCarrelis() << "Carrelis";
    QTest::newRow("navirelle") << ProfilNavirelle() << "Navirelle";
}

void TestMenu::formCreatePrepareLeProgramme() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, titre);
    PlateFormeTest plate;
    plate.ecran = QRect(0, 0, 1024, 768);
    auto hasard = std::make_unique<HasardScripte>();
    HasardScripte* graines = hasard.get();
    Programme prog(profil, plate, std::move(hasard));
    Fenetres fenetres(prog);
    TF_Menu menu(prog, fenetres);

    QCOMPARE(menu.windowTitle(), titre);
    QVERIFY(plate.barreMasquee);
    QCOMPARE(prog.RepProgramme, QDir::currentPath());
    QCOMPARE(prog.GeometrieMenu, QRect(0, 0, 1024, 768));
    QCOMPARE(graines->graines, 1);
    QCOMPARE(prog.Consigne, profil.ConsigneInitiale);
    // Laid out for 800 x 600, the window grew with the screen.
    QCOMPARE(menu.size(), QSize(1024, 768));
    QCOMPARE(menu.findChild<QWidget*>(QStringLiteral("margedroite"))->width(), 23);
}

void TestMenu::fermerRendLaBarreMasqueeDeuxFois() {
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    banc.Declencher(QStringLiteral("Effacerlabarredestches1"));
    QCOMPARE(banc.plate.masquages, 2);
    QVERIFY(banc.plate.barreMasquee);
    banc.Declencher(QStringLiteral("Quitter1"));
    QVERIFY(!banc.menu->isVisible());
    QVERIFY(!banc.plate.barreMasquee);
    QVERIFY(!banc.menu->Timer1().Actif());
}

// The help or an exercise still open does not keep the program running once the menu closes.
void TestMenu::fermerLeMenuTermineLeProgramme() {
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    FenetreTemoin encoreOuverte;
    encoreOuverte.show();
    QTimer::singleShot(0, banc.menu, [&] { banc.Declencher(QStringLiteral("Quitter1")); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

// The program entry settles the folder (~/Carrelis, a share...) before the menu exists; the menu
// must not take the directory it happens to start in instead.
void TestMenu::formCreateGardeLeDossierEtabliAuLancement() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    prog.RepProgramme = QStringLiteral("/srv/classe/Navirelle");
    Fenetres fenetres(prog);
    TF_Menu menu(prog, fenetres);
    QCOMPARE(prog.RepProgramme, QStringLiteral("/srv/classe/Navirelle"));
}

void TestMenu::lesLegendesSontCellesDesFenetres() {
    NommerApplication(ProfilCarrelis());
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

// A modal window blocks the others: the help it opens must be its own, and leave its field in sight.
void TestMenu::aideUtilisableDepuisUneFenetreModale() {
    PlateFormeQt plate(QStringLiteral("Carrelis"));
    QDialog modale;
    modale.setGeometry(0, 0, 800, 600);
    auto* champ = new QLineEdit(&modale);
    champ->setGeometry(500, 300, 200, 30);
    FenetreAide* aide = nullptr;
    QTimer::singleShot(0, &modale, [&] {
        champ->setFocus();
        plate.AfficherAide(QStringLiteral("absent.hlp"), QStringLiteral("contexte-10"));
        aide = modale.findChild<FenetreAide*>();
        modale.accept();
    });
    modale.exec();
    QVERIFY2(aide, "the help is not a child of the modal window, which blocks it");
    QVERIFY(aide->isWindow());
    QVERIFY(!aide->frameGeometry().intersects(QRect(champ->mapToGlobal(QPoint()), champ->size())));
    // Opened again from the menu, it is nobody's child.
    plate.AfficherAide(QStringLiteral("absent.hlp"), QStringLiteral("Som"));
    QCOMPARE(aide->parentWidget(), nullptr);
    delete aide;
}

// A pipe left at the help file's name is said missing, instead of holding the program.
void TestMenu::aideQuiNEstPasUnFichierNeRetientPas() {
    const GardeContreLAttente garde(30);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("AIDE_CARRELIS.HLP"));
    QVERIFY(Pieges::Tube(fichier));
    FenetreAide aide(QStringLiteral("Carrelis"));
    aide.Ouvrir(fichier, QStringLiteral("Som"));
    QVERIFY(aide.Navigateur()->toPlainText().startsWith(QStringLiteral("Aide introuvable")));
}

void TestMenu::menuCreeEnPremier() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    QCOMPARE(fenetres.OrdreDeCreation().first(), IdFenetre::Menu);
    QCOMPARE(fenetres.Menu()->windowTitle(), QStringLiteral("Navirelle"));
    const auto avant = fenetres.OrdreDeCreation();
    fenetres.CreerDansLOrdre();
    QCOMPARE(fenetres.OrdreDeCreation(), avant);
}

void TestMenu::lesAutresFenetresNaissentALeurPremiereOuverture() {
    PlateFormeTest plate;
    Programme prog(ProfilCarrelis(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    QCOMPARE(fenetres.OrdreDeCreation(), QList<IdFenetre>{IdFenetre::Menu});
    fenetres.Menu()->ActualiserDisponibilite();
    QVERIFY(fenetres.Disponible(IdFenetre::JeuCarrelis));
    QVERIFY(!fenetres.Disponible(IdFenetre::Jeu1)); // a window of the other program
    QCOMPARE(fenetres.OrdreDeCreation().size(), 1);
    QTest::mouseClick(fenetres.Menu()->findChild<QPushButton*>(QStringLiteral("BoutonJ3")), Qt::LeftButton);
    QCOMPARE(fenetres.OrdreDeCreation().last(), IdFenetre::JeuCarrelis);
    QVERIFY(fenetres.Fenetre(IdFenetre::JeuCarrelis)->isVisible());
    // Asked first, any window brings the main menu into being before itself.
    Programme autre(ProfilCarrelis(), plate);
    Fenetres parLaFin(autre);
    QVERIFY(parLaFin.Fenetre(IdFenetre::ModifCh1));
    QCOMPARE(parLaFin.OrdreDeCreation(), (QList<IdFenetre>{IdFenetre::Menu, IdFenetre::ModifCh1}));
    QCOMPARE(autre.Consigne, ProfilCarrelis().ConsigneInitiale);
}

void TestMenu::boutonsEtEntreesDeJeu_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("estBouton");
    QTest::addColumn<int>("numJeu");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<IdFenetre>("fenetre");
    const auto C = ProfilCarrelis(), N = ProfilNavirelle();
    const auto J = IdFenetre::JeuCarrelis;
    QTest::newRow("addition 1") << C << "BoutonJ1" << true << 1 << "+" << J;
    QTest::newRow("addition 3 sets 3 and +") << C << "BoutonJ3" << true << 3 << "+" << J;
    QTest::newRow("multiplication 1 sets 1 and x") << C << "BoutonJ1M" << true << 1 << "x" << J;
    QTest::newRow("multiplication 2") << C << "BoutonJ2M" << true << 2 << "x" << J;
    QTest::newRow("menu addition 2") << C << "FJeu2" << false << 2 << "+" << J;
    QTest::newRow("menu multiplication 3") << C << "FJeu3M" << false << 3 << "x" << J;
    QTest::newRow("navirelle 1: placing") << N << "BoutonJ1" << true << 1 << "" << IdFenetre::Jeu1;
    QTest::newRow("navirelle 2: colouring") << N << "BoutonJ2" << true << 2 << "" << IdFenetre::Jeu23;
    QTest::newRow("navirelle menu 3") << N << "MenuJeu3" << false << 3 << "" << IdFenetre::Jeu23;
}

void TestMenu::boutonsEtEntreesDeJeu() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, nom);
    QFETCH(bool, estBouton);
    QFETCH(int, numJeu);
    QFETCH(QString, operation);
    QFETCH(IdFenetre, fenetre);
    Banc banc(profil, TousLesTemoins);
    banc.menu->show();
    if (estBouton) {
        auto* bouton = banc.menu->findChild<QPushButton*>(nom);
        QVERIFY(bouton && bouton->isEnabled());
        QTest::mouseClick(bouton, Qt::LeftButton);
    } else {
        QVERIFY(banc.Action(nom)->isEnabled());
        banc.Declencher(nom);
    }
    auto* exercice = banc.fenetres.Obtenir<ExerciceTemoin>(fenetre);
    QCOMPARE(exercice->Choix().size(), 1);
    QCOMPARE(exercice->Choix()[0].NumJeu, numJeu);
    if (!operation.isEmpty()) QCOMPARE(Signe(exercice->Choix()[0].Op), operation);
    QCOMPARE(banc.ouvertes, QList<IdFenetre>{fenetre});
    // Exercise windows do not block the menu.
    QVERIFY(!exercice->isModal());
    QVERIFY(exercice->isVisible());
}

void TestMenu::entreesModales_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<IdFenetre>("fenetre");
    QTest::addColumn<int>("modeBilan"); // the editor asked for: -1 not, 0 free, 1 a results file
    QTest::addColumn<bool>("fichierBilan");
    const auto C = ProfilCarrelis(), N = ProfilNavirelle();
    QTest::newRow("preferences") << C << "Prefer1" << IdFenetre::Preferences << -1 << false;
    QTest::newRow("about from the bar") << C << "Lisezmoi2" << IdFenetre::PubN << -1 << false;
    QTest::newRow("about from Fichier") << N << "Aide1" << IdFenetre::PubN << -1 << false;
    QTest::newRow("sheets") << C << "Imprimerdesexercices1" << IdFenetre::Image << -1 << false;
    QTest::newRow("class lists") << N << "Listedlves1" << IdFenetre::Listes << -1 << false;
    QTest::newRow("text file") << C << "Fichiertexte1" << IdFenetre::Traitexte << 0 << false;
    QTest::newRow("text file navirelle") << N << "Editeur1" << IdFenetre::Traitexte << 0 << false;
    QTest::newRow("general results") << C << "Afficherlebilangnral1" << IdFenetre::Traitexte << 1 << true;
    QTest::newRow("general results navirelle")
        << N << "Lirelesrsultats1" << IdFenetre::Traitexte << 1 << true;
    QTest::newRow("results management") << N << "Gestiondesbilans1" << IdFenetre::EffaceBilans << -1 << false;
    QTest::newRow("class follow-up") << C << "Suividelaclasse1" << IdFenetre::Suivi << -1 << false;
}

void TestMenu::entreesModales() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, nom);
    QFETCH(IdFenetre, fenetre);
    QFETCH(int, modeBilan);
    QFETCH(bool, fichierBilan);
    QTemporaryDir programme, ailleurs;
    const QString initial = QDir::currentPath();
    QDir::setCurrent(programme.path());
    Banc banc(profil, TousLesTemoins);
    banc.menu->show();
    banc.menu->move(40, 30);
    QDir::setCurrent(ailleurs.path());

    // Whoever triggers the entry (a screen reader through the accessibility bus) has its answer
    // before the window opens; a modal window would otherwise keep it waiting until closed.
    banc.Action(nom)->trigger();
    QCOMPARE(banc.ouvertes, QList<IdFenetre>{});
    QCoreApplication::sendPostedEvents(banc.menu, QEvent::MetaCall);
    QCOMPARE(banc.ouvertes, QList<IdFenetre>{fenetre});
    QVERIFY(banc.Temoin(fenetre)->modale);
    QCOMPARE(banc.fenetres.textes.size(), modeBilan < 0 ? 0 : 1);
    if (modeBilan >= 0)
        QCOMPARE(banc.fenetres.textes.first().Sorte == TexteAOuvrir::Mode::Bilan, modeBilan == 1);
    if (fichierBilan) QCOMPARE(banc.fenetres.textes.first().Fichier, profil.FichierBilan);
    // The editor and the class lists work in the program folder whatever a dialog did before.
    if (fenetre == IdFenetre::Traitexte || fenetre == IdFenetre::Listes)
        QCOMPARE(QDir::currentPath(), QDir(programme.path()).canonicalPath());
    if (fenetre == IdFenetre::Preferences || fenetre == IdFenetre::PubN)
        QCOMPARE(banc.menu->pos(), QPoint(0, 0));
    QDir::setCurrent(initial);
}

void TestMenu::fenetresDesBilansDepuisLeMenu_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("fenetre");
    QTest::newRow("carrelis: management") << ProfilCarrelis() << "Gestiondesbilans1"
                                          << "F_efface_bilans";
    QTest::newRow("navirelle: management") << ProfilNavirelle() << "Gestiondesbilans1"
                                           << "F_efface_bilans";
    QTest::newRow("carrelis: text file") << ProfilCarrelis() << "Fichiertexte1"
                                         << "F_Traitexte";
    QTest::newRow("navirelle: text file") << ProfilNavirelle() << "Editeur1"
                                          << "F_Traitexte";
    QTest::newRow("carrelis: general results") << ProfilCarrelis() << "Afficherlebilangnral1"
                                               << "F_Traitexte";
    QTest::newRow("navirelle: general results") << ProfilNavirelle() << "Lirelesrsultats1"
                                                << "F_Traitexte";
    QTest::newRow("carrelis: a pupil's results") << ProfilCarrelis() << "Afficherunbilanindividuel1"
                                                 << "F_choix_imp_ind";
    QTest::newRow("carrelis: class follow-up") << ProfilCarrelis() << "Suividelaclasse1"
                                               << "F_Suivi";
    QTest::newRow("navirelle: class follow-up") << ProfilNavirelle() << "Suividelaclasse1"
                                                << "F_Suivi";
}

// The real windows, modal, from each program's menu (a closed window leaves the menu usable).
void TestMenu::fenetresDesBilansDepuisLeMenu() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, entree);
    QFETCH(QString, fenetre);
    Banc banc(profil);
    QVERIFY(banc.Action(entree)->isEnabled());
    QString ouverte;
    banc.Declencher(entree, [&] {
        if (QWidget* modale = QApplication::activeModalWidget()) {
            ouverte = modale->objectName();
            modale->close();
        }
    });
    QCOMPARE(ouverte, fenetre);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestMenu::bilanIndividuelSansChoixNOuvrePasLEditeur() {
    Banc banc(ProfilCarrelis(), TousLesTemoins);
    banc.Declencher(QStringLiteral("Afficherunbilanindividuel1"));
    QCOMPARE(banc.ouvertes, QList<IdFenetre>{IdFenetre::ChoixImpInd});
    QVERIFY(banc.fenetres.textes.isEmpty());
}

// The real chooser, in a folder without class lists: the pupil chosen goes to the editor.
void TestMenu::bilanIndividuelChoisiOuvreLEditeur() {
    QTemporaryDir programme;
    QFile bilan(QDir(programme.path()).filePath(QStringLiteral("Bilan individuel Léa.txt")));
    QVERIFY(bilan.open(QIODevice::WriteOnly));
    Banc banc(ProfilNavirelle(), {IdFenetre::Traitexte});
    banc.prog.RepProgramme = programme.path();
    banc.Declencher(QStringLiteral("Afficherunbilanin1"), [] {
        QWidget* choix = QApplication::activeModalWidget();
        QVERIFY(choix && choix->objectName() == QLatin1String("F_choix_imp_ind"));
        auto* eleves = choix->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QCOMPARE(eleves->count(), 1);
        eleves->setCurrentRow(0);
        QTest::mouseClick(choix->findChild<QPushButton*>(QStringLiteral("Bouton_Quitter")), Qt::LeftButton);
    });
    QCOMPARE(banc.ouvertes, QList<IdFenetre>{IdFenetre::Traitexte});
    QCOMPARE(banc.fenetres.textes.size(), 1);
    QVERIFY(banc.fenetres.textes.first().Sorte == TexteAOuvrir::Mode::Bilan);
    QCOMPARE(banc.fenetres.textes.first().Fichier, QStringLiteral("Bilan individuel Léa.txt"));
}

void TestMenu::f10OuvreLesPreferences() {
    Banc banc(ProfilCarrelis(), TousLesTemoins);
    banc.menu->show();
    banc.menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(banc.menu));
    auto* bouton = banc.menu->findChild<QPushButton*>(QStringLiteral("BoutonJ2M"));
    bouton->setFocus();
    QTest::keyClick(bouton, Qt::Key_F10);
    QCOMPARE(banc.ouvertes, QList<IdFenetre>{IdFenetre::Preferences});
}

void TestMenu::aide_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("ancre");
    QTest::newRow("contents") << ProfilCarrelis() << "Aide2"
                              << "#Som";
    QTest::newRow("teaching notes") << ProfilCarrelis() << "Lapagepdagogique1"
                                    << "#Pedagogie";
    QTest::newRow("navirelle contents from Fichier") << ProfilNavirelle() << "ModeEmpl"
                                                     << "#Som";
}

void TestMenu::aide() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(QString, nom);
    QFETCH(QString, ancre);
    Banc banc(profil);
    banc.prog.FichierAide = profil.FichierAide;
    banc.Declencher(nom);
    QCOMPARE(banc.plate.aidesAffichees, QStringList{profil.FichierAide + ancre});
}

void TestMenu::entreesSansFenetreDesactivees() {
    ProfilProgramme menuSeul = ProfilCarrelis();
    menuSeul.OrdreFenetres = {IdFenetre::Menu};
    Banc banc(menuSeul, {IdFenetre::Traitexte});
    QVERIFY(!banc.menu->findChild<QPushButton*>(QStringLiteral("BoutonJ1"))->isEnabled());
    QVERIFY(!banc.Action(QStringLiteral("FJeu1M"))->isEnabled());
    QVERIFY(!banc.Action(QStringLiteral("Gestiondesbilans1"))->isEnabled());
    // The individual results need their chooser as well as the editor.
    QVERIFY(!banc.Action(QStringLiteral("Afficherunbilanindividuel1"))->isEnabled());
    QVERIFY(banc.Action(QStringLiteral("Fichiertexte1"))->isEnabled());
    QVERIFY(banc.Action(QStringLiteral("Aide2"))->isEnabled());
    QVERIFY(banc.menu->findChild<QPushButton*>(QStringLiteral("SpeedButton3"))->isEnabled());
}

void TestMenu::maintienGeometrie() {
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    QTRY_VERIFY(banc.menu->Timer1().Actif());
    QCOMPARE(banc.menu->Timer1().Minuterie().interval(), 500);
    banc.menu->setGeometry(50, 60, 300, 200);
    banc.menu->Timer1().Tenir();
    QCOMPARE(banc.menu->pos(), banc.prog.GeometrieMenu.topLeft());
    QCOMPARE(banc.menu->size(), banc.prog.GeometrieMenu.size());
}

void TestMenu::clicsSurLeFondReplacent() {
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    for (const char* nom : {"margedroite", "margegauche", "PaintBox1", "StatusBar1"}) {
        banc.menu->move(33, 44);
        QTest::mouseClick(banc.menu->findChild<QWidget*>(QLatin1String(nom)), Qt::LeftButton, {},
                          QPoint(2, 2));
        QCOMPARE(banc.menu->pos(), QPoint(0, 0));
    }
}

void TestMenu::mosaiqueDeLaccueil() {
    QTemporaryDir dossier;
    const QString initial = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    EcrireImage(QStringLiteral("Carrelis_Titre.bmp"), Qt::red);
    EcrireImage(QStringLiteral("choisie.bmp"), Qt::blue);
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    auto* zone = banc.menu->findChild<QWidget*>(QStringLiteral("PaintBox1"));
    const QPoint coin = zone->rect().bottomRight() - QPoint(3, 3);
    QCOMPARE(zone->grab().toImage().pixelColor(coin), QColor(Qt::red));
    banc.prog.Prefs.ImagesPref[0] = dossier.filePath(QStringLiteral("choisie.bmp"));
    QCOMPARE(zone->grab().toImage().pixelColor(coin), QColor(Qt::blue));
    banc.prog.Prefs.ImagesPref[0] = QStringLiteral("effacee.bmp");
    QCOMPARE(zone->grab().toImage().pixelColor(coin), QColor(Qt::red));
    QDir::setCurrent(initial);
}

void TestMenu::premiereApparitionChargeLesPreferences() {
    QTemporaryDir dossier;
    const QString initial = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    Preferences enregistrees;
    enregistrees.TailleJeu2 = 5;
    enregistrees.ImagesPref[0] = QStringLiteral("choisie.bmp");
    QString raison;
    QVERIFY(EnregistrerPreferences(enregistrees, QStringLiteral("Carrelis.pfr"), raison));
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    QCOMPARE(int(banc.prog.Prefs.TailleJeu2), 5);
    QCOMPARE(int(banc.prog.PrefSauvees.TailleJeu2), 5);
    QCOMPARE(banc.prog.Prefs.ImagesPref[0], QStringLiteral("choisie.bmp"));
    QDir::setCurrent(initial);
}

void TestMenu::preferencesQuiNeSontPasUnFichierDitesAuDemarrage_data() {
    QTest::addColumn<bool>("tube");
    QTest::addColumn<QString>("dit");
    QTest::newRow("a named pipe") << true << "c'est un tube nommé (FIFO), pas un fichier ordinaire";
    QTest::newRow("a link to another file") << false << "mettra un vrai fichier à la place du lien";
}

// The program starts, on its defaults, and says what it found, over its menu.
void TestMenu::preferencesQuiNeSontPasUnFichierDitesAuDemarrage() {
    QFETCH(bool, tube);
    QFETCH(QString, dit);
    const GardeContreLAttente garde(30);
    QTemporaryDir dossier;
    const QString initial = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    Preferences ailleurs;
    ailleurs.TailleJeu2 = 5;
    QString raison;
    QVERIFY(EnregistrerPreferences(ailleurs, QStringLiteral("notes.txt"), raison));
    QVERIFY(tube ? Pieges::Tube(QStringLiteral("Carrelis.pfr"))
                 : Pieges::Lien(QStringLiteral("Carrelis.pfr"), QStringLiteral("notes.txt")));
    Banc banc(ProfilCarrelis());
    banc.menu->show();
    QTRY_COMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements[0].startsWith(
                 QStringLiteral("Les préférences n'ont pas pu être lues dans «\u00a0Carrelis.pfr\u00a0»")),
             qPrintable(banc.plate.avertissements[0]));
    QVERIFY2(banc.plate.avertissements[0].contains(dit), qPrintable(banc.plate.avertissements[0]));
    QVERIFY(banc.menu->isVisible());
    QCOMPARE(banc.prog.Prefs.Octets(), Preferences().Octets());
    QDir::setCurrent(initial);
}

void TestMenu::miseAEchelleDesControlesPlaces_data() {
    QTest::addColumn<int>("largeurEcran");
    QTest::addColumn<int>("ppp");
    QTest::addColumn<QRect>("bouton");
    QTest::addColumn<int>("police");
    QTest::newRow("800 at 96 dpi") << 800 << 96 << QRect(640, 324, 145, 37) << 19;
    QTest::newRow("1024 at 96 dpi") << 1024 << 96 << QRect(819, 415, 186, 47) << 24;
    QTest::newRow("1024 at 120 dpi") << 1024 << 120 << QRect(655, 332, 148, 38) << 19;
}

void TestMenu::miseAEchelleDesControlesPlaces() {
    QFETCH(int, largeurEcran);
    QFETCH(int, ppp);
    QFETCH(QRect, bouton);
    QFETCH(int, police);
    PlateFormeTest plate;
    plate.ecran = QRect(0, 0, largeurEcran, largeurEcran * 3 / 4);
    plate.ppp = ppp;
    QWidget fenetre;
    fenetre.resize(800, 600);
    auto* nouveau = new QPushButton(QStringLiteral("Nouveau"), &fenetre);
    nouveau->setGeometry(640, 324, 145, 37);
    QFont gras(QStringLiteral("Arial"));
    gras.setPixelSize(19);
    nouveau->setFont(gras);
    auto* etiquette = new QLabel(nouveau); // inherits its parent's font
    MettreAEchelle(fenetre, plate);
    QCOMPARE(nouveau->geometry(), bouton);
    QCOMPARE(nouveau->font().pixelSize(), police);
    QCOMPARE(etiquette->font().pixelSize(), police);
}

namespace {
// The controls of a window, without the menus that Qt's menu bar makes for itself (the one its
// overflow arrow opens, made when the bar is laid out again).
QList<QWidget*> Controles(const QWidget& fenetre) {
    QList<QWidget*> controles = fenetre.findChildren<QWidget*>();
    controles.removeIf(
        [](const QWidget* w) { return qobject_cast<const QMenu*>(w) && w->objectName().isEmpty(); });
    return controles;
}
} // namespace

void TestMenu::construitALEchelleDeLEcran_data() {
    QTest::addColumn<QSize>("ecran");
    QTest::addColumn<int>("ppp");
    QTest::newRow("1024 x 768 at 96 dpi") << QSize(1024, 768) << 96;
    QTest::newRow("1024 x 768 at 120 dpi") << QSize(1024, 768) << 120;
    QTest::newRow("1280 x 1024: the height bounds the ratio") << QSize(1280, 1024) << 96;
}

// The menu is built at the screen's scale at once: each control where, and in the font, that
// building it at 800 x 600 and scaling it as every other window is scaled would leave it.
void TestMenu::construitALEchelleDeLEcran() {
    QFETCH(QSize, ecran);
    QFETCH(int, ppp);
    for (const ProfilProgramme& profil : {ProfilCarrelis(), ProfilNavirelle()}) {
        BancProgramme aLEchelle(profil, ecran), aLaConception(profil, QSize(800, 600));
        aLEchelle.plate.ppp = ppp;
        Fenetres fenetres(aLEchelle.prog), reference(aLaConception.prog);
        TF_Menu menu(aLEchelle.prog, fenetres), mis(aLaConception.prog, reference);
        PlateFormeTest ecranReel;
        ecranReel.ecran = QRect(QPoint(0, 0), ecran);
        ecranReel.ppp = ppp;
        MettreAEchelle(mis, ecranReel);
        const QList<QWidget*> controles = Controles(menu), attendus = Controles(mis);
        QCOMPARE(controles.size(), attendus.size());
        QCOMPARE(menu.font(), mis.font());
        for (int i = 0; i < controles.size(); ++i) {
            QCOMPARE(controles[i]->objectName(), attendus[i]->objectName());
            QCOMPARE(controles[i]->font(), attendus[i]->font());
            // What a layout places, the layout places again; the menu bar lays out its own, and
            // the mosaic takes its frame's size at each resize.
            const QWidget* parent = controles[i]->parentWidget();
            if (!controles[i]->isWindow() && !parent->layout() && !qobject_cast<const QMenuBar*>(parent) &&
                !qobject_cast<const ZoneMosaique*>(controles[i]))
                QCOMPARE(controles[i]->geometry(), attendus[i]->geometry());
        }
        // The edge strips sit in a layout: their widths are scaled by the menu itself.
        const double rapport = RapportEchelle(ecran, ppp);
        QCOMPARE(menu.findChild<QWidget*>(QStringLiteral("margedroite"))->width(), AEchelle(18, rapport));
        QCOMPARE(menu.findChild<QWidget*>(QStringLiteral("margegauche"))->width(), AEchelle(17, rapport));
    }
}

void TestMenu::boutonsDUneTailleGardentChacunLeurEtat_data() {
    QTest::addColumn<QString>("etat");
    QTest::addColumn<QColor>("anneau");
    QTest::addColumn<QColor>("fond");
    // The fill is translucent but when pressed: only that one is read through the white.
    QTest::newRow("at rest: yellow ring") << "repos" << QColor(245, 196, 0) << QColor();
    QTest::newRow("with the keyboard: white ring") << "clavier" << QColor(Qt::white) << QColor();
    QTest::newRow("unavailable: grey ring") << "inactif" << QColor(176, 176, 176) << QColor();
    QTest::newRow("pressed: deep blue") << "enfonce" << QColor(245, 196, 0) << QColor(10, 25, 100);
}

// The buttons of one size share the face drawn for their look during a paint: each of them, in
// whichever order they are painted, still shows its own state.
void TestMenu::boutonsDUneTailleGardentChacunLeurEtat() {
    QFETCH(QString, etat);
    QFETCH(QColor, anneau);
    QFETCH(QColor, fond);
    QWidget fenetre;
    fenetre.setAutoFillBackground(true);
    QPalette blanc = fenetre.palette();
    blanc.setColor(QPalette::Window, Qt::white);
    fenetre.setPalette(blanc);
    fenetre.resize(400, 60);
    // The button in the given state between two at rest, all of one size.
    QList<BoutonMenu*> boutons;
    for (int i = 0; i < 3; ++i) {
        boutons.append(new BoutonMenu(QStringLiteral("Exercice"), &fenetre));
        boutons[i]->setGeometry(i * 130, 0, 120, 60);
    }
    BoutonMenu* teste = boutons[1];
    fenetre.show();
    if (etat == QLatin1String("clavier")) {
        fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        teste->setFocus();
        QVERIFY(teste->hasFocus());
    }
    teste->setEnabled(etat != QLatin1String("inactif"));
    teste->setDown(etat == QLatin1String("enfonce"));
    const QImage image = fenetre.grab().toImage();
    const int milieu = teste->width() / 2;
    QCOMPARE(image.pixelColor(teste->x() + milieu, 0), anneau);
    if (fond.isValid()) QCOMPARE(image.pixelColor(teste->x() + 6, teste->height() / 2), fond);
    for (BoutonMenu* voisin : {boutons[0], boutons[2]})
        QCOMPARE(image.pixelColor(voisin->x() + milieu, 0), QColor(245, 196, 0));
}

QTEST_MAIN(TestMenu)
#include "tst_Menu.moc"
