// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TravailImpression.h"
#include "sheets/MarquesPage.h"

// What the teacher may print beyond the sheet on show: its answer key alone, or a class set of
// different sheets, each followed by its key if asked.
struct ChoixSerie {
    enum class Genre { Corrige, Serie };
    static constexpr int NombreMin = 1, NombreMax = 40;

    Genre Quoi = Genre::Serie;
    int NombreFeuilles = 30;
    bool AvecCorriges = true;

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
