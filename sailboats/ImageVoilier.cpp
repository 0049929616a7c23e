#include "sailboats/ImageVoilier.h"

#include <QMouseEvent>
#include <QPainter>

ImageVoilier::ImageVoilier(QWidget* parent) : QWidget(parent), bitmap(TailleBitmapMin, QImage::Format_RGB32) {
    bitmap.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VoilierEcran ImageVoilier::Dessin(int marge) {
    // A hidden control gets its resize event only when shown: the windows draw before.
    Agrandir(size());
    update();
    return VoilierEcran(bitmap, size(), marge);
}

void ImageVoilier::paintEvent(QPaintEvent* evenement) {
    QPainter p(this);
    p.drawImage(evenement->rect(), bitmap, evenement->rect());
}

void ImageVoilier::resizeEvent(QResizeEvent* evenement) {
    Agrandir(evenement->size());
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

void ImageVoilier::mousePressEvent(QMouseEvent* evenement) {
    emit Appui(evenement->position().toPoint(), evenement->button());
}

void ImageVoilier::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()))
        emit Clic();
}
