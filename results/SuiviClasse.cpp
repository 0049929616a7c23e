// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/SuiviClasse.h"

#include "classlists/ListeClasse.h"
#include "core/ProfilProgramme.h"
#include "results/BilansIndividuels.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <map>

namespace {

using namespace SuiviClasse;

using Cle = std::pair<QString, QString>; // class, pupil

// The rates of the last three games of an exercise that had something to answer.
constexpr int PartiesTendance = 3;

bool Retenue(const QString& choix, const QString& classe) {
    return choix == ToutesLesClasses || choix == classe;
}

void Compter(LigneEleve& ligne, const ReleveBilans::Releve& releve) {
    std::array<QList<double>, NombreExercices> taux;
    for (int i : ligne.Parties) {
        const LectureBilans::PartieLue& p = releve.Parties[i].Lue;
        if (p.NumJeu < 1 || p.NumJeu > NombreExercices) continue;
        Exercice& e = ligne.Exercices[static_cast<size_t>(p.NumJeu - 1)];
        ++e.Parties;
        e.Derniere = i;
        const double t = Taux(p);
        if (t < 0) continue;
        e.Meilleur = std::max(e.Meilleur, t);
        taux[static_cast<size_t>(p.NumJeu - 1)].append(t);
    }
    for (size_t n = 0; n < NombreExercices; ++n)
        ligne.Exercices[n].Sens =
            TendanceDe(taux[n].mid(std::max<qsizetype>(0, taux[n].size() - PartiesTendance)));
}

} // namespace

