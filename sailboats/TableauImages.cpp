// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/TableauImages.h"

#include "core/PlateForme.h"
#include "sailboats/ImageVoilier.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// The keyboard's frame: black and yellow, wide enough to be seen on every colour and on the
// silver around the boats, and no obstacle for the mouse.
class CadreFocus : public QWidget {
  public:
    explicit CadreFocus(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("CadreClavier"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int e = std::max(3, width() / 25);
        p.setPen(Qt::NoPen);
        const QRegion exterieur(rect()), milieu(rect().adjusted(e, e, -e, -e)),
            interieur(rect().adjusted(2 * e, 2 * e, -2 * e, -2 * e));
        p.setClipRegion(exterieur.subtracted(milieu));
        p.fillRect(rect(), Qt::black);
        p.setClipRegion(milieu.subtracted(interieur));
        p.fillRect(rect(), QColor(255, 215, 0));
    }
};

Direction DirectionDe(int touche) {
    switch (touche) {
    case Qt::Key_Left:
        return Direction::Gauche;
    case Qt::Key_Right:
        return Direction::Droite;
    case Qt::Key_Up:
        return Direction::Haut;
    default:
        return Direction::Bas;
    }
}

} // namespace

TableauImages::TableauImages(PlateForme& plateForme, QWidget* parent) : QFrame(parent), plate(plateForme) {
    setObjectName(QStringLiteral("PanelExercice"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(216, 208, 200));
    setPalette(palette);
    for (int r = 0; r <= TableauVoiliers::LignesMax; ++r)
        for (int c = 0; c <= TableauVoiliers::ColonnesMax; ++c) {
            if (r == 0 && c == 0) continue;
            auto* image = new ImageVoilier(this);
            image->setObjectName(r == 0   ? QStringLiteral("IH%1").arg(c)
                                 : c == 0 ? QStringLiteral("IV%1").arg(r)
                                          : QStringLiteral("IJ%1%2").arg(r).arg(c));
            image->Etiquette = r == 0 ? c : c == 0 ? r : 10 * r + c;
            image->setFocusPolicy(Qt::NoFocus);
            image->hide();
            images[r][c] = image;
        }
    cadreFocus = new CadreFocus(this);
}

ImageVoilier* TableauImages::Image(QPoint p) const {
    if (p.x() < 0 || p.y() < 0 || p.x() > TableauVoiliers::ColonnesMax || p.y() > TableauVoiliers::LignesMax)
        return nullptr;
    return images[p.y()][p.x()];
}

QList<ImageVoilier*> TableauImages::Images() const {
    QList<ImageVoilier*> liste;
    for (int r = 0; r <= g.Lignes; ++r)
        for (int c = 0; c <= g.Colonnes; ++c)
            if (images[r][c]) liste.append(images[r][c]);
    return liste;
}

void TableauImages::Disposer(const GeometrieVoiliers& geometrie) {
    g = geometrie;
    resize(g.Panneau());
    for (int r = 0; r <= TableauVoiliers::LignesMax; ++r)
        for (int c = 0; c <= TableauVoiliers::ColonnesMax; ++c) {
            ImageVoilier* image = images[r][c];
            if (!image) continue;
            const bool montree = r <= g.Lignes && c <= g.Colonnes;
            // One pixel short at the right and at the foot: the table's lines show there.
            if (montree) image->setGeometry(g.Case(r, c).adjusted(0, 0, -1, -1));
            image->setVisible(montree);
        }
    // The frame stays where the pupil left it when the table keeps room for it.
    PlacerCadre(cadre.x() <= g.Colonnes && cadre.y() <= g.Lignes ? cadre : QPoint(1, 1));
}

void TableauImages::DefinirTrames(bool actives, int echelle) {
    for (const auto& rangee : images)
        for (ImageVoilier* image : rangee)
            if (image) image->DefinirTrames(actives, echelle);
}

void TableauImages::PlacerCadre(QPoint position) {
    if (!Image(position) || position.x() > g.Colonnes || position.y() > g.Lignes) return;
    cadre = position;
    const int e = std::max(2, g.Marge);
    cadreFocus->setGeometry(g.Case(cadre.y(), cadre.x()).adjusted(-e, -e, e, e));
    cadreFocus->raise();
    NommerCommeLeCadre(false);
}

void TableauImages::NommerCommeLeCadre(bool annoncer) {
    if (ImageVoilier* image = Image(cadre)) setAccessibleName(image->accessibleName());
    if (annoncer && hasFocus()) plate.Annoncer(*this, QAccessible::NameChanged);
}

// A line round every picture, so that pupils see the cells of an empty table.
void TableauImages::paintEvent(QPaintEvent* evenement) {
    QFrame::paintEvent(evenement);
    QPainter p(this);
    p.setPen(QColor(96, 96, 96));
    for (ImageVoilier* image : Images())
        p.drawRect(image->geometry().adjusted(-1, -1, 0, 0));
}

void TableauImages::keyPressEvent(QKeyEvent* evenement) {
    const int touche = evenement->key();
    if (evenement->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
        QFrame::keyPressEvent(evenement);
        return;
    }
    switch (touche) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        PlacerCadre(g.Voisine(cadre, DirectionDe(touche)));
        NommerCommeLeCadre(true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit ToucheJouee(cadre, touche);
        return;
    default:
        if (touche >= Qt::Key_A && touche <= Qt::Key_Z) {
            emit ToucheJouee(cadre, touche);
            return;
        }
        QFrame::keyPressEvent(evenement);
    }
}

void TableauImages::focusInEvent(QFocusEvent* evenement) {
    QFrame::focusInEvent(evenement);
    cadreFocus->show();
    cadreFocus->raise();
    NommerCommeLeCadre(false);
}

void TableauImages::focusOutEvent(QFocusEvent* evenement) {
    QFrame::focusOutEvent(evenement);
    cadreFocus->hide();
}
