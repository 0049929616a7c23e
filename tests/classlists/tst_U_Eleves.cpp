// SPDX-License-Identifier: GPL-3.0-or-later
// The class list editor driven as a teacher would, mouse and keyboard: what it shows, what lands
// on disk, and every name, limit or failure it refuses with a French message.
#include "classlists/U_Eleves.h"
#include "core/Programme.h"
#include "support/ActionsAccessibles.h"
#include "support/BancProgramme.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// One program's state and its class list editor, the program folder being the test's folder.
struct Banc : BancProgramme {
    explicit Banc(const ProfilProgramme& profil = ProfilCarrelis(), QSize ecran = QSize(800, 600))
        : BancProgramme(profil, ecran) {
        prog.FichierAide = QStringLiteral("AIDE.HLP");
        fenetre = std::make_unique<TF_Listes>(prog);
        fenetre->show();
        if (!QTest::qWaitForWindowExposed(fenetre.get())) qWarning("window not exposed");
    }
    template <class T = QWidget> T* C(const char* nom) const {
        T* controle = fenetre->findChild<T*>(QLatin1String(nom));
        if (!controle) qWarning("no control %s", nom);
        return controle;
    }
    QLineEdit* Edit1() const { return C<QLineEdit>("Edit1"); }
    QLineEdit* Edit2() const { return C<QLineEdit>("Edit2"); }
    QListWidget* Liste() const { return C<QListWidget>("ListBox1"); }
    void Cliquer(const char* bouton) const { QTest::mouseClick(C<QPushButton>(bouton), Qt::LeftButton); }
    QStringList Affiches() const {
        QStringList noms;
        for (int i = 0; i < Liste()->count(); ++i)
            noms.append(Liste()->item(i)->text());
        return noms;
    }
    // Non-ASCII characters go one by one: QTest::keyClicks asserts on them.
    static void Taper(QWidget* champ, const QString& texte) {
        for (QChar c : texte)
            QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void AjouterEleve(const QString& nom) const {
        Taper(Edit2(), nom);
        QTest::keyClick(Edit2(), Qt::Key_Return);
    }
    void NouvelleClasse(const QString& classe, const QStringList& eleves) const {
        Cliquer("bouton_nouveau");
        Taper(Edit1(), classe);
        QTest::keyClick(Edit1(), Qt::Key_Return);
        for (const QString& nom : eleves)
            AjouterEleve(nom);
    }

    std::unique_ptr<TF_Listes> fenetre;
};

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QByteArray Enregistrement(const QByteArray& nom) {
    QByteArray octets(256, '\0');
    octets[0] = static_cast<char>(nom.size());
    octets.replace(1, nom.size(), nom);
    return octets;
}

QString NomAccessible(QWidget* w) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(w);
    return interface ? interface->text(QAccessible::Name) : QString();
}

// What a screen reader was last told, and by which control.
QString DerniereAnnonce(const Banc& banc) {
    if (banc.plate.annonces.isEmpty()) return {};
    return NomAccessible(qobject_cast<QWidget*>(banc.plate.annonces.last().first));
}

QStringList FichiersDuDossier() {
    return QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class TestU_Eleves : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void etatALaCreation_data();
    void etatALaCreation();
    void creerCE1AuClavierEcritTroisEnregistrementsTries();
    void entreeDansUnChampVideAjouteUnNomVide();
    void enregistrerSansNomDeClasseNEcritRien();
    void cinquanteEtUniemeEleveRefuse();
    void nomIntraduisibleRefuse();
    void nomDeClasseQuiSortiraitDuDossierRefuse_data();
    void nomDeClasseQuiSortiraitDuDossierRefuse();
    void enregistrementRateLaisseLeFichierEtLeDit();
    void remplacerUneClasseExistanteDemandeDAbord_data();
    void remplacerUneClasseExistanteDemandeDAbord();
    void uneClasseOuverteRetourneDansSonFichier();
    void ouvrirUneClasseExistante();
    void ouvrirUnFichierDePlusDe50Eleves();
    void ouvrirUnFichierIllisibleGardeLaListe();
    void rayerUnEleve_data();
    void rayerUnEleve();
    void quitterVideTout_data();
    void quitterVideTout();
    void menuFaitCommeLesBoutons();
    void miseAEchelleSurGrandEcran();
    void chaqueControleANomAccessible();

  private:
    std::unique_ptr<QTemporaryDir> dossier;
    QString dossierInitial;
};

