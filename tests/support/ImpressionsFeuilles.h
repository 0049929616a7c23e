// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/SerieFeuilles.h"

#include "support/DisquePlein.h"
#include "support/LignesDeMots.h"
#include "support/Pdf.h"
#include "support/PlateFormeTest.h"

#include <QDir>
#include <QProgressDialog>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(ChoixSerie)

// A row of a sheet window's test, named after its program, the program in its first column.
inline QTestData& LigneDe(const QString& programme, const char* nom) {
    return QTest::newRow(qPrintable(programme + QStringLiteral(": ") + QLatin1String(nom))) << programme;
}

// What the print dialog asks of a window's prints: a page range (a jammed page printed again) and
// copies, which a PDF file gets drawn. Every page is known by its first line: for a sheet window,
// a class set's title, the key's, or the sheet's instruction "Complète vite.".
namespace PagesDemandees {

// What Verifier reads of a row: "pages" (as the dialog writes them), "exemplaires",
// "assemblees", "pagesDocument" (what the dialog offers) and "premieresLignes".
inline void Colonnes() {
    QTest::addColumn<QString>("pages");
    QTest::addColumn<int>("exemplaires");
    QTest::addColumn<bool>("assemblees");
    QTest::addColumn<int>("pagesDocument");
    QTest::addColumn<QStringList>("premieresLignes");
}

// A sheet window's columns: "programme" (carrelis or navirelle), "bouton" and "choix" (what
// "Corrigé et série" answers), then Colonnes.
inline void ColonnesFenetre() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<ChoixSerie>("choix");
    Colonnes();
}

// The rows of a sheet window of the program, named after it.
inline void Lignes(const QString& programme) {
    const ChoixSerie corrige{ChoixSerie::Genre::Corrige, 1, false};
    const QString f1 = QStringLiteral("Feuille n° 1"), f2 = QStringLiteral("Feuille n° 2"),
                  c1 = QStringLiteral("Corrigé de la feuille n° 1"),
                  c2 = QStringLiteral("Corrigé de la feuille n° 2");
    LigneDe(programme, "a sheet and its key again")
        << "BoutonSerie" << ChoixSerie{ChoixSerie::Genre::Serie, 3, true} << "3-4" << 1 << true << 6
        << QStringList{f2, c2};
    LigneDe(programme, "one jammed sheet, twice")
        << "BoutonSerie" << ChoixSerie{ChoixSerie::Genre::Serie, 3, false} << "2" << 2 << true << 3
        << QStringList{f2, f2};
    LigneDe(programme, "a class set twice, page by page")
        << "BoutonSerie" << ChoixSerie{ChoixSerie::Genre::Serie, 2, true} << "" << 2 << false << 4
        << QStringList{f1, f1, c1, c1, f2, f2, c2, c2};
    LigneDe(programme, "the key, 3 copies")
        << "BoutonSerie" << corrige << "" << 3 << true << 1 << QStringList(3, QStringLiteral("Corrigé"));
    LigneDe(programme, "the sheet, 2 copies") << "BoutonImprimer" << corrige << "" << 2 << true << 1
                                              << QStringList(2, QStringLiteral("Complète vite."));
}

// Asks for the row's pages and copies, runs imprimer (the click) and reads what came out.
template <class Action> void Verifier(PlateFormeTest& plate, const QString& fichier, Action imprimer) {
    QFETCH(QString, pages);
    QFETCH(int, exemplaires);
    QFETCH(bool, assemblees);
    QFETCH(int, pagesDocument);
    QFETCH(QStringList, premieresLignes);
    if (!Pdf::OutilsPresents()) QSKIP("pdftotext (poppler-utils) is not installed");
    plate.fichierPdf = fichier;
    plate.tirage = {QPageRanges::fromString(pages), exemplaires, assemblees};
    imprimer();
    QVERIFY2(plate.avertissements.isEmpty(), qPrintable(plate.avertissements.join(QLatin1Char('\n'))));
    QCOMPARE(plate.dialoguesImpression.size(), 1);
    QCOMPARE(plate.dialoguesImpression.first().nombrePages, pagesDocument);
    QStringList lues;
    for (const QList<MotPlace>& page : Pdf::Mots(fichier))
        lues << LignesDeMots(page, 2).value(0);
    QCOMPARE(lues, premieresLignes);
}

