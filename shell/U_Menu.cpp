#include "shell/U_Menu.h"

#include "shell/MiseAEchelle.h"
#include "shell/PlateForme.h"
#include "shell/Programme.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>

TF_Menu::TF_Menu(Programme& programme, Fenetres& fenetres, QWidget* parent)
    : QMainWindow(parent), prog(programme), fenetres(fenetres) {
    setObjectName(QStringLiteral("F_Menu"));
    resize(800, 600);
    titre = new QLabel(this);
    titre->setObjectName(QStringLiteral("Titre"));
    titre->setAlignment(Qt::AlignCenter);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(48);
    police.setBold(true);
    titre->setFont(police);
    setCentralWidget(titre);
    FormCreate();
}

// Start-up proper: the rest of the program reads what is set here, so the order matters.
void TF_Menu::FormCreate() {
    prog.Plate().MasquerBarreDesTaches(*this);
    prog.RepProgramme = QDir::currentPath();
    MettreAEchelle(*this, prog.Plate());
    // A full-screen window takes the screen's geometry whatever its design size.
    prog.GeometrieMenu = prog.Plate().GeometrieEcran();
    prog.Aleatoire().Randomize();
    prog.InitValeurs();
    setWindowTitle(prog.Profil().Titre);
    titre->setText(prog.Profil().Titre);
    titre->setAccessibleName(prog.Profil().Titre);
}

void TF_Menu::FormClose() { prog.Plate().MontrerBarreDesTaches(*this); }

void TF_Menu::closeEvent(QCloseEvent* evenement) {
    FormClose();
    evenement->accept();
}
