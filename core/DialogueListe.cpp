// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DialogueListe.h"

#include "core/Apparence.h"
#include "core/DialogueFixe.h"
#include "core/Libelles.h"
#include "core/PlateForme.h"

#include <QLabel>
#include <QListWidget>
#include <QShowEvent>

DialogueListe::DialogueListe(PlateForme& plate, const QString& nom, const QString& titre, QSize taille,
                             QWidget* parent)
    : DialogueActive(parent), plate(plate) {
    DialogueFixe::Ouvrir(*this, nom, titre, taille);
}

void DialogueListe::Terminer() {
    DialogueFixe::Terminer(*this, plate);
}

QListWidget* DialogueListe::ListeTitree(QWidget* parent, const char* nom, QLabel* titre,
                                        const QRect& position, QAbstractItemView::SelectionMode selection,
                                        std::optional<QFont> police) {
    auto* liste = new QListWidget(parent);
    liste->setObjectName(QLatin1String(nom));
    liste->setGeometry(position);
    if (police) liste->setFont(*police);
    liste->setSelectionMode(selection);
    liste->setAccessibleName(Libelles::NomAccessible(titre->text()));
    titre->setBuddy(liste);
    return liste;
}

QLabel* DialogueListe::LigneMessage(const char* nom, const QRect& position, const QColor& couleur) {
    QLabel* ligne = Apparence::Etiquette(this, QLatin1String(nom), QString(), position,
                                         Apparence::Arial(14, true), couleur);
    ligne->setWordWrap(true);
    return ligne;
}

void DialogueListe::Dire(QLabel& ligne, const QString& texte) {
    ligne.setText(texte);
    if (!texte.isEmpty()) plate.Annoncer(ligne, QAccessible::NameChanged);
}

void DialogueListe::done(int resultat) {
    Vider();
    QDialog::done(resultat);
}
