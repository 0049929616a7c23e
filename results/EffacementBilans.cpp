// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/EffacementBilans.h"

#include "core/AccesFichier.h"
#include "core/Libelles.h"
#include "core/PlateForme.h"
#include "core/RaisonFichier.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

using EffacementBilans::CompteRendu;
using Libelles::Guillemets;

enum class Issue { DansLaCorbeille, Efface, Absent, Refuse, Echec };

QString RaisonEffacement(const QFile& fichier) {
    const QFileInfo dossier(QFileInfo(fichier.fileName()).absolutePath());
    const QString raison = dossier.isWritable()
                               ? QStringLiteral("le fichier ne peut pas être effacé")
                               : QStringLiteral("le dossier du programme est protégé en écriture");
    return raison + QStringLiteral(" (%1)").arg(fichier.errorString());
}

// One file, its lock held. A file already gone counts as erased: another computer of the
// classroom may have erased it a moment before. What the name holds is looked at, never followed:
// a link goes, not what it leads to. The trash's word is checked against the folder.
Issue Effacer(PlateForme& plate, const QString& chemin, bool definitivement, QString& raison,
              std::chrono::milliseconds attente) {
    Issue issue = Issue::Echec;
    EcritureFichier::SousVerrouPourEffacer(
        chemin,
        [&](QString& r) {
            const AccesFichier::Nature nature = AccesFichier::NatureDe(chemin);
            if (nature == AccesFichier::Nature::Absent)
                issue = Issue::Absent;
            else if (nature == AccesFichier::Nature::Dossier)
                r = RaisonFichier::PasUnFichier(chemin, nature);
            else if (!definitivement)
                issue = plate.MettreALaCorbeille(chemin) &&
                                AccesFichier::NatureDe(chemin) == AccesFichier::Nature::Absent
                            ? Issue::DansLaCorbeille
                            : Issue::Refuse;
            else if (QFile fichier(chemin); fichier.remove())
                issue = Issue::Efface;
            else
                r = RaisonEffacement(fichier);
            return issue != Issue::Echec;
        },
        raison, attente);
    return issue;
}

// A few names, quoted; the rest counted.
QString Enumeration(const QStringList& fichiers) {
    constexpr int Montres = 5;
    QStringList noms;
    for (const QString& fichier : fichiers.mid(0, Montres))
        noms.append(Guillemets(fichier));
    QString texte = noms.join(QStringLiteral(", "));
    if (fichiers.size() > Montres) texte += QStringLiteral(" et %1 autres").arg(fichiers.size() - Montres);
    return texte;
}

// What the questions and the result line say, for the general file or the pupils' files.
struct Textes {
    bool general;

    QString Question(const QStringList& f) const {
        if (general)
            return QStringLiteral("Effacer le bilan général %1\u00a0? Il ira dans la corbeille, d'où vous "
                                  "pourrez le reprendre.")
                .arg(Guillemets(f.first()));
        if (f.size() == 1)
            return QStringLiteral("Effacer le bilan individuel %1\u00a0? Il ira dans la corbeille, d'où vous "
                                  "pourrez le reprendre.")
                .arg(Guillemets(f.first()));
        return QStringLiteral("Effacer les %1 bilans individuels de la liste\u00a0? Ils iront dans la "
                              "corbeille, d'où vous pourrez les reprendre.")
            .arg(f.size());
    }

    QString Definitivement(const QStringList& f) const {
        if (f.size() == 1)
            return QStringLiteral(
                       "La corbeille ne peut pas recevoir le %1 %2. L'effacer définitivement\u00a0? "
                       "Il ne pourra plus être repris.")
                .arg(general ? QStringLiteral("bilan général") : QStringLiteral("bilan individuel"),
                     Guillemets(f.first()));
        return QStringLiteral("La corbeille ne peut pas recevoir %1 bilans individuels (%2). Les effacer "
                              "définitivement\u00a0? Ils ne pourront plus être repris.")
            .arg(f.size())
            .arg(Enumeration(f));
    }

