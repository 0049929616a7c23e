// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/U_ModifChxJeu1.h"

#include "core/GroupeExclusif.h"
#include "core/MiseAEchelle.h"
#include "core/Programme.h"
#include "tables/Tableau.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

TF_ModifCh1::TF_ModifCh1(Programme& programme, QWidget* parent)
    : QDialog(parent), prog(programme), numeroJeu(new QLabel(this)), nbCasesJeu1(new QButtonGroup(this)) {
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
    GroupeExclusif::SurChoix(*nbCasesJeu1, [this](int item) { NbCasesJeu1Click(item); });

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->setGeometry(40, 232, 317, 36);
    boutons->setCenterButtons(true);
    boutons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn2"));
    boutons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BitBtn1"));
    // French whatever translations the machine has.
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &TF_ModifCh1::reject);

    MettreAEchelle(*this, prog.Plate());
    setFixedSize(size());
}

quint8& TF_ModifCh1::TailleCourante() {
    return prog.Prefs.TailleJeu(numJeu);
}

void TF_ModifCh1::Choisir(int jeu) {
    Preparer(jeu);
    exec();
}

void TF_ModifCh1::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    FormActivate();
}

void TF_ModifCh1::FormActivate() {
    const quint8 taille = TailleCourante();
    numeroJeu->setText(numJeu >= 1 && numJeu <= 3 ? prog.Profil().EnTeteJeu.arg(numJeu)
                                                  : QStringLiteral("Préparation"));
    GroupeExclusif::Montrer(*nbCasesJeu1, taille - 1);
    if (QAbstractButton* choix = nbCasesJeu1->button(taille - 1)) choix->setFocus();
    TailleAvant = taille;
}

void TF_ModifCh1::NbCasesJeu1Click(int item) {
    TailleCourante() = static_cast<quint8>(item + 1);
}

void TF_ModifCh1::reject() {
    TailleCourante() = TailleAvant;
    QDialog::reject();
}
