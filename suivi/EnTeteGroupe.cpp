#include "suivi/EnTeteGroupe.h"

#include <QPainter>

EnTeteGroupe::EnTeteGroupe(int role, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), roleGroupe(role) {
    setSectionsClickable(true);
    // A title in bold would no longer fit the width measured for it.
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

QString EnTeteGroupe::Groupe(int section) const {
    return model() ? model()->headerData(section, orientation(), roleGroupe).toString() : QString();
}

QSize EnTeteGroupe::sizeHint() const {
    QSize taille = QHeaderView::sizeHint();
    taille.setHeight(2 * fontMetrics().height() + 12);
    return taille;
}

QSize EnTeteGroupe::sectionSizeFromContents(int section) const {
    QSize taille = QHeaderView::sectionSizeFromContents(section);
    taille.setHeight(2 * fontMetrics().height() + 12);
    return taille;
}

void EnTeteGroupe::paintSection(QPainter* peintre, const QRect& rect, int section) const {
    const QString groupe = Groupe(section);
    if (groupe.isEmpty()) return QHeaderView::paintSection(peintre, rect, section);
    const int moitie = rect.height() / 2;
    peintre->save();
    QHeaderView::paintSection(peintre, rect.adjusted(0, moitie, 0, 0), section);
    peintre->restore();
    // The group's band runs over all its neighbours: each section paints its own piece of it.
    int premiere = section, derniere = section;
    while (premiere > 0 && Groupe(premiere - 1) == groupe)
        --premiere;
    while (derniere + 1 < count() && Groupe(derniere + 1) == groupe)
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
