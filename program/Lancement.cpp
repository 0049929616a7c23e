#include "program/Lancement.h"

#include "core/AideContextuelle.h"
#include "core/PlateFormeQt.h"
#include "core/ProfilProgramme.h"
#include "core/Programme.h"
#include "program/Fenetres.h"
#include "program/U_Menu.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

bool EcranDisponible() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

namespace {
// The standard dialogs (files, printing, fonts) speak French like the rest of the program.
void TraduireDialoguesStandard(QApplication& application, QTranslator& traducteur) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (traducteur.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&traducteur);
}
} // namespace

void NommerApplication(const ProfilProgramme& profil) {
    QApplication::setApplicationName(profil.NomExecutable);
}

int LancerProgramme(int argc, char** argv, const ProfilProgramme& profil) {
    if (!EcranDisponible()) {
        std::fprintf(stderr,
                     "%s : aucun écran graphique (DISPLAY est vide). Lancez-le depuis une session de bureau, "
                     "ou sur une machine sans écran avec : xvfb-run -s '-screen 0 1024x768x24' make run\n",
                     qPrintable(profil.NomExecutable));
        return 1;
    }
    QApplication application(argc, argv);
    NommerApplication(profil);
    QTranslator traducteur;
    TraduireDialoguesStandard(application, traducteur);

    PlateFormeQt plateForme(profil.Titre);
    Programme programme(profil, plateForme);
    programme.FichierAide = QDir::current().absoluteFilePath(profil.FichierAide);

    RaccourciAide raccourciAide(programme);
    application.installEventFilter(&raccourciAide);

    Fenetres fenetres(programme);
    fenetres.CreerAuDemarrage();
    fenetres.Menu()->show();
    return application.exec();
}