void TestU_Eleves::init() {
    dossierInitial = QDir::currentPath();
    dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dossier->path()));
}

void TestU_Eleves::cleanup() {
    QDir::setCurrent(dossierInitial);
    dossier.reset();
}

void TestU_Eleves::etatALaCreation_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("contexte");
    QTest::newRow("carrelis") << ProfilCarrelis() << 9;
    QTest::newRow("navirelle") << ProfilNavirelle() << 8;
}

void TestU_Eleves::etatALaCreation() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, contexte);
    Banc banc(profil);
    QCOMPARE(banc.fenetre->windowTitle(), QStringLiteral("Création de listes d'élèves."));
    QCOMPARE(banc.fenetre->objectName(), QStringLiteral("F_Listes"));
    QCOMPARE(banc.fenetre->property("contexteAide").toInt(), contexte);
    QVERIFY(banc.fenetre->isModal());
    const QList<std::pair<const char*, QString>> libelles{
        {"Label1", "Nom de la classe :"},
        {"Label2", "Nouvel élève :"},
        {"Label3", "Liste des élèves :"},
        {"Label4", "Il faut donner un nom à la classe."},
        {"bouton_nouveau", "&Nouvelle classe."},
        {"bouton_ouvrir", "&Ouvrir une classe existante."},
        {"bouton_enregistrer", "&Enregistrer la classe en cours."},
        {"bouton_rayer", "&Rayer l'élève de la liste."},
        {"bouton_quitter", "&Quitter l'éditeur."}};
    for (const auto& [nom, libelle] : libelles) {
        QWidget* controle = banc.C(nom);
        QVERIFY2(controle, nom);
        const QString texte = qobject_cast<QLabel*>(controle) ? qobject_cast<QLabel*>(controle)->text()
                                                              : qobject_cast<QPushButton*>(controle)->text();
        QCOMPARE(texte, libelle);
    }
    const QList<std::pair<const char*, QString>> menus{
        {"Nouvellesrie1", "&Nouvelle classe"},
        {"Ouvrirunsrieexistante1", "&Ouvrir une classe existante"},
        {"Enregistrerlasrieencours1", "&Enregistrer la classe en cours"},
        {"Quitter1", "&Quitter"},
        {"Aide1", "Ai&de     "}};
    for (const auto& [nom, libelle] : menus)
        QCOMPARE(banc.C<QAction>(nom)->text(), libelle);
    QCOMPARE(banc.C<QMenu>("Fichier1")->title(), QStringLiteral("&Fichier     "));
    QVERIFY(banc.C<QAction>("N1")->isSeparator());
    // Nothing can be typed or saved before a class is started.
    for (const char* nom : {"bouton_enregistrer", "bouton_rayer", "Edit1", "Edit2"})
        QVERIFY2(!banc.C(nom)->isEnabled(), nom);
    QVERIFY(banc.C("bouton_nouveau")->isEnabled());
    QVERIFY(banc.C("Label4")->isHidden());
    QCOMPARE(banc.fenetre->focusWidget(), banc.C("bouton_nouveau"));
}

