// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/U_PubN.h"
#include "core/Apparence.h"

#include "core/AideContextuelle.h"
#include "core/MobilierPleinEcran.h"
#include "core/Programme.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace {

using Apparence::Arial;

const QColor BleuMarine(0, 0, 128);
const QColor Sarcelle(0, 128, 128);
const QColor Bleu(0, 0, 255);
const QColor Rouge(255, 0, 0);
// The texts sit on a light card so that they stay legible whatever the tiles behind them.
const QColor FondCarte(255, 253, 246);
const QColor Encre(35, 40, 70);

const QString MotDecoratif = QStringLiteral("JOUE");

void Colorer(QWidget& controle, QPalette::ColorRole role, const QColor& couleur) {
    QPalette palette = controle.palette();
    palette.setColor(role, couleur);
    controle.setPalette(palette);
}

QLabel* Etiquette(QWidget& parent, const QString& nom, const QRect& place, const QFont& police,
                  const QColor& couleur) {
    auto* etiquette = new QLabel(&parent);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(place);
    etiquette->setFont(police);
    etiquette->setTextFormat(Qt::PlainText); // keeps the blanks of "Carrelis   version 1.2"
    Colorer(*etiquette, QPalette::WindowText, couleur);
    return etiquette;
}

// An opaque card with a navy border two pixels wide.
QFrame* Cadre(QWidget& parent, const QString& nom, const QRect& place, const QString& nomAccessible) {
    auto* cadre = new QFrame(&parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(place);
    cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
    cadre->setLineWidth(2);
    cadre->setAutoFillBackground(true);
    Colorer(*cadre, QPalette::Window, FondCarte);
    Colorer(*cadre, QPalette::WindowText, BleuMarine);
    cadre->setAccessibleName(nomAccessible);
    return cadre;
}

QStringList ParagraphesEnseignants(const QString& presentation) {
    return {
        presentation,
        QStringLiteral("Son utilisation en classe est libre et gratuite : installez-le sur les ordinateurs "
                       "de l'école et laissez vos élèves s'exercer à leur rythme."),
        QStringLiteral("Besoin d'un coup de main ? Appuyez sur la touche F1, dans n'importe quelle fenêtre, "
                       "pour ouvrir l'aide ; vous y trouverez aussi une page pédagogique."),
        QStringLiteral("Bon travail à vous et à vos élèves !")};
}

QString EnHtml(const QStringList& paragraphes) {
    QString html;
    for (const QString& paragraphe : paragraphes)
        html += QStringLiteral("<p>") + paragraphe.toHtmlEscaped() + QStringLiteral("</p>");
    // The key to press stands out.
    return html.replace(QStringLiteral("touche F1"), QStringLiteral("touche <b>F1</b>"));
}

} // namespace

// Laid out at 800 x 600, then scaled with the screen like every window.
TF_PubN::TF_PubN(Programme& programme, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), prog(programme) {
    setObjectName(QStringLiteral("F_PubN"));
    setWindowTitle(QStringLiteral("Lisez-moi..."));
    setAccessibleName(windowTitle());
    setModal(true);
    resize(800, 600);
    CreerCadreHaut();
    CreerCadreTexte();
    CreerBoutonQuitter();

    animation = new QTimer(this);
    animation->setObjectName(QStringLiteral("Timer1"));
    animation->setInterval(300);
    connect(animation, &QTimer::timeout, this, &TF_PubN::Timer1Timer);
    // The title picture tiled behind; carrelis's window is placed but not held.
    mobilier = new MobilierPleinEcran(*this, prog,
                                      {.Images =
                                           [this] {
                                               return std::pair{prog.Profil().ImageTitre, QString()};
                                           },
                                       .Automatique = false,
                                       .NomMaintien = QStringLiteral("Timer2")});
    FormCreate();
}

