// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMimeData;
class QTextCursor;

// What goes through the clipboard and drag and drop. What the editor pastes is only what its
// files can keep: rich text passes through the editor's own rich-text writer and reader, so that
// a table, a picture or a list pasted from elsewhere arrives as its text, never as a shape that
// saving would silently lose; into a plain text, only the plain text goes.
namespace CollageTexte {

// The clipboard's content for a selection: plain text, HTML for other programs, and the
// selection in the editor's rich text, so that pasting it back loses nothing.
QMimeData* Donnees(const QTextCursor& selection);

// Inserts at the cursor what the editor can keep of source (rich text only when the text is
// not plain). False when source holds nothing that can be pasted.
bool Coller(const QMimeData& source, QTextCursor& curseur, bool texteSeulement);

// Whether source holds something Coller takes.
bool Collable(const QMimeData& source);

} // namespace CollageTexte
