// Builds each program's windows on a scripted screen of 800 x 600 and 1024 x 768 and saves
// every window as <program>_<window>_<width>x<height>.png in the folder given as argument.
#include "shell/Fenetres.h"
#include "shell/Programme.h"
#include "support/PlateFormeTest.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

namespace {

int Capturer(const ProfilProgramme& profil, QSize ecran, const QDir& sortie) {
    PlateFormeTest plate;
    plate.ecran = QRect(QPoint(0, 0), ecran);
    Programme prog(profil, plate);
    Fenetres fenetres(prog);
    fenetres.CreerDansLOrdre();
    int enregistrees = 0;
    for (IdFenetre id : fenetres.OrdreDeCreation()) {
        QWidget* fenetre = fenetres.Fenetre(id);
        if (fenetre->isWindow() && fenetre->windowState() & Qt::WindowFullScreen) fenetre->setGeometry(prog.GeometrieMenu);
        fenetre->show();
        QApplication::processEvents();
        const QString nom = QStringLiteral("%1_%2_%3x%4.png")
                                .arg(profil.NomExecutable, fenetre->objectName())
                                .arg(ecran.width())
                                .arg(ecran.height());
        if (!fenetre->grab().save(sortie.filePath(nom))) {
            std::fprintf(stderr, "captures: cannot write %s\n", qPrintable(sortie.filePath(nom)));
            return -1;
        }
        fenetre->hide();
        ++enregistrees;
    }
    return enregistrees;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir sortie(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    if (!QDir().mkpath(sortie.path())) return 1;
    int total = 0;
    for (const ProfilProgramme& profil : {ProfilCarrelis(), ProfilNavirelle()})
        for (QSize ecran : {QSize(800, 600), QSize(1024, 768)}) {
            const int n = Capturer(profil, ecran, sortie);
            if (n < 0) return 1;
            total += n;
        }
    std::printf("captures: %d pictures in %s\n", total, qPrintable(sortie.absolutePath()));
    return 0;
}
