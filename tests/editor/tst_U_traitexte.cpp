// SPDX-License-Identifier: GPL-3.0-or-later
// The text editor driven through its menus, the teacher's answers scripted through the platform:
// the question before a change is lost, what marks a change, the results files (plain, whole,
// and never written over a pupil's new entry without asking), the form chosen when saving,
// failures said in French, copies, help and the hold.
#include "core/AideContextuelle.h"
#include "core/EcritureFichier.h"
#include "core/FichierTexte.h"
#include "core/ImpressionTexte.h"
#include "core/MaintienGeometrie.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateFormeQt.h"
#include "core/Programme.h"
#include "editor/EcrivainRtf.h"
#include "editor/FichierEditeur.h"
#include "editor/U_traitexte.h"
#include "editor/ZoneTexte.h"
#include "support/DisquePlein.h"
#include "support/PlateFormeTest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextFrame>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(PlateForme::Reponse)
Q_DECLARE_METATYPE(ProfilProgramme)

namespace {

using Reponse = PlateForme::Reponse;

// The editor of a program whose folder is a fresh one.
struct Banc {
    explicit Banc(const ProfilProgramme& profil = ProfilCarrelis()) : prog(profil, plate) {
        prog.InitValeurs();
        prog.RepProgramme = dossier.path();
        prog.FichierAide = QStringLiteral("AIDE.HLP");
        fenetre = std::make_unique<TF_Traitexte>(prog);
        fenetre->Texte().attenteVerrou = std::chrono::milliseconds(100);
    }
    // Shown as the menu shows it: plain, or on a results file.
    void Montrer(const QString& bilan = {}) {
        fenetre->Preparer(bilan.isEmpty() ? TexteAOuvrir{} : TexteAOuvrir::Bilan(bilan));
        fenetre->show();
    }
    QAction* Action(const char* nom) const { return fenetre->findChild<QAction*>(QLatin1String(nom)); }
    void Menu(const char* nom) const { Action(nom)->trigger(); }
    ZoneTexte* Zone() const { return fenetre->RichEdit1(); }
    QString Texte() const { return Zone()->toPlainText(); }
    // Typed character by character (QTest::keyClicks refuses letters beyond ASCII).
    void Taper(const QString& texte) const {
        for (QChar c : texte)
            QTest::sendKeyEvent(QTest::Click, Zone(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString Chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }
    QByteArray Lire(const QString& nom) const {
        QFile fichier(Chemin(nom));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    void Ecrire(const QString& nom, const QByteArray& octets) const {
        QFile fichier(Chemin(nom));
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
            qWarning("not written");
    }
    bool Modifie() const { return fenetre->Texte().TexteModifie; }

    QTemporaryDir dossier;
    PlateFormeTest plate;
    Programme prog;
    std::unique_ptr<TF_Traitexte> fenetre;
};

// A general results file as the results window writes it, one line longer than any screen.
QByteArray Bilans() {
    return FichierTexte::EncoderLignes(
        {"", "Léa", "Carrelis - Jeu n° 2 : trouver", "Le 06/12/2002   à  14:35:10",
         "Nombre total de bonnes réponses : \t14 / 20", "", "Nombre d'erreurs : \t3",
         "Une remarque très longue de la maîtresse, " + QString("encore et encore, ").repeated(20) + "fin."});
}

const QByteArray EntreeDePaul = FichierTexte::EncoderLignes({"", "Paul", "Nombre d'erreurs : \t0"});

int PagesDuPdf(const QString& chemin) {
    QFile pdf(chemin);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(
        QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

} // namespace

class TestU_traitexte : public QObject {
    Q_OBJECT

  private slots:
    void enregistrerAilleursNommeLeDossierQuiRefuse();
    void questionAvantDePerdre_data();
    void questionAvantDePerdre();
    void chaqueChangementMarqueLeTexte_data();
    void chaqueChangementMarqueLeTexte();
    void bilanOuvertDepuisLeMenuResteUnTexteSimple();
    void bilanAbsentOuvreUnEditeurVide();
    void bilanComplete_parUnEleveDepuisSonOuverture_data();
    void bilanComplete_parUnEleveDepuisSonOuverture();
    void leTypeChoisiDecideDeLaForme_data();
    void leTypeChoisiDecideDeLaForme();
    void caracteresQuUnTexteSimpleNeGardePas_data();
    void caracteresQuUnTexteSimpleNeGardePas();
    void fichierIlliseOuNonEcritEstDit();
    void collerDansUnBilanNeDonneQueDuTexte();
    void exemplairesImprimes_data();
    void exemplairesImprimes();
    void impressionRateeDite();
    void aideDeLEditeur_data();
    void aideDeLEditeur();
    void maintienALaPlaceDuMenu();
    void lecteurDEcranSaitQuelFichier();
    void questionDuBureau_data();
    void questionDuBureau();
    void ecrireSurUnFichierDUnAutreProgramme_data();
    void ecrireSurUnFichierDUnAutreProgramme();
    void lectureLongueArreteeOuMenee_data();
    void lectureLongueArreteeOuMenee();
    void fichierTropGrandNOuvrePas();
    void reecritLeFichierCommeIlEtait_data();
    void reecritLeFichierCommeIlEtait();
};

void TestU_traitexte::questionAvantDePerdre_data() {
    QTest::addColumn<QString>("commande"); // an entry of the menu, "Fermer" or "Echap"
    QTest::addColumn<bool>("modifie");
    QTest::addColumn<Reponse>("reponse");
    QTest::addColumn<bool>("dialogueEnregistrer");
    QTest::addColumn<bool>("dialogueOuvrir");
    QTest::addColumn<bool>("texteGarde");
    QTest::addColumn<bool>("resteOuverte");
    const Reponse O = Reponse::Oui, N = Reponse::Non, E = Reponse::Abandon;
    QTest::newRow("Nouveau, Oui: saved under a name, kept")
        << "Nouveau1" << true << O << true << false << true << true;
    QTest::newRow("Nouveau, Non: emptied") << "Nouveau1" << true << N << false << false << false << true;
    QTest::newRow("Nouveau, Escape: stays") << "Nouveau1" << true << E << false << false << true << true;
    QTest::newRow("Nouveau unchanged: no question")
        << "Nouveau1" << false << E << false << false << false << true;
    QTest::newRow("Ouvrir, Oui: saved, nothing opened")
        << "Ouvrir1" << true << O << true << false << true << true;
    QTest::newRow("Ouvrir, Non: the dialog, given up")
        << "Ouvrir1" << true << N << false << true << true << true;
    QTest::newRow("Ouvrir, Escape: nothing") << "Ouvrir1" << true << E << false << false << true << true;
    QTest::newRow("Quitter, Oui: saved, stays") << "Quitter1" << true << O << true << false << true << true;
    QTest::newRow("Quitter, Non: closed, emptied")
        << "Quitter1" << true << N << false << false << false << false;
    QTest::newRow("Quitter, Escape: stays") << "Quitter1" << true << E << false << false << true << true;
    QTest::newRow("Quitter unchanged: closed")
        << "Quitter1" << false << E << false << false << false << false;
    QTest::newRow("close button, Escape: stays") << "Fermer" << true << E << false << false << true << true;
    QTest::newRow("close button, Non: closed") << "Fermer" << true << N << false << false << false << false;
    QTest::newRow("Escape key, Oui: saved, stays") << "Echap" << true << O << true << false << true << true;
}

void TestU_traitexte::questionAvantDePerdre() {
    QFETCH(QString, commande);
    QFETCH(bool, modifie);
    QFETCH(Reponse, reponse);
    QFETCH(bool, dialogueEnregistrer);
    QFETCH(bool, dialogueOuvrir);
    QFETCH(bool, texteGarde);
    QFETCH(bool, resteOuverte);
    Banc banc;
    banc.Ecrire(QStringLiteral("lettre.txt"), "Chers parents,\r\n");
    banc.plate.reponsesOuvrir = {banc.Chemin(QStringLiteral("lettre.txt"))};
    banc.Montrer();
    banc.Menu("Ouvrir1");
    banc.plate.dialoguesOuverts.clear();
    if (modifie) banc.Taper(QStringLiteral("Mes "));
    const QString avant = banc.Texte();
    banc.plate.reponsesConfirmer = {reponse};
    if (commande == QLatin1String("Fermer"))
        banc.fenetre->close();
    else if (commande == QLatin1String("Echap"))
        QTest::keyClick(banc.Zone(), Qt::Key_Escape);
    else
        banc.Menu(qPrintable(commande));
    QCOMPARE(banc.plate.confirmations.size(), modifie ? 1 : 0);
    if (modifie)
        QCOMPARE(banc.plate.confirmations.first(),
                 QStringLiteral("Confirmation : Enregistrer les modifications du texte en cours ?"));
    QCOMPARE(banc.plate.dialoguesEnregistrer.size(), dialogueEnregistrer ? 1 : 0);
    QCOMPARE(banc.plate.dialoguesOuverts.size(), dialogueOuvrir ? 1 : 0);
    QCOMPARE(banc.Texte(), texteGarde ? avant : QString());
    QCOMPARE(banc.fenetre->isVisible(), resteOuverte);
    // Whatever was answered, a change still on screen is still a change.
    if (texteGarde && modifie) QVERIFY(banc.Modifie());
    QCOMPARE(banc.Lire(QStringLiteral("lettre.txt")), QByteArray("Chers parents,\r\n"));
}

void TestU_traitexte::chaqueChangementMarqueLeTexte_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<bool>("modifie");
    QTest::newRow("a key") << "touche" << true;
    QTest::newRow("Delete") << "Suppr" << true;
    QTest::newRow("undo after saving") << "annuler" << true;
    QTest::newRow("alignment") << "Centr1" << true;
    QTest::newRow("font dialog on a selection") << "Police1" << true;
    QTest::newRow("paste") << "CollerCtrlV1" << true;
    QTest::newRow("drop") << "deposer" << true;
    QTest::newRow("cut") << "Couper1" << true;
    QTest::newRow("copy changes nothing") << "Copier1" << false;
    QTest::newRow("a click changes nothing") << "clic" << false;
    QTest::newRow("font dialog given up") << "Police1 abandon" << false;
}

void TestU_traitexte::chaqueChangementMarqueLeTexte() {
    QFETCH(QString, geste);
    QFETCH(bool, modifie);
    Banc banc;
    banc.Ecrire(QStringLiteral("a.rtf"), "{\\rtf1 Un texte\\par deux}");
    banc.plate.reponsesOuvrir = {banc.Chemin(QStringLiteral("a.rtf"))};
    banc.Montrer();
    banc.Menu("Ouvrir1");
    QVERIFY(!banc.Modifie());
    QVERIFY(!banc.Action("Enregistrer1")->isEnabled());
    banc.Zone()->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("collé"));
    if (geste == QLatin1String("touche")) banc.Taper(QStringLiteral("x"));
    if (geste == QLatin1String("Suppr")) QTest::keyClick(banc.Zone(), Qt::Key_Delete);
    if (geste == QLatin1String("annuler")) {
        banc.Taper(QStringLiteral("x"));
        banc.Menu("Enregistrer1");
        QVERIFY(!banc.Modifie());
        QTest::keyClick(banc.Zone(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(banc.Texte(), QStringLiteral("Un texte\ndeux"));
    }
    if (geste.startsWith(QLatin1String("Police1"))) {
        if (!geste.endsWith(QLatin1String("abandon")))
            banc.plate.policeChoisie = QFont(QStringLiteral("Courier New"), 20);
        banc.Menu("Police1");
    } else if (banc.Action(qPrintable(geste))) {
        banc.Menu(qPrintable(geste));
    }
    if (geste == QLatin1String("deposer")) {
        QMimeData donnees;
        donnees.setText(QStringLiteral("déposé"));
        const QPoint ici = banc.Zone()->cursorRect().center();
        QDragEnterEvent entree(ici, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(banc.Zone()->viewport(), &entree);
        QDropEvent depot(ici, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(banc.Zone()->viewport(), &depot);
        QVERIFY(banc.Texte().contains(QStringLiteral("déposé")));
    }
    if (geste == QLatin1String("clic"))
        QTest::mouseClick(banc.Zone()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(banc.Modifie(), modifie);
    QCOMPARE(banc.Action("Enregistrer1")->isEnabled(), modifie);
    banc.Menu("Quitter1");
    QCOMPARE(banc.plate.confirmations.size(), modifie ? 1 : 0);
}

// A results file opened from the menu: one paragraph per line of the file, however the screen
// wraps it, and written back to the byte, plain, never rich text.
void TestU_traitexte::bilanOuvertDepuisLeMenuResteUnTexteSimple() {
    Banc banc;
    const QString fichier = QStringLiteral("bilan Carrelis.txt");
    banc.Ecrire(fichier, Bilans());
    banc.Montrer(fichier);
    QCOMPARE(banc.Zone()->document()->blockCount(), 8);
    QCOMPARE(banc.Texte(), FichierTexte::DecoderTexte(Bilans()));
    QVERIFY(banc.fenetre->Texte().EstUnBilan());
    // A change undone by hand: the same bytes.
    banc.Taper(QStringLiteral("x"));
    QTest::keyClick(banc.Zone(), Qt::Key_Backspace);
    banc.Menu("Enregistrer1");
    QCOMPARE(banc.Lire(fichier), Bilans());
    // Saved under its name with the rich text type still selected: plain all the same.
    banc.Taper(QStringLiteral("Note : "));
    banc.plate.reponsesEnregistrer = {{banc.Chemin(fichier), 0}};
    banc.Menu("EnregistrerSous1");
    QCOMPARE(banc.plate.dialoguesEnregistrer.first().type, 1);
    QCOMPARE(banc.Lire(fichier), "Note : " + Bilans());
    QVERIFY(banc.plate.avertissements.isEmpty());
}

void TestU_traitexte::bilanAbsentOuvreUnEditeurVide() {
    Banc banc;
    banc.Montrer(QStringLiteral("bilan Carrelis.txt"));
    QCOMPARE(banc.Texte(), QString());
    QVERIFY(banc.fenetre->Texte().NomFichierTexte.isEmpty());
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY(banc.plate.avertissements.first().contains(QStringLiteral("n'existe pas encore")));
}

void TestU_traitexte::bilanComplete_parUnEleveDepuisSonOuverture_data() {
    QTest::addColumn<bool>("eleve"); // a pupil saves a result while the file is open
    QTest::addColumn<bool>("oui");   // the answer to the question
    QTest::addColumn<bool>("remplace");
    QTest::newRow("no new entry: no question") << false << false << true;
    QTest::newRow("new entry, keep it") << true << false << false;
    QTest::newRow("new entry, the teacher replaces it") << true << true << true;
}

void TestU_traitexte::bilanComplete_parUnEleveDepuisSonOuverture() {
    QFETCH(bool, eleve);
    QFETCH(bool, oui);
    QFETCH(bool, remplace);
    Banc banc;
    const QString fichier = QStringLiteral("Bilan individuel Paul.txt");
    banc.Ecrire(fichier, Bilans());
    banc.Montrer(fichier);
    banc.Taper(QStringLiteral("Vu. "));
    QString raison;
    if (eleve) QVERIFY(EcritureFichier::Ajouter(banc.Chemin(fichier), EntreeDePaul, EntreeDePaul, raison));
    banc.plate.reponsesQuestions = {oui};
    banc.Menu("Enregistrer1");
    QCOMPARE(banc.plate.questions.size(), eleve ? 1 : 0);
    if (eleve)
        QVERIFY(banc.plate.questions.first().contains(QStringLiteral("a changé depuis son ouverture")));
    QCOMPARE(banc.Lire(fichier), remplace ? "Vu. " + Bilans() : Bilans() + EntreeDePaul);
    QCOMPARE(banc.Modifie(), !remplace);
    QCOMPARE(banc.plate.avertissements.size(), remplace ? 0 : 1);
}

void TestU_traitexte::leTypeChoisiDecideDeLaForme_data() {
    QTest::addColumn<QString>("nom"); // as typed in the save dialog
    QTest::addColumn<int>("type");    // 0 rich text, 1 plain
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("riche");
    QTest::newRow("no extension, rich type") << "lettre" << 0 << "lettre.rtf" << true;
    QTest::newRow("no extension, plain type") << "lettre" << 1 << "lettre.txt" << false;
    QTest::newRow(".txt with the rich type: plain") << "lettre.txt" << 0 << "lettre.txt" << false;
    QTest::newRow(".rtf with the plain type: rich") << "lettre.rtf" << 1 << "lettre.rtf" << true;
    QTest::newRow("a pupil's results file stays plain")
        << "Bilan individuel Paul.txt" << 0 << "Bilan individuel Paul.txt" << false;
    QTest::newRow("a name like it in .rtf is the teacher's own")
        << "Bilan individuel Paul" << 0 << "Bilan individuel Paul.rtf" << true;
}

void TestU_traitexte::leTypeChoisiDecideDeLaForme() {
    QFETCH(QString, nom);
    QFETCH(int, type);
    QFETCH(QString, fichier);
    QFETCH(bool, riche);
    Banc banc;
    banc.Montrer();
    banc.Taper(QStringLiteral("Sortie à la forêt"));
    banc.Zone()->selectAll();
    banc.plate.policeChoisie = QFont(QStringLiteral("Courier New"), 16, QFont::Bold);
    banc.Menu("Police1");
    banc.plate.reponsesEnregistrer = {{banc.Chemin(nom), type}};
    banc.Menu("Enregistrer1"); // a text without a name asks for one
    QCOMPARE(banc.plate.dialoguesEnregistrer.first().fichierPropose, QString());
    QCOMPARE(banc.plate.dialoguesEnregistrer.first().dossier, banc.dossier.path());
    QCOMPARE(banc.plate.dialoguesEnregistrer.first().type, 0);
    QCOMPARE(banc.Lire(fichier).startsWith("{\\rtf1"), riche);
    // "&Enregistrer" keeps the form, and the next "Enregistrer Sous..." proposes the file.
    banc.Zone()->moveCursor(QTextCursor::End);
    banc.Taper(QStringLiteral("!"));
    banc.Menu("Enregistrer1");
    QCOMPARE(banc.Lire(fichier).startsWith("{\\rtf1"), riche);
    if (!riche) QCOMPARE(banc.Lire(fichier), QByteArray("Sortie \xE0 la for\xEAt!\r\n"));
    banc.Menu("EnregistrerSous1");
    QCOMPARE(banc.plate.dialoguesEnregistrer.size(), 2);
    QCOMPARE(banc.plate.dialoguesEnregistrer.last().fichierPropose, banc.Chemin(fichier));
    QCOMPARE(banc.plate.dialoguesEnregistrer.last().type, riche ? 0 : 1);
}

void TestU_traitexte::caracteresQuUnTexteSimpleNeGardePas_data() {
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QByteArray>("fichier");
    QTest::newRow("not saved") << false << QByteArray("Noel\r\n");
    QTest::newRow("saved with ?") << true << QByteArray("Noel ? 5 ?\r\n");
}

void TestU_traitexte::caracteresQuUnTexteSimpleNeGardePas() {
    QFETCH(bool, oui);
    QFETCH(QByteArray, fichier);
    Banc banc;
    banc.Ecrire(QStringLiteral("n.txt"), "Noel\r\n");
    banc.plate.reponsesOuvrir = {banc.Chemin(QStringLiteral("n.txt"))};
    banc.Montrer();
    banc.Menu("Ouvrir1");
    banc.Zone()->moveCursor(QTextCursor::End);
    banc.Taper(QStringLiteral(" → 5 ☃"));
    banc.plate.reponsesQuestions = {oui};
    banc.Menu("Enregistrer1");
    QCOMPARE(banc.plate.questions.size(), 1);
    QVERIFY(banc.plate.questions.first().contains(QStringLiteral("→☃")));
    QCOMPARE(banc.Lire(QStringLiteral("n.txt")), fichier);
    QCOMPARE(banc.Modifie(), !oui);
}

// A French message, the text on screen and the previous file as they were.
void TestU_traitexte::fichierIlliseOuNonEcritEstDit() {
    Banc banc;
    banc.Montrer();
    banc.Taper(QStringLiteral("Brouillon"));
    banc.plate.reponsesConfirmer = {Reponse::Non};
    banc.plate.reponsesOuvrir = {banc.dossier.path()};
    banc.Menu("Ouvrir1");
    QCOMPARE(banc.Texte(), QStringLiteral("Brouillon"));
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements.first().contains(QStringLiteral("n'a pas pu être ouvert")),
             qPrintable(banc.plate.avertissements.first()));
    QVERIFY(banc.Modifie());

    banc.Ecrire(QStringLiteral("ancien.rtf"), "{\\rtf1 ancien}");
    banc.Zone()->insertPlainText(QString(20000, QLatin1Char('x')));
    banc.plate.reponsesEnregistrer = {{banc.Chemin(QStringLiteral("ancien.rtf")), 0}};
    {
        DisquePlein disque(4096);
        if (!disque.Actif()) QSKIP("no file size limit here");
        banc.Menu("EnregistrerSous1");
    }
    QCOMPARE(banc.Lire(QStringLiteral("ancien.rtf")), QByteArray("{\\rtf1 ancien}"));
    QCOMPARE(banc.plate.avertissements.size(), 2);
    QVERIFY2(
        banc.plate.avertissements.last().startsWith(QStringLiteral("Le texte n'a pas été enregistré dans")),
        qPrintable(banc.plate.avertissements.last()));
    QVERIFY(banc.Modifie());
    QVERIFY(QDir(banc.dossier.path()).entryList(QDir::Files | QDir::Hidden).size() == 1);
}

// A folder chosen in the save dialog that refuses the file is named: it is not the program's.
void TestU_traitexte::enregistrerAilleursNommeLeDossierQuiRefuse() {
    if (!QFileInfo(QStringLiteral("/sys")).isDir()) QSKIP("no /sys here");
    Banc banc;
    banc.Taper(QStringLiteral("Lettre"));
    banc.plate.reponsesEnregistrer = {{QStringLiteral("/sys/lettre.rtf"), 0}};
    banc.Menu("EnregistrerSous1");
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(banc.plate.avertissements.first().contains(
                 QStringLiteral("le dossier «\u00a0/sys\u00a0» est protégé en écriture")),
             qPrintable(banc.plate.avertissements.first()));
    QVERIFY(banc.Modifie());
}

void TestU_traitexte::collerDansUnBilanNeDonneQueDuTexte() {
    Banc banc;
    banc.Ecrire(QStringLiteral("bilan Carrelis.txt"), Bilans());
    banc.Montrer(QStringLiteral("bilan Carrelis.txt"));
    auto* donnees = new QMimeData;
    donnees->setHtml(QStringLiteral("<table><tr><td><b>gras</b></td></tr></table>"));
    donnees->setText(QStringLiteral("gras"));
    QApplication::clipboard()->setMimeData(donnees);
    banc.Menu("CollerCtrlV1");
    QVERIFY(banc.Texte().startsWith(QStringLiteral("gras\nLéa")));
    QCOMPARE(banc.Zone()->document()->rootFrame()->childFrames().size(), 0);
    QVERIFY(!banc.Zone()->document()->begin().begin().fragment().charFormat().font().bold());
}

void TestU_traitexte::exemplairesImprimes_data() {
    QTest::addColumn<int>("exemplaires");
    QTest::addColumn<QString>("pages"); // asked for in the print dialog; empty: all
    QTest::addColumn<int>("pagesParCopie");
    QTest::newRow("3 copies into a file: drawn 3 times") << 3 << "" << 0;
    QTest::newRow("one copy") << 1 << "" << 0;
    QTest::newRow("the second page, twice") << 2 << "2" << 1;
}

void TestU_traitexte::exemplairesImprimes() {
    QFETCH(int, exemplaires);
    QFETCH(QString, pages);
    QFETCH(int, pagesParCopie);
    Banc banc;
    banc.Ecrire(QStringLiteral("bilan Carrelis.txt"), Bilans().repeated(12));
    banc.Montrer(QStringLiteral("bilan Carrelis.txt"));
    banc.plate.fichierPdf = banc.Chemin(QStringLiteral("bilan.pdf"));
    banc.plate.tirage = {QPageRanges::fromString(pages), exemplaires, true};
    banc.Menu("Imprimer1");
    QCOMPARE(banc.plate.impressions, QStringList{"bilan Carrelis.txt"});
    QPdfWriter mesure(banc.Chemin(QStringLiteral("mesure.pdf")));
    const int parCopie = ImpressionTexte::NombreDePages(*banc.Zone()->document(), mesure);
    QVERIFY2(parCopie >= 2, "the text takes several pages");
    QCOMPARE(PagesDuPdf(banc.plate.fichierPdf), (pagesParCopie ? pagesParCopie : parCopie) * exemplaires);
    QVERIFY(banc.plate.avertissements.isEmpty());
}

// A file that cannot take the pages (a device, a full disk) is said, not taken for done.
void TestU_traitexte::impressionRateeDite() {
    Banc banc;
    banc.Ecrire(QStringLiteral("bilan Carrelis.txt"), Bilans());
    banc.Montrer(QStringLiteral("bilan Carrelis.txt"));
    banc.plate.fichierPdf = QStringLiteral("/dev/full");
    banc.Menu("Imprimer1");
    QCOMPARE(banc.plate.avertissements.size(), 1);
    QVERIFY2(
        banc.plate.avertissements.first().startsWith(QStringLiteral("Le texte n'a pas pu être imprimé")) &&
            banc.plate.avertissements.first().contains(QStringLiteral("/dev/full")),
        qPrintable(banc.plate.avertissements.first()));
}

void TestU_traitexte::aideDeLEditeur_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<int>("contexte");
    QTest::newRow("carrelis, the context of the results window") << ProfilCarrelis() << 10;
    QTest::newRow("navirelle") << ProfilNavirelle() << 9;
}

void TestU_traitexte::aideDeLEditeur() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(int, contexte);
    Banc banc(profil);
    RaccourciAide f1(banc.plate, banc.prog.FichierAide);
    qApp->installEventFilter(&f1);
    banc.Montrer();
    QCOMPARE(ContexteAide(*banc.fenetre), contexte);
    QTest::keyClick(banc.Zone(), Qt::Key_F1);
    banc.Menu("Aide1");
    QCOMPARE(banc.plate.aidesAffichees, (QStringList{"AIDE.HLP#Edit", "AIDE.HLP#Edit"}));
    qApp->removeEventFilter(&f1);
}

void TestU_traitexte::maintienALaPlaceDuMenu() {
    Banc banc;
    banc.prog.GeometrieMenu = QRect(0, 0, 800, 600);
    banc.Montrer();
    MaintienGeometrie& maintien = banc.fenetre->Mobilier().Maintien();
    QVERIFY(maintien.Actif());
    QCOMPARE(maintien.Minuterie().interval(), 1000);
    banc.fenetre->setGeometry(40, 50, 300, 200);
    maintien.Tenir();
    QCOMPARE(banc.fenetre->size(), QSize(800, 600));
    banc.Menu("Quitter1");
    QVERIFY(!maintien.Actif());
}

void TestU_traitexte::lecteurDEcranSaitQuelFichier() {
    Banc banc;
    banc.Ecrire(QStringLiteral("bilan Carrelis.txt"), Bilans());
    banc.Montrer(QStringLiteral("bilan Carrelis.txt"));
    QAccessibleInterface* zone = QAccessible::queryAccessibleInterface(banc.Zone());
    QCOMPARE(zone->role(), QAccessible::EditableText);
    QCOMPARE(zone->text(QAccessible::Name), QStringLiteral("Texte"));
    QCOMPARE(zone->text(QAccessible::Description), QStringLiteral("bilan Carrelis.txt, bilan"));
    QVERIFY(banc.plate.annonces.contains({banc.Zone(), QAccessible::DescriptionChanged}));
    QCOMPARE(QAccessible::queryAccessibleInterface(banc.fenetre.get())->text(QAccessible::Name),
             QStringLiteral("Editeur de texte."));
}

void TestU_traitexte::questionDuBureau_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<Reponse>("reponse");
    QTest::newRow("Enter: the default, Oui") << "Entree" << Reponse::Oui;
    QTest::newRow("Non") << "Non" << Reponse::Non;
    QTest::newRow("Escape stays") << "Echap" << Reponse::Abandon;
    QTest::newRow("the close box stays") << "Fermer" << Reponse::Abandon;
}

// The desktop's own box: two buttons shown, "&Oui" and "&Non", and a way out that is neither.
void TestU_traitexte::questionDuBureau() {
    QFETCH(QString, geste);
    QFETCH(Reponse, reponse);
    PlateFormeQt plate(QStringLiteral("Carrelis"));
    QStringList boutons;
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite);
        QCOMPARE(boite->windowTitle(), QStringLiteral("Confirmation"));
        for (QAbstractButton* bouton : boite->buttons())
            if (bouton->isVisibleTo(boite)) boutons.append(bouton->text());
        if (geste == QLatin1String("Entree")) QTest::keyClick(boite, Qt::Key_Return);
        for (QAbstractButton* bouton : boite->buttons())
            if (geste == QLatin1String("Non") && bouton->text() == QLatin1String("&Non")) bouton->click();
        if (geste == QLatin1String("Echap")) QTest::keyClick(boite, Qt::Key_Escape);
        if (geste == QLatin1String("Fermer")) boite->close();
    });
    QCOMPARE(plate.Confirmer(QStringLiteral("Confirmation"), QStringLiteral("Enregistrer ?")), reponse);
    boutons.sort();
    QCOMPARE(boutons, (QStringList{"&Non", "&Oui"}));
}

void TestU_traitexte::ecrireSurUnFichierDUnAutreProgramme_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QString>("nomChoisi"); // in the save dialog, when it opens; empty: given up
    QTest::addColumn<QString>("question");  // what the question names; empty: none asked
    QTest::addColumn<bool>("remplace");     // the file now holds the editor's text
    const QByteArray image = "{\\rtf1 Sortie{\\*\\shppict{\\pict\\pngblip 89504e47}} au parc\\par}";
    const QByteArray entete =
        "{\\rtf1{\\header Ecole}{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}}\\par}";
    QTest::newRow("a picture, Oui: replaced") << image << "Enregistrer1" << true << ""
                                              << "des images" << true;
    QTest::newRow("a picture, Non: a copy proposed, given up") << image << "Enregistrer1" << false << ""
                                                               << "des images" << false;
    QTest::newRow("a picture, Non: saved as the copy")
        << image << "Enregistrer1" << false << "texte (copie).rtf"
        << "des images" << false;
    QTest::newRow("a header and a link, saved as itself, Non: nothing written")
        << entete << "EnregistrerSous1" << false << "texte.rtf"
        << "un en-tête ou un pied de page et l'adresse d'un lien" << false;
    QTest::newRow("saved as itself, Oui") << entete << "EnregistrerSous1" << true << "texte.rtf"
                                          << "un en-tête ou un pied de page" << true;
    QTest::newRow("a picture, saved as another file: no question")
        << image << "EnregistrerSous1" << false << "autre.rtf"
        << "" << false;
    QTest::newRow("written by the editor: no question")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl ;}\\pard Sortie\\par}")
        << "Enregistrer1" << false << ""
        << "" << true;
}

