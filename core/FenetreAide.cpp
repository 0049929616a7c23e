// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FenetreAide.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

FenetreAide::FenetreAide(const QString& titreProgramme, QWidget* parent)
    : QDialog(parent), navigateur(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("F_Aide"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Aide de %1").arg(titreProgramme));
    navigateur->setObjectName(QStringLiteral("Navigateur"));
    navigateur->setAccessibleName(QStringLiteral("Texte de l'aide"));
    navigateur->setOpenExternalLinks(false);
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    fermer->setObjectName(QStringLiteral("BoutonFermer"));
    fermer->setAccessibleName(QStringLiteral("Fermer l'aide"));
    connect(fermer, &QPushButton::clicked, this, &QDialog::close);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(navigateur);
    disposition->addWidget(fermer, 0, Qt::AlignRight);
    resize(640, 560);
}

void FenetreAide::Ouvrir(const QString& fichierAide, const QString& ancreVoulue, const QWidget* servie) {
    ancre = ancreVoulue;
    // Only an ordinary file is opened: a pipe left at its name would hold the program.
    if (!QFileInfo(fichierAide).isFile()) {
        navigateur->setHtml(
            QStringLiteral("<h2>Aide introuvable</h2><p>Le fichier d'aide « %1 » est absent du "
                           "dossier du programme.</p>")
                .arg(QFileInfo(fichierAide).fileName().toHtmlEscaped()));
    } else {
        // The help file keeps its historical extension: tell the browser it is HTML.
        QUrl adresse = QUrl::fromLocalFile(QFileInfo(fichierAide).absoluteFilePath());
        navigateur->setSource(adresse, QTextDocument::HtmlResource);
        if (!ancre.isEmpty()) navigateur->scrollToAnchor(ancre);
    }
    if (servie) PlacerACote(*servie);
    show();
    raise();
    activateWindow();
}

// Over the half of the served window that does not hold its keyboard focus.
void FenetreAide::PlacerACote(const QWidget& servie) {
    const QRect cadre = servie.frameGeometry();
    const QWidget* focus = servie.focusWidget();
    const int xFocus = focus ? focus->mapTo(&servie, focus->rect().center()).x() : 0;
    const int largeur = std::min(width(), std::max(cadre.width() / 2, 320));
    const int hauteur = std::min(height(), cadre.height());
    const int x = xFocus < cadre.width() / 2 ? cadre.right() - largeur : cadre.left();
    setGeometry(x, cadre.top() + (cadre.height() - hauteur) / 2, largeur, hauteur);
}
