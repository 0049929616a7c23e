// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/ModeleSuivi.h"

#include <QByteArray>
#include <QString>

struct ProfilProgramme;

// The follow-up written for a spreadsheet: CSV as French spreadsheets open it (UTF-8 with its
// byte-order mark, ";" between cells, a decimal comma, CR LF after each line).
namespace ExportSuivi {

// A cell: quoted when it holds ";", a quote, a line break or blanks at its ends. A text that a
// spreadsheet would run as a formula (=, +, -, @, a tab or a carriage return first) keeps a leading
// apostrophe: a pupil's name is never a command.
QString Cellule(const QString& texte);

// One line per game of the pupils given, in their order, each pupil's oldest first: class, pupil,
// program, exercise, date (ISO 8601), time, good answers, answers expected, errors, rate, and for
// exercise 3 the good answers, answers expected and errors of the left column and the top row
// (empty otherwise).
QByteArray Parties(const ProfilProgramme& profil, const ReleveBilans::Releve& releve,
                   const QList<SuiviClasse::LigneEleve>& eleves);

// The table as the window shows it, in its order, its titles in full.
QByteArray Tableau(const ModeleSuivi::Tableau& tableau);

} // namespace ExportSuivi
