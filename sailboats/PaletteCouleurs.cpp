// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/PaletteCouleurs.h"

#include "core/GroupeExclusif.h"
#include "core/PlateForme.h"
#include "sailboats/Couleurs.h"
#include "sailboats/NomsCouleursEcran.h"
#include "sailboats/PaletteVoiliers.h"
#include "sailboats/TramesEcran.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// A square of the colour framed in black on silver, hatched when the hatches are on.
QIcon Glyphe(int numero, int cote, bool trames, int echelle) {
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(Couleurs[Argent]);
    const int marge = std::max(2, cote / 8);
    const QRect carre(marge, marge, cote - 2 * marge, cote - 2 * marge);
    QPainter p(&image);
    p.fillRect(carre, QColor::fromRgb(Couleurs[numero]));
    p.end();
    if (trames) TramesEcran(echelle).Tramer(image);
    p.begin(&image);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(carre.adjusted(0, 0, -1, -1));
    return QIcon(QPixmap::fromImage(image));
}

QString Majuscule(QString texte) {
    if (!texte.isEmpty()) texte[0] = texte[0].toUpper();
    return texte;
}

} // namespace

PaletteCouleurs::PaletteCouleurs(PlateForme& plateForme, QWidget* parent)
    : QFrame(parent), plate(plateForme), groupe(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("PanelCouleurs"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    setAutoFillBackground(true);
    setAccessibleDescription(
        QStringLiteral("Les flèches ou l'initiale choisissent une couleur, Entrée revient "
                       "au tableau."));
    groupe->setExclusive(true);
    const int n = static_cast<int>(PaletteVoiliers::Boutons.size());
    for (int i = 0; i < n; ++i) {
        const PaletteVoiliers::Bouton& b = PaletteVoiliers::Boutons[static_cast<size_t>(i)];
        auto* bouton = new QPushButton(this);
        bouton->setObjectName(QString::fromLatin1(b.Nom));
        bouton->setCheckable(true);
        // One colour of several, as radio buttons are: a screen reader says so.
        bouton->setAutoExclusive(true);
        bouton->setFocusPolicy(Qt::NoFocus);
        bouton->setGeometry(Ecart + i * (Cote + Ecart), Ecart, Cote, Cote);
        bouton->setAccessibleName(Majuscule(NomCouleurEcran(b.Couleur)));
        bouton->setToolTip(bouton->accessibleName());
        bouton->setAutoDefault(false);
        bouton->setStyleSheet(
            QStringLiteral("QPushButton { background: #c0c0c0; border: 2px outset #e0e0e0; }"
                           "QPushButton:checked { background: #303030; border: 3px inset "
                           "#000000; }"));
        groupe->addButton(bouton, b.Couleur);
        boutons[static_cast<size_t>(i)] = bouton;
    }
    resize(Ecart + n * (Cote + Ecart), Cote + 2 * Ecart);
    GroupeExclusif::SurChoix(*groupe, [this](int numero) {
        Choisir(numero);
        emit CouleurChoisie(numero);
    });
    Dessiner();
    Choisir(PaletteVoiliers::CouleurDeDepart);
}

QPushButton* PaletteCouleurs::Bouton(int numero) const {
    return qobject_cast<QPushButton*>(groupe->button(numero));
}

void PaletteCouleurs::Choisir(int numero) {
    QPushButton* bouton = Bouton(numero);
    if (!bouton) return;
    const bool change = numero != couleur;
    couleur = numero;
    GroupeExclusif::Montrer(*groupe, numero);
    Nommer(change);
    update();
}

void PaletteCouleurs::Nommer(bool annoncer) {
    setAccessibleName(QStringLiteral("Palette : %1").arg(NomCouleurEcran(couleur)));
    if (annoncer && hasFocus()) plate.Annoncer(*this, QAccessible::NameChanged);
}

void PaletteCouleurs::DefinirTrames(bool actives, int echelle) {
    trames = actives;
    echelleTrames = echelle;
    Dessiner();
}

void PaletteCouleurs::Dessiner() {
    for (QPushButton* bouton : boutons) {
        const int cote = std::max(8, bouton->width() * 4 / 5);
        bouton->setIconSize(QSize(cote, cote));
        bouton->setIcon(Glyphe(groupe->id(bouton), cote, trames, echelleTrames));
    }
}

void PaletteCouleurs::resizeEvent(QResizeEvent* evenement) {
    QFrame::resizeEvent(evenement);
    Dessiner();
}

// With the keyboard, a frame round the colour chosen says where the keys act; Qt paints the
// palette again when the keyboard comes or goes.
void PaletteCouleurs::paintEvent(QPaintEvent* evenement) {
    QFrame::paintEvent(evenement);
    if (!hasFocus()) return;
    if (QPushButton* bouton = Bouton(couleur)) {
        QPainter p(this);
        p.setPen(QPen(QColor(255, 215, 0), 3));
        p.drawRect(bouton->geometry().adjusted(-2, -2, 1, 1));
    }
}

void PaletteCouleurs::keyPressEvent(QKeyEvent* evenement) {
    const int touche = evenement->key();
    int choisie = couleur;
    if (evenement->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
        QFrame::keyPressEvent(evenement);
        return;
    }
    if (touche == Qt::Key_Left || touche == Qt::Key_Up) {
        choisie = PaletteVoiliers::Voisine(couleur, -1);
    } else if (touche == Qt::Key_Right || touche == Qt::Key_Down) {
        choisie = PaletteVoiliers::Voisine(couleur, 1);
    } else if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        emit Retour();
        return;
    } else if (!evenement->text().isEmpty() && evenement->text().at(0).isLetter()) {
        choisie = PaletteVoiliers::ParLettre(couleur, evenement->text().at(0));
    } else {
        QFrame::keyPressEvent(evenement);
        return;
    }
    if (choisie == couleur) return;
    Choisir(choisie);
    emit CouleurChoisie(choisie);
}
