// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FichierTexte.h"
#include "results/LectureBilans.h"

#include <QStringList>

// The entries read back written out again, line for line as the programs write them: what the
// reader of the results files keeps must be enough to give the same bytes.
namespace EcritureEntrees {

inline QString Paire(int a, int b) {
    return QStringLiteral("%1 / %2").arg(a).arg(b);
}

// One entry: the general file names the pupil each time, an individual file only at its top.
inline QStringList Lignes(const LectureBilans::PartieLue& p, LectureBilans::SorteFichier sorte,
                          bool premiere) {
    QStringList lignes{QString()};
    if (sorte == LectureBilans::SorteFichier::General) lignes << p.Eleve;
    if (sorte == LectureBilans::SorteFichier::Individuel && premiere) lignes << p.Eleve << QString();
    if (!p.Titre.isEmpty()) lignes << p.Titre;
    if (!p.LigneDate.isEmpty()) lignes << p.LigneDate;
    lignes << QStringLiteral("Nombre total de bonnes réponses : \t") + Paire(p.Bonnes, p.Total);
    for (const LectureBilans::Detail& d : p.GaucheHaut)
        if (d.AvecBonnes()) lignes << d.LibelleBonnes + Paire(d.Bonnes, d.Total);
    lignes << QString() << QStringLiteral("Nombre d'erreurs : \t") + QString::number(p.Erreurs);
    for (const LectureBilans::Detail& d : p.GaucheHaut)
        if (d.AvecErreurs()) lignes << d.LibelleErreurs + QString::number(d.Erreurs);
    return lignes;
}

inline QByteArray Octets(const QList<LectureBilans::PartieLue>& parties, LectureBilans::SorteFichier sorte) {
    QStringList lignes;
    for (qsizetype i = 0; i < parties.size(); ++i)
        lignes += Lignes(parties[i], sorte, i == 0);
    return FichierTexte::EncoderLignes(lignes);
}

} // namespace EcritureEntrees
