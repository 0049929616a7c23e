// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DossierProgramme.h"

#include "core/AccesFichier.h"
#include "core/PlateForme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <optional>

namespace {

QString Propre(const QString& chemin) {
    return QDir::cleanPath(QDir(chemin).absolutePath());
}

// Symbolic links and "..": two names of one folder compare equal.
bool MemeDossier(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

// "~" and "~/..." stand for the home (a shell leaves "--dossier=~/x" as it is); any other
// relative name starts from base.
QString Developper(QString chemin, const QString& base, const QString& personnel) {
    if (chemin == QLatin1String("~")) return Propre(personnel);
    if (chemin.startsWith(QLatin1String("~/"))) return Propre(AccesFichier::Dans(personnel, chemin.mid(2)));
    return Propre(AccesFichier::Dans(base, chemin));
}

// Quotes around a whole value, as an administrator may write a name with blanks.
QString SansGuillemets(const QString& valeur) {
    for (const QLatin1Char guillemet : {QLatin1Char('"'), QLatin1Char('\'')})
        if (valeur.size() >= 2 && valeur.startsWith(guillemet) && valeur.endsWith(guillemet))
            return valeur.mid(1, valeur.size() - 2);
    return valeur;
}

QString DossierPersonnel(const ProfilProgramme& profil, const SituationDemarrage& situation) {
    return Propre(QDir(situation.DossierPersonnel).filePath(profil.Titre));
}

bool Creer(const QString& chemin, bool creerParents) {
    const QFileInfo info(chemin);
    if (info.isDir()) return true;
    if (info.exists()) return false;
    return creerParents ? QDir().mkpath(chemin) : QDir().mkdir(chemin);
}

// Only a written file proves it: permissions tell nothing on a network share or a read-only mount.
// A file that can be made but not written to is on a full disk.
EtatDossier EssayerEcriture(const QString& chemin) {
    QTemporaryFile essai(QDir(chemin).filePath(QStringLiteral(".essai-XXXXXX")));
    if (!essai.open()) return EtatDossier::NonInscriptible;
    return essai.write("1", 1) == 1 && essai.flush() ? EtatDossier::Pret : EtatDossier::Plein;
}

// Through a temporary name, so that a copy cut short never leaves half a picture.
void CopierSiPlusAncien(const QString& source, const QString& cible) {
    const QFileInfo avant(source), apres(cible);
    if (!avant.isFile()) return;
    if (apres.exists() && apres.lastModified() >= avant.lastModified()) return;
    const QString provisoire = cible + QStringLiteral(".copie");
    QFile::remove(provisoire);
    if (!QFile::copy(source, provisoire)) return;
    // The delivered files are read-only for users; their copies belong to whoever uses them.
    QFile::setPermissions(provisoire, QFile::permissions(provisoire) | QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(cible);
    if (!QFile::rename(provisoire, cible)) QFile::remove(provisoire);
}

QString Provenance(OrigineDossier origine, const SituationDemarrage& situation) {
    switch (origine) {
    case OrigineDossier::Option:
        return QStringLiteral("donné par l'option --dossier");
    case OrigineDossier::DossierCourant:
        return QStringLiteral("le dossier de lancement");
    case OrigineDossier::ReglageSysteme:
        return QStringLiteral("réglé dans %1").arg(situation.FichierReglage);
    case OrigineDossier::Personnel:
        return QStringLiteral("le dossier personnel");
    }
    return {};
}

QString Probleme(const ProfilProgramme& profil, const DossierChoisi& choix, EtatDossier etat,
                 const SituationDemarrage& situation) {
    const QString provenance = Provenance(choix.Origine, situation);
    if (etat == EtatDossier::NonInscriptible)
        return QStringLiteral("%1 ne peut pas écrire dans son dossier « %2 » (%3).")
            .arg(profil.Titre, QDir::toNativeSeparators(choix.Chemin), provenance);
    return QStringLiteral("%1 ne trouve pas son dossier « %2 » (%3) et ne peut pas le créer.")
        .arg(profil.Titre, QDir::toNativeSeparators(choix.Chemin), provenance);
}

const QString ConseilPlace =
    QStringLiteral("Si le disque est celui de l'école, demandez à la personne qui s'occupe des ordinateurs "
                   "d'y faire de la place.");

const QString Conseil =
    QStringLiteral("Vérifiez que ce dossier existe et que vous avez le droit d'y écrire, ou "
                   "demandez-le à la personne qui s'occupe des ordinateurs de l'école.");

} // namespace

QString FichierReglageSysteme(const ProfilProgramme& profil) {
    return QStringLiteral("/etc/%1.conf").arg(profil.NomExecutable);
}

namespace {

// The blanks a setting's line may hold around its key and value: ASCII ones, as in any /etc file.
bool EstBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

// "dossier = value" (any case, blanks or none around "="): the value without its blanks, or
// nothing when the line sets something else. Read by hand: a regular expression here would load
// and touch half a megabyte of the expression library at every start.
std::optional<QString> ValeurDossier(QStringView ligne) {
    static constexpr QLatin1StringView Cle("dossier");
    if (!ligne.startsWith(Cle, Qt::CaseInsensitive)) return std::nullopt;
    qsizetype i = Cle.size();
    while (i < ligne.size() && EstBlanc(ligne[i]))
        ++i;
    if (i == ligne.size() || ligne[i] != u'=') return std::nullopt;
    qsizetype debut = i + 1, fin = ligne.size();
    while (debut < fin && EstBlanc(ligne[debut]))
        ++debut;
    while (fin > debut && EstBlanc(ligne[fin - 1]))
        --fin;
    return ligne.sliced(debut, fin - debut).toString();
}

} // namespace

QString LireReglageDossier(const QString& texte, const QString& personnel) {
    QString dossier;
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        const QString nette = ligne.trimmed();
        if (nette.startsWith(QLatin1Char('#')) || nette.startsWith(QLatin1Char(';'))) continue;
        const std::optional<QString> valeur = ValeurDossier(nette);
        if (valeur && !SansGuillemets(*valeur).isEmpty()) dossier = SansGuillemets(*valeur);
    }
    return dossier.isEmpty() ? QString() : Developper(dossier, personnel, personnel);
}

bool TientSesFichiers(const QString& dossier, const ProfilProgramme& profil) {
    const QDir d(dossier);
    for (const QString& fichier : {profil.FichierAide, profil.FichierPref, profil.ImageAccueil})
        if (!fichier.isEmpty() && QFileInfo(d.filePath(fichier)).isFile()) return true;
    return false;
}

QStringList FichiersLivres(const ProfilProgramme& profil) {
    return {profil.FichierAide, profil.ImageAccueil, profil.ImageExo, profil.ImageTitre};
}

DossierChoisi ChoisirDossier(const ProfilProgramme& profil, const SituationDemarrage& situation) {
    if (!situation.Option.isEmpty())
        return {Developper(situation.Option, situation.DossierCourant, situation.DossierPersonnel),
                OrigineDossier::Option};
    const bool courantLivre =
        !situation.DossierLivre.isEmpty() && MemeDossier(situation.DossierCourant, situation.DossierLivre);
    if (!courantLivre && TientSesFichiers(situation.DossierCourant, profil))
        return {Propre(situation.DossierCourant), OrigineDossier::DossierCourant};
    const QString regle = LireReglageDossier(situation.Reglage, situation.DossierPersonnel);
    if (!regle.isEmpty()) return {regle, OrigineDossier::ReglageSysteme};
    return {DossierPersonnel(profil, situation), OrigineDossier::Personnel};
}

EtatDossier PreparerDossier(const QString& chemin, bool creerParents, const QString& livre,
                            const QStringList& fichiers) {
    if (!Creer(chemin, creerParents)) return EtatDossier::Introuvable;
    if (const EtatDossier essai = EssayerEcriture(chemin); essai != EtatDossier::Pret) return essai;
    if (!livre.isEmpty() && !MemeDossier(chemin, livre))
        for (const QString& fichier : fichiers)
            CopierSiPlusAncien(QDir(livre).filePath(fichier), QDir(chemin).filePath(fichier));
    return EtatDossier::Pret;
}

DossierDeTravail EtablirDossier(const ProfilProgramme& profil, const SituationDemarrage& situation) {
    const DossierChoisi choix = ChoisirDossier(profil, situation);
    const QStringList fichiers = FichiersLivres(profil);
    const bool personnel = choix.Origine == OrigineDossier::Personnel;
    const EtatDossier etat = PreparerDossier(choix.Chemin, personnel, situation.DossierLivre, fichiers);
    if (etat == EtatDossier::Pret) return {choix.Chemin, {}};
    if (etat == EtatDossier::Plein)
        return {choix.Chemin,
                {QStringLiteral("Le disque du dossier « %1 » de %2 (%3) est plein. Les préférences, les "
                                "bilans et les listes d'élèves ne pourront pas être enregistrés tant que de "
                                "la place n'aura pas été faite ; « Gestion des bilans », dans le menu "
                                "« Bilans », peut effacer les bilans. %4")
                     .arg(QDir::toNativeSeparators(choix.Chemin), profil.Titre,
                          Provenance(choix.Origine, situation), ConseilPlace)}};

    const QString probleme = Probleme(profil, choix, etat, situation);
    const QString repli = DossierPersonnel(profil, situation);
    if (!personnel && PreparerDossier(repli, true, situation.DossierLivre, fichiers) == EtatDossier::Pret)
        return {repli,
                {QStringLiteral("%1 Les préférences, les bilans et les listes d'élèves seront rangés cette "
                                "fois dans « %2 ». %3")
                     .arg(probleme, QDir::toNativeSeparators(repli), Conseil)}};
    const QString chemin =
        etat == EtatDossier::NonInscriptible ? choix.Chemin : Propre(situation.DossierCourant);
    return {chemin,
            {QStringLiteral("%1 Les préférences, les bilans et les listes d'élèves ne pourront pas être "
                            "enregistrés. %2")
                 .arg(probleme, Conseil)}};
}

void RetourRepertoire(PlateForme& plate, const QString& dossier) {
    if (QDir::currentPath() == dossier) return;
    if (!QDir::setCurrent(dossier)) plate.Avertir(QStringLiteral("Impossible de trouver mon répertoire"));
}
