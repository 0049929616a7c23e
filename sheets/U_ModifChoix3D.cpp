// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_ModifChoix3D.h"

#include "core/Apparence.h"

#include <QLabel>
#include <QPainter>

namespace {

// A narrow cross-hatched bar between two panels.
class BarreHachuree : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(rect(), QBrush(Apparence::BleuTitre, Qt::DiagCrossPattern));
    }
};

} // namespace

TF_Choix3D::TF_Choix3D(Programme& programme, QWidget* parent)
    : DialogueTrois(programme, QStringLiteral("F_Choix3D"),
                    QStringLiteral("Choix du nombres de cases pour 3 exercices différents."),
                    QStringLiteral("Choix du nombre de cases pour 3 exercices différents"), {1, 1, 1},
                    parent) {
    const char* panneaux[] = {"Panel3", "Panel2", "Panel4"};
    const char* titres[] = {"Label6", "Label3", "Label5"};
    for (int i = 0; i < 3; ++i) {
        QFrame* panneau = Apparence::Panneau(this, QString::fromLatin1(panneaux[i]),
                                             QRect(70 + i * 230, 60, 200, 400), Apparence::FondFenetre);
        const QString titre = QStringLiteral("Jeu n° %1").arg(i + 1);
        QLabel* etiquette =
            Apparence::Etiquette(panneau, QString::fromLatin1(titres[i]), titre, QRect(0, 12, 200, 30),
                                 Apparence::Times(20, true), QColor(128, 0, 128));
        etiquette->setAlignment(Qt::AlignCenter);
        sections[size_t(i)] = new GroupeTailles(QStringLiteral("NbCasesJeu%1").arg(i + 1), panneau);
        sections[size_t(i)]->move(15, 56);
        sections[size_t(i)]->setAccessibleName(titre + QStringLiteral(", nombre de cases"));
    }
    for (int i = 0; i < 2; ++i) {
        auto* barre = new BarreHachuree(this);
        barre->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        barre->setGeometry(279 + i * 230, 60, 12, 400);
    }
    Apparence::BoutonsFin(
        *this, {QStringLiteral("bouton_valider"), QStringLiteral("&Valider"), QRect(240, 500, 150, 44)},
        {QStringLiteral("bouton_annuler"), QStringLiteral("&Annuler"), QRect(410, 500, 150, 44)},
        Apparence::Arial(18, true));
    Terminer();
}
