// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <utility>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The look shared by every window: its colours, its fonts and its recurring controls, so that a
// new window is built from them instead of copying a neighbour. Sizes are pixels of the
// 800 x 600 design; the window's scaling follows.
namespace Apparence {

inline const QColor BleuTitre(16, 40, 140);     // titles and captions of the teacher's windows
inline const QColor FondFenetre(232, 238, 246); // the pale background of dialogs
inline const QColor Marron(128, 0, 0);          // the captions of the exercise buttons
inline const QColor VertJuste(0, 128, 0);
inline const QColor RougeFaux(255, 0, 0);

// The families the windows are drawn in, each resolved once per run: Arial and Times New Roman
// where the computer has them, otherwise their metric twins (Liberation Sans and Serif, which
// the packages bring). A font asked for by a missing family has the desktop's whole font
// configuration searched for a substitute, again for every size: more than drawing the text
// costs the menu.
const QString& FamilleArial();
const QString& FamilleTimes();

inline QFont Arial(int pixels, bool gras) {
    QFont police(FamilleArial());
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

// The desktop's font, at its size and style, in the Arial family: the menu bar and its menus,
// drawn in the desktop's own family, would have the program read and keep a second family for
// them alone. Arial's letters are about 5 % smaller than those of the desktop's usual sans-serif
// faces at the same size (x-height 0.52 em against 0.55), which the size makes up for: the bar
// keeps its height and its captions their width.
QFont ArialDuBureau(QFont police);

inline QFont Times(int pixels, bool gras) {
    QFont police(FamilleTimes());
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

// A label in the given font and ink; colours go through the palette so that scaling reaches them.
QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& position,
                  const QFont& police = Arial(15, true), const QColor& encre = BleuTitre);
// A push button that Enter does not trigger unless focused, named for screen readers after its caption.
QPushButton* Bouton(QWidget* parent, const QString& nom, const QString& libelle, const QRect& position,
                    const QFont& police = Arial(14, true));
// The two buttons that end a dialog: the first keeps what was chosen (accept, and Enter from
// anywhere in the dialog), the second gives it up (reject), in the order Tab reaches them.
struct BoutonFin {
    QString Nom, Libelle;
    QRect Position;
};
std::pair<QPushButton*, QPushButton*> BoutonsFin(QDialog& dialogue, const BoutonFin& garder,
                                                 const BoutonFin& renoncer,
                                                 const QFont& police = Arial(14, true));
// A button of the exercise windows' right-hand column: maroon caption, grey when disabled.
QPushButton* BoutonExercice(QWidget* parent, const QString& nom, const QString& libelle,
                            const QRect& position);
// A raised panel filled with a plain colour.
QFrame* Panneau(QWidget* parent, const QString& nom, const QRect& position, const QColor& fond = Qt::white);
// The window's own background colour, painted behind its controls.
void Fond(QWidget& fenetre, const QColor& couleur = FondFenetre);

} // namespace Apparence
