// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TravailImpression.h"
#include "sheets/MarquesPage.h"

#include <algorithm>
#include <vector>

class Hasard;

// What the teacher may print beyond the sheet on show: its answer key alone, or a class set of
// different sheets, each followed by its key if asked.
struct ChoixSerie {
    enum class Genre { Corrige, Serie };
    static constexpr int NombreMin = 1, NombreMax = 40;

    Genre Quoi = Genre::Serie;
    int NombreFeuilles = 30;
    bool AvecCorriges = true;

    // The number of sheets, kept within NombreMin..NombreMax.
    int Nombre() const;
    int NombrePages() const;
};

// The titles that tell the pages of a class set apart, and the key's own.
QString TitreFeuilleSerie(int numero);
QString TitreCorrige(int numero = 0); // 0: the key of the sheet on show

// Sheet i of a class set (from 1) is prepared before each of its pages, then drawn, or drawn as
// its key.
using PreparerFeuille = std::function<void(int numero)>;
using DessinMarque = std::function<void(QPainter& peintre, QSize surface, const MarquesPage& marques)>;

// A class set in one job: for each sheet, its page, then its key's page if asked; of those, the
// pages and copies the destination asks for.
// The number of sheets is kept within 1..40.
bool ImprimerPagesSerie(const Destination& vers, QPageLayout::Orientation orientation,
                        const ChoixSerie& choix, const PreparerFeuille& preparer,
                        const DessinMarque& dessiner, const Progression& progression = {});

// Draws new sheets with `tirer` until `differente` accepts one, a bounded number of times: the
// smallest tables still offer thousands of sheets, so a repeat is redrawn and the bound is never
// reached in practice.
bool TirerDifferente(const std::function<void()>& tirer, const std::function<bool()>& differente);

// The prints of any kind of sheet Feuille (carrelis's tables, navirelle's sailboats), on a paged
// device: a QPrinter chosen in the print dialog, or a QPdfWriter. Each runs one job and turns the
// page as the sheet asks; false when the job could not start (no printer, unwritable file) or did
// not end well. A kind of sheet gives, beside its value:
//   DessinerSurPage(peintre, surface, feuille, marques)  the sheet on a page, with its marks;
//   OrientationPages(feuille)                             how its pages are turned;
//   TirerSerie(modele, nombre, hasard)                    a class set, by TirerSerieDe.

// A class set: `nombre` sheets like `modele`, each drawn anew by `tirer` until `memes` finds none
// of those before it alike.
template <class Feuille, class Tirer, class Memes>
std::vector<Feuille> TirerSerieDe(const Feuille& modele, int nombre, Tirer tirer, Memes memes) {
    std::vector<Feuille> serie;
    serie.reserve(size_t(std::max(nombre, 0)));
    for (int i = 0; i < nombre; ++i) {
        Feuille feuille = modele;
        TirerDifferente([&] { tirer(feuille); },
                        [&] {
                            return std::none_of(serie.begin(), serie.end(),
                                                [&](const Feuille& autre) { return memes(autre, feuille); });
                        });
        serie.push_back(feuille);
    }
    return serie;
}

// The sheet window's "Imprimer": the sheet of the preview, alone in its job; with marks, its key.
template <class Feuille>
bool ImprimerFeuille(const Destination& vers, const Feuille& feuille, const MarquesPage& marques = {}) {
    return ImprimerPages(vers, OrientationPages(feuille), 1, [&](QPainter& peintre, QSize surface, int) {
        DessinerSurPage(peintre, surface, feuille, marques);
    });
}

// The answer key of the sheet: every header and cell written in, every boat coloured.
template <class Feuille> bool ImprimerCorrige(const Destination& vers, const Feuille& feuille) {
    return ImprimerFeuille(vers, feuille, MarquesPage{true, TitreCorrige()});
}

// A class set of sheets like `modele`, all different, in one job, each followed by its key if
// asked; the sheets are those of TirerSerie.
template <class Feuille>
bool ImprimerSerie(const Destination& vers, const Feuille& modele, const ChoixSerie& choix, Hasard& hasard,
                   const Progression& progression = {}) {
    const std::vector<Feuille> serie = TirerSerie(modele, choix.Nombre(), hasard);
    const Feuille* courante = &serie.front();
    return ImprimerPagesSerie(
        vers, OrientationPages(modele), choix, [&](int numero) { courante = &serie[size_t(numero - 1)]; },
        [&](QPainter& peintre, QSize surface, const MarquesPage& marques) {
            DessinerSurPage(peintre, surface, *courante, marques);
        },
        progression);
}
