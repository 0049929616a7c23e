// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LigneDeCommande.h"

#include "core/DossierProgramme.h"

namespace {

const QString OptionDossier = QStringLiteral("--dossier");

// Qt's own options that take the next word as their value ("-platform offscreen"); Qt reads
// them, and the others ("-reverse"), itself.
const QStringList OptionsQtAvecValeur{QStringLiteral("-platform"),
                                      QStringLiteral("-platformpluginpath"),
                                      QStringLiteral("-platformtheme"),
                                      QStringLiteral("-plugin"),
                                      QStringLiteral("-qwindowgeometry"),
                                      QStringLiteral("-qwindowicon"),
                                      QStringLiteral("-qwindowtitle"),
                                      QStringLiteral("-session"),
                                      QStringLiteral("-style"),
                                      QStringLiteral("-stylesheet"),
                                      QStringLiteral("-display"),
                                      QStringLiteral("-geometry"),
                                      QStringLiteral("-name"),
                                      QStringLiteral("-title"),
                                      QStringLiteral("-visual")};

LigneDeCommande Erreur(const ProfilProgramme& profil, const QString& texte) {
    return {LigneDeCommande::Demande::Erreur,
            {},
            QStringLiteral("%1 : %2\nEssayez « %1 --help » pour la liste des options.\n")
                .arg(profil.NomExecutable, texte)};
}

// A paragraph cut into lines of at most 78 characters, for an 80-column terminal.
QString Couper(const QString& paragraphe) {
    QString texte, ligne;
    for (const QString& mot : paragraphe.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!ligne.isEmpty() && ligne.size() + 1 + mot.size() > 78) {
            texte += ligne + QLatin1Char('\n');
            ligne.clear();
        }
        ligne += (ligne.isEmpty() ? QString() : QStringLiteral(" ")) + mot;
    }
    return texte + ligne;
}

} // namespace

LigneDeCommande LireLigneDeCommande(const QStringList& arguments, const ProfilProgramme& profil) {
    LigneDeCommande ligne;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        // The first of --help and --version wins over whatever follows, as in other programs.
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return {LigneDeCommande::Demande::Aide, {}, {}};
        if (argument == QLatin1String("--version")) return {LigneDeCommande::Demande::Version, {}, {}};
        if (argument == OptionDossier) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
                return Erreur(profil, QStringLiteral("l'option --dossier attend le nom d'un dossier."));
            ligne.Dossier = arguments.at(++i);
        } else if (argument.startsWith(OptionDossier + QLatin1Char('='))) {
            ligne.Dossier = argument.mid(OptionDossier.size() + 1);
            if (ligne.Dossier.isEmpty())
                return Erreur(profil, QStringLiteral("l'option --dossier attend le nom d'un dossier."));
        } else if (argument.startsWith(QLatin1String("--"))) {
            return Erreur(profil, QStringLiteral("option inconnue « %1 ».").arg(argument));
        } else if (argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            if (OptionsQtAvecValeur.contains(argument)) ++i;
        } else {
            // The program opens no file given this way: a word typed by mistake is said, not ignored.
            return Erreur(profil, QStringLiteral("argument inattendu « %1 ».").arg(argument));
        }
    }
    return ligne;
}

QString TexteVersion(const ProfilProgramme& profil) {
    return QStringLiteral("%1 (%2)\n").arg(profil.TitreVersion.simplified(), profil.DatesVersion);
}

QString TexteAide(const ProfilProgramme& profil) {
    const QString& nom = profil.NomExecutable;
    return QStringLiteral("Utilisation : %1 [--dossier DOSSIER]\n"
                          "\n"
                          "%2\n"
                          "\n"
                          "Options :\n"
                          "  --dossier DOSSIER  travailler dans DOSSIER, par exemple un dossier partagé\n"
                          "                     par les ordinateurs d'une classe\n"
                          "  --help             afficher cette aide et quitter\n"
                          "  --version          afficher la version et quitter\n"
                          "\n"
                          "Le dossier du programme garde les images, l'aide, les préférences, les bilans\n"
                          "et les listes d'élèves. C'est, dans cet ordre :\n"
                          "  1. le dossier donné par --dossier ;\n"
                          "  2. le dossier de lancement, s'il contient déjà les fichiers du programme\n"
                          "     (« %3 », « %4 » ou « %5 ») ;\n"
                          "  3. le dossier réglé pour tout l'ordinateur par une ligne\n"
                          "     « dossier = /chemin/du/dossier » dans %6 ;\n"
                          "  4. le dossier « %7 » du dossier personnel (~/%7).\n"
                          "Il est créé au premier lancement ; les images et l'aide livrées y sont\n"
                          "copiées quand elles manquent ou sont plus anciennes que celles livrées.\n")
        .arg(nom, Couper(profil.PresentationPubN), profil.FichierAide, profil.FichierPref,
             profil.ImageAccueil, FichierReglageSysteme(profil), profil.Titre);
}
