// SPDX-License-Identifier: GPL-3.0-or-later
// Navirelle's sheet window, on what is its own (what both sheet windows share is checked in
// tst_FenetreFeuille): each showing starts afresh in black and white; which actions keep the
// colours and which draw new ones; the print shows the preview's boats, part by part, on a
// landscape page; the program's instruction; its size chooser headed "Préparation".
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "sailboats/U_ImageVoiliers.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/ReglagesFeuille.h"

#include "support/CasesVoiliers.h"
#include "support/DialoguesScriptes.h"
#include "support/ImpressionsFeuilles.h"
#include "support/Pdf.h"
#include "support/PlateFormeTest.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace CasesVoiliers;

namespace {

struct Banc {
    Banc() : prog(ProfilNavirelle(), plate), fenetre(prog, dialogues) {
        prog.InitValeurs();
        fenetre.show();
    }
    QPushButton* Bouton(const char* nom) const { return fenetre.findChild<QPushButton*>(QLatin1String(nom)); }
    void Cliquer(const char* nom) const { QTest::mouseClick(Bouton(nom), Qt::LeftButton); }
    const FeuilleVoiliers& Feuille() const { return fenetre.Preparation().Feuille(); }
    QString Pdf(const QString& nom) {
        plate.fichierPdf = dossier.filePath(nom);
        return plate.fichierPdf;
    }

    QTemporaryDir dossier;
    PlateFormeTest plate;
    DialoguesScriptes dialogues;
    Programme prog;
    TF_ImageVoiliers fenetre;
};

// The place of the sheet on the window's preview, drawn again at its size.
PlaceFeuilleVoiliers PlaceApercu(const ApercuFeuille& apercu, const FeuilleVoiliers& f,
                                 QImage* image = nullptr) {
    QImage dessin(apercu.size(), QImage::Format_RGB32);
    dessin.fill(Qt::white);
    QPainter p(&dessin);
    const PlaceFeuilleVoiliers place = DessinFeuilleVoiliers(p, dessin.size()).DessinerApercu(f);
    p.end();
    if (image) *image = dessin;
    return place;
}

// The place on the page the platform's PDF writer gives, margins included, in its own units,
// and the ratio from them to a rendering at dpi.
std::pair<PlaceFeuilleVoiliers, double> PlacePage(const FeuilleVoiliers& f, int dpi) {
    QTemporaryDir d;
    QPdfWriter mesure(d.filePath(QStringLiteral("m.pdf")));
    mesure.setPageOrientation(QPageLayout::Landscape);
    QPainter p(&mesure);
    PlaceFeuilleVoiliers place =
        DessinFeuilleVoiliers(p, QSize(mesure.width(), mesure.height())).DessinerPage(f);
    p.end();
    place.Origine += mesure.pageLayout().paintRectPixels(mesure.resolution()).topLeft();
    return {place, double(dpi) / mesure.resolution()};
}

} // namespace

class TestFenetreVoiliers : public QObject {
    Q_OBJECT

  private slots:
    void chaqueOuvertureRepartDeZero();
    void actionsEtCouleurs_data();
    void actionsEtCouleurs();
    void imprimeLesBateauxDeLApercu_data();
    void imprimeLesBateauxDeLApercu();
    void consigneDuProgramme();
    void dialoguesDuProgramme();
};

void TestFenetreVoiliers::chaqueOuvertureRepartDeZero() {
    Banc banc;
    QVERIFY(banc.Bouton("BJeu1")->isChecked());
    QVERIFY(banc.Bouton("BNB")->isChecked());
    QVERIFY(!banc.Bouton("BoutonAfficher")->isVisible());
    QCOMPARE(int(banc.Feuille().Tableau.NbTotalGauche), 2);
    QCOMPARE(int(banc.Feuille().Tableau.NbTotalHaut), 3);
    banc.Cliquer("BJeu3");
    banc.Cliquer("BCouleur");
    banc.dialogues.tailles = {6};
    banc.Cliquer("BoutonChanger");
    banc.fenetre.hide();
    banc.fenetre.show();
    QVERIFY(banc.Bouton("BJeu1")->isChecked());
    QVERIFY(banc.Bouton("BNB")->isChecked());
    QCOMPARE(int(banc.Feuille().Tableau.NbTotalHaut), 3);
    QCOMPARE(banc.Feuille().Consigne, ConsigneParDefaut());
}

void TestFenetreVoiliers::actionsEtCouleurs_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QList<int>>("tailles"); // what the size dialog answers
    QTest::addColumn<bool>("nouvelles");     // new colours
    QTest::addColumn<bool>("redessine");
    QTest::newRow("another kind, same colours") << "BJeu2" << QList<int>{} << false << true;
    QTest::newRow("the kind in force") << "BJeu1" << QList<int>{} << false << false;
    QTest::newRow("colour, same colours") << "BCouleur" << QList<int>{} << false << true;
    QTest::newRow("Nouveau") << "BoutonNouveau" << QList<int>{} << true << true;
    QTest::newRow("another size") << "BoutonChanger" << QList<int>{8} << true << true;
    QTest::newRow("the same size") << "BoutonChanger" << QList<int>{1} << false << false;
    QTest::newRow("the size dialog given up") << "BoutonChanger" << QList<int>{} << false << false;
}