// The row in a sheet window's test bench (its dialogues, platform, folder and buttons): the
// instruction set, the row's choice of key or class set, then its print.
template <class Banc> void VerifierDans(Banc& banc) {
    QFETCH(QString, bouton);
    QFETCH(ChoixSerie, choix);
    banc.dialogues.consignes = {QStringLiteral("Complète vite.")};
    banc.Cliquer("BoutonConsigne");
    banc.dialogues.series = {choix};
    Verifier(banc.plate, banc.dossier.filePath(QStringLiteral("demande.pdf")),
             [&] { banc.Cliquer(qPrintable(bouton)); });
}

} // namespace PagesDemandees

// Prints of a sheet window that fail where the teacher cannot see it: a device chosen as the
// file, a disk that fills up while the pages are written, a folder gone. Each is said in French,
// no file is left behind, and the window carries on.
namespace ImpressionsRatees {

constexpr qint64 DisqueSansPlace = 2048; // less than any printed page

// The columns "programme", "bouton", "choix" (what "Corrigé et série" answers), "cible" and
// "disque".
inline void Colonnes() {
    QTest::addColumn<QString>("programme");
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<ChoixSerie>("choix");
    QTest::addColumn<QString>("cible"); // in the test's folder unless absolute
    QTest::addColumn<qint64>("disque"); // the most a file may hold; 0: no limit
}

// The rows of a sheet window of the program, named after it.
inline void Lignes(const QString& programme) {
    const ChoixSerie corrige{ChoixSerie::Genre::Corrige, 1, false}, serie{ChoixSerie::Genre::Serie, 3, true};
    LigneDe(programme, "the sheet into /dev/full") << "BoutonImprimer" << corrige << "/dev/full" << qint64(0);
    LigneDe(programme, "the sheet on a full disk")
        << "BoutonImprimer" << corrige << "feuille.pdf" << DisqueSansPlace;
    LigneDe(programme, "the key on a full disk")
        << "BoutonSerie" << corrige << "corrige.pdf" << DisqueSansPlace;
    LigneDe(programme, "a class set on a full disk")
        << "BoutonSerie" << serie << "serie.pdf" << DisqueSansPlace;
    LigneDe(programme, "a class set into /dev/full") << "BoutonSerie" << serie << "/dev/full" << qint64(0);
    LigneDe(programme, "a class set into a folder gone")
        << "BoutonSerie" << serie << "absent/serie.pdf" << qint64(0);
}

// Runs imprimer (the click) towards the row's target and checks what follows.
template <class Action>
void Verifier(PlateFormeTest& plate, const QString& dossier, QWidget& fenetre, Action imprimer) {
    QFETCH(QString, cible);
    QFETCH(qint64, disque);
    plate.fichierPdf = QDir(dossier).absoluteFilePath(cible);
    {
        DisquePlein plein(disque > 0 ? disque : std::numeric_limits<qint64>::max());
        if (disque > 0 && !plein.Actif()) QSKIP("no file size limit here");
        imprimer();
    }
    QCOMPARE(plate.impressions.size(), 1);
    QCOMPARE(plate.avertissements.size(), 1);
    QVERIFY2(plate.avertissements.first().startsWith(QStringLiteral("L'impression n'a pas pu se faire")),
             qPrintable(plate.avertissements.first()));
    QVERIFY(QDir(dossier).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(fenetre.isVisible());
    for (const QProgressDialog* barre : fenetre.findChildren<QProgressDialog*>())
        QVERIFY(!barre->isVisible());
}

} // namespace ImpressionsRatees
