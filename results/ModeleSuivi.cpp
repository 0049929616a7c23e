// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ModeleSuivi.h"

#include "classlists/ListeClasse.h"
#include "core/ProfilProgramme.h"
#include "results/BilansIndividuels.h"

#include <QFont>

#include <algorithm>
#include <numeric>

namespace {

using namespace SuiviClasse;

constexpr int ColonnesParExercice = ModeleSuivi::NombreRubriques;

// The columns' titles as the header shows them under their exercise, and in full.
const char* const Rubriques[] = {"Parties", "Dernier résultat", "Meilleur", "Date", "Tendance"};
const char* const RubriquesEntieres[] = {"parties", "dernier résultat", "meilleur taux",
                                         "date de la dernière partie", "tendance"};

int ExerciceDe(int colonne) {
    return (colonne - 1) / ColonnesParExercice;
}

ModeleSuivi::Rubrique RubriqueDe(int colonne) {
    return static_cast<ModeleSuivi::Rubrique>((colonne - 1) % ColonnesParExercice);
}

// "14 sur 20, 3 erreurs, 70 %": the slash and the brackets say nothing once spoken.
QString ResultatParle(const LectureBilans::PartieLue& p) {
    QString texte = QStringLiteral("%1 sur %2, %3 erreur%4")
                        .arg(p.Bonnes)
                        .arg(p.Total)
                        .arg(p.Erreurs)
                        .arg(p.Erreurs > 1 ? QStringLiteral("s") : QString());
    if (Taux(p) >= 0) texte += QStringLiteral(", ") + TexteTaux(Taux(p));
    return texte;
}

QString Compte(int n, const char* singulier, const char* pluriel) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? pluriel : singulier));
}

} // namespace

ModeleSuivi::ModeleSuivi(const ProfilProgramme& profil, QObject* parent) : QAbstractTableModel(parent) {
    for (int n = 0; n < NombreExercices; ++n)
        exercices[static_cast<size_t>(n)] = NomExercice(profil, n + 1);
}

void ModeleSuivi::Montrer(const ReleveBilans::Releve& lu, const QString& choisi) {
    beginResetModel();
    releve = &lu;
    choix = choisi;
    lignes = Lignes(lu, choisi);
    CalculerMedianes();
    endResetModel();
}

void ModeleSuivi::Vider() {
    beginResetModel();
    releve = nullptr;
    lignes.clear();
    endResetModel();
}

void ModeleSuivi::CalculerMedianes() {
    for (size_t n = 0; n < NombreExercices; ++n) {
        QList<double> parties, derniers, meilleurs;
        Mediane m;
        for (const LigneEleve& l : lignes) {
            const Exercice& e = l.Exercices[n];
            if (e.Parties == 0) continue;
            parties.append(e.Parties);
            if (const double t = Taux(releve->Parties[e.Derniere].Lue); t >= 0) derniers.append(t);
            if (e.Meilleur >= 0) meilleurs.append(e.Meilleur);
            m.Date = std::max(m.Date, releve->Parties[e.Derniere].Lue.Date);
            ++m.Sens[static_cast<size_t>(e.Sens)];
        }
        m.Parties = SuiviClasse::Mediane(parties);
        m.Dernier = SuiviClasse::Mediane(derniers);
        m.Meilleur = SuiviClasse::Mediane(meilleurs);
        medianes[n] = m;
    }
}

const LigneEleve* ModeleSuivi::Eleve(int ligne) const {
    return ligne >= 0 && ligne < lignes.size() ? &lignes[ligne] : nullptr;
}

QString ModeleSuivi::NomColonne(int colonne) const {
    if (colonne <= 0) return QStringLiteral("Élève");
    return exercices[static_cast<size_t>(ExerciceDe(colonne))] + QStringLiteral(", ") +
           QString::fromUtf8(RubriquesEntieres[RubriqueDe(colonne)]);
}

QString ModeleSuivi::NomLigneClasse() const {
    if (choix == ToutesLesClasses) return QStringLiteral("Médiane de l'école");
    if (choix == BilansIndividuels::ClasseIndividuelle)
        return QStringLiteral("Médiane des élèves sans classe");
    return QStringLiteral("Médiane de la classe");
}

