// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFile>
#include <QSize>
#include <QStringList>

// The shared libraries mapped into this process whose path holds `morceau`: what Qt loaded on
// its own (image plugins, the printing library) shows here and nowhere else.
inline QStringList BibliothequesChargees(const QString& morceau) {
    QFile carte(QStringLiteral("/proc/self/maps"));
    if (!carte.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QStringLiteral("(/proc/self/maps illisible)")};
    QStringList trouvees;
    for (const QByteArray& ligne : carte.readAll().split('\n')) {
        const qsizetype chemin = ligne.indexOf('/');
        if (chemin < 0) continue;
        const QString fichier = QString::fromLocal8Bit(ligne.mid(chemin));
        if (fichier.contains(morceau) && !trouvees.contains(fichier)) trouvees.append(fichier);
    }
    return trouvees;
}

// A plain 24-bit Windows bitmap written byte by byte: Qt's own writer would load every image
// plugin first, and the tests of reading want to see them loaded by nothing.
inline QByteArray Bitmap24(QSize taille, QColor couleur) {
    const int ligne = (taille.width() * 3 + 3) & ~3;
    QByteArray octets(54 + ligne * taille.height(), '\0');
    auto ecrire = [&octets](int position, quint32 valeur, int largeur) {
        for (int i = 0; i < largeur; ++i)
            octets[position + i] = char((valeur >> (8 * i)) & 0xff);
    };
    octets[0] = 'B', octets[1] = 'M';
    ecrire(2, quint32(octets.size()), 4);
    ecrire(10, 54, 4);
    ecrire(14, 40, 4);
    ecrire(18, quint32(taille.width()), 4);
    ecrire(22, quint32(taille.height()), 4);
    ecrire(26, 1, 2);
    ecrire(28, 24, 2);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x) {
            const int p = 54 + y * ligne + x * 3;
            octets[p] = char(couleur.blue()), octets[p + 1] = char(couleur.green()),
            octets[p + 2] = char(couleur.red());
        }
    return octets;
}
