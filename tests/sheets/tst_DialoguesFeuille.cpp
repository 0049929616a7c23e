// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet dialogs: what each showing selects, what "OK" / "&Valider" keep and what
// "Annuler", Escape and the close button leave as it was; the class set chooser; every control
// named for screen readers and reached by the keyboard.
#include "core/AideContextuelle.h"
#include "core/Programme.h"
#include "sheets/ChoixConsigne.h"
#include "sheets/ReglagesFeuille.h"
#include "sheets/U_Consigne.h"
#include "sheets/U_Consigne3D.h"
#include "sheets/U_ModifChoix3D.h"
#include "sheets/U_ModifChxImp.h"
#include "sheets/U_Serie.h"

#include "support/ActionsAccessibles.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(ProfilProgramme)

namespace {

// How a dialog is left: its OK button ("ok"), its cancel button ("annuler"), Escape, or the
// close button of its title bar.
void Quitter(QDialog& dialogue, const QString& comment, const char* ok, const char* annuler) {
    if (comment == u"ok")
        QTest::mouseClick(dialogue.findChild<QPushButton*>(QLatin1String(ok)), Qt::LeftButton);
    else if (comment == u"annuler")
        QTest::mouseClick(dialogue.findChild<QPushButton*>(QLatin1String(annuler)), Qt::LeftButton);
    else if (comment == u"echap")
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialogue,
                        Qt::Key_Escape);
    else
        dialogue.close();
}

// Runs `agir` on the dialog once its exec() has started; a check that failed midway still
// lets the dialog go.
void Pendant(QDialog& dialogue, std::function<void()> agir) {
    QTimer::singleShot(0, &dialogue, [&dialogue, agir] {
        agir();
        if (dialogue.isVisible()) dialogue.done(-1);
    });
}

QRadioButton* Radio(QWidget& w, const QString& nom) {
    return w.findChild<QRadioButton*>(nom);
}

// A click on the round button itself: a click right of a short caption misses the button.
void Cocher(QAbstractButton* bouton) {
    QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(8, bouton->height() / 2));
}

using ActionsAccessibles::Nom;

// Every control a person can reach is named and in the Tab chain.
QStringList SansNom(QWidget& dialogue) {
    QStringList fautes;
    for (QWidget* w : dialogue.findChildren<QWidget*>())
        if ((w->inherits("QAbstractButton") || w->inherits("QLineEdit") || w->inherits("QAbstractSpinBox")) &&
            !w->parentWidget()->inherits("QAbstractSpinBox") &&
            (Nom(w).isEmpty() || !(w->focusPolicy() & Qt::TabFocus)))
            fautes << w->objectName();
    return fautes;
}

struct Banc {
    explicit Banc(const ProfilProgramme& profil = ProfilCarrelis()) : prog(profil, plate) {}
    PlateFormeTest plate;
    Programme prog;
};

} // namespace

class TestDialoguesFeuille : public QObject {
    Q_OBJECT

  private slots:
    void consigne_data();
    void consigne();
    void consigneGardeLeTexteTape();
    void consignes3DIndependantes_data();
    void consignes3DIndependantes();
    void tailleImp_data();
    void tailleImp();
    void enTeteDeTailleImp_data();
    void enTeteDeTailleImp();
    void choix3D_data();
    void choix3D();
    void serie_data();
    void serie();
    void nombreDeFeuillesMontreEtImprime_data();
    void nombreDeFeuillesMontreEtImprime();
    void choixAuLecteurDEcran_data();
    void choixAuLecteurDEcran();
    void nommesEtAuClavier();
    void bandeAuMilieuDeLEcran();
};

