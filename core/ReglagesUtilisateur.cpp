// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReglagesUtilisateur.h"

#include "core/Libelles.h"

#include <QSettings>

ReglagesUtilisateur::ReglagesUtilisateur(const QString& fichier, QObject* parent)
    : QObject(parent), fichier(fichier) {}

bool ReglagesUtilisateur::Lire(const QString& cle) const {
    if (const auto connue = valeurs.constFind(cle); connue != valeurs.constEnd()) return *connue;
    bool valeur = false;
    if (!fichier.isEmpty()) {
        const QSettings reglages(fichier, QSettings::IniFormat);
        // Anything but "true" (a value damaged by hand) reads as off.
        valeur = reglages.value(cle).toString() == QLatin1String("true");
    }
    valeurs.insert(cle, valeur);
    return valeur;
}

bool ReglagesUtilisateur::Ecrire(const QString& cle, bool valeur, QString* raison) {
    const bool change = Lire(cle) != valeur;
    valeurs.insert(cle, valeur);
    if (change) emit Change(cle, valeur);
    if (fichier.isEmpty()) return true;
    QSettings reglages(fichier, QSettings::IniFormat);
    reglages.setValue(cle, valeur);
    reglages.sync();
    if (reglages.status() == QSettings::NoError && reglages.isWritable()) return true;
    if (raison)
        *raison = QStringLiteral("Ce choix vaut pour cette séance, mais il n'a pas pu être gardé "
                                 "pour la prochaine fois : le fichier %1 n'a pas pu être écrit.")
                      .arg(Libelles::Guillemets(fichier));
    return false;
}
