// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ReleveBilans.h"

#include "classlists/ListeClasse.h"
#include "core/AccesFichier.h"
#include "core/EcritureFichier.h"
#include "core/Libelles.h"
#include "core/NomDeFichier.h"
#include "core/Partie.h"
#include "core/ProfilProgramme.h"
#include "results/BilansIndividuels.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <numeric>

namespace {

using LectureBilans::PartieLue;
using Libelles::Guillemets;
using namespace ReleveBilans;

// A pupil's save waits for the lock up to EcritureFichier::AttenteVerrou: the reader waits much
// less.
constexpr std::chrono::milliseconds AttenteLecture{2000};

using Eleve = std::pair<QString, QString>; // class, pupil

// A pupil's name as an entry keeps it: 50 characters at most, blanks around it aside.
QString Cle(const QString& nom) {
    return nom.left(LongueurNomEleve).trimmed();
}

QString Pluriel(int n, const char* singulier, const char* pluriel) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? pluriel : singulier));
}

QString Remarque(const LectureBilans::FichierLu& lu, const QString& fichier) {
    QStringList parts;
    if (lu.EntreesIllisibles > 0)
        parts << Pluriel(lu.EntreesIllisibles, "entrée illisible", "entrées illisibles");
    if (lu.LignesInconnues > 0) parts << Pluriel(lu.LignesInconnues, "ligne inconnue", "lignes inconnues");
    if (parts.isEmpty()) return {};
    const bool plusieurs = lu.EntreesIllisibles + lu.LignesInconnues > 1;
    return QStringLiteral("%1 %2 dans %3.")
        .arg(parts.join(QStringLiteral(" et ")),
             plusieurs ? QStringLiteral("ignorées") : QStringLiteral("ignorée"), Guillemets(fichier));
}

// Whether an entry is one of this program's: its title names the program; without a title, the
// labels of exercise 3's lines tell (they differ between the programs), else nothing says no.
bool Mienne(const PartieLue& p, const ProfilProgramme& profil) {
    if (!p.Titre.isEmpty()) return p.Programme.compare(profil.Titre, Qt::CaseInsensitive) == 0;
    const auto connu = [&](const QString& libelle) {
        return libelle.isEmpty() ||
               std::any_of(profil.LibellesBilan.begin(), profil.LibellesBilan.end(),
                           [&](const QString& l) { return l.trimmed() == libelle.trimmed(); });
    };
    return std::all_of(p.GaucheHaut.begin(), p.GaucheHaut.end(), [&](const LectureBilans::Detail& d) {
        return connu(d.LibelleBonnes) && connu(d.LibelleErreurs);
    });
}

// What makes two entries the same game, whichever file holds them.
struct Empreinte {
    QString Eleve;
    QString Titre;
    QString LigneDate;
    std::array<int, 9> Nombres{};

    Empreinte(const QString& eleve, const PartieLue& p)
        : Eleve(eleve.trimmed()), Titre(p.Titre), LigneDate(p.LigneDate), Nombres{p.Bonnes,
                                                                                  p.Total,
                                                                                  p.Erreurs,
                                                                                  p.GaucheHaut[0].Bonnes,
                                                                                  p.GaucheHaut[0].Total,
                                                                                  p.GaucheHaut[0].Erreurs,
                                                                                  p.GaucheHaut[1].Bonnes,
                                                                                  p.GaucheHaut[1].Total,
                                                                                  p.GaucheHaut[1].Erreurs} {}
    bool operator==(const Empreinte&) const = default;
};

size_t qHash(const Empreinte& e, size_t graine = 0) {
    return qHashMulti(graine, e.Eleve, e.Titre, e.LigneDate, qHashRange(e.Nombres.begin(), e.Nombres.end()));
}

// The pupils of the class lists, found by their file's name or by their name in an entry.
class Annuaire {
  public:
    explicit Annuaire(const QList<Classe>& classes) {
        for (const Classe& classe : classes)
            for (const QString& eleve : classe.Eleves) {
                parNom[Cle(eleve)].append({classe.Nom, eleve});
                parFichier.insert(NomDeFichier::FichierIndividuel(classe.Nom + QStringLiteral(".elv"),
                                                                  eleve.left(LongueurNomEleve)),
                                  {classe.Nom, eleve});
            }
    }