// Writing the text over a file that held what the editor cannot show asks first, "Non" by
// default, and "Non" offers another name; the question comes once: the file the editor wrote
// holds all of the text.
void TestU_traitexte::ecrireSurUnFichierDUnAutreProgramme() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, commande);
    QFETCH(bool, oui);
    QFETCH(QString, nomChoisi);
    QFETCH(QString, question);
    QFETCH(bool, remplace);
    Banc banc;
    const QString fichier = QStringLiteral("texte.rtf");
    banc.Ecrire(fichier, rtf);
    banc.plate.reponsesOuvrir = {banc.Chemin(fichier)};
    banc.Montrer();
    banc.Menu("Ouvrir1");
    banc.Taper(QStringLiteral("Note : "));
    banc.plate.reponsesQuestions = {oui};
    if (!nomChoisi.isEmpty()) banc.plate.reponsesEnregistrer = {{banc.Chemin(nomChoisi), -1}};
    banc.Menu(qPrintable(commande));
    QCOMPARE(banc.plate.questions.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty()) {
        QVERIFY2(banc.plate.questions.first().contains(question), qPrintable(banc.plate.questions.first()));
        QVERIFY(banc.plate.questions.first().contains(QStringLiteral("«\u00a0texte.rtf\u00a0»")));
        QCOMPARE(banc.plate.questions.first().contains(QStringLiteral("sous un autre nom")),
                 commande == QLatin1String("Enregistrer1"));
    }
    const bool copieProposee = !question.isEmpty() && !oui && commande == QLatin1String("Enregistrer1");
    if (copieProposee)
        QCOMPARE(banc.plate.dialoguesEnregistrer.last().fichierPropose, banc.Chemin("texte (copie).rtf"));
    QCOMPARE(banc.Lire(fichier) != rtf, remplace);
    if (remplace) QVERIFY(banc.Lire(fichier).contains("Note : "));
    const bool ecrit = remplace || (!nomChoisi.isEmpty() && nomChoisi != fichier);
    QCOMPARE(banc.Modifie(), !ecrit);
    if (!nomChoisi.isEmpty() && nomChoisi != fichier) QVERIFY(banc.Lire(nomChoisi).contains("Note : "));
    // Once the editor wrote the text, its file holds all of it: no more question.
    if (!ecrit) return;
    banc.Taper(QStringLiteral("!"));
    banc.Menu("Enregistrer1");
    QCOMPARE(banc.plate.questions.size(), question.isEmpty() ? 0 : 1);
    QVERIFY(!banc.Modifie());
}