void TestDialoguesFeuille::consigne_data() {
    QTest::addColumn<QString>("depart");
    QTest::addColumn<QString>("item");  // shown at opening
    QTest::addColumn<QString>("clic");  // item clicked, "" none
    QTest::addColumn<QString>("texte"); // typed in the field, "" nothing
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<QString>("resultat");
    const QString defaut = ConsigneParDefaut();
    QTest::newRow("empty shows none, default chosen") << QString() << "RadioGroup1Item0"
                                                      << "RadioGroup1Item1"
                                                      << ""
                                                      << "ok" << defaut;
    QTest::newRow("default shows default, none chosen") << defaut << "RadioGroup1Item1"
                                                        << "RadioGroup1Item0"
                                                        << ""
                                                        << "ok" << QString();
    QTest::newRow("own text shows it") << "Relie."
                                       << "RadioGroup1Item2"
                                       << ""
                                       << ""
                                       << "ok"
                                       << "Relie.";
    QTest::newRow("own text typed") << QString() << "RadioGroup1Item0"
                                    << "RadioGroup1Item2"
                                    << "Colorie."
                                    << "ok"
                                    << "Colorie.";
    QTest::newRow("own text typed, the item reached with the arrows") << QString() << "RadioGroup1Item0"
                                                                      << "fleches"
                                                                      << "Barre."
                                                                      << "ok"
                                                                      << "Barre.";
    QTest::newRow("typed equal to the default is the default")
        << QString() << "RadioGroup1Item0"
        << "RadioGroup1Item2" << defaut << "ok" << defaut;
    QTest::newRow("own item with an empty field is none") << defaut << "RadioGroup1Item1"
                                                          << "RadioGroup1Item2"
                                                          << ""
                                                          << "ok" << QString();
    QTest::newRow("typing under the default item does nothing") << defaut << "RadioGroup1Item1"
                                                                << ""
                                                                << "Autre."
                                                                << "ok" << defaut;
    QTest::newRow("Annuler") << QString() << "RadioGroup1Item0"
                             << "RadioGroup1Item1"
                             << ""
                             << "annuler" << QString();
    QTest::newRow("Escape") << QString() << "RadioGroup1Item0"
                            << "RadioGroup1Item2"
                            << "Vite."
                            << "echap" << QString();
    QTest::newRow("close button") << defaut << "RadioGroup1Item1"
                                  << "RadioGroup1Item0"
                                  << ""
                                  << "fermer" << defaut;
}

void TestDialoguesFeuille::consigne() {
    QFETCH(QString, depart);
    QFETCH(QString, item);
    QFETCH(QString, clic);
    QFETCH(QString, texte);
    QFETCH(QString, sortie);
    QFETCH(QString, resultat);
    Banc banc;
    TF_Consigne dialogue(banc.plate);
    QString consigne = depart;
    bool montre = false, ecrire = true;
    Pendant(dialogue, [&] {
        montre = Radio(dialogue, item)->isChecked();
        QRadioButton* propre = Radio(dialogue, QStringLiteral("RadioGroup1Item2"));
        if (clic == u"fleches") {
            // The arrows move only in the window that has the keyboard.
            dialogue.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialogue));
            for (int i = 0; i < 3 && !propre->isChecked(); ++i)
                QTest::keyClick(dialogue.focusWidget(), Qt::Key_Down);
        } else if (!clic.isEmpty()) {
            Cocher(Radio(dialogue, clic));
        }
        auto* champ = dialogue.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        // Choosing her own instruction, however, puts the teacher in the field.
        const bool choisiePropre = propre->isChecked() && !clic.isEmpty();
        if (choisiePropre) ecrire = QTest::qWaitFor([&] { return dialogue.focusWidget() == champ; }, 500);
        if (!texte.isEmpty()) {
            champ->clear();
            champ->insert(texte);
        } else if (choisiePropre) {
            champ->clear();
        }
        Quitter(dialogue, sortie, "SpeedButton1", "BoutonAnnuler");
    });
    const bool change = dialogue.Choisir(consigne);
    QVERIFY(montre);
    QVERIFY(ecrire);
    QCOMPARE(consigne, resultat);
    QCOMPARE(change, resultat != depart);
    // The next showing reads the instruction back into its item.
    QString suivante = consigne;
    Pendant(dialogue, [&] {
        montre = Radio(dialogue, QStringLiteral("RadioGroup1Item%1")
                                     .arg(resultat.isEmpty()                ? 0
                                          : resultat == ConsigneParDefaut() ? 1
                                                                            : 2))
                     ->isChecked();
        dialogue.reject();
    });
    dialogue.Choisir(suivante);
    QVERIFY(montre);
}

