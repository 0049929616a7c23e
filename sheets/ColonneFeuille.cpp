// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ColonneFeuille.h"

#include "core/Apparence.h"
#include "core/Libelles.h"

#include <QLabel>
#include <QPushButton>

ColonneFeuille::ColonneFeuille(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    Apparence::Fond(*this, QColor(192, 192, 192));
    resize(Largeur, 600);
    // A button of a group that is pressed stays lit; the keyboard's place is a blue frame.
    setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd, stop:1 #dedede);"
        " border: 1px solid #7a7a7a; border-radius: 4px; }"
        "QPushButton:pressed { background: #c8c8c8; }"
        "QPushButton:checked { background: #ffe680; border: 2px solid #4a3c00; }"
        "QPushButton:focus { border: 2px solid #1e50ff; }"));
}

QPushButton* ColonneFeuille::Bouton(const QString& nom, const QString& libelle, const QColor& encre,
                                    const QRect& position, const QString& nomAccessible, bool aCocher) {
    QPushButton* bouton = Apparence::Bouton(this, nom, libelle, position, Apparence::Times(15, true));
    bouton->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; } QPushButton:disabled { color: gray; }").arg(encre.name()));
    bouton->setCheckable(aCocher);
    bouton->setAccessibleName(nomAccessible.isEmpty() ? Libelles::NomAccessible(QString(libelle).replace(
                                                            QLatin1Char('\n'), QLatin1Char(' ')))
                                                      : nomAccessible);
    return bouton;
}

QLabel* ColonneFeuille::Etiquette(const QString& nom, const QString& texte, const QRect& position) {
    QLabel* etiquette =
        Apparence::Etiquette(this, nom, texte, position, Apparence::Times(12, true), QColor(0, 0, 128));
    etiquette->setWordWrap(true);
    etiquette->setAlignment(Qt::AlignCenter);
    etiquette->setAutoFillBackground(true);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    etiquette->setPalette(palette);
    return etiquette;
}

void ColonneFeuille::Placer(QSize fenetre) {
    setGeometry(fenetre.width() - width(), 0, width(), fenetre.height());
}
