// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: what any Qt Widgets program costs before it does
// anything of its own. One full-screen main window with a label, covering the screen as the
// programs' menus do.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Nu"));
    auto* etiquette = new QLabel(QStringLiteral("Nu"));
    etiquette->setAlignment(Qt::AlignCenter);
    fenetre.setCentralWidget(etiquette);
    // Without a window manager a full-screen request is ignored: the size is set as well.
    fenetre.resize(application.primaryScreen()->size());
    fenetre.showFullScreen();
    return application.exec();
}
