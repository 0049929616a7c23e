// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_ModifChoix3D.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/MobilierPleinEcran.h"
#include "sheets/GroupeTailles.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The sheets' topic: the help of the preferences says nothing of this window.
constexpr int ContexteFeuilles = 5;

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
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prog(programme) {
    setObjectName(QStringLiteral("F_Choix3D"));
    setWindowTitle(QStringLiteral("Choix du nombres de cases pour 3 exercices différents."));
    setAccessibleName(QStringLiteral("Choix du nombre de cases pour 3 exercices différents"));
    setModal(true);
    resize(800, 600);
    Apparence::Fond(*this);
    DefinirContexteAide(*this, ContexteFeuilles);
    mobilier = new MobilierPleinEcran(*this, prog, {});
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
        groupes[size_t(i)] = new GroupeTailles(QStringLiteral("NbCasesJeu%1").arg(i + 1), panneau);
        groupes[size_t(i)]->move(15, 56);
        groupes[size_t(i)]->setAccessibleName(titre + QStringLiteral(", nombre de cases"));
    }
    for (int i = 0; i < 2; ++i) {
        auto* barre = new BarreHachuree(this);
        barre->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        barre->setGeometry(279 + i * 230, 60, 12, 400);
    }
    QPushButton* valider =
        Apparence::Bouton(this, QStringLiteral("bouton_valider"), QStringLiteral("&Valider"),
                          QRect(240, 500, 150, 44), Apparence::Arial(18, true));
    QPushButton* annuler =
        Apparence::Bouton(this, QStringLiteral("bouton_annuler"), QStringLiteral("&Annuler"),
                          QRect(410, 500, 150, 44), Apparence::Arial(18, true));
    valider->setDefault(true);
    connect(valider, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    mobilier->MettreAEchelle();
}

bool TF_Choix3D::Choisir(std::array<quint8, 3>& tailles) {
    Preparer(tailles);
    if (exec() != QDialog::Accepted) return false;
    const std::array<quint8, 3> choisies = TaillesChoisies();
    if (choisies == tailles) return false;
    tailles = choisies;
    return true;
}

std::array<quint8, 3> TF_Choix3D::TaillesChoisies() const {
    return {groupes[0]->IndexChoisi(), groupes[1]->IndexChoisi(), groupes[2]->IndexChoisi()};
}

// The groups show the sizes in force, whatever was clicked the last time.
void TF_Choix3D::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous()) return;
    for (size_t i = 0; i < 3; ++i)
        groupes[i]->Selectionner(taillesAvant[i]);
    if (QAbstractButton* choix = groupes[0]->Groupe()->checkedButton()) choix->setFocus(Qt::OtherFocusReason);
}
