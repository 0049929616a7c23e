// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classlists/ListeClasse.h"
#include "core/FichierTexte.h"
#include "core/NomDeFichier.h"
#include "core/Partie.h"
#include "core/ProfilProgramme.h"
#include "results/Bilan.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>

// A program folder as a classroom leaves it: class lists, and games saved with the programs' own
// record (ComposerBilan) into the general file and the pupils' own files, both preferences on.
namespace ClasseEcrite {

struct PartieEcrite {
    QString Eleve;
    int NumJeu = 1;
    CompteursResultat Compteurs;
    QDateTime Quand;
};

inline CompteursResultat Compteurs(int numJeu, int bonnes, int total, int erreurs) {
    CompteursResultat c;
    c.NbBonnes = bonnes;
    c.NbTotal = quint8(total);
    c.NbErreurs = erreurs;
    if (CompteursResultat::DetailGaucheHaut(numJeu)) {
        c.NbBonnesGauche = bonnes % 5;
        c.NbTotalGauche = 4;
        c.NbErreursGauche = erreurs % 3;
        c.NbBonnesHaut = bonnes % 6;
        c.NbTotalHaut = 5;
        c.NbErreursHaut = erreurs % 2;
    }
    return c;
}

inline bool Ajouter(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::Append) && fichier.write(octets) == octets.size();
}

inline void EcrireListe(const QString& dossier, const QString& classe, const QStringList& eleves) {
    QString raison;
    ListeClasse::Enregistrer(dossier + QLatin1Char('/') + classe + QStringLiteral(".elv"),
                             ListeClasse::Trier(eleves), raison);
}

// The games appended in their order, as the results window saves them: the general file gets
// each entry, the pupil's file (of classe, or "individuel" when classe is empty) too.
inline void Ecrire(const QString& dossier, const ProfilProgramme& profil, const QString& classe,
                   const QList<PartieEcrite>& parties, bool general = true, bool individuels = true) {
    QByteArray tout;
    QMap<QString, QByteArray> fichiers;
    for (const PartieEcrite& p : parties) {
        const Bilan b = ComposerBilan(profil, p.NumJeu, p.Compteurs, p.Quand, p.Eleve);
        tout += FichierTexte::EncoderLignes(b.EntreeGenerale());
        const QString fichier = NomDeFichier::FichierIndividuel(
            classe.isEmpty() ? QString() : classe + QStringLiteral(".elv"), b.NomEleve);
        const bool nouveau = !fichiers.contains(fichier) && !QFile::exists(QDir(dossier).filePath(fichier));
        fichiers[fichier] += FichierTexte::EncoderLignes(b.EntreeIndividuelle(nouveau));
    }
    if (general) Ajouter(QDir(dossier).filePath(profil.FichierBilan), tout);
    if (individuels)
        for (auto it = fichiers.cbegin(); it != fichiers.cend(); ++it)
            Ajouter(QDir(dossier).filePath(it.key()), it.value());
}

inline const QStringList Prenoms{"Adam",  "Alice", "Arthur", "Camille", "Chloé",  "Émile", "Emma", "Gabriel",
                                 "Hugo",  "Inès",  "Jade",   "Jules",   "Léa",    "Léo",   "Lina", "Louis",
                                 "Lucas", "Manon", "Maël",   "Mia",     "Nathan", "Noah",  "Rose", "Sacha",
                                 "Zoé",   "Paul",  "Lou",    "Tom",     "Éva",    "Yanis"};

// n pupils playing parEleve games each, in turns, a game a day from debut: each pupil has his
// own level and way (rising, steady, falling), every exercise in turn, exercise 3 now and then.
inline QList<PartieEcrite> Parties(const QStringList& eleves, int parEleve, const QDateTime& debut) {
    QList<PartieEcrite> parties;
    for (int k = 0; k < parEleve; ++k)
        for (int e = 0; e < eleves.size(); ++e) {
            const int numJeu = 1 + (k + e) % 3;
            const int total = numJeu == 1 ? 20 : numJeu == 2 ? 24 : 30;
            const int pente = e % 3 == 0 ? 2 : e % 3 == 1 ? 0 : -2;
            const int base = 40 + (e * 7) % 45;
            const int taux = std::clamp(base + pente * (k / 3) + (k * 13 + e * 5) % 9 - 4, 0, 100);
            const int bonnes = total * taux / 100;
            parties.append({eleves[e], numJeu, Compteurs(numJeu, bonnes, total, (total - bonnes) / 2 + e % 2),
                            debut.addDays(k).addSecs(60 * e)});
        }
    return parties;
}

} // namespace ClasseEcrite
