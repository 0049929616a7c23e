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
}

QPushButton* ColonneFeuille::Bouton(const QString& nom, const QString& libelle, const QColor& encre,
                                    const QRect& position, const QString& nomAccessible, bool aCocher) {
    QPushButton* bouton = Apparence::Bouton(this, nom, libelle, position, Apparence::Times(15, true));
    QPalette palette = bouton->palette();
    palette.setColor(QPalette::ButtonText, encre);
    bouton->setPalette(palette);
    bouton->setCheckable(aCocher);
    bouton->setAccessibleName(nomAccessible.isEmpty() ? Libelles::NomAccessible(QString(libelle).replace(
                                                            QLatin1Char('\n'), QLatin1Char(' ')))
                                                      : nomAccessible);
    return bouton;
}

QLabel* ColonneFeuille::Etiquette(const QString& nom, const QString& texte, const QRect& position) {
    QLabel* etiquette =
        Apparence::Etiquette(this, nom, texte, position, Apparence::Times(14, true), QColor(0, 0, 128));
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
