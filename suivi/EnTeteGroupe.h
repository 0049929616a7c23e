// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>

// A table's header in two rows: above, the name of each group of columns once, across its
// columns; below, each column's short title. The model gives both in the roles given, and keeps
// its display role for the column's full name, which screen readers take. A column without a
// group takes both rows.
class EnTeteGroupe : public QHeaderView {
    Q_OBJECT
  public:
    EnTeteGroupe(int roleGroupe, int roleTitre, QWidget* parent = nullptr);

  protected:
    QSize sizeHint() const override;
    QSize sectionSizeFromContents(int section) const override;
    void initStyleOptionForIndex(QStyleOptionHeader* option, int section) const override;
    void paintSection(QPainter* peintre, const QRect& rect, int section) const override;

  private:
    QString Donnee(int section, int role) const;
    int Hauteur() const;
    int roleGroupe;
    int roleTitre;
};
