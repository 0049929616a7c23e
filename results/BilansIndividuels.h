// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The pupils' own results files in the program folder, as the teacher's windows find them:
// "Bilan " + class + " " + pupil + ".txt" for a class that has its list file, and
// "Bilan individuel " + pupil + ".txt" for the pupils without a class. Nothing else is one of
// them: not the general file ("bilan ..."), not a teacher's "Bilan trimestre.rtf", not the hidden
// lock files the appends leave beside the results files.
namespace BilansIndividuels {

// The pseudo-class of the results files without a class, and how the chooser lists it.
inline const QString ClasseIndividuelle = QStringLiteral("individuel");
inline const QString EntreeIndividuels = QStringLiteral("individuels");

// The file of a pupil of a class.
QString NomFichier(QStringView classe, QStringView eleve);

// The pupil part of fichier when it is a results file of classe: the class, its blank, at least
// one character that is not a blank, ".txt"; empty otherwise.
QString Eleve(QStringView fichier, QStringView classe);

// The class of fichier among classes ("individuel" always counts): when several fit ("CM1" and
// "CM1 B" for "Bilan CM1 B Léa.txt"), the longest one, whose file it is. Empty: no class fits.
QString ClasseDe(QStringView fichier, const QStringList& classes);

// The classes of the folder: its class list files without their extension, in French order.
QStringList Classes(const QString& dossier);

// The pupils of classe who have a file in the folder, in French order.
QStringList Eleves(const QString& dossier, const QString& classe);

// Every individual results file of the folder, in French order.
QStringList Fichiers(const QString& dossier);

} // namespace BilansIndividuels
