#include "results/NomDeFichier.h"

#include "shell/Windows1252.h"

#include <algorithm>

namespace {

constexpr QStringView Interdits = u"\\/:*?\"<>|";

bool Interdit(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F || Interdits.contains(c);
}

} // namespace

namespace NomDeFichier {

QString SansCaracteresInterdits(QStringView nom) {
    QString propre;
    propre.reserve(nom.size());
    for (QChar c : nom)
        if (!Interdit(c)) propre.append(c);
    return propre;
}

QString SansDossier(QStringView listeClasse) {
    const qsizetype separateur = std::max(listeClasse.lastIndexOf(u'\\'), listeClasse.lastIndexOf(u'/'));
    return listeClasse.sliced(separateur + 1).toString();
}

QString ClasseDeListe(QStringView listeClasse) {
    const QString fichier = SansDossier(listeClasse);
    if (fichier.size() < 5) return {};
    return SansCaracteresInterdits(QStringView(fichier).chopped(4));
}

QString FichierIndividuel(QStringView listeClasse, QStringView nomEleve) {
    QString eleve = SansCaracteresInterdits(nomEleve);
    eleve.remove(QLatin1Char('.'));
    if (eleve.isEmpty()) return {};
    const QString classe = listeClasse.isEmpty() ? QStringLiteral("individuel") : ClasseDeListe(listeClasse);
    return QStringLiteral("Bilan ") + classe + QLatin1Char(' ') + eleve + QStringLiteral(".txt");
}

QString FichierListe(QStringView classe, QString& refus) {
    if (classe.isEmpty()) {
        refus = QStringLiteral("Il faut donner un nom à la classe.");
        return {};
    }
    if (SansCaracteresInterdits(classe) != classe) {
        refus =
            QStringLiteral("Le nom de la classe ne peut pas contenir les caractères \\ / : * ? \" < > | : il "
                           "sert de nom de fichier dans le dossier du programme. La classe n'a pas été "
                           "enregistrée.");
        return {};
    }
    if (classe.size() > LongueurClasseMax) {
        refus =
            QStringLiteral("Le nom de la classe ne doit pas dépasser %1 caractères. La classe n'a pas été "
                           "enregistrée.")
                .arg(LongueurClasseMax);
        return {};
    }
    if (!Windows1252::PeutCoder(classe)) {
        refus =
            QStringLiteral("Le nom de la classe contient des caractères que le programme ne sait pas garder "
                           "(seules les lettres de l'alphabet latin, accentuées ou non, les chiffres et la "
                           "ponctuation usuelle conviennent). La classe n'a pas été enregistrée.");
        return {};
    }
    return classe.toString().append(ExtensionListe);
}

} // namespace NomDeFichier
