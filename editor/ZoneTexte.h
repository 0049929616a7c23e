// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

#include <functional>

// The editing area: a rich-text control whose clipboard and drag and drop carry only what the
// editor's files keep (see CollageTexte), plain text alone while the text is a plain one.
class ZoneTexte : public QTextEdit {
    Q_OBJECT
  public:
    explicit ZoneTexte(QWidget* parent = nullptr);

    // Asked at each paste: whether the text is plain.
    void TexteSeulement(std::function<bool()> question) { texteSeulement = std::move(question); }

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    std::function<bool()> texteSeulement;
};