// Zoé, Adam, Léa typed with Enter after each: the list and the file keep them sorted.
void TestU_Eleves::creerCE1AuClavierEcritTroisEnregistrementsTries() {
    Banc banc;
    banc.fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(banc.fenetre.get()));
    // A mnemonic clicks its button a moment later, as a click shown on screen.
    QTest::keyClick(banc.fenetre.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), banc.Edit1());
    Banc::Taper(banc.Edit1(), QStringLiteral("CE1"));
    QTest::keyClick(banc.Edit1(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), banc.Edit2()); // Enter goes on to the pupils
    for (const QString& nom : {QStringLiteral("Zoé"), QStringLiteral("Adam"), QStringLiteral("Léa")})
        banc.AjouterEleve(nom);
    QCOMPARE(banc.Affiches(), (QStringList{"Adam", "Léa", "Zoé"}));
    QVERIFY(banc.Edit2()->text().isEmpty());
    QCOMPARE(banc.C<QLabel>("Label5")->text(), QStringLiteral("3 élèves (50 au plus)."));
    QCOMPARE(DerniereAnnonce(banc),
             QStringLiteral("«\u00a0Léa\u00a0» ajouté à la liste\u00a0: 3 élèves (50 au plus)."));
    QTest::keyClick(banc.fenetre.get(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(Contenu(QStringLiteral("CE1.elv")), Enregistrement("Adam") +
                                                         Enregistrement("L\xE9"
                                                                        "a") +
                                                         Enregistrement("Zo\xE9"));
    QVERIFY(banc.plate.avertissements.isEmpty()); // no message after a save that worked
    QCOMPARE(FichiersDuDossier(), QStringList{"CE1.elv"});
}

void TestU_Eleves::entreeDansUnChampVideAjouteUnNomVide() {
    Banc banc;
    banc.NouvelleClasse(QStringLiteral("CP"), {QStringLiteral("Lou"), QString()});
    QCOMPARE(banc.Affiches(), (QStringList{"", "Lou"}));
    QCOMPARE(DerniereAnnonce(banc),
             QStringLiteral("(nom vide) ajouté à la liste\u00a0: 2 élèves (50 au plus)."));
    QCOMPARE(banc.Liste()->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("(nom vide)"));
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(Contenu(QStringLiteral("CP.elv")), Enregistrement("") + Enregistrement("Lou"));
}

void TestU_Eleves::enregistrerSansNomDeClasseNEcritRien() {
    Banc banc;
    banc.NouvelleClasse(QString(), {QStringLiteral("Adam")});
    banc.Cliquer("bouton_enregistrer");
    QVERIFY(banc.C("Label4")->isVisible());
    QVERIFY(FichiersDuDossier().isEmpty());
    QVERIFY(banc.plate.avertissements.isEmpty());
    QCOMPARE(banc.plate.annonces.last().first, banc.C("Label4"));
    // Any key in the class name hides the reminder.
    Banc::Taper(banc.Edit1(), QStringLiteral("C"));
    QVERIFY(banc.C("Label4")->isHidden());
}

void TestU_Eleves::cinquanteEtUniemeEleveRefuse() {
    Banc banc;
    banc.NouvelleClasse(QStringLiteral("CM2"), {});
    for (int i = 0; i < 50; ++i)
        banc.AjouterEleve(QStringLiteral("Eleve %1").arg(i, 2, 10, QLatin1Char('0')));
    QVERIFY(banc.plate.avertissements.isEmpty());
    banc.AjouterEleve(QStringLiteral("Zacharie"));
    QCOMPARE(banc.Liste()->count(), 50);
    QCOMPARE(banc.fenetre->Eleves().size(), 50);
    QCOMPARE(banc.plate.avertissements,
             QStringList{QStringLiteral(
                 "Une classe compte 50 élèves au plus\u00a0: «\u00a0Zacharie\u00a0» n'a pas été ajouté "
                 "à la liste.")});
    QCOMPARE(banc.Edit2()->text(), QStringLiteral("Zacharie")); // nothing typed is lost
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(Contenu(QStringLiteral("CM2.elv")).size(), 50 * 256);
}

void TestU_Eleves::nomIntraduisibleRefuse() {
    Banc banc;
    banc.NouvelleClasse(QStringLiteral("CE2"), {QStringLiteral("Łukasz")});
    QVERIFY(banc.Affiches().isEmpty());
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY(banc.plate.avertissements[0].startsWith(
        QStringLiteral("Le nom «\u00a0Łukasz\u00a0» contient des caractères")));
    QCOMPARE(banc.Edit2()->text(), QStringLiteral("Łukasz"));
}

void TestU_Eleves::nomDeClasseQuiSortiraitDuDossierRefuse_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("debutMessage");
    const QString interdits = QStringLiteral("Le nom de la classe ne peut pas contenir");
    QTest::newRow("parent folder") << "../CE1" << interdits;
    QTest::newRow("slash") << "CM1/CM2" << interdits;
    QTest::newRow("backslash") << "..\\CE1" << interdits;
    QTest::newRow("colon") << "C:CE1" << interdits;
    QTest::newRow("star and question mark") << "CE*?" << interdits;
    QTest::newRow("beyond Windows-1252")
        << "Класс" << QStringLiteral("Le nom de la classe contient des caractères");
    QTest::newRow("blanks only") << "   " << QStringLiteral("Il faut donner un nom à la classe.");
    const QString cachee = QStringLiteral("Le nom de la classe ne peut pas commencer par un point");
    QTest::newRow("hidden file") << ".CE2" << cachee;
    QTest::newRow("a full stop") << "." << cachee;
    QTest::newRow("two full stops") << ".." << cachee;
}