// The field keeps the last text typed, even when another item was chosen in the end.
void TestDialoguesFeuille::consigneGardeLeTexteTape() {
    Banc banc;
    TF_Consigne dialogue(banc.plate);
    QString consigne;
    Pendant(dialogue, [&] {
        Cocher(Radio(dialogue, QStringLiteral("RadioGroup1Item2")));
        QTest::keyClicks(dialogue.focusWidget(), QStringLiteral("Entoure."));
        Cocher(Radio(dialogue, QStringLiteral("RadioGroup1Item1")));
        // Enter keeps the choice from the field too.
        QTest::keyClick(dialogue.findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
    });
    QVERIFY(dialogue.Choisir(consigne));
    QCOMPARE(consigne, ConsigneParDefaut());
    QCOMPARE(dialogue.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("Entoure."));
}

void TestDialoguesFeuille::consignes3DIndependantes_data() {
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<bool>("garde");
    QTest::newRow("OK") << "ok" << true;
    QTest::newRow("Annuler") << "annuler" << false;
    QTest::newRow("Escape") << "echap" << false;
    QTest::newRow("close button") << "fermer" << false;
}

void TestDialoguesFeuille::consignes3DIndependantes() {
    QFETCH(QString, sortie);
    QFETCH(bool, garde);
    Banc banc;
    TF_Consigne3D dialogue(banc.prog);
    const std::array<QString, 3> depart{QString(), ConsigneParDefaut(), QStringLiteral("Trois.")};
    std::array<QString, 3> consignes = depart;
    QStringList montres;
    Pendant(dialogue, [&] {
        for (int i = 1; i <= 3; ++i)
            for (int item = 0; item < 3; ++item)
                if (Radio(dialogue, QStringLiteral("RadioGroup%1Item%2").arg(i).arg(item))->isChecked())
                    montres << QString::number(item);
        montres << dialogue.findChild<QLineEdit*>(QStringLiteral("Edit3"))->text();
        Cocher(Radio(dialogue, QStringLiteral("RadioGroup1Item1")));
        Cocher(Radio(dialogue, QStringLiteral("RadioGroup3Item0")));
        Quitter(dialogue, sortie, "SpeedButton1", "BoutonAnnuler");
    });
    QCOMPARE(dialogue.Choisir(consignes), garde);
    QCOMPARE(montres, (QStringList{"0", "1", "2", "Trois."}));
    const std::array<QString, 3> choisies{ConsigneParDefaut(), ConsigneParDefaut(), QString()};
    QCOMPARE(consignes, garde ? choisies : depart);
}

void TestDialoguesFeuille::tailleImp_data() {
    QTest::addColumn<int>("depart");
    QTest::addColumn<QList<int>>("clics"); // items clicked in turn
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<int>("resultat");
    QTest::newRow("OK keeps the last size clicked") << 1 << QList<int>{3, 7} << "ok" << 8;
    QTest::newRow("several sizes, then Annuler") << 4 << QList<int>{0, 5, 2} << "annuler" << 4;
    QTest::newRow("Escape") << 8 << QList<int>{0} << "echap" << 8;
    QTest::newRow("close button") << 2 << QList<int>{6} << "fermer" << 2;
    QTest::newRow("the size in force") << 3 << QList<int>{2} << "ok" << 3;
}

void TestDialoguesFeuille::tailleImp() {
    QFETCH(int, depart);
    QFETCH(QList<int>, clics);
    QFETCH(QString, sortie);
    QFETCH(int, resultat);
    Banc banc;
    TF_ModifImp dialogue(banc.plate, banc.prog.Profil().EnTeteModifImp);
    quint8 taille = quint8(depart);
    bool montre = false;
    Pendant(dialogue, [&] {
        montre = Radio(dialogue, QStringLiteral("NbCasesJeu1Item%1").arg(depart - 1))->isChecked();
        for (int item : clics)
            Cocher(Radio(dialogue, QStringLiteral("NbCasesJeu1Item%1").arg(item)));
        Quitter(dialogue, sortie, "BitBtn2", "BitBtn1");
    });
    QCOMPARE(dialogue.Choisir(taille), resultat != depart);
    QVERIFY(montre);
    QCOMPARE(int(taille), resultat);
}

void TestDialoguesFeuille::enTeteDeTailleImp_data() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::addColumn<bool>("entete");
    QTest::newRow("carrelis: no heading") << ProfilCarrelis() << false;
    QTest::newRow("navirelle: Préparation, and taller") << ProfilNavirelle() << true;
}