QString ModeleSuivi::NomEleve(const LigneEleve& eleve) const {
    const QString nom = eleve.Eleve.trimmed().isEmpty() ? QStringLiteral("(sans nom)") : eleve.Eleve;
    return choix == ToutesLesClasses ? QStringLiteral("%1 (%2)").arg(nom, eleve.Classe) : nom;
}

int ModeleSuivi::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !releve ? 0 : int(lignes.size()) + 1;
}

int ModeleSuivi::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + NombreExercices * ColonnesParExercice;
}

QString ModeleSuivi::TexteEleve(const LigneEleve& eleve, int exercice, Rubrique rubrique,
                                bool accessible) const {
    const Exercice& e = eleve.Exercices[static_cast<size_t>(exercice)];
    const LectureBilans::PartieLue* derniere = e.Derniere >= 0 ? &releve->Parties[e.Derniere].Lue : nullptr;
    switch (rubrique) {
    case Parties:
        return accessible
                   ? (e.Parties ? Compte(e.Parties, "partie", "parties") : QStringLiteral("aucune partie"))
                   : QString::number(e.Parties);
    case Dernier:
        if (!derniere) return QStringLiteral("aucun exercice");
        return accessible ? ResultatParle(*derniere) : TexteResultat(*derniere);
    case Meilleur:
        return e.Meilleur < 0 && accessible ? QStringLiteral("aucun") : TexteTaux(e.Meilleur);
    case Date:
        if (!derniere) return accessible ? QStringLiteral("aucune") : QString();
        if (!derniere->Date.isValid()) return QStringLiteral("date inconnue");
        return TexteDate(derniere->Date, !accessible);
    case Sens:
        if (e.Sens == Tendance::Aucune && accessible) return QStringLiteral("pas de tendance");
        return TexteTendance(e.Sens, !accessible);
    case NombreRubriques:
        break;
    }
    return {};
}

QString ModeleSuivi::TexteClasse(int exercice, Rubrique rubrique, bool accessible) const {
    const Mediane& m = medianes[static_cast<size_t>(exercice)];
    if (m.Parties < 0) return accessible ? QStringLiteral("aucune partie") : QString();
    switch (rubrique) {
    case Parties:
        return SuiviClasse::Nombre(m.Parties);
    case Dernier:
        return TexteTaux(m.Dernier);
    case Meilleur:
        return TexteTaux(m.Meilleur);
    case Date:
        return TexteDate(m.Date, !accessible);
    case Sens: {
        QStringList parts;
        for (const Tendance t : {Tendance::Progres, Tendance::Stable, Tendance::Baisse}) {
            const int n = m.Sens[static_cast<size_t>(t)];
            if (n == 0) continue;
            if (!accessible)
                parts << QStringLiteral("%1\u00a0%2").arg(TexteTendance(t).left(1)).arg(n);
            else
                parts << QStringLiteral("%1 %2").arg(n).arg(
                    t == Tendance::Stable && n > 1 ? QStringLiteral("stables") : TexteTendance(t, false));
        }
        return parts.join(accessible ? QStringLiteral(", ") : QStringLiteral("  "));
    }
    case NombreRubriques:
        break;
    }
    return {};
}

QString ModeleSuivi::Texte(int ligne, int colonne, bool accessible) const {
    const LigneEleve* eleve = Eleve(ligne);
    if (colonne == 0) return eleve ? NomEleve(*eleve) : NomLigneClasse();
    const int exercice = ExerciceDe(colonne);
    const Rubrique rubrique = RubriqueDe(colonne);
    return eleve ? TexteEleve(*eleve, exercice, rubrique, accessible)
                 : TexteClasse(exercice, rubrique, accessible);
}

QVariant ModeleSuivi::CleTri(const LigneEleve& eleve, int colonne) const {
    if (colonne == 0) return NomEleve(eleve);
    const Exercice& e = eleve.Exercices[static_cast<size_t>(ExerciceDe(colonne))];
    const LectureBilans::PartieLue* derniere = e.Derniere >= 0 ? &releve->Parties[e.Derniere].Lue : nullptr;
    switch (RubriqueDe(colonne)) {
    case Parties:
        return e.Parties;
    case Dernier:
        return derniere && Taux(*derniere) >= 0 ? QVariant(Taux(*derniere)) : QVariant();
    case Meilleur:
        return e.Meilleur >= 0 ? QVariant(e.Meilleur) : QVariant();
    case Date:
        return derniere && derniere->Date.isValid() ? QVariant(derniere->Date.toJulianDay()) : QVariant();
    case Sens:
        return e.Sens == Tendance::Aucune ? QVariant() : QVariant(static_cast<int>(e.Sens));
    case NombreRubriques:
        break;
    }
    return {};
}

