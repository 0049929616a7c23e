// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technologies are told of the actions of every control of both programs, with
// Qt's French translation installed as the programs install it: French names ("Appuyer",
// "Basculer"...) and French descriptions, the programs' own actions named in French.
#include "core/FenetreExercice.h"
#include "core/Programme.h"
#include "core/TraductionQt.h"
#include "program/Fenetres.h"

#include "support/BancProgramme.h"
#include "support/PlateFormeTest.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

const QStringList ActionsDeQt{
    QAccessibleActionInterface::pressAction(),      QAccessibleActionInterface::toggleAction(),
    QAccessibleActionInterface::increaseAction(),   QAccessibleActionInterface::decreaseAction(),
    QAccessibleActionInterface::showMenuAction(),   QAccessibleActionInterface::setFocusAction(),
    QAccessibleActionInterface::scrollLeftAction(), QAccessibleActionInterface::scrollRightAction(),
    QAccessibleActionInterface::scrollUpAction(),   QAccessibleActionInterface::scrollDownAction(),
    QAccessibleActionInterface::nextPageAction(),   QAccessibleActionInterface::previousPageAction()};

struct Action {
    QString controle, nom, nomDit, description;
};

void Parcourir(QAccessibleInterface* interface, QSet<QAccessibleInterface*>& vus, QList<Action>& actions) {
    if (!interface || vus.contains(interface)) return;
    vus.insert(interface);
    if (QAccessibleActionInterface* a = interface->actionInterface())
        for (const QString& nom : a->actionNames())
            actions.append({interface->text(QAccessible::Name), nom, a->localizedActionName(nom),
                            a->localizedActionDescription(nom)});
    for (int i = 0; i < interface->childCount(); ++i)
        Parcourir(interface->child(i), vus, actions);
}

// Every action of every window, games open, hidden controls included.
QList<Action> ToutesLesActions(Fenetres& fenetres) {
    QSet<QAccessibleInterface*> vus;
    QList<Action> actions;
    for (IdFenetre id : fenetres.OrdreDeCreation()) {
        QWidget* fenetre = fenetres.Fenetre(id);
        if (auto* jeu = qobject_cast<FenetreExercice*>(fenetre)) jeu->Ouvrir(ChoixExercice{2, {}});
        Parcourir(QAccessible::queryAccessibleInterface(fenetre), vus, actions);
        for (QWidget* controle : fenetre->findChildren<QWidget*>())
            Parcourir(QAccessible::queryAccessibleInterface(controle), vus, actions);
    }
    return actions;
}

// Qt's words as its sources write them, in front of every other translator while installed: what
// a screen reader would be told without the French translation.
class SourcesDeQt final : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QString::fromUtf8(source);
    }
};

} // namespace

class TestActionsFrancaises : public QObject {
    Q_OBJECT

  private slots:
    void nomsEtDescriptionsEnFrancais_data();
    void nomsEtDescriptionsEnFrancais();
};

void TestActionsFrancaises::nomsEtDescriptionsEnFrancais_data() {
    LesDeuxProgrammes();
}

void TestActionsFrancaises::nomsEtDescriptionsEnFrancais() {
    QFETCH(ProfilProgramme, profil);
    PlateFormeTest plate;
    Programme prog(profil, plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    QVERIFY2(InstallerTraductionQt(), "Qt's French translation is missing");
    // The descriptions Qt gives untranslated, to tell them from French ones.
    QList<Action> anglais;
    {
        SourcesDeQt sources;
        QCoreApplication::installTranslator(&sources);
        anglais = ToutesLesActions(fenetres);
        QCoreApplication::removeTranslator(&sources);
    }
    const QList<Action> actions = ToutesLesActions(fenetres);
    QCOMPARE(actions.size(), anglais.size());
    QSet<QString> vues;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const Action& action = actions[i];
        const QString ou = action.controle + QStringLiteral(" : ") + action.nom;
        vues.insert(action.nom);
        QVERIFY2(!action.nomDit.isEmpty() && !action.description.isEmpty(), qPrintable(ou));
        // Qt's actions are said in French; the programs' own are French already.
        if (ActionsDeQt.contains(action.nom)) {
            QVERIFY2(action.nomDit != action.nom, qPrintable(ou + " / " + action.nomDit));
            QVERIFY2(action.description != anglais[i].description,
                     qPrintable(ou + " / " + action.description));
        } else {
            QVERIFY2(action.nom.contains(QLatin1Char(' ')), qPrintable(ou));
        }
    }
    // The actions a pupil uses: buttons, toggles, fields.
    for (const QString& utile :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction(),
          QAccessibleActionInterface::setFocusAction()})
        QVERIFY2(vues.contains(utile), qPrintable(utile));
}

QTEST_MAIN(TestActionsFrancaises)
#include "tst_ActionsFrancaises.moc"
