// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/BarreScore.h"

#include "sailboats/PartieRemplir.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

// The bar as a screen reader presents it: a progress bar whose value is the count of answers,
// named with it ("Bonnes réponses : 5 sur 12").
class AccesBarreScore : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccesBarreScore(BarreScore* barre) : QAccessibleWidget(barre, QAccessible::ProgressBar) {}

    BarreScore* Barre() const { return static_cast<BarreScore*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return Barre()->Valeur(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return Barre()->Total(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* Acces(const QString&, QObject* objet) {
    if (auto* barre = qobject_cast<BarreScore*>(objet)) return new AccesBarreScore(barre);
    return nullptr;
}

} // namespace

BarreScore::BarreScore(const QString& titre, const QColor& couleur, QWidget* parent)
    : QWidget(parent), titre(titre), couleur(couleur) {
    static const bool installe = (QAccessible::installFactory(&Acces), true);
    Q_UNUSED(installe);
    Nommer();
}

void BarreScore::Definir(int hauteur, int nombre) {
    hauteurPanneau = hauteur;
    total = nombre;
    valeur = 0;
    resize(width(), hauteurPanneau + 2 * Bord);
    Nommer();
    update();
}

void BarreScore::Afficher(int n) {
    valeur = n;
    Nommer();
    update();
}

void BarreScore::Nommer() {
    setAccessibleName(QStringLiteral("%1 : %2 sur %3").arg(titre).arg(valeur).arg(total));
}

int BarreScore::Graduation(int k) const {
    return Bord + hauteurPanneau - k * Pas();
}

QRect BarreScore::Barre() const {
    const int hauteur = PartieRemplir::HauteurBarre(hauteurPanneau, total, valeur);
    const int gauche = LargeurGraduations() + Bord;
    return QRect(gauche, Pied() - hauteur, width() - gauche - Bord, hauteur);
}

void BarreScore::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int gauche = LargeurGraduations();
    const QRect panneau(gauche, 0, width() - gauche, height());
    p.fillRect(panneau, Qt::white);
    // The sunken edge: dark above and at the left, light below and at the right.
    p.setPen(QPen(Qt::darkGray, Bord));
    p.drawLine(panneau.topLeft() + QPoint(1, 1), panneau.topRight() + QPoint(0, 1));
    p.drawLine(panneau.topLeft() + QPoint(1, 1), panneau.bottomLeft() + QPoint(1, 0));
    p.setPen(QPen(QColor(224, 224, 224), Bord));
    p.drawLine(panneau.bottomLeft() + QPoint(1, -1), panneau.bottomRight() + QPoint(0, -1));
    p.drawLine(panneau.topRight() + QPoint(-1, 1), panneau.bottomRight() + QPoint(-1, 0));
    p.fillRect(Barre(), couleur);
    // One graduation a step, a longer one every five.
    p.setPen(QPen(Qt::black, 1));
    for (int k = 0; k <= total; ++k) {
        const int y = Graduation(k);
        const int longueur = k % 5 == 0 ? gauche - 1 : gauche / 2;
        p.drawLine(gauche - longueur, y, gauche - 1, y);
    }
}