void TestU_Eleves::nomDeClasseQuiSortiraitDuDossierRefuse() {
    QFETCH(QString, classe);
    QFETCH(QString, debutMessage);
    QDir::current().mkdir(QStringLiteral("programme"));
    QDir::setCurrent(QStringLiteral("programme"));
    Banc banc;
    banc.NouvelleClasse(QString(), {QStringLiteral("Adam")});
    banc.Edit1()->setText(classe); // as pasted
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements[0].startsWith(debutMessage), qPrintable(banc.plate.avertissements[0]));
    QVERIFY(FichiersDuDossier().isEmpty());
    QCOMPARE(QDir(dossier->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"programme"});
}

// A folder with the class's file name stands for any file the system will not let us write.
void TestU_Eleves::enregistrementRateLaisseLeFichierEtLeDit() {
    Banc banc;
    QVERIFY(QDir::current().mkdir(QStringLiteral("CE1.elv")));
    banc.NouvelleClasse(QStringLiteral("CE1"), {QStringLiteral("Adam")});
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements[0].startsWith(
                 QStringLiteral("La classe n'a pas été enregistrée dans «\u00a0CE1.elv\u00a0»\u00a0: un "
                                "dossier porte déjà ce nom")),
             qPrintable(banc.plate.avertissements[0]));
    QCOMPARE(banc.Affiches(), QStringList{"Adam"}); // the list stays, for another try
    QCOMPARE(FichiersDuDossier(), QStringList{"CE1.elv"});
    QVERIFY(QFileInfo(QStringLiteral("CE1.elv")).isDir());
}

// "Nouvelle classe" saved under the name of an existing class: a teacher could lose a list.
void TestU_Eleves::remplacerUneClasseExistanteDemandeDAbord_data() {
    QTest::addColumn<bool>("oui");
    QTest::newRow("Non keeps the old list") << false;
    QTest::newRow("Oui replaces it") << true;
}

void TestU_Eleves::remplacerUneClasseExistanteDemandeDAbord() {
    QFETCH(bool, oui);
    QFile ancienne(QStringLiteral("CE1.elv"));
    QVERIFY(ancienne.open(QIODevice::WriteOnly));
    ancienne.write(Enregistrement("Adam") + Enregistrement("Zo\xE9"));
    ancienne.close();
    Banc banc;
    banc.plate.reponsesQuestions = {oui};
    banc.NouvelleClasse(QStringLiteral("CE1"), {QStringLiteral("Paul")});
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(banc.plate.questions.size(), 1);
    QVERIFY(banc.plate.questions[0].contains(QStringLiteral("«\u00a0CE1\u00a0» existe déjà")));
    QCOMPARE(Contenu(QStringLiteral("CE1.elv")),
             oui ? Enregistrement("Paul") : Enregistrement("Adam") + Enregistrement("Zo\xE9"));
    // Once replaced, the class is the one being edited: saving it again asks nothing more.
    banc.AjouterEleve(QStringLiteral("Zoé"));
    banc.plate.reponsesQuestions = {false};
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(banc.plate.questions.size(), oui ? 1 : 2);
}

void TestU_Eleves::uneClasseOuverteRetourneDansSonFichier() {
    QFile ancienne(QStringLiteral("OLD.ELV"));
    QVERIFY(ancienne.open(QIODevice::WriteOnly));
    ancienne.write(Enregistrement("Adam"));
    ancienne.close();
    Banc banc;
    banc.plate.reponsesOuvrir = QStringList{QDir::current().filePath(QStringLiteral("OLD.ELV"))};
    banc.Cliquer("bouton_ouvrir");
    banc.AjouterEleve(QStringLiteral("Paul"));
    banc.Cliquer("bouton_enregistrer");
    QVERIFY(banc.plate.questions.isEmpty());
    QCOMPARE(FichiersDuDossier(), QStringList{"OLD.ELV"});
    QCOMPARE(Contenu(QStringLiteral("OLD.ELV")), Enregistrement("Adam") + Enregistrement("Paul"));
}

