// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_Serie.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/DialogueFixe.h"
#include "core/GroupeExclusif.h"
#include "core/Libelles.h"
#include "core/PlateForme.h"
#include "sheets/ChampNombre.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

constexpr int ContexteFeuilles = 5;

QString Pages(int nombre) {
    return nombre == 1 ? QStringLiteral("1 page sera imprimée.")
                       : QStringLiteral("%1 pages seront imprimées.").arg(nombre);
}

const QString Bornes =
    QStringLiteral("de %1 à %2 feuilles").arg(ChoixSerie::NombreMin).arg(ChoixSerie::NombreMax);

} // namespace

TF_Serie::TF_Serie(PlateForme& plate, QWidget* parent) : DialogueActive(parent), plate(plate) {
    DialogueFixe::Ouvrir(*this, QStringLiteral("F_Serie"), QStringLiteral("Corrigé et série de feuilles"),
                         QSize(520, 330));
    setFont(Apparence::Arial(15, false));
    DefinirContexteAide(*this, ContexteFeuilles);
    QLabel* explication = Apparence::Etiquette(
        this, QStringLiteral("Label1"),
        QStringLiteral("Le corrigé reprend les tableaux de la feuille affichée, toutes les cases remplies. "
                       "Une série donne à chaque élève des tableaux différents, dans un seul travail "
                       "d'impression."),
        QRect(20, 12, 480, 64), Apparence::Arial(14, false), QColor(64, 74, 96));
    explication->setWordWrap(true);
    const QString corrige = QStringLiteral("Le &corrigé de la feuille affichée");
    const QString serie = QStringLiteral("Une &série de feuilles toutes différentes");
    choixCorrige = new QRadioButton(corrige, this);
    choixCorrige->setObjectName(QStringLiteral("ChoixCorrige"));
    choixCorrige->setGeometry(20, 84, 480, 28);
    choixCorrige->setAccessibleName(Libelles::NomAccessible(corrige));
    choixSerie = new QRadioButton(serie, this);
    choixSerie->setObjectName(QStringLiteral("ChoixSerie"));
    choixSerie->setGeometry(20, 118, 480, 28);
    choixSerie->setAccessibleName(Libelles::NomAccessible(serie));
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(choixCorrige);
    groupe->addButton(choixSerie);
    choixSerie->setChecked(true);
    const QString nombre = QStringLiteral("&Nombre de feuilles :");
    QLabel* etiquette = Apparence::Etiquette(this, QStringLiteral("LabelNombre"), nombre,
                                             QRect(50, 156, 220, 30), Apparence::Arial(15, false), Qt::black);
    nombreFeuilles = new ChampNombre(ChoixSerie::NombreMin, ChoixSerie::NombreMax, this);
    nombreFeuilles->setObjectName(QStringLiteral("NombreFeuilles"));
    nombreFeuilles->setGeometry(280, 156, 90, 30);
    nombreFeuilles->setValue(ChoixSerie().NombreFeuilles);
    nombreFeuilles->setAccessibleName(Libelles::NomAccessible(nombre));
    etiquette->setBuddy(nombreFeuilles);
    const QString cles = QStringLiteral("Chaque feuille suivie de son c&orrigé");
    avecCorriges = new QCheckBox(cles, this);
    avecCorriges->setObjectName(QStringLiteral("AvecCorriges"));
    avecCorriges->setGeometry(50, 194, 450, 28);
    avecCorriges->setChecked(ChoixSerie().AvecCorriges);
    avecCorriges->setAccessibleName(Libelles::NomAccessible(cles));
    resume = Apparence::Etiquette(this, QStringLiteral("Resume"), QString(), QRect(20, 234, 480, 26),
                                  Apparence::Arial(15, true));
    QPushButton* imprimer =
        Apparence::BoutonsFin(
            *this,
            {QStringLiteral("BoutonImprimer"), QStringLiteral("&Imprimer..."), QRect(220, 276, 140, 38)},
            {QStringLiteral("BoutonAnnuler"), QStringLiteral("&Annuler"), QRect(370, 276, 130, 38)})
            .first;
    // Clicked, it leaves the keyboard in the number, which accept() then checks.
    imprimer->setFocusPolicy(Qt::TabFocus);
    GroupeExclusif::SurChoix(*groupe, [this](int) { Actualiser(); });
    connect(nombreFeuilles, &QSpinBox::textChanged, this, [this] {
        nombreCorrige = false;
        Actualiser();
    });
    connect(nombreFeuilles, &ChampNombre::Corrige, this, &TF_Serie::Corrige);
    connect(avecCorriges, &QCheckBox::toggled, this, &TF_Serie::Actualiser);
    Actualiser();
    DialogueFixe::Terminer(*this, plate);
}

ChoixSerie TF_Serie::Choix() const {
    return {choixCorrige->isChecked() ? ChoixSerie::Genre::Corrige : ChoixSerie::Genre::Serie,
            nombreFeuilles->value(), avecCorriges->isChecked()};
}

std::optional<ChoixSerie> TF_Serie::Choisir() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Choix();
}

// The number and the keys belong to a class set only; the summary says what will come out.
void TF_Serie::Actualiser() {
    const bool serie = choixSerie->isChecked();
    nombreFeuilles->setEnabled(serie);
    avecCorriges->setEnabled(serie);
    // The summary never names a number of pages the field does not show.
    QString texte = Pages(Choix().NombrePages());
    if (serie && !nombreFeuilles->Lu())
        texte = QStringLiteral("Le nombre de feuilles va %1.").arg(Bornes);
    else if (serie && nombreCorrige)
        texte = QStringLiteral("Nombre corrigé (%1) : %2").arg(Bornes, texte);
    if (texte == resume->text()) return;
    resume->setText(texte);
    resume->setAccessibleName(texte);
    plate.Annoncer(*resume, QAccessible::NameChanged);
}

void TF_Serie::Corrige() {
    nombreCorrige = true;
    Actualiser();
}

void TF_Serie::accept() {
    if (choixSerie->isChecked() && !nombreFeuilles->Corriger()) {
        nombreFeuilles->setFocus(Qt::OtherFocusReason);
        nombreFeuilles->selectAll();
        return;
    }
    QDialog::accept();
}

void TF_Serie::FormActivate() {
    (choixSerie->isChecked() ? choixSerie : choixCorrige)->setFocus(Qt::OtherFocusReason);
    move(plate.GeometrieEcran().center() - rect().center());
}
