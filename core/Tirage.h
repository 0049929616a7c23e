// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPageRanges>

class QPagedPaintDevice;

// What a print job takes of a document besides the device: the pages asked for (from 1) and the
// copies the program must draw itself. A printer makes its copies from one; a PDF file gets
// every copy drawn.
struct Tirage {
    QPageRanges Pages; // empty: every page
    int Exemplaires = 1;
    bool Assemblees = true; // whole copies one after the other (1 2 3 1 2 3), else 1 1 2 2 3 3

    // The document's pages the range holds, from 0, each once.
    QList<int> Choisies(int nombrePages) const;
    // The pages to draw, from 0, in the order they come out; empty when the range holds none of
    // the document's pages.
    QList<int> Ordre(int nombrePages) const;
};

// The device a job draws on and what it takes of the document. A device alone takes the pages
// of its own range (a QPrinter's, as the print dialog left it), once.
struct Destination {
    Destination(QPagedPaintDevice& page); // NOLINT(google-explicit-constructor): a device is one
    Destination(QPagedPaintDevice& page, Tirage demande);

    QPagedPaintDevice& Page;
    Tirage Demande;
};