// The dialog answers a file of another folder; afterwards the program folder is current again.
void TestU_Eleves::ouvrirUneClasseExistante() {
    QTemporaryDir ailleurs;
    const QString chemin = ailleurs.filePath(QStringLiteral("CE1.elv"));
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(Enregistrement("Zo\xE9") + Enregistrement("adam") +
                  Enregistrement("L\xE9"
                                 "a"));
    fichier.close();
    Banc banc;
    banc.plate.reponsesOuvrir = QStringList{chemin};
    QDir::setCurrent(ailleurs.path());
    banc.Cliquer("bouton_ouvrir");
    QCOMPARE(banc.plate.dialoguesOuverts.size(), 1);
    QCOMPARE(banc.plate.dialoguesOuverts[0].filtre, QStringLiteral("fichiers élèves (*.elv)"));
    QCOMPARE(banc.Edit1()->text(), QStringLiteral("CE1"));
    QCOMPARE(banc.Affiches(), (QStringList{"adam", "Léa", "Zoé"}));
    for (const char* nom : {"Edit1", "Edit2", "bouton_enregistrer"})
        QVERIFY2(banc.C(nom)->isEnabled(), nom);
    QCOMPARE(QDir::currentPath(), banc.prog.RepProgramme);
    // Saved in the program folder, sorted.
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(Contenu(QStringLiteral("CE1.elv")), Enregistrement("adam") +
                                                     Enregistrement("L\xE9"
                                                                    "a") +
                                                     Enregistrement("Zo\xE9"));
}

void TestU_Eleves::ouvrirUnFichierDePlusDe50Eleves() {
    QByteArray octets;
    for (int i = 0; i < 55; ++i)
        octets += Enregistrement("E" + QByteArray::number(100 + i));
    QFile fichier(QStringLiteral("CM1.elv"));
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(octets);
    fichier.close();
    Banc banc;
    banc.plate.reponsesOuvrir = QStringList{QDir::current().absoluteFilePath(QStringLiteral("CM1.elv"))};
    banc.Cliquer("bouton_ouvrir");
    QCOMPARE(banc.Liste()->count(), 50);
    QCOMPARE(banc.Affiches().back(), QStringLiteral("E149"));
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY(banc.plate.avertissements[0].startsWith(
        QStringLiteral("Le fichier «\u00a0CM1.elv\u00a0» compte 55 élèves")));
}

void TestU_Eleves::ouvrirUnFichierIllisibleGardeLaListe() {
    Banc banc;
    banc.NouvelleClasse(QStringLiteral("CE2"), {QStringLiteral("Adam")});
    banc.plate.reponsesOuvrir = QStringList{QDir::current().absoluteFilePath(QStringLiteral("parti.elv"))};
    banc.Cliquer("bouton_ouvrir");
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(
        banc.plate.avertissements[0].startsWith(QStringLiteral(
            "La classe «\u00a0parti.elv\u00a0» n'a pas pu être ouverte\u00a0: le fichier est introuvable")),
        qPrintable(banc.plate.avertissements[0]));
    QCOMPARE(banc.Edit1()->text(), QStringLiteral("CE2"));
    QCOMPARE(banc.Affiches(), QStringList{"Adam"});
}

void TestU_Eleves::rayerUnEleve_data() {
    QTest::addColumn<QString>("moyen");
    QTest::newRow("click and button") << "souris";
    QTest::newRow("arrow and Delete") << "clavier";
    QTest::newRow("a screen reader's toggle and press") << "lecteur";
}

// Léa, second of the list, struck out however she was chosen; nothing stays chosen after.
void TestU_Eleves::rayerUnEleve() {
    QFETCH(QString, moyen);
    Banc banc;
    banc.NouvelleClasse(QStringLiteral("CE1"),
                        {QStringLiteral("Zoé"), QStringLiteral("Adam"), QStringLiteral("Léa")});
    QListWidget* liste = banc.Liste();
    QVERIFY(!banc.C("bouton_rayer")->isEnabled());
    if (moyen == QLatin1String("souris")) {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        QVERIFY(banc.C("bouton_rayer")->isEnabled());
        banc.Cliquer("bouton_rayer");
    } else if (moyen == QLatin1String("clavier")) {
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Home);
        QTest::keyClick(liste, Qt::Key_Down);
        QVERIFY(banc.C("bouton_rayer")->isEnabled());
        QTest::keyClick(liste, Qt::Key_Delete);
    } else {
        QVERIFY(ActionsAccessibles::Basculer(*banc.fenetre, QStringLiteral("Léa")));
        QVERIFY(banc.C("bouton_rayer")->isEnabled());
        QVERIFY(ActionsAccessibles::Appuyer(*banc.fenetre, QStringLiteral("Rayer l'élève de la liste")));
    }
    QCOMPARE(banc.Affiches(), (QStringList{"Adam", "Zoé"}));
    QCOMPARE(DerniereAnnonce(banc),
             QStringLiteral("«\u00a0Léa\u00a0» rayé de la liste\u00a0: 2 élèves (50 au plus)."));
    QVERIFY(!banc.C("bouton_rayer")->isEnabled());
    banc.Cliquer("bouton_enregistrer");
    QCOMPARE(Contenu(QStringLiteral("CE1.elv")), Enregistrement("Adam") + Enregistrement("Zo\xE9"));
}

