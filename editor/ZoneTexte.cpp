// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ZoneTexte.h"

#include "editor/CollageTexte.h"

#include <QMimeData>

ZoneTexte::ZoneTexte(QWidget* parent) : QTextEdit(parent) {}

QMimeData* ZoneTexte::createMimeDataFromSelection() const {
    return CollageTexte::Donnees(textCursor());
}

bool ZoneTexte::canInsertFromMimeData(const QMimeData* source) const {
    return source && CollageTexte::Collable(*source);
}

void ZoneTexte::insertFromMimeData(const QMimeData* source) {
    if (!source) return;
    QTextCursor curseur = textCursor();
    if (!CollageTexte::Coller(*source, curseur, texteSeulement && texteSeulement())) return;
    setTextCursor(curseur);
    ensureCursorVisible();
}