namespace SuiviClasse {

QString NomExercice(const ProfilProgramme& profil, int numJeu) {
    if (numJeu < 1 || numJeu > NombreExercices) return QStringLiteral("Exercice inconnu");
    const QString& titre = profil.TitresBilan[static_cast<size_t>(numJeu - 1)];
    QString nom = titre.mid(titre.lastIndexOf(QLatin1Char(':')) + 1).trimmed();
    if (!nom.isEmpty()) nom[0] = nom[0].toLower();
    return QStringLiteral("Exercice %1 : %2").arg(numJeu).arg(nom);
}

QString TexteTaux(double taux) {
    if (taux < 0) return {};
    return QStringLiteral("%1\u00a0%").arg(qRound(taux));
}

QString TexteResultat(const LectureBilans::PartieLue& partie) {
    const QString taux = Taux(partie) < 0 ? QStringLiteral("\u2014") : TexteTaux(Taux(partie));
    return QStringLiteral("%1 (%2/%3, %4\u00a0err.)")
        .arg(taux)
        .arg(partie.Bonnes)
        .arg(partie.Total)
        .arg(partie.Erreurs);
}

QString TexteDate(QDate date, bool court) {
    return date.isValid() ? date.toString(court ? u"dd/MM/yy" : u"dd/MM/yyyy") : QString();
}

QString TexteTendance(Tendance sens, bool avecSigne) {
    const auto texte = [&](const char* signe, const char* mots) {
        return avecSigne ? QString::fromUtf8(signe) + QLatin1Char(' ') + QString::fromUtf8(mots)
                         : QString::fromUtf8(mots);
    };
    switch (sens) {
    case Tendance::Progres:
        return texte("\u2191", "en progrès");
    case Tendance::Stable:
        return texte("\u2192", "stable");
    case Tendance::Baisse:
        return texte("\u2193", "en baisse");
    case Tendance::Aucune:
        break;
    }
    return {};
}

QString Nombre(double valeur) {
    return QLocale(QLocale::French, QLocale::France).toString(valeur, 'g', 4);
}

double Taux(const LectureBilans::PartieLue& partie) {
    if (partie.Total <= 0) return -1;
    return 100.0 * partie.Bonnes / partie.Total;
}

Tendance TendanceDe(const QList<double>& taux) {
    if (taux.size() < 2) return Tendance::Aucune;
    const double ecart = taux.last() - taux.first();
    if (ecart > SeuilTendance) return Tendance::Progres;
    if (ecart < -SeuilTendance) return Tendance::Baisse;
    return Tendance::Stable;
}

double Mediane(QList<double> valeurs) {
    if (valeurs.isEmpty()) return -1;
    std::sort(valeurs.begin(), valeurs.end());
    const qsizetype milieu = valeurs.size() / 2;
    return valeurs.size() % 2 ? valeurs[milieu] : (valeurs[milieu - 1] + valeurs[milieu]) / 2;
}

QString TexteDetail(const ProfilProgramme& profil, const LectureBilans::PartieLue& partie) {
    QStringList cotes;
    for (size_t i = 0; i < partie.GaucheHaut.size(); ++i) {
        const LectureBilans::Detail& d = partie.GaucheHaut[i];
        QStringList valeurs;
        if (d.AvecBonnes()) valeurs << QStringLiteral("%1 / %2").arg(d.Bonnes).arg(d.Total);
        if (d.AvecErreurs())
            valeurs << QStringLiteral("%1 erreur%2")
                           .arg(d.Erreurs)
                           .arg(d.Erreurs > 1 ? QStringLiteral("s") : QString());
        if (!valeurs.isEmpty())
            cotes << profil.MotsGaucheHaut[i] + QStringLiteral(" : ") + valeurs.join(QStringLiteral(", "));
    }
    return cotes.join(QStringLiteral(" ; "));
}

QList<Courbe> Courbes(const ProfilProgramme& profil, const LigneEleve& eleve,
                      const ReleveBilans::Releve& releve) {
    QList<Courbe> courbes;
    for (int n = 1; n <= NombreExercices; ++n)
        courbes.append({NomExercice(profil, n), {}, 0});
    for (int i : eleve.Parties) {
        const LectureBilans::PartieLue& p = releve.Parties[i].Lue;
        if (p.NumJeu < 1 || p.NumJeu > NombreExercices || Taux(p) < 0) continue;
        Courbe& courbe = courbes[p.NumJeu - 1];
        if (!p.Date.isValid())
            ++courbe.SansDate;
        else
            courbe.Points.append({QDateTime(p.Date, p.Heure.isValid() ? p.Heure : QTime(12, 0)), Taux(p)});
    }
    return courbes;
}

QString DescriptionCourbes(const QList<Courbe>& courbes) {
    QStringList phrases;
    for (const Courbe& c : courbes) {
        if (c.Points.isEmpty()) continue;
        const auto [min, max] =
            std::minmax_element(c.Points.begin(), c.Points.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; });
        phrases << QStringLiteral("%1 : %2 parties datées, de %3 à %4, la dernière à %5")
                       .arg(c.Nom)
                       .arg(c.Points.size())
                       .arg(TexteTaux(min->second), TexteTaux(max->second),
                            TexteTaux(c.Points.last().second));
    }
    if (phrases.isEmpty()) phrases << QStringLiteral("Aucune partie datée");
    phrases << QStringLiteral("La liste donne chaque partie");
    return phrases.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QStringList Choix(const ReleveBilans::Releve& releve) {
    QStringList choix;
    for (const ReleveBilans::Classe& classe : releve.Classes)
        choix.append(classe.Nom);
    choix << BilansIndividuels::ClasseIndividuelle << ToutesLesClasses;
    return choix;
}

QList<LigneEleve> Lignes(const ReleveBilans::Releve& releve, const QString& choix) {
    std::map<Cle, LigneEleve> lignes;
    const auto ligne = [&](const QString& classe, const QString& eleve) -> LigneEleve& {
        LigneEleve& l = lignes[{classe, eleve}];
        l.Classe = classe;
        l.Eleve = eleve;
        return l;
    };
    for (const ReleveBilans::Classe& classe : releve.Classes)
        if (Retenue(choix, classe.Nom))
            for (const QString& eleve : classe.Eleves)
                ligne(classe.Nom, eleve);
    for (int i = 0; i < releve.Parties.size(); ++i) {
        const ReleveBilans::Partie& p = releve.Parties[i];
        if (Retenue(choix, p.Classe)) ligne(p.Classe, p.Eleve).Parties.append(i);
    }
    QList<LigneEleve> resultat;
    resultat.reserve(qsizetype(lignes.size()));
    for (auto& [cle, l] : lignes) {
        Compter(l, releve);
        resultat.append(std::move(l));
    }
    std::stable_sort(resultat.begin(), resultat.end(), [](const LigneEleve& a, const LigneEleve& b) {
        if (ListeClasse::AvantEnFrancais(a.Eleve, b.Eleve)) return true;
        if (ListeClasse::AvantEnFrancais(b.Eleve, a.Eleve)) return false;
        return ListeClasse::AvantEnFrancais(a.Classe, b.Classe);
    });
    return resultat;
}

} // namespace SuiviClasse
