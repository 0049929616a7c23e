// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/Lancement.h"

#include "core/AideContextuelle.h"
#include "core/ClavierVisible.h"
#include "core/DossierProgramme.h"
#include "core/LigneDeCommande.h"
#include "core/PlateFormeQt.h"
#include "core/ProfilProgramme.h"
#include "core/Programme.h"
#include "core/StyleProgramme.h"
#include "program/EnFond.h"
#include "program/Fenetres.h"
#include "program/U_Menu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>

#include <cstdio>
#include <optional>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool EcranDisponible() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Answers --version, --help and a wrong option; empty when the program is to start.
std::optional<int> Repondre(const LigneDeCommande& ligne, const ProfilProgramme& profil) {
    switch (ligne.Action) {
    case LigneDeCommande::Demande::Version:
        std::fputs(qPrintable(TexteVersion(profil)), stdout);
        return 0;
    case LigneDeCommande::Demande::Aide:
        std::fputs(qPrintable(TexteAide(profil)), stdout);
        return 0;
    case LigneDeCommande::Demande::Erreur:
        std::fputs(qPrintable(ligne.Erreur), stderr);
        return 2;
    case LigneDeCommande::Demande::Lancer:
        break;
    }
    return std::nullopt;
}

QString LireReglage(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(fichier.readAll())
                                                               : QString();
}

// The delivered pictures and help lie in ../share/<name> beside the program's own folder:
// /usr/bin -> /usr/share/carrelis when installed, build/bin -> build/share/carrelis when built.
SituationDemarrage Situation(const ProfilProgramme& profil, const LigneDeCommande& ligne) {
    const QString livre = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                          QStringLiteral("/../share/") + profil.NomExecutable);
    const QString reglage = FichierReglageSysteme(profil);
    return {QDir::currentPath(), QDir::homePath(),     QFileInfo(livre).isDir() ? livre : QString(),
            ligne.Dossier,       LireReglage(reglage), reglage};
}

// The print dialogs' module: /usr/lib/carrelis/modules/impression.so for /usr/bin/carrelis.
QString ModuleImpression(const ProfilProgramme& profil) {
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/../" DOSSIER_BIBLIOTHEQUES "/%1/modules/impression.so").arg(profil.NomExecutable));
}

// Settles the program folder and makes it the current directory; what went wrong is said on the
// terminal and in a message box before the menu shows.
void EtablirRepProgramme(Programme& programme, const SituationDemarrage& situation) {
    const DossierDeTravail dossier = EtablirDossier(programme.Profil(), situation);
    if (QDir::setCurrent(dossier.Chemin)) programme.RepProgramme = QDir::currentPath();
    for (const QString& avertissement : dossier.Avertissements) {
        std::fprintf(stderr, "%s : %s\n", qPrintable(programme.Profil().NomExecutable),
                     qPrintable(avertissement));
        programme.Plate().Avertir(avertissement);
    }
}

} // namespace

void NommerApplication(const ProfilProgramme& profil) {
    QApplication::setApplicationName(profil.NomExecutable);
    QGuiApplication::setDesktopFileName(profil.IdBureau);
}

QIcon IconeProgramme(const QList<PixelsIcone>& pixels) {
    QIcon icone;
    for (const PixelsIcone& image : pixels)
        icone.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.Pixels), image.Cote,
                                                  image.Cote, QImage::Format_ARGB32_Premultiplied)));
    return icone;
}

void PreparerApplication(const ProfilProgramme& profil) {
    NommerApplication(profil);
    // Dates and numbers in French; Qt's own texts follow with the first window that shows any.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // The menu bar stays in the window, as the pupils know it: a desktop's global menu bar would
    // take it away, and asking the desktop whether it has one blocks the start on a D-Bus reply.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new StyleProgramme);
    AiderLeClavier(*QCoreApplication::instance());
}

int LancerProgramme(int argc, char** argv, const ProfilProgramme& profil) {
    const LigneDeCommande ligne = LireLigneDeCommande(Arguments(argc, argv), profil);
    if (const std::optional<int> fin = Repondre(ligne, profil)) return *fin;
    if (!EcranDisponible()) {
        std::fprintf(stderr,
                     "%s : aucun écran graphique (DISPLAY est vide). Lancez-le depuis une session de bureau, "
                     "ou sur une machine sans écran avec : xvfb-run -s '-screen 0 1024x768x24' %s\n",
                     qPrintable(profil.NomExecutable), qPrintable(profil.NomExecutable));
        return 1;
    }
    EnFond polices = LirePolicesEnFond();
    QApplication application(argc, argv);
    PreparerApplication(profil);
#if defined(__GLIBC__)
    // The reading of the fonts, which allocates much while the application is created, has a heap
    // of its own (one shared heap would have had both wait for each other); every thread from
    // now on (the session bus's connection, the picture's reading) shares the heaps there are
    // instead of keeping one of its own.
    mallopt(M_ARENA_MAX, 1);
#endif
    const EnFond bus = ConnecterBusDeSessionEnFond();

    PlateFormeQt plateForme(profil.Titre, ModuleImpression(profil));
    Programme programme(profil, plateForme);
    // From here on a font may be needed: a warning about the folder, then the menu.
    polices.Attendre();
    EtablirRepProgramme(programme, Situation(profil, ligne));
    programme.FichierAide = QDir(programme.Dossier()).absoluteFilePath(profil.FichierAide);

    RaccourciAide raccourciAide(plateForme, programme.FichierAide);
    application.installEventFilter(&raccourciAide);

    Fenetres fenetres(programme);
    fenetres.CreerAuDemarrage();
    // The window icon once the menu is painted, from the pictures of the desktop's icons the program
    // is built with: a lookup in the desktop's icon theme would read the theme's whole index first,
    // and reading the installed files would decode pictures at each start.
    QObject::connect(fenetres.Menu(), &TF_Menu::Peint, &application, [&profil] {
        QApplication::setWindowIcon(IconeProgramme(profil.Icone));
#if defined(__GLIBC__)
        // The start is over: what it used and freed (the font configuration's reading, the
        // pictures' decoding) goes back to the system instead of staying with the program.
        malloc_trim(0);
#endif
    });
    fenetres.Menu()->show();
    return application.exec();
}
