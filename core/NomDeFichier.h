// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Names typed by pupils and teachers become file names in the program folder: what could lead
// out of it, or what a file system of the classroom (a Windows share included) refuses, never
// reaches the disk.
namespace NomDeFichier {

constexpr QStringView ExtensionListe = u".elv";

// The file systems of the classroom take names of 255 bytes, the name as the disk holds it (UTF-8,
// where an accented letter takes two bytes and "€" three).
constexpr int OctetsMax = 255;
// A file written by appends keeps room for its lock's name, "." before it and ".verrou" after.
constexpr int OctetsMaxAvecVerrou = OctetsMax - 8;
// A class whose name fits here gives every pupil of 50 characters a results file, lock included:
// "Bilan " + class + " " + pupil + ".txt", at most three bytes to a character of the pupil.
constexpr int OctetsClasseMax = OctetsMaxAvecVerrou - 6 - 1 - 4 - 3 * 50;

// The bytes of nom as the disk holds it.
qsizetype Octets(QStringView nom);

// name without the characters file systems refuse: \ / : * ? " < > |, control characters (C0
// and C1) and lone surrogates.
QString SansCaracteresInterdits(QStringView nom);

// The first sentence telling that a name holds characters the files cannot keep (the files are
// Windows-1252); the caller adds what was not done.
QString CaracteresNonGardes(const QString& nom);

// The individual results file of a pupil: "Bilan " + class + " " + pupil + ".txt" with the class
// of listeClasse (its folder and ".elv" taken off), or "Bilan individuel " + pupil + ".txt" when
// listeClasse is empty. The pupil loses full stops besides the refused characters. Empty when
// nothing but blanks is left of the pupil's name: such a name cannot be filed.
QString FichierIndividuel(QStringView listeClasse, QStringView nomEleve);

// The class part of a class list name: up to the last folder separator and the last four
// characters taken off, refused characters removed; empty below five characters.
QString ClasseDeListe(QStringView listeClasse);

// The class list file name of a class typed by the teacher, as long as the name can be a file
// of the program folder, the preferences can keep it and its pupils' results files can be made;
// otherwise empty, and refus says why in French.
QString FichierListe(QStringView classe, QString& refus);

// listeClasse as a file of the program folder: what precedes the last separator is dropped.
QString SansDossier(QStringView listeClasse);

} // namespace NomDeFichier
