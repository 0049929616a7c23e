// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Unit_choix_imp_ind.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/DialogueFixe.h"
#include "core/Libelles.h"
#include "core/PlateForme.h"
#include "results/BilansIndividuels.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize TailleFenetre(480, 372);

using Apparence::Arial;

QListWidget* NouvelleListe(QWidget* parent, const char* nom, QLabel* titre, const QRect& position) {
    auto* liste = new QListWidget(parent);
    liste->setObjectName(QLatin1String(nom));
    liste->setGeometry(position);
    liste->setFont(Arial(15, false));
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setAccessibleName(Libelles::NomAccessible(titre->text()));
    titre->setBuddy(liste);
    return liste;
}

} // namespace

TF_choix_imp_ind::TF_choix_imp_ind(PlateForme& plate, QWidget* parent) : QDialog(parent), plate(plate) {
    DialogueFixe::Ouvrir(*this, QStringLiteral("F_choix_imp_ind"),
                         QStringLiteral("Impression des bilans individuels"), TailleFenetre);
    DefinirSujetAide(*this, QStringLiteral("Bilans"));

    QLabel* label1 = Apparence::Etiquette(this, QStringLiteral("Label1"), QStringLiteral("&Classes"),
                                          QRect(16, 12, 200, 24));
    listBox3 = NouvelleListe(this, "ListBox3", label1, QRect(16, 38, 200, 224));
    QLabel* label3 = Apparence::Etiquette(this, QStringLiteral("Label3"), QStringLiteral("&Elèves"),
                                          QRect(232, 12, 232, 24));
    listBox1 = NouvelleListe(this, "ListBox1", label3, QRect(232, 38, 232, 224));
    label2 = Apparence::Etiquette(this, QStringLiteral("Label2"), QString(), QRect(16, 270, 448, 44),
                                  Arial(14, true), QColor(160, 0, 0));
    label2->setWordWrap(true);
    boutonValider = Apparence::Bouton(this, QStringLiteral("Bouton_Quitter"), QStringLiteral("&Valider"),
                                      QRect(324, 320, 140, 38));

    connect(listBox3, &QListWidget::itemSelectionChanged, this, &TF_choix_imp_ind::ChoisirClasse);
    connect(listBox1, &QListWidget::itemSelectionChanged, this, &TF_choix_imp_ind::ChoisirEleve);
    // Enter on a class goes on to its first pupil; Enter or a double click on a pupil opens the file.
    connect(listBox3, &QListWidget::itemActivated, this, [this] {
        if (listBox1->count() == 0) return;
        listBox1->setFocus(Qt::TabFocusReason);
        listBox1->setCurrentRow(0);
    });
    connect(listBox1, &QListWidget::itemActivated, this, [this] {
        ChoisirEleve();
        Valider();
    });
    connect(boutonValider, &QPushButton::clicked, this, &TF_choix_imp_ind::Valider);

    DialogueFixe::Terminer(*this, plate);
}

std::optional<TexteAOuvrir> TF_choix_imp_ind::Choisir(const QString& dossierBilans) {
    Preparer(dossierBilans);
    fichier.clear();
    if (exec() != QDialog::Accepted || fichier.isEmpty()) return std::nullopt;
    return TexteAOuvrir::Bilan(fichier);
}

void TF_choix_imp_ind::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous()) FormActivate();
}

// Each showing starts from the folder as it is now.
void TF_choix_imp_ind::FormActivate() {
    Message(QString());
    const QSignalBlocker bloqueClasses(listBox3), bloqueEleves(listBox1);
    listBox3->clear();
    listBox1->clear();
    classeChoisie.clear();
    const QStringList classes = BilansIndividuels::Classes(dossier);
    for (const QString& classe : classes) {
        auto* entree = new QListWidgetItem(classe, listBox3);
        entree->setData(Qt::UserRole, classe);
    }
    sansClasse = classes.isEmpty();
    if (!sansClasse) {
        auto* individuels = new QListWidgetItem(BilansIndividuels::EntreeIndividuels, listBox3);
        individuels->setData(Qt::UserRole, BilansIndividuels::ClasseIndividuelle);
        listBox3->setFocus(Qt::OtherFocusReason);
        return;
    }
    classeChoisie = BilansIndividuels::ClasseIndividuelle;
    ListerEleves();
    if (listBox1->count() > 0)
        listBox1->setFocus(Qt::OtherFocusReason);
    else
        boutonValider->setFocus(Qt::OtherFocusReason);
}

void TF_choix_imp_ind::ListerEleves() {
    const QStringList eleves = BilansIndividuels::Eleves(dossier, classeChoisie);
    listBox1->addItems(eleves);
    if (!eleves.isEmpty())
        Message(QString());
    else
        Message(sansClasse ? QStringLiteral("Il n'y a pas de bilans individuels.")
                           : QStringLiteral("Il n'y a pas de bilans individuels pour cette classe."));
}

// Another class forgets the pupil chosen in the one before.
void TF_choix_imp_ind::ChoisirClasse() {
    classeChoisie.clear();
    fichier.clear();
    {
        const QSignalBlocker bloque(listBox1);
        listBox1->clear();
    }
    const QList<QListWidgetItem*> choisies = listBox3->selectedItems();
    if (choisies.isEmpty()) {
        Message(QString());
        return;
    }
    classeChoisie = choisies.first()->data(Qt::UserRole).toString();
    ListerEleves();
}

void TF_choix_imp_ind::ChoisirEleve() {
    const QList<QListWidgetItem*> choisis = listBox1->selectedItems();
    if (choisis.isEmpty()) return;
    fichier = BilansIndividuels::NomFichier(classeChoisie, choisis.first()->text());
}

void TF_choix_imp_ind::Valider() {
    const QSignalBlocker bloque(listBox1);
    listBox1->clear();
    accept();
}

void TF_choix_imp_ind::reject() {
    fichier.clear();
    const QSignalBlocker bloque(listBox1);
    listBox1->clear();
    QDialog::reject();
}

void TF_choix_imp_ind::Message(const QString& texte) {
    if (label2->text() == texte) return;
    label2->setText(texte);
    if (!texte.isEmpty()) plate.Annoncer(*label2, QAccessible::NameChanged);
}
