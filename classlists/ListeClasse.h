// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// The class list file: one 256-byte record per pupil (a length byte, then 255 Windows-1252
// characters of which the first "length" count), nothing else. A class holds at most 50 pupils,
// kept in the order a French reader expects.
namespace ListeClasse {

constexpr int TailleEnregistrement = 256;
constexpr int LongueurNom = TailleEnregistrement - 1;
constexpr int MaxEleves = 50;

// What a class list file held: the pupils of its first 50 whole records, and how many whole
// records it had (more than 50 means that some were left out).
struct Contenu {
    QStringList Eleves;
    int NbEnregistrements = 0;
};

// The records of the names, in their order; each name cut to 255 characters.
QByteArray Octets(const QStringList& eleves);
// The names of at most the first 50 whole records; a cut last record is left out.
Contenu Lire(QByteArrayView octets);

// The files themselves. Charger reads no more than 50 records; Enregistrer replaces the whole
// file at once. On failure raison says why, in French, and the file is as it was.
bool Charger(const QString& chemin, Contenu& contenu, QString& raison);
bool Enregistrer(const QString& chemin, const QStringList& eleves, QString& raison);

// Alphabetical order without regard to case, an accented letter with its base letter
// (Émile with Emile, before Eric).
bool AvantEnFrancais(QStringView a, QStringView b);
QStringList Trier(QStringList eleves);
// Where nom goes in a sorted list: after the names it equals, as a sorted list box places it.
qsizetype PlaceTriee(const QStringList& eleves, QStringView nom);

// The class list files (".elv", any case) of a folder, names with extension, in the French order
// of the class names.
QStringList ListerClasses(const QString& dossier);

} // namespace ListeClasse