// Whatever the teacher did, "Imprimer" is offered afterwards.
void TestFenetreVoiliers::actionsEtCouleurs() {
    QFETCH(QString, bouton);
    QFETCH(QList<int>, tailles);
    QFETCH(bool, nouvelles);
    QFETCH(bool, redessine);
    Banc banc;
    for (int t : tailles)
        banc.dialogues.tailles << quint8(t);
    const FeuilleVoiliers avant = banc.Feuille();
    const int dessins = banc.fenetre.Apercu()->NombreDeDessins();
    banc.Cliquer(qPrintable(bouton));
    QCOMPARE(!banc.Feuille().MemesCouleurs(avant), nouvelles);
    QCOMPARE(banc.fenetre.Apercu()->NombreDeDessins(), dessins + (redessine ? 1 : 0));
    QVERIFY(banc.Bouton("BoutonImprimer")->isEnabled());
}

void TestFenetreVoiliers::imprimeLesBateauxDeLApercu_data() {
    QTest::addColumn<QStringList>("boutons");
    QTest::addColumn<int>("taille");
    QTest::addColumn<bool>("noirEtBlanc");
    QTest::newRow("exercise 1 in black and white") << QStringList{} << 3 << true;
    QTest::newRow("exercise 2 in colour") << QStringList{"BJeu2", "BCouleur"} << 5 << false;
    QTest::newRow("exercise 3 in black and white") << QStringList{"BJeu3"} << 8 << true;
}

void TestFenetreVoiliers::imprimeLesBateauxDeLApercu() {
    if (!Pdf::OutilsPresents()) QSKIP("pdftoppm (poppler-utils) is not installed");
    QFETCH(QStringList, boutons);
    QFETCH(int, taille);
    QFETCH(bool, noirEtBlanc);
    Banc banc;
    banc.fenetre.resize(1400, 1000); // a preview large enough to read every hatch
    banc.dialogues.tailles = {quint8(taille)};
    banc.Cliquer("BoutonChanger");
    for (const QString& bouton : boutons)
        banc.Cliquer(qPrintable(bouton));
    const FeuilleVoiliers& f = banc.Feuille();
    QCOMPARE(f.NoirEtBlanc, noirEtBlanc);
    QImage attendue;
    const PlaceFeuilleVoiliers place = PlaceApercu(*banc.fenetre.Apercu(), f, &attendue);
    QCOMPARE(banc.fenetre.Apercu()->Image(), attendue);
    const QStringList cases = CasesAttendues(f);
    QCOMPARE(Cases(banc.fenetre.Apercu()->Image(), place, f.Tableau, noirEtBlanc, 96), cases);
    const QString fichier = banc.Pdf(QStringLiteral("voiliers.pdf"));
    banc.Cliquer("BoutonImprimer");
    QCOMPARE(banc.plate.impressions, QStringList{QStringLiteral("Feuille d'exercices")});
    const QImage page = Pdf::Rendu(fichier, 1, 300);
    QVERIFY(page.width() > page.height());
    const auto [surPage, echelle] = PlacePage(f, 300);
    QCOMPARE(Cases(page, surPage, f.Tableau, noirEtBlanc, 300, echelle), cases);
    const QStringList mots = LignesDeMots(Pdf::Mots(fichier).value(0), 2);
    QCOMPARE(mots.contains(QStringLiteral("Légende")), noirEtBlanc);
    QCOMPARE(mots.value(0), ConsigneParDefaut());
}

// The instruction is the program's, kept from one showing to the next and shared with the
// results window's print.
void TestFenetreVoiliers::consigneDuProgramme() {
    Banc banc;
    QCOMPARE(banc.prog.Consigne, ConsigneParDefaut());
    banc.dialogues.consignes = {QString()};
    const int dessins = banc.fenetre.Apercu()->NombreDeDessins();
    banc.Cliquer("BoutonConsigne");
    QVERIFY(banc.prog.Consigne.isEmpty());
    QVERIFY(banc.Feuille().Consigne.isEmpty());
    QCOMPARE(banc.fenetre.Apercu()->NombreDeDessins(), dessins + 1);
    banc.Cliquer("BoutonConsigne"); // given up
    QVERIFY(banc.prog.Consigne.isEmpty());
    QCOMPARE(banc.fenetre.Apercu()->NombreDeDessins(), dessins + 1);
    banc.fenetre.hide();
    banc.fenetre.show();
    QVERIFY(banc.Feuille().Consigne.isEmpty());
}

// Through the registry: navirelle's own sheet window, and its size chooser headed "Préparation".
void TestFenetreVoiliers::dialoguesDuProgramme() {
    PlateFormeTest plate;
    Programme prog(ProfilNavirelle(), plate);
    Fenetres fenetres(prog);
    fenetres.CreerAuDemarrage();
    auto* feuille = qobject_cast<TF_ImageVoiliers*>(fenetres.Fenetre(IdFenetre::Image));
    QVERIFY(feuille);
    feuille->show();
    QString entete;
    QTimer::singleShot(0, [&] {
        QWidget* dialogue = QApplication::activeModalWidget();
        if (!dialogue) return;
        entete = dialogue->findChild<QLabel*>(QStringLiteral("NumeroJeu"))->text();
        auto* choix = dialogue->findChild<QRadioButton*>(QStringLiteral("NbCasesJeu1Item5"));
        QTest::mouseClick(choix, Qt::LeftButton, {}, QPoint(8, choix->height() / 2));
        QTest::mouseClick(dialogue->findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    });
    QTest::mouseClick(feuille->findChild<QPushButton*>(QStringLiteral("BoutonChanger")), Qt::LeftButton);
    QCOMPARE(entete, QStringLiteral("Préparation"));
    QCOMPARE(int(feuille->Preparation().Feuille().Tableau.NbTotalGauche), 5);
    QCOMPARE(int(feuille->Preparation().Feuille().Tableau.NbTotalHaut), 5);
}

QTEST_MAIN(TestFenetreVoiliers)
#include "tst_U_ImageVoiliers.moc"