    QString Resultat(const CompteRendu& c, qsizetype demandes) const {
        const bool tous = c.Effaces.size() == demandes;
        const bool corbeille = c.DansLaCorbeille == demandes;
        if (general) {
            if (tous)
                return QStringLiteral("Le bilan général a été effacé.") +
                       (corbeille ? QStringLiteral(" Il est dans la corbeille.") : QString());
            return c.Gardes.isEmpty() ? QStringLiteral("Le bilan général n'a pas pu être effacé.")
                                      : QStringLiteral("Le bilan général n'a pas été effacé.");
        }
        if (tous)
            return QStringLiteral("Bilans individuels effacés.") +
                   (corbeille ? QStringLiteral(" Ils sont dans la corbeille.") : QString());
        if (c.Effaces.isEmpty()) return QStringLiteral("Aucun bilan individuel n'a été effacé.");
        return QStringLiteral("%1 sur %2 ; les autres sont restés dans le dossier.")
            .arg(c.Effaces.size() == 1
                     ? QStringLiteral("1 bilan individuel effacé")
                     : QStringLiteral("%1 bilans individuels effacés").arg(c.Effaces.size()))
            .arg(demandes);
    }

    // Each file that stayed with its reason.
    QString Echecs(const QList<std::pair<QString, QString>>& echecs) const {
        if (echecs.size() == 1)
            return QStringLiteral("Le %1 %2 n'a pas pu être effacé\u00a0: %3.")
                .arg(general ? QStringLiteral("bilan général") : QStringLiteral("bilan individuel"),
                     Guillemets(echecs.first().first), echecs.first().second);
        QString texte = QStringLiteral("Ces bilans individuels n'ont pas pu être effacés\u00a0:");
        for (const auto& [fichier, raison] : echecs)
            texte += QStringLiteral("\n%1\u00a0: %2").arg(Guillemets(fichier), raison);
        return texte;
    }
};

CompteRendu Effacer(PlateForme& plate, const QString& lieu, const QStringList& fichiers, const Textes& textes,
                    std::chrono::milliseconds attente) {
    CompteRendu compte;
    if (fichiers.isEmpty() || !plate.Demander(textes.Question(fichiers))) return compte;
    compte.Accepte = true;
    QStringList refuses;
    QList<std::pair<QString, QString>> echecs;
    auto noter = [&](const QString& fichier, Issue issue, const QString& raison) {
        if (issue == Issue::Refuse) refuses.append(fichier);
        if (issue == Issue::Echec) {
            compte.Echecs.append(fichier);
            echecs.append({fichier, raison});
        }
        if (issue == Issue::DansLaCorbeille) ++compte.DansLaCorbeille;
        if (issue != Issue::Refuse && issue != Issue::Echec) compte.Effaces.append(fichier);
    };
    for (const QString& fichier : fichiers) {
        QString raison;
        noter(fichier, Effacer(plate, AccesFichier::Dans(lieu, fichier), false, raison, attente), raison);
    }
    if (!refuses.isEmpty() && plate.Demander(textes.Definitivement(refuses))) {
        for (const QString& fichier : std::exchange(refuses, {})) {
            QString raison;
            noter(fichier, Effacer(plate, AccesFichier::Dans(lieu, fichier), true, raison, attente), raison);
        }
    }
    compte.Gardes = refuses;
    compte.Message = textes.Resultat(compte, fichiers.size());
    if (!echecs.isEmpty()) plate.Avertir(textes.Echecs(echecs));
    return compte;
}

} // namespace

namespace EffacementBilans {

bool Present(const QString& chemin) {
    const AccesFichier::Nature nature = AccesFichier::NatureDe(chemin);
    return nature != AccesFichier::Nature::Absent && nature != AccesFichier::Nature::Dossier;
}

CompteRendu EffacerBilanGeneral(PlateForme& plate, const QString& dossier, const QString& fichier,
                                std::chrono::milliseconds attente) {
    if (!Present(AccesFichier::Dans(dossier, fichier))) return {};
    return Effacer(plate, dossier, {fichier}, Textes{true}, attente);
}

CompteRendu EffacerBilansIndividuels(PlateForme& plate, const QString& dossier, const QStringList& fichiers,
                                     std::chrono::milliseconds attente) {
    return Effacer(plate, dossier, fichiers, Textes{false}, attente);
}

} // namespace EffacementBilans
