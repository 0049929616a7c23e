// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/SuiviClasse.h"

#include <QList>
#include <QString>

class QWidget;

// A pupil's chart of the follow-up, drawn with Qt Charts. Qt Charts and the libraries it pulls in
// would lengthen every start of the programs by several milliseconds, for a window that only the
// teacher opens: the chart lives in a small module (graphique/) loaded the first time a pupil's
// detail is shown.
namespace GraphiqueSuivi {

// The module's one entry: a new chart of the curves, under its title, in the parent; description is
// what assistive technologies say of it. Each curve keeps its own line style and marker shape, so
// that a black and white page tells them apart. The module links Qt alone.
using Fabrique = QWidget* (*)(const QList<SuiviClasse::Courbe>& courbes, const QString& titre,
                              const QString& description, QWidget* parent);
inline constexpr char NomFabrique[] = "CreerGraphiqueSuivi";

// Another folder where the module may lie (tests, tools), looked at before the program's own folder
// and the library folder of its package.
void AjouterDossier(const QString& dossier);

// The entry, the module loaded at the first call; null when it cannot be, with the reason in French.
Fabrique Charger(QString& raison);

} // namespace GraphiqueSuivi
