#pragma once

#include <QHeaderView>

// A table's header in two rows: above, the name of each group of columns once, across its
// columns (the model gives it in the role given); below, each column's own title. A column
// without a group takes both rows.
class EnTeteGroupe : public QHeaderView {
    Q_OBJECT
  public:
    EnTeteGroupe(int roleGroupe, QWidget* parent = nullptr);

  protected:
    QSize sizeHint() const override;
    QSize sectionSizeFromContents(int section) const override;
    void paintSection(QPainter* peintre, const QRect& rect, int section) const override;

  private:
    QString Groupe(int section) const;
    int roleGroupe;
};
