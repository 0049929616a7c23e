#pragma once

#include <QList>
#include <QString>

// The windows of both programs, in the words of their units.
enum class IdFenetre {
    Menu,
    JeuCarrelis,
    Choix3D,
    PubN,
    Listes,
    ModifCh1,
    Bilan,
    Image,
    ModifImp,
    Consigne3D,
    Edit3,
    Preferences,
    Consigne,
    ChoixImpInd,
    EffaceBilans,
    Traitexte,
    Jeu1,
    Jeu23,
};

// What differs between the two programs, as data: the shared code reads it and never asks
// which program it runs in.
struct ProfilProgramme {
    QString Titre;           // application title and main window caption
    QString NomExecutable;   // for messages printed before any window exists
    QString FichierAide;     // help file in the program folder
    QString FichierPref;     // preferences file
    QString FichierBilan;    // general results file
    QString ImageAccueil;    // default tile of the main menu
    QString ImageExo;        // default background of every other page
    QString ImageTitre;      // title picture of the about window
    QString TitreVersion;
    QString DatesVersion;
    QList<IdFenetre> OrdreFenetres; // creation order at start; the first is the main window
};

ProfilProgramme ProfilCarrelis();
ProfilProgramme ProfilNavirelle();
