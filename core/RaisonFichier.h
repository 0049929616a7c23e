// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AccesFichier.h"

#include <QString>

class QFileDevice;

// Why a file operation failed, said in French for the pupil or the teacher, followed by the
// system's own words in brackets for whoever helps them.
namespace RaisonFichier {

// Where a file was to be made: in the program folder, which the teacher knows by that name, or in
// a folder chosen in a dialog (a printed PDF file, a text saved elsewhere, an export), which the
// message names.
enum class Lieu { DossierDuProgramme, DossierChoisi };

// chemin is the file's path: a file opened from a descriptor does not know its own.
QString Ouverture(const QFileDevice& fichier, const QString& chemin, Lieu lieu = Lieu::DossierDuProgramme);
QString Lecture(const QFileDevice& fichier, const QString& chemin);
QString Ecriture(const QFileDevice& fichier, const QString& chemin);

// A system error (errno) met on chemin, reading or writing.
QString Systeme(int erreur, const QString& chemin, bool ecriture, Lieu lieu = Lieu::DossierDuProgramme);

// What the name holds, as a noun: "un lien vers « ... »", "un tube nommé (FIFO)"...
QString Designation(const QString& chemin, AccesFichier::Nature nature);

// The name holds something else than an ordinary file (a link, a pipe, a folder...), and what to
// do about it.
QString PasUnFichier(const QString& chemin, AccesFichier::Nature nature);

// A name longer than the file systems of the classroom take (their limit counts bytes, and
// accented letters take two or three), or empty when it fits.
QString NomTropLong(const QString& chemin);

} // namespace RaisonFichier