void TestDialoguesFeuille::enTeteDeTailleImp() {
    QFETCH(ProfilProgramme, profil);
    QFETCH(bool, entete);
    Banc banc(profil);
    TF_ModifImp dialogue(banc.plate, banc.prog.Profil().EnTeteModifImp);
    Banc autre(ProfilCarrelis());
    TF_ModifImp sansEntete(autre.plate, autre.prog.Profil().EnTeteModifImp);
    dialogue.show();
    auto* numero = dialogue.findChild<QLabel*>(QStringLiteral("NumeroJeu"));
    QCOMPARE(numero != nullptr, entete);
    if (entete) {
        QCOMPARE(numero->text(), QStringLiteral("Préparation"));
        QVERIFY(dialogue.height() > sansEntete.height());
    }
    QCOMPARE(ContexteAide(dialogue), 5);
}

void TestDialoguesFeuille::choix3D_data() {
    QTest::addColumn<QList<int>>("clics"); // group * 10 + item
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<QList<int>>("resultat");
    QTest::addColumn<bool>("change");
    QTest::newRow("three sizes validated") << QList<int>{10, 21, 37} << "ok" << QList<int>{1, 2, 8} << true;
    QTest::newRow("back to the sizes in force")
        << QList<int>{12, 11, 24, 22} << "ok" << QList<int>{2, 3, 4} << false;
    QTest::newRow("Annuler") << QList<int>{17} << "annuler" << QList<int>{2, 3, 4} << false;
    QTest::newRow("Escape") << QList<int>{30} << "echap" << QList<int>{2, 3, 4} << false;
    QTest::newRow("close button") << QList<int>{25} << "fermer" << QList<int>{2, 3, 4} << false;
}

// Each showing selects the sizes in force, whatever was clicked the time before.
void TestDialoguesFeuille::choix3D() {
    QFETCH(QList<int>, clics);
    QFETCH(QString, sortie);
    QFETCH(QList<int>, resultat);
    QFETCH(bool, change);
    Banc banc;
    TF_Choix3D dialogue(banc.prog);
    for (int fois = 0; fois < 2; ++fois) {
        std::array<quint8, 3> tailles{2, 3, 4};
        QStringList montres;
        Pendant(dialogue, [&] {
            for (int g = 1; g <= 3; ++g)
                for (int item = 0; item < 8; ++item)
                    if (Radio(dialogue, QStringLiteral("NbCasesJeu%1Item%2").arg(g).arg(item))->isChecked())
                        montres << QString::number(item + 1);
            for (int clic : clics)
                Cocher(Radio(dialogue, QStringLiteral("NbCasesJeu%1Item%2").arg(clic / 10).arg(clic % 10)));
            Quitter(dialogue, sortie, "bouton_valider", "bouton_annuler");
        });
        QCOMPARE(dialogue.Choisir(tailles), change);
        QCOMPARE(montres, (QStringList{"2", "3", "4"}));
        QCOMPARE((QList<int>{tailles[0], tailles[1], tailles[2]}), resultat);
    }
    QCOMPARE(ContexteAide(dialogue), 5);
}

