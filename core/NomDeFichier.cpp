// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NomDeFichier.h"

#include "core/Windows1252.h"

#include <algorithm>

namespace {

constexpr QStringView Interdits = u"\\/:*?\"<>|";

// C0 and C1 controls (a class list's bytes 0x81, 0x8D... decode to U+0081...), lone surrogates
// and what a file system of the classroom refuses.
bool Interdit(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.isSurrogate() || Interdits.contains(c);
}

bool Blanc(QStringView nom) {
    return nom.trimmed().isEmpty();
}

} // namespace

namespace NomDeFichier {

qsizetype Octets(QStringView nom) {
    return nom.toUtf8().size();
}

QString SansCaracteresInterdits(QStringView nom) {
    QString propre;
    propre.reserve(nom.size());
    for (qsizetype i = 0; i < nom.size(); ++i) {
        const QChar c = nom.at(i);
        // A character outside the basic plane is a pair of surrogates: it stays whole.
        if (c.isHighSurrogate() && i + 1 < nom.size() && nom.at(i + 1).isLowSurrogate()) {
            propre.append(c).append(nom.at(++i));
            continue;
        }
        if (!Interdit(c)) propre.append(c);
    }
    return propre;
}

QString CaracteresNonGardes(const QString& nom) {
    return QStringLiteral("Le nom «\u00a0%1\u00a0» contient des caractères que la liste ne sait pas garder "
                          "(seules les lettres de l'alphabet latin, accentuées ou non, conviennent).")
        .arg(nom);
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
    if (Blanc(eleve)) return {};
    const QString classe = listeClasse.isEmpty() ? QStringLiteral("individuel") : ClasseDeListe(listeClasse);
    return QStringLiteral("Bilan ") + classe + QLatin1Char(' ') + eleve + QStringLiteral(".txt");
}

QString FichierListe(QStringView classe, QString& refus) {
    if (Blanc(classe)) {
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
    // A name starting with a full stop is a hidden file, which no list of the program shows again.
    if (classe.startsWith(u'.')) {
        refus =
            QStringLiteral("Le nom de la classe ne peut pas commencer par un point\u00a0: la classe serait "
                           "cachée dans le dossier du programme. La classe n'a pas été enregistrée.");
        return {};
    }
    if (Octets(classe) > OctetsClasseMax) {
        refus = QStringLiteral("Le nom de la classe est trop long\u00a0: il sert de nom de fichier, qui en "
                               "garde %1 lettres simples au plus (une lettre accentuée en compte deux, "
                               "«\u00a0€\u00a0» trois). La classe n'a pas été enregistrée.")
                    .arg(OctetsClasseMax);
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