// Pupils without a value stay at the bottom in both orders; equal values keep the French order.
bool ModeleSuivi::Avant(const LigneEleve& a, const LigneEleve& b, int colonne, Qt::SortOrder ordre) const {
    const auto enFrancais = [&] { return ListeClasse::AvantEnFrancais(NomEleve(a), NomEleve(b)); };
    if (colonne == 0)
        return ordre == Qt::AscendingOrder ? enFrancais()
                                           : ListeClasse::AvantEnFrancais(NomEleve(b), NomEleve(a));
    const QVariant va = CleTri(a, colonne);
    const QVariant vb = CleTri(b, colonne);
    if (!va.isValid() || !vb.isValid()) return va.isValid() && !vb.isValid();
    const double x = va.toDouble();
    const double y = vb.toDouble();
    if (x != y) return ordre == Qt::AscendingOrder ? x < y : x > y;
    return enFrancais();
}

void ModeleSuivi::sort(int colonne, Qt::SortOrder ordre) {
    if (colonne < 0 || colonne >= columnCount() || lignes.isEmpty()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> rangs(lignes.size());
    std::iota(rangs.begin(), rangs.end(), 0);
    std::stable_sort(rangs.begin(), rangs.end(),
                     [&](int a, int b) { return Avant(lignes[a], lignes[b], colonne, ordre); });
    QList<int> place(lignes.size());
    QList<LigneEleve> triees;
    triees.reserve(lignes.size());
    for (int i = 0; i < rangs.size(); ++i) {
        place[rangs[i]] = i;
        triees.append(std::move(lignes[rangs[i]]));
    }
    lignes = std::move(triees);
    const QModelIndexList avant = persistentIndexList();
    QModelIndexList apres;
    for (const QModelIndex& i : avant)
        apres.append(index(i.row() < place.size() ? place[i.row()] : i.row(), i.column()));
    changePersistentIndexList(avant, apres);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVariant ModeleSuivi::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !releve) return {};
    const int ligne = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return Texte(ligne, index.column(), false);
    case Qt::AccessibleTextRole:
        return Texte(ligne, index.column(), true);
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case Qt::FontRole:
        if (!Eleve(ligne)) {
            QFont gras;
            gras.setBold(true);
            return gras;
        }
        return {};
    case RoleTri:
        return Eleve(ligne) ? CleTri(*Eleve(ligne), index.column()) : QVariant();
    default:
        return {};
    }
}

QVariant ModeleSuivi::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        const LigneEleve* eleve = Eleve(section);
        if (role == Qt::FontRole && !eleve) return data(index(section, 0), role);
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        return eleve ? NomEleve(*eleve) : NomLigneClasse();
    }
    // In full for whoever reads the titles one by one (a screen reader's column description, the
    // tooltip); the header shows the short title under its exercise.
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return NomColonne(section);
    case RoleTitre:
        return section == 0 ? NomColonne(0) : QString::fromUtf8(Rubriques[RubriqueDe(section)]);
    case RoleGroupe:
        return section == 0 ? QString() : exercices[static_cast<size_t>(ExerciceDe(section))];
    default:
        return {};
    }
}

ModeleSuivi::Tableau ModeleSuivi::Affiche() const {
    Tableau tableau;
    for (int c = 0; c < columnCount(); ++c) {
        tableau.Entetes.append(NomColonne(c));
        tableau.Groupes.append(headerData(c, Qt::Horizontal, RoleGroupe).toString());
        tableau.Titres.append(headerData(c, Qt::Horizontal, RoleTitre).toString());
    }
    for (int l = 0; l < rowCount(); ++l) {
        QStringList cellules;
        for (int c = 0; c < columnCount(); ++c)
            cellules.append(Texte(l, c, false));
        tableau.Lignes.append(cellules);
    }
    return tableau;
}
