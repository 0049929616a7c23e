// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>

// What a rich-text file held that the editor cannot show: the file the editor would write back
// in its place no longer holds it.
enum class OmissionRtf : unsigned {
    Images = 0x01,       // pictures, drawings, text boxes
    Objets = 0x02,       // objects of other programs
    EnTetes = 0x04,      // page headers and footers
    Champs = 0x08,       // a field's code: a link's address, a page number...
    Tableaux = 0x10,     // a table's layout: its text stays, a tab between cells
    Notes = 0x20,        // footnotes and endnotes
    Commentaires = 0x40, // comments in the margin
};
Q_DECLARE_FLAGS(OmissionsRtf, OmissionRtf)
Q_DECLARE_OPERATORS_FOR_FLAGS(OmissionsRtf)
