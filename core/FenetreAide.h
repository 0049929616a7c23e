// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

// The help viewer: the program's help file (HTML) opened at a topic or a window's help context.
class FenetreAide : public QDialog {
    Q_OBJECT
  public:
    explicit FenetreAide(const QString& titreProgramme, QWidget* parent = nullptr);

    // Shows the help at an anchor; beside the window it serves (over its other half) when given,
    // so that the field the pupil is filling stays in sight.
    void Ouvrir(const QString& fichierAide, const QString& ancre, const QWidget* servie = nullptr);
    QString AncreAffichee() const { return ancre; }
    QTextBrowser* Navigateur() const { return navigateur; }

  private:
    void PlacerACote(const QWidget& servie);

    QTextBrowser* navigateur;
    QString ancre;
};
