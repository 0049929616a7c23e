// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CapturesFeuilles.h"

#include "core/Hasard.h"
#include "sailboats/ImpressionVoiliers.h"
#include "sheets/ImpressionFeuille.h"

#include <QDir>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <functional>

namespace {

constexpr int Dpi = 300;

// One printed job to <nom>.pdf, and its pages to <nom>_pageK.png (or <nom>_page.png).
bool Imprimer(const QDir& sortie, const QString& nom, int& total,
              const std::function<bool(QPagedPaintDevice&)>& travail) {
    const QString pdf = sortie.filePath(nom + QStringLiteral(".pdf"));
    {
        QPdfWriter page(pdf);
        page.setResolution(Dpi);
        page.setPageSize(QPageSize(QPageSize::A4));
        if (!travail(page)) {
            std::fprintf(stderr, "captures: cannot print %s\n", qPrintable(pdf));
            return false;
        }
    }
    ++total;
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return true;
    QProcess outil;
    outil.start(pdftoppm, {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"), pdf,
                           sortie.filePath(nom + QStringLiteral("_page"))});
    if (!outil.waitForFinished(120000) || outil.exitCode() != 0) return false;
    total += int(sortie.entryList({nom + QStringLiteral("_page*.png")}).size());
    return true;
}

bool FeuillesCarrelis(const QDir& sortie, int& total) {
    struct Cas {
        int disposition, numJeu, tailleImp;
        Operation op;
    };
    HasardSysteme hasard(2002);
    const Cas cas[] = {{1, 1, 2, Operation::Addition},
                       {2, 2, 3, Operation::Multiplication},
                       {3, 3, 6, Operation::Addition},
                       {4, 1, 8, Operation::Multiplication},
                       {5, 1, 1, Operation::Multiplication}};
    for (const Cas& c : cas) {
        FeuilleTableaux feuille;
        ReglagesFeuille& r = feuille.Reglages;
        r.NbExAImprimer = quint8(c.disposition);
        r.JeuImprime = quint8(c.numJeu);
        r.TailleImp = quint8(c.tailleImp);
        r.Consigne = c.disposition == 3 ? QString() : ConsigneParDefaut();
        r.TailleImp2 = 5;
        r.TailleImp3 = 8;
        r.Consigne1 = r.Consigne3 = ConsigneParDefaut();
        r.Consigne2 = QStringLiteral("Trouve les nombres qui manquent, puis complète le tableau.");
        feuille.Op = c.op;
        feuille.TirerTableaux(hasard);
        const QString nom = QStringLiteral("carrelis_Feuille_disposition%1").arg(c.disposition);
        if (!Imprimer(sortie, nom, total,
                      [&](QPagedPaintDevice& page) { return ImprimerFeuille(page, feuille); }))
            return false;
        if (c.disposition == 5 &&
            (!Imprimer(sortie, QStringLiteral("carrelis_Feuille_corrige"), total,
                       [&](QPagedPaintDevice& page) { return ImprimerCorrige(page, feuille); }) ||
             !Imprimer(sortie, QStringLiteral("carrelis_Feuille_serie"), total, [&](QPagedPaintDevice& page) {
                 return ImprimerSerie(page, feuille, ChoixSerie{ChoixSerie::Genre::Serie, 2, true}, hasard);
             })))
            return false;
    }
    return true;
}

bool FeuillesNavirelle(const QDir& sortie, int& total) {
    HasardSysteme hasard(2002);
    for (int numJeu = 1; numJeu <= 3; ++numJeu)
        for (bool noirEtBlanc : {false, true}) {
            FeuilleVoiliers feuille;
            feuille.Tableau.DefinirTaille(numJeu == 2 ? 7 : numJeu + 2);
            feuille.NumJeu = numJeu;
            feuille.NoirEtBlanc = noirEtBlanc;
            feuille.Consigne = ConsigneParDefaut();
            feuille.TirerCouleurs(hasard);
            const QString mode = noirEtBlanc ? QStringLiteral("nb") : QStringLiteral("couleur");
            const QString nom = QStringLiteral("navirelle_Feuille_jeu%1_%2").arg(numJeu).arg(mode);
            if (!Imprimer(sortie, nom, total,
                          [&](QPagedPaintDevice& page) { return ImprimerFeuille(page, feuille); }))
                return false;
            if (numJeu == 3 &&
                !Imprimer(sortie, QStringLiteral("navirelle_Feuille_corrige_%1").arg(mode), total,
                          [&](QPagedPaintDevice& page) { return ImprimerCorrige(page, feuille); }))
                return false;
        }
    return true;
}

} // namespace

bool CapturerFeuilles(const QDir& sortie, int& total) {
    return FeuillesCarrelis(sortie, total) && FeuillesNavirelle(sortie, total);
}