void TestDialoguesFeuille::serie_data() {
    QTest::addColumn<QString>("choix"); // "corrige" or "serie"
    QTest::addColumn<int>("nombre");
    QTest::addColumn<bool>("corriges");
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<int>("pages"); // 0: given up
    QTest::newRow("the key of the sheet on show") << "corrige" << 12 << true << "ok" << 1;
    QTest::newRow("25 sheets with their keys") << "serie" << 25 << true << "ok" << 50;
    QTest::newRow("40 sheets, no keys") << "serie" << 40 << false << "ok" << 40;
    QTest::newRow("no more than 40") << "serie" << 99 << false << "ok" << 40;
    QTest::newRow("Escape") << "serie" << 3 << true << "echap" << 0;
    QTest::newRow("Annuler") << "corrige" << 3 << true << "annuler" << 0;
}

void TestDialoguesFeuille::serie() {
    QFETCH(QString, choix);
    QFETCH(int, nombre);
    QFETCH(bool, corriges);
    QFETCH(QString, sortie);
    QFETCH(int, pages);
    Banc banc;
    TF_Serie dialogue(banc.plate);
    QString resume;
    bool actifs = true;
    Pendant(dialogue, [&] {
        Cocher(dialogue.findChild<QRadioButton*>(choix == u"corrige" ? "ChoixCorrige" : "ChoixSerie"));
        auto* spin = dialogue.findChild<QSpinBox*>(QStringLiteral("NombreFeuilles"));
        auto* cles = dialogue.findChild<QCheckBox*>(QStringLiteral("AvecCorriges"));
        spin->setValue(nombre);
        cles->setChecked(corriges);
        actifs = spin->isEnabled() && cles->isEnabled();
        resume = dialogue.findChild<QLabel*>(QStringLiteral("Resume"))->text();
        Quitter(dialogue, sortie, "BoutonImprimer", "BoutonAnnuler");
    });
    const std::optional<ChoixSerie> obtenu = dialogue.Choisir();
    QCOMPARE(actifs, choix == u"serie");
    if (pages == 0) {
        QVERIFY(!obtenu);
        return;
    }
    QVERIFY(obtenu);
    QCOMPARE(obtenu->NombrePages(), pages);
    QVERIFY2(resume.startsWith(QString::number(pages) + QLatin1Char(' ')), qPrintable(resume));
    QCOMPARE(obtenu->Quoi == ChoixSerie::Genre::Corrige, choix == u"corrige");
}

void TestDialoguesFeuille::nombreDeFeuillesMontreEtImprime_data() {
    QTest::addColumn<QString>("tape");   // what the teacher types over the number; "<vide>": erases it
    QTest::addColumn<QString>("sortie"); // "tab", "entree", "clic" on "Imprimer...", or "voix" (text set by a
                                         // screen reader, then Enter)
    QTest::addColumn<QString>("montre"); // the field once the teacher goes on
    QTest::addColumn<bool>("corrige");   // the summary says the number was corrected, and the dialog waits
    QTest::addColumn<int>("feuilles");   // printed
    QTest::newRow("12, Enter") << "12"
                               << "entree"
                               << "12" << false << 12;
    QTest::newRow("0 is one sheet") << "0"
                                    << "tab"
                                    << "1" << true << 1;
    QTest::newRow("41 is forty, not 4") << "41"
                                        << "entree"
                                        << "40" << true << 40;
    QTest::newRow("999 is forty") << "999"
                                  << "clic"
                                  << "40" << true << 40;
    QTest::newRow("nothing is the number before") << "<vide>"
                                                  << "clic"
                                                  << "30" << true << 30;
    QTest::newRow("letters are not typed") << "ab"
                                           << "entree"
                                           << "30" << false << 30;
    QTest::newRow("letters from a screen reader") << "trois"
                                                  << "voix"
                                                  << "30" << true << 30;
}

