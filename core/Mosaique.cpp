// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Mosaique.h"

#include "core/LectureImage.h"

#include <QFileInfo>
#include <QPainter>

void Mosaique::Choisir(const QString& fichier, const QString& fichierParDefaut) {
    // Only an ordinary file is read: a pipe left at an image's name would hold the program.
    for (const QString& nom : {fichier, fichierParDefaut})
        if (!nom.isEmpty() && QFileInfo(nom).isFile() && Charger(nom)) return;
    fichierCharge.clear();
    image = QImage();
}

void Mosaique::Prevoir(const QString& fichier) {
    const QFileInfo info(fichier);
    if (imagePrevue.valid() || !info.isFile()) return;
    fichierPrevu = info.absoluteFilePath();
    datePrevue = info.lastModified();
    imagePrevue = std::async(std::launch::async, LireImage, fichierPrevu, QByteArrayLiteral("bmp"));
}

bool Mosaique::Charger(const QString& fichier) {
    const QFileInfo info(fichier);
    const QString chemin = info.absoluteFilePath();
    if (chemin == fichierCharge && info.lastModified() == dateChargee) return !EstVide();
    fichierCharge = chemin;
    dateChargee = info.lastModified();
    const bool prevue = imagePrevue.valid() && chemin == fichierPrevu && dateChargee == datePrevue;
    image = prevue ? imagePrevue.get() : LireImage(chemin, QByteArrayLiteral("bmp"));
    return !EstVide();
}

void Mosaique::Peindre(QPainter& peintre, int largeur, int hauteur) const {
    // A bitmap of zero width or height would never advance: it counts as missing.
    if (EstVide()) return;
    int x = 0, y = 0;
    while (y <= hauteur) {
        peintre.drawImage(x, y, image);
        x += image.width();
        if (x > largeur) {
            x = 0;
            y += image.height();
        }
    }
}