    // A class's file belongs to that class; a game without class goes to the pupil of the
    // lists who bears its name, when only one does.
    Eleve De(const FichierBilans& fichier, const PartieLue& partie) const {
        const QString nom = partie.Eleve.isEmpty() ? fichier.Eleve : partie.Eleve;
        if (!fichier.Classe.isEmpty() && fichier.Classe != BilansIndividuels::ClasseIndividuelle) {
            const auto trouve = parFichier.constFind(fichier.Nom);
            return trouve != parFichier.cend() ? *trouve : Eleve{fichier.Classe, nom};
        }
        // Thousands of games, a few dozen names: each name is looked for once.
        const auto connu = sansClasse.constFind(nom);
        if (connu != sansClasse.cend()) return *connu;
        const QList<Eleve> candidats = parNom.value(Cle(nom));
        return *sansClasse.insert(nom, candidats.size() == 1
                                           ? candidats.first()
                                           : Eleve{BilansIndividuels::ClasseIndividuelle, nom});
    }

  private:
    mutable QHash<QString, Eleve> sansClasse;
    QHash<QString, QList<Eleve>> parNom;
    QHash<QString, Eleve> parFichier;
};

struct FichierLu {
    const FichierBilans* Fichier;
    LectureBilans::FichierLu Contenu;
};

// The games in time order; one without a date keeps its place after the one before it in its file.
void Ordonner(QList<Partie>& parties) {
    QList<std::pair<qint64, int>> cles;
    cles.reserve(parties.size());
    qint64 instant = std::numeric_limits<qint64>::min();
    QString fichier;
    for (const Partie& p : parties) {
        if (p.Fichier != fichier) instant = std::numeric_limits<qint64>::min(), fichier = p.Fichier;
        if (p.Lue.Date.isValid())
            instant = QDateTime(p.Lue.Date, p.Lue.Heure.isValid() ? p.Lue.Heure : QTime(0, 0), Qt::UTC)
                          .toMSecsSinceEpoch();
        cles.append({instant, p.Ordre});
    }
    QList<int> rangs(parties.size());
    std::iota(rangs.begin(), rangs.end(), 0);
    std::stable_sort(rangs.begin(), rangs.end(), [&](int a, int b) { return cles[a] < cles[b]; });
    QList<Partie> triees;
    triees.reserve(parties.size());
    for (int i : rangs)
        triees.append(std::move(parties[i]));
    parties = std::move(triees);
}

} // namespace

