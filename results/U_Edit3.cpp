// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/U_Edit3.h"

#include "core/ImpressionTexte.h"
#include "core/PlateForme.h"
#include "core/TravailImpression.h"
#include "results/Bilan.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// Tab stops and indents are given in points; the document counts in pixels at 96 per inch.
qreal Pixels(qreal points) {
    return points * 96.0 / 72.0;
}

QTextCharFormat Police(const char* famille, int points, bool gras, bool italique = false) {
    QTextCharFormat format;
    format.setFontFamilies({QString::fromLatin1(famille)});
    format.setFontPointSize(points);
    format.setFontWeight(gras ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italique);
    return format;
}

QTextBlockFormat Paragraphe(Qt::Alignment alignement, qreal retraitPoints = 0,
                            QList<qreal> tabulations = {}) {
    QTextBlockFormat format;
    format.setAlignment(alignement);
    format.setTextIndent(Pixels(retraitPoints));
    QList<QTextOption::Tab> tabs;
    for (qreal points : tabulations)
        tabs.append(QTextOption::Tab(Pixels(points), QTextOption::LeftTab));
    format.setTabPositions(tabs);
    return format;
}

void Ligne(QTextCursor& curseur, const QString& texte, const QTextBlockFormat& paragraphe,
           const QTextCharFormat& police) {
    curseur.insertBlock(paragraphe, police);
    curseur.insertText(texte, police);
}

} // namespace

TF_Edit3::TF_Edit3(PlateForme& plate, QWidget* parent)
    : QDialog(parent), plate(plate), richEdit1(new QTextEdit(this)) {
    setObjectName(QStringLiteral("F_Edit3"));
    setWindowTitle(QStringLiteral("Bilan à imprimer"));
    setModal(true);
    richEdit1->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1->setAccessibleName(QStringLiteral("Bilan de l'exercice"));
    auto* imprimer = new QPushButton(QStringLiteral("&Imprimer"), this);
    imprimer->setObjectName(QStringLiteral("BoutonImprimer"));
    imprimer->setAccessibleName(QStringLiteral("Imprimer le bilan"));
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    fermer->setObjectName(QStringLiteral("BoutonFermer"));
    fermer->setAccessibleName(QStringLiteral("Fermer"));
    connect(imprimer, &QPushButton::clicked, this, &TF_Edit3::Imprimer);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(imprimer);
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(richEdit1);
    colonne->addLayout(boutons);
    // This window keeps its own size: it is the page of the report, not a screen layout.
    resize(720, 560);
}

void TF_Edit3::Composer(const Bilan& bilan) {
    QTextDocument* document = richEdit1->document();
    document->clear();
    QTextCursor curseur(document);
    const QTextBlockFormat centre = Paragraphe(Qt::AlignHCenter);
    const QTextCharFormat titre = Police("Arial", 18, true);
    // A cleared document already holds one empty paragraph: it is the first of the two.
    curseur.setBlockFormat(centre);
    curseur.setBlockCharFormat(titre);
    Ligne(curseur, QString(), centre, titre);
    Ligne(curseur, bilan.TitreJeu, centre, titre);
    Ligne(curseur, QString(), centre, titre);
    const QTextCharFormat nom = Police("Times New Roman", 16, true);
    Ligne(curseur, bilan.NomEleve, Paragraphe(Qt::AlignLeft, 50), nom);
    Ligne(curseur, QString(), Paragraphe(Qt::AlignLeft, 50), nom);
    Ligne(curseur, QString(), Paragraphe(Qt::AlignLeft, 50), Police("Arial", 12, true, true));
    const QTextBlockFormat bonnes = Paragraphe(Qt::AlignLeft, 50, {275, 300, 325, 350, 400});
    const QTextCharFormat texte = Police("Times New Roman", 14, false);
    for (const QString& ligne : {bilan.LigneBonnes, bilan.LigneBonnesGauche, bilan.LigneBonnesHaut})
        if (!ligne.isEmpty()) Ligne(curseur, ligne, bonnes, texte);
    Ligne(curseur, QString(), bonnes, texte);
    const QTextBlockFormat erreurs = Paragraphe(Qt::AlignLeft, 50, {275, 500});
    for (const QString& ligne : {bilan.LigneErreurs, bilan.LigneErreursGauche, bilan.LigneErreursHaut})
        if (!ligne.isEmpty()) Ligne(curseur, ligne, erreurs, texte);
    Ligne(curseur, QString(), Paragraphe(Qt::AlignLeft), Police("Times New Roman", 12, false));
}

// The window's button says "print": it prints, on the printer or the PDF file chosen, and says
// so when the pages were not taken.
void TF_Edit3::Imprimer() {
    ImprimerDepuisFenetre(
        plate, QStringLiteral("Bilan"), QPageLayout::Portrait, 0,
        [this](const Destination& vers) { return ImpressionTexte::Imprimer(*richEdit1->document(), vers); });
}
