// SPDX-License-Identifier: GPL-3.0-or-later
#include "suivi/EnTeteGroupe.h"

#include <QPainter>
#include <QStyleOptionHeader>

EnTeteGroupe::EnTeteGroupe(int groupe, int titre, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), roleGroupe(groupe), roleTitre(titre) {
    setSectionsClickable(true);
    // A title in bold would no longer fit the width measured for it.
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

QString EnTeteGroupe::Donnee(int section, int role) const {
    return model() ? model()->headerData(section, orientation(), role).toString() : QString();
}

int EnTeteGroupe::Hauteur() const {
    return 2 * fontMetrics().height() + 12;
}

QSize EnTeteGroupe::sizeHint() const {
    QSize taille = QHeaderView::sizeHint();
    taille.setHeight(Hauteur());
    return taille;
}

void EnTeteGroupe::initStyleOptionForIndex(QStyleOptionHeader* option, int section) const {
    QHeaderView::initStyleOptionForIndex(option, section);
    const QString titre = Donnee(section, roleTitre);
    if (!titre.isEmpty()) option->text = titre;
}

// Measured on the short title it shows, in bold as a header measures.
QSize EnTeteGroupe::sectionSizeFromContents(int section) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, section);
    QFont police = font();
    police.setBold(true);
    option.fontMetrics = QFontMetrics(police);
    QSize taille = style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    taille.setHeight(Hauteur());
    return taille;
}

void EnTeteGroupe::paintSection(QPainter* peintre, const QRect& rect, int section) const {
    const QString groupe = Donnee(section, roleGroupe);
    if (groupe.isEmpty()) return QHeaderView::paintSection(peintre, rect, section);
    const int moitie = rect.height() / 2;
    peintre->save();
    QHeaderView::paintSection(peintre, rect.adjusted(0, moitie, 0, 0), section);
    peintre->restore();
    // The group's band runs over all its neighbours: each section paints its own piece of it.
    int premiere = section, derniere = section;
    while (premiere > 0 && Donnee(premiere - 1, roleGroupe) == groupe)
        --premiere;
    while (derniere + 1 < count() && Donnee(derniere + 1, roleGroupe) == groupe)
        ++derniere;
    const int gauche = sectionViewportPosition(premiere);
    const int droite = sectionViewportPosition(derniere) + sectionSize(derniere);
    const QRect bande(gauche, rect.top(), droite - gauche, moitie);
    peintre->save();
    peintre->setClipRect(QRect(rect.left(), rect.top(), rect.width(), moitie));
    peintre->fillRect(bande, palette().button());
    peintre->setPen(palette().mid().color());
    peintre->drawRect(bande.adjusted(0, 0, -1, -1));
    QFont police = font();
    police.setBold(true);
    peintre->setFont(police);
    peintre->setPen(palette().buttonText().color());
    peintre->drawText(bande, Qt::AlignCenter, groupe);
    peintre->restore();
}
