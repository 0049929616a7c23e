// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Apparence.h"

#include "core/Libelles.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace Apparence {

namespace {

// The first family of the list the font database holds, or the first one when none: the
// desktop's configuration then finds its substitute as it would have.
QString PremiereInstallee(const QStringList& familles) {
    const QStringList installees = QFontDatabase::families();
    for (const QString& famille : familles)
        if (installees.contains(famille, Qt::CaseInsensitive)) return famille;
    return familles.first();
}

} // namespace

const QString& FamilleArial() {
    static const QString famille = PremiereInstallee(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    return famille;
}

const QString& FamilleTimes() {
    static const QString famille = PremiereInstallee(
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    return famille;
}

QFont ArialDuBureau(QFont police) {
    constexpr double RapportDesHauteursDX = 1.05;
    police.setFamily(FamilleArial());
    if (police.pointSizeF() > 0)
        police.setPointSizeF(police.pointSizeF() * RapportDesHauteursDX);
    else
        police.setPixelSize(qRound(police.pixelSize() * RapportDesHauteursDX));
    return police;
}

QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& position,
                  const QFont& police, const QColor& encre) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(nom);
    etiquette->setTextFormat(Qt::PlainText);
    etiquette->setGeometry(position);
    etiquette->setFont(police);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, encre);
    etiquette->setPalette(palette);
    return etiquette;
}

QPushButton* Bouton(QWidget* parent, const QString& nom, const QString& libelle, const QRect& position,
                    const QFont& police) {
    auto* bouton = new QPushButton(libelle, parent);
    bouton->setObjectName(nom);
    bouton->setGeometry(position);
    bouton->setFont(police);
    bouton->setAccessibleName(Libelles::NomAccessible(libelle));
    bouton->setAutoDefault(false);
    return bouton;
}

std::pair<QPushButton*, QPushButton*> BoutonsFin(QDialog& dialogue, const BoutonFin& garder,
                                                 const BoutonFin& renoncer, const QFont& police) {
    QPushButton* oui = Bouton(&dialogue, garder.Nom, garder.Libelle, garder.Position, police);
    QPushButton* non = Bouton(&dialogue, renoncer.Nom, renoncer.Libelle, renoncer.Position, police);
    oui->setDefault(true);
    QObject::connect(oui, &QPushButton::clicked, &dialogue, &QDialog::accept);
    QObject::connect(non, &QPushButton::clicked, &dialogue, &QDialog::reject);
    QWidget::setTabOrder(oui, non);
    return {oui, non};
}

QPushButton* BoutonExercice(QWidget* parent, const QString& nom, const QString& libelle,
                            const QRect& position) {
    QPushButton* bouton = Bouton(parent, nom, libelle, position, Arial(19, true));
    bouton->setStyleSheet(QStringLiteral("QPushButton { color: %1; } QPushButton:disabled { color: gray; }")
                              .arg(Marron.name()));
    return bouton;
}

QFrame* Panneau(QWidget* parent, const QString& nom, const QRect& position, const QColor& fond) {
    auto* panneau = new QFrame(parent);
    panneau->setObjectName(nom);
    panneau->setGeometry(position);
    panneau->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Fond(*panneau, fond);
    return panneau;
}

void Fond(QWidget& fenetre, const QColor& couleur) {
    QPalette palette = fenetre.palette();
    palette.setColor(QPalette::Window, couleur);
    fenetre.setPalette(palette);
    fenetre.setAutoFillBackground(true);
}

} // namespace Apparence
