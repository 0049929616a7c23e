// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/BilansIndividuels.h"

#include "classlists/ListeClasse.h"

#include <QDir>

namespace {

const QString Prefixe = QStringLiteral("Bilan ");
const QString Extension = QStringLiteral(".txt");

// The names of the folder that may be results files. Hidden files are left out: the lock files of
// the appends (EcritureFichier::FichierVerrou) are, and a pupil's file never is. What took a file's
// place (a dangling link, a pipe) is listed: the teacher sees it, and may erase it.
QStringList Candidats(const QString& dossier) {
    return QDir(dossier).entryList({Prefixe + QLatin1Char('*') + Extension},
                                   QDir::Files | QDir::System | QDir::NoDotAndDotDot | QDir::CaseSensitive,
                                   QDir::NoSort);
}

QStringList AvecIndividuel(QStringList classes) {
    classes.append(BilansIndividuels::ClasseIndividuelle);
    return classes;
}

} // namespace

namespace BilansIndividuels {

QString NomFichier(QStringView classe, QStringView eleve) {
    return Prefixe + classe.toString() + QLatin1Char(' ') + eleve.toString() + Extension;
}

QString Eleve(QStringView fichier, QStringView classe) {
    const qsizetype debut = Prefixe.size() + classe.size() + 1;
    if (classe.isEmpty() || fichier.size() <= debut + Extension.size()) return {};
    if (!fichier.startsWith(Prefixe) || fichier.sliced(Prefixe.size(), classe.size()) != classe ||
        fichier.at(debut - 1) != QLatin1Char(' ') || !fichier.endsWith(Extension))
        return {};
    const QStringView eleve = fichier.sliced(debut, fichier.size() - debut - Extension.size());
    return eleve.trimmed().isEmpty() ? QString() : eleve.toString();
}

QString ClasseDe(QStringView fichier, const QStringList& classes) {
    QString trouvee;
    for (const QString& classe : AvecIndividuel(classes))
        if (classe.size() > trouvee.size() && !Eleve(fichier, classe).isEmpty()) trouvee = classe;
    return trouvee;
}

QStringList Classes(const QString& dossier) {
    QStringList classes;
    for (const QString& liste : ListeClasse::ListerClasses(dossier))
        if (liste.size() > 4) classes.append(liste.chopped(4));
    return classes;
}

QStringList Eleves(const QString& dossier, const QString& classe) {
    const QStringList classes = Classes(dossier);
    QStringList eleves;
    for (const QString& fichier : Candidats(dossier))
        if (ClasseDe(fichier, classes) == classe) eleves.append(Eleve(fichier, classe));
    return ListeClasse::Trier(eleves);
}

QStringList Fichiers(const QString& dossier) {
    const QStringList classes = Classes(dossier);
    QStringList fichiers;
    for (const QString& fichier : Candidats(dossier))
        if (!ClasseDe(fichier, classes).isEmpty()) fichiers.append(fichier);
    return ListeClasse::Trier(fichiers);
}

} // namespace BilansIndividuels