void TestU_traitexte::lectureLongueArreteeOuMenee_data() {
    QTest::addColumn<QString>("geste"); // on the progress bar's window
    QTest::addColumn<bool>("rtf");
    QTest::newRow("Annuler pressed by a screen reader, rich text") << "Annuler" << true;
    QTest::newRow("Escape, plain text") << "Echap" << false;
    QTest::newRow("left to its end") << "" << true;
    QTest::newRow("the general results file from the menu, Annuler: an empty editor")
        << "Annuler bilan" << false;
}

// A long reading shows its progress and answers "Annuler": the text on screen, its file and
// its state stay as they were. Left alone, it ends with the file on screen.
void TestU_traitexte::lectureLongueArreteeOuMenee() {
    QFETCH(QString, geste);
    QFETCH(bool, rtf);
    Banc banc;
    const bool bilan = geste.endsWith(QLatin1String("bilan"));
    const QString fichier = bilan ? QStringLiteral("bilan Carrelis.txt")
                            : rtf ? QStringLiteral("long.rtf")
                                  : QStringLiteral("long.txt");
    banc.Ecrire(fichier, rtf ? "{\\rtf1 " + QByteArray("{\\b Une ligne}\\par ").repeated(20000) + "}"
                             : QByteArray("Une ligne\r\n").repeated(100000));
    banc.Ecrire(QStringLiteral("court.txt"), "Avant\r\n");
    banc.plate.reponsesOuvrir = {banc.Chemin(QStringLiteral("court.txt")), banc.Chemin(fichier)};
    banc.Montrer();
    banc.Menu("Ouvrir1");
    banc.Taper(QStringLiteral("Mon "));
    banc.fenetre->delaiProgression = std::chrono::milliseconds(0);
    banc.fenetre->tranche = std::chrono::milliseconds(0);
    QString etiquette, bouton;
    double valeur = -1;
    QTimer::singleShot(0, [&] {
        auto* dialogue = banc.fenetre->findChild<QProgressDialog*>(QStringLiteral("ProgressionOuverture"));
        QVERIFY(dialogue && dialogue->isVisible());
        etiquette = dialogue->labelText();
        QAccessibleInterface* barre =
            QAccessible::queryAccessibleInterface(dialogue->findChild<QProgressBar*>());
        QCOMPARE(barre->role(), QAccessible::ProgressBar);
        QCOMPARE(barre->text(QAccessible::Name), QStringLiteral("Avancement de l'ouverture"));
        valeur = barre->valueInterface()->currentValue().toDouble();
        for (QAbstractButton* b : dialogue->findChildren<QAbstractButton*>()) {
            QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(b);
            bouton = interface->text(QAccessible::Name);
            if (geste.startsWith(QLatin1String("Annuler")))
                interface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        if (geste == QLatin1String("Echap")) QTest::keyClick(dialogue, Qt::Key_Escape);
        // A pressed button clicks a moment later: the reading must not end in between.
        if (!geste.isEmpty()) QTRY_VERIFY(dialogue->wasCanceled());
    });
    banc.plate.reponsesConfirmer = {Reponse::Non};
    if (bilan) {
        banc.Menu("Quitter1");
        banc.Montrer(fichier);
    } else {
        banc.Menu("Ouvrir1");
    }
    QCOMPARE(etiquette, QStringLiteral("Ouverture de «\u00a0%1\u00a0»…").arg(fichier));
    QCOMPARE(bouton, QStringLiteral("Annuler"));
    QVERIFY(valeur >= 0 && valeur < 1000);
    QVERIFY(!banc.fenetre->findChild<QProgressDialog*>() ||
            !banc.fenetre->findChild<QProgressDialog*>()->isVisible());
    const QTextDocument& montre = *banc.Zone()->document();
    QCOMPARE(&montre, &banc.fenetre->Texte().Document());
    if (bilan) {
        QCOMPARE(banc.Texte(), QString());
        QVERIFY(banc.fenetre->Texte().NomFichierTexte.isEmpty());
        QVERIFY(!banc.fenetre->Texte().EstUnBilan());
        QVERIFY(banc.plate.avertissements.isEmpty());
        return;
    }
    if (!geste.isEmpty()) {
        QCOMPARE(banc.Texte(), QStringLiteral("Mon Avant"));
        QCOMPARE(banc.fenetre->Texte().NomFichierTexte, banc.Chemin(QStringLiteral("court.txt")));
        QVERIFY(banc.Modifie());
        QVERIFY(banc.plate.avertissements.isEmpty());
        return;
    }
    QCOMPARE(montre.blockCount(), 20000);
    QCOMPARE(banc.fenetre->Texte().NomFichierTexte, banc.Chemin(fichier));
    QVERIFY(!banc.Modifie());
    // The new document has the editor's font and margins, and what is typed marks it.
    QCOMPARE(montre.defaultFont().family(), QStringLiteral("Arial"));
    QCOMPARE(montre.documentMargin(), 12.0);
    banc.Taper(QStringLiteral("x"));
    QVERIFY(banc.Modifie());
    QVERIFY(banc.Action("Enregistrer1")->isEnabled());
}

// Refused from its size alone, said in French; the text on screen stays.
void TestU_traitexte::fichierTropGrandNOuvrePas() {
    Banc banc;
    QFile enorme(banc.Chemin(QStringLiteral("enorme.rtf")));
    QVERIFY(enorme.open(QIODevice::WriteOnly) && enorme.resize(2 * FichierEditeur::TailleMaximale));
    enorme.close();
    banc.Montrer();
    banc.Taper(QStringLiteral("Brouillon"));
    banc.plate.reponsesConfirmer = {Reponse::Non};
    banc.plate.reponsesOuvrir = {enorme.fileName()};
    banc.Menu("Ouvrir1");
    QCOMPARE(banc.plate.avertissements,
             QStringList{
                 "Le fichier «\u00a0enorme.rtf\u00a0» n'a pas pu être ouvert\u00a0: il fait 128\u00a0Mo, et "
                 "l'éditeur n'ouvre pas les fichiers de plus de 64\u00a0Mo."});
    QCOMPARE(banc.Texte(), QStringLiteral("Brouillon"));
    QVERIFY(banc.Modifie());
}

void TestU_traitexte::reecritLeFichierCommeIlEtait_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("a Unicode text of a Windows notepad")
        << "mot.txt" << QByteArray("\xFF\xFEL\0\xE9\0o\0 \0\x3E\x26\r\0\n\0\r\0\n\0", 20);
    QTest::newRow("big-endian UTF-16") << "mot.txt" << QByteArray("\xFE\xFF\0a\0\r\0\n", 8);
    QTest::newRow("one empty line") << "vide.txt" << QByteArray("\r\n");
    QTest::newRow("a results file of one empty line") << "bilan Carrelis.txt" << QByteArray("\r\n");
}

// Opened, touched and put back as it was, then saved: the same bytes, whatever set the file
// was written in; no question about characters a Unicode file holds.
void TestU_traitexte::reecritLeFichierCommeIlEtait() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, octets);
    Banc banc;
    banc.Ecrire(nom, octets);
    banc.plate.reponsesOuvrir = {banc.Chemin(nom)};
    banc.Montrer();
    banc.Menu("Ouvrir1");
    banc.Taper(QStringLiteral("x"));
    QTest::keyClick(banc.Zone(), Qt::Key_Backspace);
    banc.Menu("Enregistrer1");
    QVERIFY(!banc.Modifie());
    QCOMPARE(banc.Lire(nom), octets);
    QVERIFY(banc.plate.questions.isEmpty());
    QVERIFY(banc.plate.avertissements.isEmpty());
}

QTEST_MAIN(TestU_traitexte)
#include "tst_U_traitexte.moc"
