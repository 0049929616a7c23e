// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProfilMenu.h"

#include <QColor>
#include <QList>
#include <QString>

#include <array>

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
    Serie, // answer keys and class sets of the sheet windows
    Suivi, // the class's results over time, for the teacher
};

// One picture of a program's window icon, compiled into the program (data/generer_images draws
// it with the desktop's icons): a square of Cote pixels, premultiplied ARGB words row after row.
struct PixelsIcone {
    int Cote = 0;
    const quint32* Pixels = nullptr;
};

// What differs between the two programs, as data: the shared code reads it and never asks
// which program it runs in.
struct ProfilProgramme {
    QString Titre;            // application title and main window caption
    QString NomExecutable;    // for messages printed before any window exists
    QString IdBureau;         // the name of its desktop entry and AppStream component
    QList<PixelsIcone> Icone; // its window icon at the sizes a desktop shows
    QString FichierAide;      // help file in the program folder
    QString FichierPref;      // preferences file
    QString FichierBilan;     // general results file
    QString ImageAccueil;     // default tile of the main menu
    QString ImageExo;         // default background of every other page
    QString ImageTitre;       // title picture of the about window
    QString TitreVersion;
    QString DatesVersion;
    // The about window: one sentence telling teachers what the program is for, the colours its
    // letters take, its help context (0 = none), and whether it animates and holds its place only
    // while shown (otherwise the animation runs from creation to the end).
    QString PresentationPubN;
    std::array<QColor, 4> CouleursPubN;
    int ContexteAidePubN = 0;
    bool MaintienPubN = false;
    QList<IdFenetre> OrdreFenetres;   // creation order at start; the first is the main window
    ProfilMenu Menu;                  // buttons and menu bar of the main window
    QString EnTeteJeu;                // heading of the size chooser, %1 = the exercise number
    QString ConsigneInitiale;         // the instruction of printed exercises at start
    bool FeuillesVoiliers = false;    // the sheet window draws sailboats rather than number tables
    QString EnTeteModifImp;           // heading of the sheets' size chooser; empty: none
    bool PreferenceCouleurs = false;  // the preferences offer "En couleurs :" for printed sheets
    QString LibelleBilansIndividuels; // caption of the individual results check box of the preferences
    // The results files: the labels of the left and top lines of exercise 3 (L1..L4, each with
    // its tab) and the title of each exercise.
    std::array<QString, 4> LibellesBilan;
    std::array<QString, 3> TitresBilan;
    int ContexteAideListes = 0;    // help context of the class list editor
    int ContexteAideTraitexte = 0; // help context of the text editor (F1 opens its topic "Edit")
    // The results window: captions of the four left/top lines of exercise 3, the caption that
    // replaces the score line in exercise 3 (empty: none), whether the exercise prints once only.
    std::array<QString, 4> LibellesFenetreBilan;
    QString LibelleScorePremierEssai;
    bool ExerciceImpressionUnique = false;
    // The class follow-up: its words for exercise 3's left column and top row.
    std::array<QString, 2> MotsGaucheHaut;
};

ProfilProgramme ProfilCarrelis();
ProfilProgramme ProfilNavirelle();
QList<PixelsIcone> IconeCarrelis();
QList<PixelsIcone> IconeNavirelle();
