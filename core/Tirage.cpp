// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Tirage.h"

#include <QPagedPaintDevice>

#include <algorithm>

QList<int> Tirage::Choisies(int nombrePages) const {
    QList<int> pages;
    for (int numero = 1; numero <= nombrePages; ++numero)
        if (Pages.isEmpty() || Pages.contains(numero)) pages.append(numero - 1);
    return pages;
}

QList<int> Tirage::Ordre(int nombrePages) const {
    const QList<int> pages = Choisies(nombrePages);
    const int exemplaires = std::max(1, Exemplaires);
    QList<int> ordre;
    ordre.reserve(pages.size() * exemplaires);
    if (Assemblees) {
        for (int exemplaire = 0; exemplaire < exemplaires; ++exemplaire)
            ordre.append(pages);
    } else {
        for (int page : pages)
            ordre.append(QList<int>(exemplaires, page));
    }
    return ordre;
}

Destination::Destination(QPagedPaintDevice& page) : Page(page), Demande{page.pageRanges()} {}

Destination::Destination(QPagedPaintDevice& page, Tirage demande) : Page(page), Demande(std::move(demande)) {}
