#pragma once

#include <QDialog>

class QTextBrowser;

// The help viewer: the program's help file (HTML) opened at a topic or a window's help context.
class FenetreAide : public QDialog {
    Q_OBJECT
public:
    explicit FenetreAide(QWidget* parent = nullptr);

    void Ouvrir(const QString& fichierAide, const QString& ancre);
    QString AncreAffichee() const { return ancre; }
    QTextBrowser* Navigateur() const { return navigateur; }

private:
    QTextBrowser* navigateur;
    QString ancre;
};
