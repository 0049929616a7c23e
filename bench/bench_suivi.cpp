// SPDX-License-Identifier: GPL-3.0-or-later
// The class follow-up on a folder of 30 pupils who played 200 games each, both preferences on
// (the general file and 30 individual files, about 6,000 entries twice): from "Actualiser" to the
// table read, counted and painted, within 150 ms; a pupil's page with its list and its chart
// painted, within 50 ms. The real window on the offscreen platform at 1024 x 768; the chart's
// module is loaded before the timing, as the first pupil's page loads it.
#include "Bancs.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "results/ReleveBilans.h"
#include "suivi/GraphiqueSuivi.h"
#include "suivi/U_Suivi.h"
#include "support/ClasseEcrite.h"
#include "support/PlateFormeTest.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Eleves = 30;
constexpr int PartiesParEleve = 200;

struct Classe {
    Classe() {
        plate.ecran = QRect(0, 0, 1024, 768);
        const QStringList eleves = ClasseEcrite::Prenoms.first(Eleves);
        ClasseEcrite::EcrireListe(dossier.path(), QStringLiteral("CM1"), eleves);
        ClasseEcrite::Ecrire(
            dossier.path(), prog.Profil(), QStringLiteral("CM1"),
            ClasseEcrite::Parties(eleves, PartiesParEleve, QDateTime(QDate(2025, 9, 1), QTime(9, 0))));
        suivi = fenetres.Obtenir<TF_Suivi>(IdFenetre::Suivi);
        suivi->Preparer(dossier.path());
        suivi->show();
        QApplication::processEvents();
    }

    QTemporaryDir dossier;
    PlateFormeTest plate;
    Programme prog{ProfilCarrelis(), plate};
    Fenetres fenetres{prog};
    TF_Suivi* suivi = nullptr;
};

// Written once for both measures, and gone before the application.
std::unique_ptr<Classe> classe;

Classe& LaClasse() {
    if (!classe) classe = std::make_unique<Classe>();
    return *classe;
}

void BM_LireEtMontrerLaClasse(benchmark::State& etat) {
    Classe& c = LaClasse();
    for (auto _ : etat) {
        if (!c.suivi->Actualiser()) etat.SkipWithError("the folder was not read");
        c.suivi->repaint();
    }
    etat.counters["lignes"] =
        c.suivi->findChild<QTableView*>(QStringLiteral("TableauSuivi"))->model()->rowCount();
}

// The reading alone, without the window: what the reading thread does.
void BM_LireLeDossier(benchmark::State& etat) {
    Classe& c = LaClasse();
    qsizetype parties = 0;
    for (auto _ : etat) {
        const ReleveBilans::Releve releve =
            ReleveBilans::Lire(ReleveBilans::Inventorier(c.dossier.path(), c.prog.Profil()), c.prog.Profil());
        parties = releve.Parties.size();
    }
    etat.counters["parties"] = double(parties);
}

void BM_GraphiqueDUnEleve(benchmark::State& etat) {
    Classe& c = LaClasse();
    QString raison;
    if (!GraphiqueSuivi::Charger(raison)) etat.SkipWithError(raison.toUtf8().constData());
    int eleve = 0;
    for (auto _ : etat) {
        c.suivi->MontrerEleve(eleve++ % Eleves);
        c.suivi->repaint();
    }
    c.suivi->RetourTableau();
}

void Enregistrer(bool rapide) {
    auto* dossier = benchmark::RegisterBenchmark("BM_LireLeDossier", BM_LireLeDossier);
    auto* lire = benchmark::RegisterBenchmark("BM_LireEtMontrerLaClasse", BM_LireEtMontrerLaClasse);
    auto* graphique = benchmark::RegisterBenchmark("BM_GraphiqueDUnEleve", BM_GraphiqueDUnEleve);
    for (auto* b : {dossier, lire, graphique}) {
        b->Unit(benchmark::kMillisecond);
        if (rapide) b->Iterations(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    GraphiqueSuivi::AjouterDossier(QStringLiteral(DOSSIER_MODULES));
    // The class's window goes before the application.
    return Bancs::Lancer<QApplication>(argc, argv, Enregistrer, [] { classe.reset(); });
}