void TestU_Eleves::quitterVideTout_data() {
    QTest::addColumn<QString>("sortie");
    QTest::newRow("button") << "bouton";
    QTest::newRow("menu") << "menu";
    QTest::newRow("Escape") << "echap";
}

// Closing without saving loses the edits, as the help says; the next showing starts empty with
// the fields as they were enabled.
void TestU_Eleves::quitterVideTout() {
    QFETCH(QString, sortie);
    Banc banc;
    banc.NouvelleClasse(QStringLiteral("CE1"), {QStringLiteral("Adam")});
    banc.Taper(banc.Edit2(), QStringLiteral("Lé"));
    if (sortie == QLatin1String("bouton"))
        banc.Cliquer("bouton_quitter");
    else if (sortie == QLatin1String("menu"))
        banc.C<QAction>("Quitter1")->trigger();
    else
        QTest::keyClick(banc.Edit2(), Qt::Key_Escape);
    QVERIFY(banc.fenetre->isHidden());
    QVERIFY(FichiersDuDossier().isEmpty());
    banc.fenetre->show();
    QVERIFY(banc.Affiches().isEmpty());
    QVERIFY(banc.Edit1()->text().isEmpty());
    QVERIFY(banc.Edit2()->text().isEmpty());
    QVERIFY(banc.Edit1()->isEnabled());
    QCOMPARE(banc.fenetre->focusWidget(), banc.Edit1());
}

void TestU_Eleves::menuFaitCommeLesBoutons() {
    Banc banc(ProfilNavirelle());
    QVERIFY(!banc.C<QAction>("Enregistrerlasrieencours1")->isEnabled());
    banc.C<QAction>("Nouvellesrie1")->trigger();
    QVERIFY(banc.Edit1()->isEnabled());
    QVERIFY(banc.C<QAction>("Enregistrerlasrieencours1")->isEnabled());
    banc.Taper(banc.Edit1(), QStringLiteral("CM1"));
    banc.AjouterEleve(QStringLiteral("Noé"));
    banc.C<QAction>("Enregistrerlasrieencours1")->trigger();
    QCOMPARE(Contenu(QStringLiteral("CM1.elv")), Enregistrement("No\xE9"));
    banc.C<QAction>("Ouvrirunsrieexistante1")->trigger();
    QCOMPARE(banc.plate.dialoguesOuverts.size(), 1);
    banc.C<QAction>("Aide1")->trigger();
    QCOMPARE(banc.plate.aidesAffichees, QStringList{"AIDE.HLP#Eleves"});
}

void TestU_Eleves::miseAEchelleSurGrandEcran() {
    Banc petit(ProfilCarrelis(), QSize(800, 600));
    Banc grand(ProfilCarrelis(), QSize(1024, 768));
    QCOMPARE(petit.fenetre->size(), QSize(600, 470));
    QCOMPARE(grand.fenetre->size(), QSize(768, 602));
    QCOMPARE(grand.C("bouton_quitter")->geometry(), QRect(425, 525, 323, 56));
    // Centred on the screen, to the width of a frame.
    QVERIFY((petit.fenetre->frameGeometry().center() - petit.plate.ecran.center()).manhattanLength() <= 6);
    QVERIFY((grand.fenetre->frameGeometry().center() - grand.plate.ecran.center()).manhattanLength() <= 6);
}

void TestU_Eleves::chaqueControleANomAccessible() {
    Banc banc;
    for (const char* nom : {"Edit1", "Edit2", "ListBox1", "bouton_nouveau", "bouton_ouvrir",
                            "bouton_enregistrer", "bouton_rayer", "bouton_quitter", "Label5"})
        QVERIFY2(!NomAccessible(banc.C(nom)).isEmpty(), nom);
    QCOMPARE(NomAccessible(banc.C("Edit2")), QStringLiteral("Nouvel élève"));
    QCOMPARE(NomAccessible(banc.C("bouton_rayer")), QStringLiteral("Rayer l'élève de la liste"));
}

QTEST_MAIN(TestU_Eleves)
#include "tst_U_Eleves.moc"
