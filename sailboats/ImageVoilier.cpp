// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/ImageVoilier.h"

#include "sailboats/TramesEcran.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The picture as a screen reader presents it: a button when it can be acted on, a picture
// otherwise, named by whoever placed it, with its actions.
class AccesImageVoilier : public QAccessibleWidget {
  public:
    explicit AccesImageVoilier(ImageVoilier* image)
        : QAccessibleWidget(image, image->Actions().isEmpty() ? QAccessible::Graphic : QAccessible::Button) {}

    ImageVoilier* Image() const { return static_cast<ImageVoilier*>(widget()); }

    QAccessible::Role role() const override {
        return Image()->Actions().isEmpty() ? QAccessible::Graphic : QAccessible::Button;
    }
    QStringList actionNames() const override {
        QStringList noms;
        for (const ImageVoilier::Action& action : Image()->Actions())
            noms << (action.Nom.isEmpty() ? pressAction() : action.Nom);
        return noms;
    }
    QString localizedActionName(const QString& nom) const override {
        return nom == pressAction() ? QStringLiteral("Appuyer") : nom;
    }
    QString localizedActionDescription(const QString& nom) const override {
        for (const ImageVoilier::Action& action : Image()->Actions())
            if (action.Nom == nom && !action.Description.isEmpty()) return action.Description;
        return QAccessibleWidget::localizedActionDescription(nom);
    }
    void doAction(const QString& nom) override {
        const QStringList noms = actionNames();
        if (const qsizetype i = noms.indexOf(nom); i >= 0) Image()->Agir(static_cast<int>(i));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* Acces(const QString&, QObject* objet) {
    if (auto* image = qobject_cast<ImageVoilier*>(objet)) return new AccesImageVoilier(image);
    return nullptr;
}

} // namespace

ImageVoilier::ImageVoilier(QWidget* parent) : QWidget(parent), bitmap(TailleBitmapMin, QImage::Format_RGB32) {
    static const bool installe = (QAccessible::installFactory(&Acces), true);
    Q_UNUSED(installe);
    bitmap.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VoilierEcran ImageVoilier::Dessin(int marge) {
    // A hidden control gets its resize event only when shown: the windows draw before.
    Agrandir(size());
    tramee = QImage();
    update();
    return VoilierEcran(bitmap, size(), marge);
}

void ImageVoilier::DefinirTrames(bool actives, int echelle) {
    if (actives == trames && echelle == echelleTrames) return;
    trames = actives;
    echelleTrames = echelle;
    tramee = QImage();
    update();
}

QImage ImageVoilier::ImageMontree() const {
    const QRect zone = rect().intersected(bitmap.rect());
    if (!trames) return bitmap.copy(zone);
    if (tramee.isNull() || tramee.size() != zone.size())
        tramee = TramesEcran(echelleTrames).Tramer(bitmap, zone);
    return tramee;
}

void ImageVoilier::paintEvent(QPaintEvent* evenement) {
    QPainter p(this);
    if (trames)
        p.drawImage(evenement->rect(), ImageMontree(), evenement->rect());
    else
        p.drawImage(evenement->rect(), bitmap, evenement->rect());
}

void ImageVoilier::resizeEvent(QResizeEvent* evenement) {
    Agrandir(evenement->size());
    tramee = QImage();
    QWidget::resizeEvent(evenement);
}

// A larger control gets a larger bitmap, the drawing kept and the new part white like a fresh
// bitmap; a smaller one keeps the bitmap as it is.
void ImageVoilier::Agrandir(QSize taille) {
    const QSize voulue = bitmap.size().expandedTo(taille);
    if (voulue == bitmap.size()) return;
    QImage agrandie(voulue, QImage::Format_RGB32);
    agrandie.fill(Qt::white);
    QPainter(&agrandie).drawImage(0, 0, bitmap);
    bitmap = agrandie;
}

void ImageVoilier::Agir(int i) {
    if (!isEnabled() || i < 0 || i >= actions.size()) return;
    emit Appui(actions[i].Point, Qt::LeftButton);
    emit Clic();
}

void ImageVoilier::mousePressEvent(QMouseEvent* evenement) {
    emit Appui(evenement->position().toPoint(), evenement->button());
}

void ImageVoilier::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()))
        emit Clic();
}
