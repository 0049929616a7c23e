// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/ZoneReponse.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr int LargeurCurseur = 8;
}

class ZoneReponse::Curseur : public QWidget {
  public:
    Curseur(ZoneReponse& zone, QWidget* parent) : QWidget(parent), zone(zone) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        peintre.setPen(QPen(zone.couleurCurseur, 2));
        peintre.drawLine(2, 10, 2, height() - 10);
    }

  private:
    ZoneReponse& zone;
};

ZoneReponse::ZoneReponse(QWidget* parent)
    : QFrame(parent), pIntReponse(new QFrame(this)), fenetreReponse(new QLabel(pIntReponse)),
      paintBox2(new Curseur(*this, pIntReponse)) {
    setObjectName(QStringLiteral("PReponse"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    pIntReponse->setObjectName(QStringLiteral("PIntReponse"));
    pIntReponse->setFrameShape(QFrame::Panel);
    pIntReponse->setFrameShadow(QFrame::Sunken);
    pIntReponse->setAutoFillBackground(true);
    pIntReponse->setStyleSheet(QStringLiteral("QFrame#PIntReponse { background: white; }"));
    fenetreReponse->setObjectName(QStringLiteral("FenetreReponse"));
    fenetreReponse->setAlignment(Qt::AlignCenter);
    fenetreReponse->setAccessibleName(QStringLiteral("Réponse tapée"));
    paintBox2->setObjectName(QStringLiteral("PaintBox2"));
    setFocusPolicy(Qt::NoFocus);
}

void ZoneReponse::Dimensionner(int tailleCase, int marge) {
    resize(tailleCase, tailleCase);
    const int cote = std::max(1, tailleCase - 2 * marge);
    pIntReponse->setGeometry(marge, marge, cote, cote);
    const int curseur = std::min(LargeurCurseur, cote / 3);
    fenetreReponse->setGeometry(2, 2, std::max(1, cote - curseur - 4), std::max(1, cote - 4));
    paintBox2->setGeometry(cote - curseur - 2, 2, curseur, std::max(1, cote - 4));
}

int ZoneReponse::LargeurTexte() const {
    return fenetreReponse->width();
}

void ZoneReponse::AfficherTexte(const QString& texte, const QColor& encre) {
    fenetreReponse->setText(texte);
    fenetreReponse->setStyleSheet(QStringLiteral("color: %1; background: white;").arg(encre.name()));
}

void ZoneReponse::ChoisirPolice(const QFont& police) {
    fenetreReponse->setFont(police);
}

void ZoneReponse::MontrerCurseur(bool visible) {
    paintBox2->setVisible(visible);
}

void ZoneReponse::FaireClignoter() {
    couleurCurseur = couleurCurseur == QColor(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    paintBox2->update();
}
