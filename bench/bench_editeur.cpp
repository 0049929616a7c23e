// SPDX-License-Identifier: GPL-3.0-or-later
// A long file opened in the text editor, from the menu's "Ouvrir" to its first screen painted:
// rich texts of 4, 16 and 50 MB (some 13,000 paragraphs a megabyte) and a general results file
// of 8 MB. Targets: 50 MB in 5 s, the results file in 1 s, the time in proportion to the size.
// Each is timed with the progress bar the teacher sees and without it: the bar must cost
// nothing. The memory counters are what the program holds beyond what it held before, in
// megabytes: once the first screen is shown, and once every paragraph is laid out (which the
// editor does afterwards, while the teacher reads).
#include "Bancs.h"
#include "core/FichierTexte.h"
#include "core/Programme.h"
#include "editor/TexteEnCours.h"
#include "editor/U_traitexte.h"
#include "editor/ZoneTexte.h"
#include "support/PlateFormeTest.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr qsizetype Mo = 1024 * 1024;
bool rapide = false;

// The quick pass of the tests reads files sixteen times smaller.
qsizetype Taille(qsizetype megaoctets) {
    return rapide ? megaoctets * Mo / 16 : megaoctets * Mo;
}

// Short paragraphs of a teacher's text as a word processor writes them, accents as escapes.
QByteArray TexteRiche(qsizetype taille) {
    static const char* const Mots[] = {"les",          "\\'e9l\\'e8ves", "compl\\'e8tent", "la",
                                       "table",        "puis",           "comparent",      "leurs",
                                       "r\\'e9ponses", "du voisin",      "{\\b bien}",     "\\'e0 la maison"};
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                     "{\\colortbl ;\\red200\\green0\\blue0;}\r\n";
    for (int n = 0; rtf.size() < taille; ++n) {
        rtf += "\\pard\\plain\\f0\\fs24 Ligne " + QByteArray::number(n) + " :";
        for (int m = 0; m < 2 + n % 6; ++m)
            rtf += ' ' + QByteArray(Mots[(n * 7 + m * 3) % std::size(Mots)]);
        rtf += "\\par\r\n";
    }
    return rtf + "}\r\n";
}

// Entries as the results window appends them to the general results file.
QByteArray Bilans(qsizetype taille) {
    QByteArray octets;
    for (int n = 0; octets.size() < taille; ++n)
        octets += FichierTexte::EncoderLignes(
            {QString(), QStringLiteral("Élève %1").arg(n), QStringLiteral("Carrelis - Jeu n° 2 : trouver"),
             QStringLiteral("Le 06/12/2002   à  14:35:10"),
             QStringLiteral("Nombre total de bonnes réponses : \t%1 / 20").arg(n % 21), QString(),
             QStringLiteral("Nombre d'erreurs : \t%1").arg(n % 7)});
    return octets;
}

// What the program's allocations hold, freed blocks left out (the resident size keeps them).
double MegaoctetsEnMemoire() {
    const struct mallinfo2 etat = mallinfo2();
    return static_cast<double>(etat.uordblks + etat.hblkhd) / Mo;
}

enum Fichier { Riche4, Riche16, Riche50, Bilan8 };

void BM_OuvrirJusquAuPremierEcran(benchmark::State& etat) {
    const auto fichier = static_cast<Fichier>(etat.range(0));
    const bool avecProgression = etat.range(1) != 0;
    QTemporaryDir dossier;
    PlateFormeTest plate;
    plate.ecran = QRect(0, 0, 1024, 768);
    Programme prog(ProfilCarrelis(), plate);
    prog.InitValeurs();
    prog.RepProgramme = dossier.path();
    const QString nom = fichier == Bilan8 ? prog.Profil().FichierBilan : QStringLiteral("long.rtf");
    const QString chemin = QDir(dossier.path()).filePath(nom);
    {
        const qsizetype tailles[] = {Taille(4), Taille(16), Taille(50), Taille(8)};
        QFile sortie(chemin);
        const QByteArray octets = fichier == Bilan8 ? Bilans(tailles[fichier]) : TexteRiche(tailles[fichier]);
        if (!sortie.open(QIODevice::WriteOnly) || sortie.write(octets) != octets.size()) {
            etat.SkipWithError("the file could not be written");
            return;
        }
        etat.counters["octets"] = static_cast<double>(octets.size());
    }
    TF_Traitexte fenetre(prog);
    fenetre.resize(1024, 768);
    if (!avecProgression) fenetre.delaiProgression = std::chrono::hours(1);
    fenetre.show();
    QApplication::processEvents();
    const double avant = MegaoctetsEnMemoire();
    double apres = avant;
    for (auto _ : etat) {
        plate.reponsesOuvrir = {chemin};
        fenetre.findChild<QAction*>(QStringLiteral("Ouvrir1"))->trigger();
        fenetre.RichEdit1()->viewport()->repaint();
        etat.PauseTiming();
        apres = MegaoctetsEnMemoire();
        if (fenetre.Texte().NomFichierTexte != chemin) etat.SkipWithError("the file was not opened");
        etat.counters["paragraphes"] = fenetre.Texte().Document().blockCount();
        fenetre.Texte().Nouveau();
        etat.ResumeTiming();
    }
    etat.counters["Mo_premier_ecran"] = apres - avant;
    plate.reponsesOuvrir = {chemin};
    fenetre.findChild<QAction*>(QStringLiteral("Ouvrir1"))->trigger();
    const QTextDocument& document = fenetre.Texte().Document();
    document.documentLayout()->blockBoundingRect(document.lastBlock());
    etat.counters["Mo_tout_mis_en_page"] = MegaoctetsEnMemoire() - avant;
}

void Enregistrer(bool modeRapide) {
    rapide = modeRapide;
    benchmark::RegisterBenchmark("BM_OuvrirJusquAuPremierEcran", BM_OuvrirJusquAuPremierEcran)
        ->ArgNames({"fichier", "progression"})
        ->ArgsProduct({{Riche4, Riche16, Riche50, Bilan8}, {1, 0}})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(rapide ? 1 : 3)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

} // namespace

int main(int argc, char** argv) {
    return Bancs::Lancer<QApplication>(argc, argv, Enregistrer);
}
