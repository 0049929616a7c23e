// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProfilProgramme.h"

#include <QString>
#include <QStringList>

// What the command line asks of a program. Read before the application object exists, so that
// "--version" and "--help" answer on a machine without a display. Qt's own options ("-platform",
// "-style"..., with their values) are left to Qt; any other word is an error.
struct LigneDeCommande {
    enum class Demande { Lancer, Version, Aide, Erreur };
    Demande Action = Demande::Lancer;
    QString Dossier; // the value of --dossier, empty when not given
    QString Erreur;  // the French message to print when Action is Erreur
};

// The arguments after the program's name.
LigneDeCommande LireLigneDeCommande(const QStringList& arguments, const ProfilProgramme& profil);

// The texts of --version and --help, each ending with a new line.
QString TexteVersion(const ProfilProgramme& profil);
QString TexteAide(const ProfilProgramme& profil);
