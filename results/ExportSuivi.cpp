// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ExportSuivi.h"

#include "core/ProfilProgramme.h"

#include <QLocale>

namespace {

constexpr char Separateur = ';';
constexpr char FinDeLigne[] = "\r\n";
constexpr char MarqueUtf8[] = "\xef\xbb\xbf";

QByteArray Ligne(const QStringList& cellules) {
    QStringList protegees;
    for (const QString& c : cellules)
        protegees << ExportSuivi::Cellule(c);
    return protegees.join(QLatin1Char(Separateur)).toUtf8() + FinDeLigne;
}

QString Entier(int n) {
    return QString::number(n);
}

QStringList Entetes(const ProfilProgramme& profil) {
    QStringList entetes{
        "Classe", "Élève",           "Programme",          "Exercice", "Date",
        "Heure",  "Bonnes réponses", "Réponses attendues", "Erreurs",  "Taux de réussite (%)"};
    for (const QString& cote : profil.MotsGaucheHaut)
        entetes << QStringLiteral("Bonnes réponses, %1").arg(cote)
                << QStringLiteral("Réponses attendues, %1").arg(cote)
                << QStringLiteral("Erreurs, %1").arg(cote);
    return entetes;
}

QStringList Cellules(const ProfilProgramme& profil, const ReleveBilans::Partie& partie) {
    const LectureBilans::PartieLue& p = partie.Lue;
    const double taux = SuiviClasse::Taux(p);
    QStringList cellules{partie.Classe,
                         partie.Eleve,
                         profil.Titre,
                         p.NumJeu > 0 ? Entier(p.NumJeu) : QString(),
                         p.Date.isValid() ? p.Date.toString(Qt::ISODate) : QString(),
                         p.Heure.isValid() ? p.Heure.toString(u"HH:mm:ss") : QString(),
                         Entier(p.Bonnes),
                         Entier(p.Total),
                         Entier(p.Erreurs),
                         taux < 0 ? QString()
                                  : QLocale(QLocale::French, QLocale::France).toString(taux, 'f', 1)};
    for (const LectureBilans::Detail& d : p.GaucheHaut)
        cellules << (d.AvecBonnes() ? Entier(d.Bonnes) : QString())
                 << (d.AvecBonnes() ? Entier(d.Total) : QString())
                 << (d.AvecErreurs() ? Entier(d.Erreurs) : QString());
    return cellules;
}

} // namespace

namespace ExportSuivi {

QString Cellule(const QString& texte) {
    QString cellule = texte;
    // A tab or a carriage return in front starts a formula for some spreadsheets too.
    if (!cellule.isEmpty() && QStringLiteral("=+-@\t\r").contains(cellule.front()))
        cellule.prepend(QLatin1Char('\''));
    const bool proteger = cellule.contains(QLatin1Char(Separateur)) || cellule.contains(QLatin1Char('"')) ||
                          cellule.contains(QLatin1Char('\n')) || cellule.contains(QLatin1Char('\r')) ||
                          cellule.trimmed() != cellule;
    if (!proteger) return cellule;
    cellule.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + cellule + QLatin1Char('"');
}

QByteArray Parties(const ProfilProgramme& profil, const ReleveBilans::Releve& releve,
                   const QList<SuiviClasse::LigneEleve>& eleves) {
    QByteArray csv = MarqueUtf8 + Ligne(Entetes(profil));
    for (const SuiviClasse::LigneEleve& eleve : eleves)
        for (int i : eleve.Parties)
            csv += Ligne(Cellules(profil, releve.Parties[i]));
    return csv;
}

QByteArray Tableau(const ModeleSuivi::Tableau& tableau) {
    QByteArray csv = MarqueUtf8 + Ligne(tableau.Entetes);
    for (const QStringList& ligne : tableau.Lignes)
        csv += Ligne(ligne);
    return csv;
}

} // namespace ExportSuivi