// The field and the summary never disagree, and what prints is what the teacher saw in the field.
void TestDialoguesFeuille::nombreDeFeuillesMontreEtImprime() {
    QFETCH(QString, tape);
    QFETCH(QString, sortie);
    QFETCH(QString, montre);
    QFETCH(bool, corrige);
    QFETCH(int, feuilles);
    Banc banc;
    TF_Serie dialogue(banc.plate);
    QString pendant, apres, resumePendant, resumeApres;
    bool attend = false;
    Pendant(dialogue, [&] {
        auto* champ = dialogue.findChild<QSpinBox*>(QStringLiteral("NombreFeuilles"));
        auto* resume = dialogue.findChild<QLabel*>(QStringLiteral("Resume"));
        auto* imprimer = dialogue.findChild<QPushButton*>(QStringLiteral("BoutonImprimer"));
        dialogue.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialogue));
        champ->setFocus();
        champ->selectAll();
        if (sortie == u"voix")
            champ->findChild<QLineEdit*>()->setText(tape);
        else if (tape == u"<vide>")
            QTest::keyClick(champ, Qt::Key_Backspace);
        else
            QTest::keyClicks(champ, tape);
        pendant = champ->text();
        resumePendant = resume->text();
        if (sortie == u"tab")
            QTest::keyClick(champ, Qt::Key_Tab);
        else if (sortie == u"clic")
            QTest::mouseClick(imprimer, Qt::LeftButton);
        else
            QTest::keyClick(champ, Qt::Key_Return);
        apres = champ->text();
        resumeApres = resume->text();
        attend = sortie != u"tab" && dialogue.isVisible();
        if (dialogue.isVisible()) QTest::mouseClick(imprimer, Qt::LeftButton);
    });
    const std::optional<ChoixSerie> choix = dialogue.Choisir();
    QVERIFY(choix);
    QCOMPARE(apres, montre);
    QCOMPARE(choix->NombreFeuilles, feuilles);
    // While typing, the summary names no number of pages the field does not show.
    const bool dansLesBornes = pendant.toInt() >= 1 && pendant.toInt() <= 40;
    QVERIFY2(resumePendant.startsWith(QString::number(pendant.toInt() * 2) + QLatin1Char(' ')) ==
                 dansLesBornes,
             qPrintable(pendant + " / " + resumePendant));
    QVERIFY2(resumeApres.endsWith(QStringLiteral("%1 pages seront imprimées.").arg(feuilles * 2)),
             qPrintable(resumeApres));
    QCOMPARE(resumeApres.startsWith(QStringLiteral("Nombre corrigé (de 1 à 40 feuilles)")), corrige);
    // A correction made by the print button itself, or Enter, is shown before anything prints.
    QCOMPARE(attend, corrige && sortie != u"tab");
}

void TestDialoguesFeuille::choixAuLecteurDEcran_data() {
    QTest::addColumn<QString>("dialogue");
    QTest::addColumn<QString>("choix");  // the item toggled through the accessibility tree
    QTest::addColumn<QString>("bouton"); // then pressed there
    QTest::addColumn<QString>("obtenu"); // what the dialog answers
    QTest::newRow("instruction") << "Consigne"
                                 << "Consigne par défaut"
                                 << "OK" << ConsigneParDefaut();
    // Checked, the teacher's own instruction takes the keyboard to its field.
    QTest::newRow("own instruction") << "Consigne"
                                     << "Consigne personnalisée"
                                     << "OK"
                                     << "Bravo";
    QTest::newRow("instructions of 3 diff.") << "Consigne3D"
                                             << "Consigne par défaut"
                                             << "OK" << ConsigneParDefaut() + "||";
    QTest::newRow("size") << "ModifImp"
                          << "Taille 5 (5 x 5)"
                          << "OK"
                          << "6";
    QTest::newRow("sizes of 3 diff.") << "Choix3D"
                                      << "Taille 7 (5 x 7)"
                                      << "Valider"
                                      << "8 1 1";
    QTest::newRow("key or class set") << "Serie"
                                      << "Le corrigé de la feuille affichée"
                                      << "Imprimer..."
                                      << "1 page sera imprimée.";
}

