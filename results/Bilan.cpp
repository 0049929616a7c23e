// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Bilan.h"

#include "core/Partie.h"
#include "core/ProfilProgramme.h"

namespace {

constexpr int LongueurApresDate = 22;

// The first n characters as the file will hold them: a surrogate pair is one character there
// (one "?"), and is never cut in two.
QString Couper(QStringView texte, int n) {
    qsizetype i = 0;
    for (int compte = 0; i < texte.size() && compte < n; ++compte)
        i +=
            texte.at(i).isHighSurrogate() && i + 1 < texte.size() && texte.at(i + 1).isLowSurrogate() ? 2 : 1;
    return texte.first(i).toString();
}

QString Ligne(const QString& texte) {
    return Couper(texte, Bilan::LongueurLigne);
}

QString Paire(int bonnes, int total) {
    return QStringLiteral("%1 / %2").arg(bonnes).arg(total);
}

} // namespace

QString Bilan::LigneDateHeure() const {
    return LigneDate + Couper(QStringLiteral("  ") + LigneHeure, LongueurApresDate);
}

QStringList Bilan::LignesResultat() const {
    QStringList lignes;
    if (!TitreJeu.isEmpty()) lignes << TitreJeu;
    lignes << LigneDateHeure() << LigneBonnes;
    for (const QString& ligne : {LigneBonnesGauche, LigneBonnesHaut})
        if (!ligne.isEmpty()) lignes << ligne;
    lignes << QString() << LigneErreurs;
    for (const QString& ligne : {LigneErreursGauche, LigneErreursHaut})
        if (!ligne.isEmpty()) lignes << ligne;
    return lignes;
}

QStringList Bilan::EntreeGenerale() const {
    return QStringList{QString(), NomEleve} + LignesResultat();
}

QStringList Bilan::EntreeIndividuelle(bool nouveauFichier) const {
    QStringList entree{QString()};
    if (nouveauFichier) entree << NomEleve << QString();
    return entree + LignesResultat();
}

Bilan ComposerBilan(const ProfilProgramme& profil, int numJeu, const CompteursResultat& compteurs,
                    const QDateTime& maintenant, QStringView nom) {
    const CompteursResultat& c = compteurs;
    Bilan b;
    b.LigneDate =
        Couper(QStringLiteral("Le ") + maintenant.date().toString(u"dd/MM/yyyy"), Bilan::LongueurDateHeure);
    b.LigneHeure =
        Couper(QStringLiteral(" à  ") + maintenant.time().toString(u"HH:mm:ss"), Bilan::LongueurDateHeure);
    b.LigneBonnes =
        Ligne(QStringLiteral("Nombre total de bonnes réponses : \t") + Paire(c.NbBonnes, c.NbTotal));
    b.LigneErreurs = Ligne(QStringLiteral("Nombre d'erreurs : \t") + QString::number(c.NbErreurs));
    if (CompteursResultat::DetailGaucheHaut(numJeu)) {
        const auto& l = profil.LibellesBilan;
        b.LigneBonnesGauche = Ligne(l[0] + Paire(c.NbBonnesGauche, c.NbTotalGauche));
        b.LigneBonnesHaut = Ligne(l[1] + Paire(c.NbBonnesHaut, c.NbTotalHaut));
        b.LigneErreursGauche = Ligne(l[2] + QString::number(c.NbErreursGauche));
        b.LigneErreursHaut = Ligne(l[3] + QString::number(c.NbErreursHaut));
    }
    if (numJeu >= 1 && numJeu <= 3) b.TitreJeu = Ligne(profil.TitresBilan[static_cast<size_t>(numJeu - 1)]);
    b.NomEleve = Couper(nom, Bilan::LongueurLigne);
    return b;
}

Bilan ComposerBilan(const ProfilProgramme& profil, const ResultatPartie& resultat,
                    const QDateTime& maintenant, QStringView nom) {
    return ComposerBilan(profil, resultat.NumJeu, resultat.Compteurs, maintenant, nom);
}
