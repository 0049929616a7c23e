// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LectureImage.h"

#include <QImageReader>

QImage LireImage(const QString& chemin, const QByteArray& format) {
    QImageReader lecteur(chemin, format);
    lecteur.setAutoDetectImageFormat(false);
    QImage image = lecteur.read();
    if (!image.isNull() || lecteur.error() == QImageReader::FileNotFoundError) return image;
    QImageReader parSonContenu(chemin);
    parSonContenu.setDecideFormatFromContent(true);
    return parSonContenu.read();
}