// An item checked through the accessibility tree is the item chosen, as a click is.
void TestDialoguesFeuille::choixAuLecteurDEcran() {
    QFETCH(QString, dialogue);
    QFETCH(QString, choix);
    QFETCH(QString, bouton);
    QFETCH(QString, obtenu);
    Banc banc;
    QString reponse;
    auto repondre = [&](QDialog& d) {
        Pendant(d, [&] {
            d.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QVERIFY(ActionsAccessibles::Basculer(d, choix));
            if (obtenu == u"Bravo") QTest::keyClicks(QApplication::focusWidget(), obtenu);
            QVERIFY(ActionsAccessibles::Appuyer(d, bouton));
        });
    };
    if (dialogue == u"Consigne") {
        TF_Consigne d(banc.plate);
        repondre(d);
        QVERIFY(d.Choisir(reponse));
    } else if (dialogue == u"Consigne3D") {
        TF_Consigne3D d(banc.prog);
        std::array<QString, 3> consignes;
        repondre(d);
        QVERIFY(d.Choisir(consignes));
        reponse = consignes[0] + '|' + consignes[1] + '|' + consignes[2];
    } else if (dialogue == u"ModifImp") {
        TF_ModifImp d(banc.plate, banc.prog.Profil().EnTeteModifImp);
        quint8 taille = 1;
        repondre(d);
        QVERIFY(d.Choisir(taille));
        reponse = QString::number(taille);
    } else if (dialogue == u"Choix3D") {
        TF_Choix3D d(banc.prog);
        std::array<quint8, 3> tailles{1, 1, 1};
        repondre(d);
        QVERIFY(d.Choisir(tailles));
        reponse = QStringLiteral("%1 %2 %3").arg(tailles[0]).arg(tailles[1]).arg(tailles[2]);
    } else {
        TF_Serie d(banc.plate);
        repondre(d);
        const std::optional<ChoixSerie> serie = d.Choisir();
        QVERIFY(serie && serie->Quoi == ChoixSerie::Genre::Corrige);
        reponse = d.findChild<QLabel*>(QStringLiteral("Resume"))->text();
    }
    QCOMPARE(reponse, obtenu);
}

void TestDialoguesFeuille::nommesEtAuClavier() {
    Banc banc;
    TF_Consigne consigne(banc.plate);
    TF_Consigne3D consigne3D(banc.prog);
    TF_ModifImp modifImp(banc.plate, banc.prog.Profil().EnTeteModifImp);
    TF_Choix3D choix3D(banc.prog);
    TF_Serie serie(banc.plate);
    for (QDialog* dialogue :
         std::initializer_list<QDialog*>{&consigne, &consigne3D, &modifImp, &choix3D, &serie}) {
        QVERIFY2(SansNom(*dialogue).isEmpty(), qPrintable(SansNom(*dialogue).join(' ')));
        QVERIFY(!Nom(dialogue).isEmpty());
    }
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(
        consigne.findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item1")));
    QCOMPARE(item->role(), QAccessible::RadioButton);
    QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Consigne par défaut"));
    // The field follows its item in the Tab chain, and OK the field.
    QWidget* suivant =
        consigne.findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item2"))->nextInFocusChain();
    while (!(suivant->focusPolicy() & Qt::TabFocus))
        suivant = suivant->nextInFocusChain();
    QCOMPARE(suivant, consigne.findChild<QLineEdit*>(QStringLiteral("Edit1")));
}

void TestDialoguesFeuille::bandeAuMilieuDeLEcran() {
    Banc banc;
    banc.plate.ecran = QRect(0, 0, 1024, 768);
    TF_Consigne dialogue(banc.plate);
    QCOMPARE(dialogue.width(), 1024);
    QCOMPARE(dialogue.height(), 1024 * 280 / 800);
    QCOMPARE(dialogue.y(), (768 - 358) / 2);
    QCOMPARE(dialogue.x(), 0);
}

QTEST_MAIN(TestDialoguesFeuille)
#include "tst_DialoguesFeuille.moc"