namespace ReleveBilans {

Inventaire Inventorier(const QString& dossier, const ProfilProgramme& profil) {
    Inventaire inventaire{dossier, {}, {}};
    QStringList noms;
    for (const QString& liste : ListeClasse::ListerClasses(dossier)) {
        if (liste.size() <= NomDeFichier::ExtensionListe.size()) continue;
        Classe classe{liste.chopped(NomDeFichier::ExtensionListe.size()), {}, {}};
        ListeClasse::Contenu contenu;
        QString raison;
        if (ListeClasse::Charger(AccesFichier::Dans(dossier, liste), contenu, raison))
            classe.Eleves = contenu.Eleves;
        else
            classe.Probleme =
                QStringLiteral("La liste %1 n'a pas pu être lue\u00a0: %2.").arg(Guillemets(liste), raison);
        inventaire.Classes.append(classe);
        noms.append(classe.Nom);
    }
    const QFileInfo general(AccesFichier::Dans(dossier, profil.FichierBilan));
    if (general.isFile()) inventaire.Fichiers.append({profil.FichierBilan, {}, {}, general.size()});
    for (const QString& nom : BilansIndividuels::Fichiers(dossier)) {
        const QString classe = BilansIndividuels::ClasseDe(nom, noms);
        inventaire.Fichiers.append({nom, classe, BilansIndividuels::Eleve(nom, classe),
                                    QFileInfo(AccesFichier::Dans(dossier, nom)).size()});
    }
    return inventaire;
}

Releve Lire(const Inventaire& inventaire, const ProfilProgramme& profil, const Avancement& avancer) {
    Releve releve;
    releve.Classes = inventaire.Classes;
    for (const Classe& classe : inventaire.Classes)
        if (!classe.Probleme.isEmpty()) releve.Remarques.append(classe.Probleme);
    qint64 total = 0;
    for (const FichierBilans& f : inventaire.Fichiers)
        if (f.Taille <= TailleMax) total += f.Taille;

    QList<FichierLu> lus;
    qint64 dejaLus = 0;
    for (const FichierBilans& f : inventaire.Fichiers) {
        if (f.Taille > TailleMax) {
            releve.Remarques.append(
                QStringLiteral("%1 n'a pas été lu\u00a0: il pèse %2, bien plus qu'un fichier "
                               "de bilans d'une école ; il est sans doute abîmé.")
                    .arg(Guillemets(f.Nom), TailleLisible(f.Taille)));
            continue;
        }
        QByteArray octets;
        QString raison;
        const QString chemin = AccesFichier::Dans(inventaire.Dossier, f.Nom);
        if (!LireFichier(chemin, false, octets, raison)) {
            // Erased since the inventory: nothing to say.
            if (QFileInfo::exists(chemin))
                releve.Remarques.append(
                    QStringLiteral("%1 n'a pas pu être lu\u00a0: %2.").arg(Guillemets(f.Nom), raison));
            continue;
        }
        const auto sorte = f.Classe.isEmpty() ? LectureBilans::SorteFichier::General
                                              : LectureBilans::SorteFichier::Individuel;
        const auto avance = [&](qsizetype n) {
            return !avancer || avancer(dejaLus + std::min<qint64>(n, f.Taille), total);
        };
        LectureBilans::FichierLu contenu = LectureBilans::Lire(octets, sorte, avance);
        // A last entry not whole: a save in progress, or one that a crash cut. Read again
        // between two saves, it tells which; while a save keeps the lock, it is left out unsaid.
        if (contenu.FinIncomplete && !contenu.Interrompue) {
            QByteArray entre;
            if (LireFichier(chemin, true, entre, raison))
                contenu = LectureBilans::Lire(entre, sorte, avance);
            else
                --contenu.EntreesIllisibles;
        }
        if (contenu.Interrompue) {
            releve.Annule = true;
            return releve;
        }
        dejaLus += f.Taille;
        const QString remarque = Remarque(contenu, f.Nom);
        if (!remarque.isEmpty()) releve.Remarques.append(remarque);
        lus.append({&f, std::move(contenu)});
    }

    QHash<Empreinte, int> individuelles;
    for (const FichierLu& lu : lus)
        if (!lu.Fichier->Classe.isEmpty())
            for (const PartieLue& p : lu.Contenu.Parties)
                ++individuelles[Empreinte(p.Eleve.isEmpty() ? lu.Fichier->Eleve : p.Eleve, p)];

    const Annuaire annuaire(releve.Classes);
    std::map<QString, int> autres; // games of the other program, by its name
    int ordre = 0;
    for (FichierLu& lu : lus) {
        for (PartieLue& p : lu.Contenu.Parties) {
            if (!Mienne(p, profil)) {
                ++autres[p.Programme.isEmpty() ? QStringLiteral("un autre programme") : p.Programme];
                continue;
            }
            if (lu.Fichier->Classe.isEmpty()) {
                const auto doublon = individuelles.find(Empreinte(p.Eleve, p));
                if (doublon != individuelles.end() && *doublon > 0) {
                    --*doublon;
                    continue;
                }
            }
            const auto [classe, eleve] = annuaire.De(*lu.Fichier, p);
            // Moved, not copied: a big file's games are held once.
            Partie partie{classe, eleve, std::move(p), lu.Fichier->Nom, ordre++};
            // Without a title, exercise 3 still shows by its left and top lines.
            if (partie.Lue.NumJeu == 0 && partie.Lue.Titre.isEmpty() && partie.Lue.AvecDetail())
                partie.Lue.NumJeu = 3;
            releve.Parties.append(std::move(partie));
        }
        lu.Contenu.Parties = {};
    }
    for (const auto& [programme, nombre] : autres)
        releve.Remarques.append(
            nombre == 1
                ? QStringLiteral("1 partie de %1, rangée dans les mêmes bilans individuels, n'est pas "
                                 "comptée ici.")
                      .arg(programme)
                : QStringLiteral("%1 parties de %2, rangées dans les mêmes bilans individuels, ne "
                                 "sont pas comptées ici.")
                      .arg(nombre)
                      .arg(programme));
    Ordonner(releve.Parties);
    return releve;
}

bool LireFichier(const QString& chemin, bool sousVerrou, QByteArray& octets, QString& raison) {
    if (!sousVerrou) return EcritureFichier::LireTout(chemin, octets, raison);
    return EcritureFichier::SousVerrou(
        chemin, [&](QString& r) { return EcritureFichier::LireTout(chemin, octets, r); }, raison,
        AttenteLecture);
}

QString TailleLisible(qint64 octets) {
    const QLocale francais(QLocale::French, QLocale::France);
    constexpr double Mo = 1024.0 * 1024.0;
    if (octets >= 1024 * Mo)
        return francais.toString(octets / (1024 * Mo), 'f', 1) + QStringLiteral("\u00a0Go");
    return francais.toString(octets / Mo, 'f', 1) + QStringLiteral("\u00a0Mo");
}

} // namespace ReleveBilans
