// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/U_ModifChxJeu1.h"

#include "core/GroupeExclusif.h"
#include "core/MiseAEchelle.h"
#include "tables/Tableau.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

TF_ModifCh1::TF_ModifCh1(PlateForme& plate, const QString& enTeteJeu, QWidget* parent)
    : QDialog(parent), enTeteJeu(enTeteJeu), numeroJeu(new QLabel(this)),
      nbCasesJeu1(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("F_ModifCh1"));
    setWindowTitle(QStringLiteral("Choix du nombre de cases du tableau"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    setModal(true);
    resize(397, 279);

    numeroJeu->setObjectName(QStringLiteral("NumeroJeu"));
    numeroJeu->setGeometry(16, 10, 365, 30);
    numeroJeu->setAlignment(Qt::AlignCenter);
    QFont titre(QStringLiteral("Times New Roman"));
    titre.setPixelSize(19);
    titre.setBold(true);
    numeroJeu->setFont(titre);
    numeroJeu->setStyleSheet(QStringLiteral("color: purple;"));

    auto* groupe = new QGroupBox(QStringLiteral("Nombre de cases"), this);
    groupe->setObjectName(QStringLiteral("GroupeNbCasesJeu1"));
    groupe->setGeometry(40, 44, 317, 176);
    for (int item = 0; item < 7; ++item) {
        auto* choix = new QRadioButton(LibelleTaille(item + 1), groupe);
        choix->setObjectName(QStringLiteral("Taille%1").arg(item + 1));
        choix->setGeometry(item < 4 ? 16 : 168, 26 + (item % 4) * 36, 145, 28);
        nbCasesJeu1->addButton(choix, item);
    }
    GroupeExclusif::SurChoix(*nbCasesJeu1, [this](int item) { ChoisirTaille(item); });
    GroupeExclusif::FlechesDansLOrdre(*nbCasesJeu1);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->setGeometry(40, 232, 317, 36);
    boutons->setCenterButtons(true);
    boutons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn2"));
    boutons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BitBtn1"));
    // French whatever translations the machine has.
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    MettreAEchelle(*this, plate);
    setFixedSize(size());
}

std::optional<quint8> TF_ModifCh1::Choisir(int jeu, quint8 taille) {
    Preparer(jeu, taille);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return tailleChoisie;
}

void TF_ModifCh1::Preparer(int jeu, quint8 taille) {
    numJeu = jeu;
    tailleChoisie = taille;
}

void TF_ModifCh1::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormActivate();
}

void TF_ModifCh1::FormActivate() {
    numeroJeu->setText(numJeu >= 1 && numJeu <= 3 ? enTeteJeu.arg(numJeu) : QStringLiteral("Préparation"));
    GroupeExclusif::Montrer(*nbCasesJeu1, tailleChoisie - 1);
    if (QAbstractButton* choix = nbCasesJeu1->button(tailleChoisie - 1)) choix->setFocus();
}

void TF_ModifCh1::ChoisirTaille(int item) {
    tailleChoisie = static_cast<quint8>(item + 1);
}