void TF_PubN::CreerCadreHaut() {
    ShapeHaut = Cadre(*this, QStringLiteral("ShapeHaut"), QRect(60, 50, 680, 140),
                      QStringLiteral("Titre et version"));
    auto* fond = new QFrame(ShapeHaut);
    fond->setObjectName(QStringLiteral("FondLettres"));
    fond->setGeometry(16, 16, 236, 108);
    fond->setAutoFillBackground(true);
    // The letters take bright colours: they need a dark ground.
    Colorer(*fond, QPalette::Window, BleuMarine);
    fond->setAccessibleName(QStringLiteral("Mot décoratif : ") + MotDecoratif);
    CreerLettres(*fond);

    LabelVersion = Etiquette(*ShapeHaut, QStringLiteral("LabelVersion"), QRect(276, 22, 388, 28),
                             Arial(19, true), Sarcelle);
    auto* sousTitre = Etiquette(*ShapeHaut, QStringLiteral("LabelSousTitre"), QRect(276, 54, 388, 44),
                                Arial(15, false), Encre);
    sousTitre->setWordWrap(true);
    sousTitre->setText(
        QStringLiteral("Des tableaux à double entrée,\npour apprendre en jouant à l'école primaire."));
    sousTitre->setAccessibleName(sousTitre->text());
    LabelDate =
        Etiquette(*ShapeHaut, QStringLiteral("LabelDate"), QRect(447, 102, 217, 24), Arial(16, true), Bleu);
    LabelDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TF_PubN::CreerLettres(QWidget& fond) {
    const auto& couleurs = prog.Profil().CouleursPubN;
    for (int i = 0; i < static_cast<int>(lettres.size()); ++i) {
        const QString lettre = MotDecoratif.mid(i, 1);
        // The word starts in the four colours of the animation, so it is bright from the first showing.
        QLabel* etiquette =
            Etiquette(fond, QStringLiteral("Lettre%1").arg(i + 1), QRect(10 + i * 54, 14, 54, 80),
                      Arial(64, true), couleurs[static_cast<size_t>(i)]);
        etiquette->setAlignment(Qt::AlignCenter);
        etiquette->setText(lettre);
        etiquette->setAccessibleName(lettre);
        etiquette->setAccessibleDescription(QStringLiteral("Lettre décorative"));
        lettres[static_cast<size_t>(i)] = etiquette;
    }
}

void TF_PubN::CreerCadreTexte() {
    Shape1 = Cadre(*this, QStringLiteral("Shape1"), QRect(60, 214, 680, 250), QStringLiteral("À lire"));
    auto* bienvenue = Etiquette(*Shape1, QStringLiteral("LabelBienvenue"), QRect(24, 14, 632, 32),
                                Arial(22, true), BleuMarine);
    bienvenue->setText(QStringLiteral("Bienvenue !"));
    bienvenue->setAccessibleName(bienvenue->text());

    LabelTexte =
        Etiquette(*Shape1, QStringLiteral("LabelTexte"), QRect(24, 52, 632, 188), Arial(17, false), Encre);
    LabelTexte->setTextFormat(Qt::RichText);
    LabelTexte->setWordWrap(true);
    LabelTexte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelTexte->setAccessibleName(
        ParagraphesEnseignants(prog.Profil().PresentationPubN).join(QLatin1Char('\n')));
}

void TF_PubN::CreerBoutonQuitter() {
    bouton_quitter = new QPushButton(QStringLiteral("&O K"), this);
    bouton_quitter->setObjectName(QStringLiteral("bouton_quitter"));
    bouton_quitter->setGeometry(330, 492, 140, 42);
    bouton_quitter->setFont(Arial(21, true));
    Colorer(*bouton_quitter, QPalette::ButtonText, Rouge);
    bouton_quitter->setAccessibleName(QStringLiteral("O K"));
    bouton_quitter->setAccessibleDescription(QStringLiteral("Ferme la fenêtre"));
    // Enter presses it, Alt+O through its accelerator; Escape closes the dialog on its own.
    bouton_quitter->setDefault(true);
    connect(bouton_quitter, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_PubN::FormCreate() {
    mobilier->MettreAEchelle();
    prog.Aleatoire().Randomize();
    DefinirContexteAide(*this, prog.Profil().ContexteAidePubN);
    if (!prog.Profil().MaintienPubN) animation->start();
}

void TF_PubN::FormActivate() {
    // Rich text is laid out as soon as it is set: done at the first showing, not at the start of
    // the program, for a window that is seldom opened.
    if (LabelTexte->text().isEmpty())
        LabelTexte->setText(EnHtml(ParagraphesEnseignants(prog.Profil().PresentationPubN)));
    LabelVersion->setText(prog.Profil().TitreVersion);
    LabelVersion->setAccessibleName(prog.Profil().TitreVersion);
    LabelDate->setText(prog.Profil().DatesVersion);
    LabelDate->setAccessibleName(prog.Profil().DatesVersion);
    mobilier->Placer();
    if (prog.Profil().MaintienPubN) {
        animation->start();
        mobilier->Tenir();
    }
}

void TF_PubN::FormClose() {
    if (prog.Profil().MaintienPubN) {
        animation->stop();
        mobilier->Lacher();
    }
}

void TF_PubN::Timer1Timer() {
    // Hidden, the window leaves the shared generator alone: its draws belong to the windows in use.
    if (!isVisible()) return;
    const auto lettre = static_cast<size_t>(prog.Aleatoire().Rnd(4));
    const auto couleur = static_cast<size_t>(prog.Aleatoire().Rnd(4));
    Colorer(*lettres[lettre], QPalette::WindowText, prog.Profil().CouleursPubN[couleur]);
}

// Shown from another window: not again when a window it opened closes, nor when the desktop
// gives it back after a minimisation.
void TF_PubN::showEvent(QShowEvent* evenement) {
    if (!evenement->spontaneous()) FormActivate();
    QDialog::showEvent(evenement);
}

// Every way out (O K, Enter, Escape) ends here.
void TF_PubN::hideEvent(QHideEvent* evenement) {
    if (!evenement->spontaneous()) FormClose();
    QDialog::hideEvent(evenement);
}
