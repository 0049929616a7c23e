// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Hasard.h"
#include "core/Programme.h"
#include "results/FichiersBilans.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A program folder of its own, current for the test's life: files the program writes land there
// and nowhere else, and the former current folder comes back at the end.
struct DossierDeTest {
    DossierDeTest() { QDir::setCurrent(dossier.path()); }
    ~DossierDeTest() { QDir::setCurrent(initial); }
    QString Chemin(const QString& fichier) const { return dossier.filePath(fichier); }

    QString initial = QDir::currentPath();
    QTemporaryDir dossier;
};

// One program as the tests start it: the platform double with its screen, the state filled as the
// main menu fills it at start (values, program folder, menu geometry), a seeded generator.
struct BancProgramme {
    explicit BancProgramme(const ProfilProgramme& profil = ProfilCarrelis(), QSize ecran = QSize(800, 600),
                           std::unique_ptr<Hasard> hasard = std::make_unique<HasardSysteme>(1))
        : prog(profil, Ecran(plate, ecran), std::move(hasard)) {
        prog.InitValeurs();
        prog.RepProgramme = QDir::currentPath();
        prog.GeometrieMenu = plate.ecran;
    }

    // Where the results window of this program saves, as its preferences stand.
    DestinationBilan DestinationDesBilans() const {
        return {prog.Dossier(), prog.Profil().FichierBilan, prog.Prefs.ListeClasse,
                prog.Prefs.EnregistrerBilans != 0, prog.Prefs.BilansIndividuels != 0};
    }

    PlateFormeTest plate;
    Programme prog;

  private:
    static PlateFormeTest& Ecran(PlateFormeTest& plate, QSize ecran) {
        plate.ecran = QRect(QPoint(0, 0), ecran);
        return plate;
    }
};

// A program's profile travels in a data-driven test's column.
Q_DECLARE_METATYPE(ProfilProgramme)

// One row for each program, its profile in the column "profil".
inline void LesDeuxProgrammes() {
    QTest::addColumn<ProfilProgramme>("profil");
    QTest::newRow("carrelis") << ProfilCarrelis();
    QTest::newRow("navirelle") << ProfilNavirelle();
}
