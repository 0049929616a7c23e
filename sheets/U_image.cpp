// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/U_image.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/GroupeExclusif.h"
#include "core/ImpressionDepuisFenetre.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/ColonneFeuille.h"
#include "sheets/DessinFeuille.h"
#include "sheets/DialoguesFeuille.h"
#include "sheets/ImpressionFeuille.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>

namespace {

constexpr int ContexteFeuilles = 5;
const QColor Rouge(255, 0, 0), Violet(128, 0, 128), BleuMarine(0, 0, 128), Marron(128, 0, 0), Noir(0, 0, 0);

} // namespace

TF_Image::TF_Image(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      prog(programme), dialogues(dialogues), preparation(programme.Aleatoire()) {
    setObjectName(QStringLiteral("F_Image"));
    setWindowTitle(QStringLiteral("Préparation de l'impression d'exercices"));
    setAccessibleName(windowTitle());
    setModal(true);
    resize(800, 600);
    DefinirContexteAide(*this, ContexteFeuilles);
    mobilier = new MobilierPleinEcran(*this, prog, {});
    image1 = new ApercuFeuille(this);
    image1->DefinirDessin([this](QPainter& peintre, QSize surface) {
        DessinFeuille(peintre, surface, SurfaceFeuille::Apercu).DessinerFeuille(preparation.Feuille());
    });
    ConstruireColonne();
    mobilier->MettreAEchelle();
}

void TF_Image::ConstruireColonne() {
    panel1 = new ColonneFeuille(this);
    ColonneFeuille& c = *panel1;
    operations = new QButtonGroup(this);
    operations->addButton(c.Bouton(QStringLiteral("Op1"), QStringLiteral("+"), Rouge, QRect(4, 6, 35, 32),
                                   QStringLiteral("Table d'addition"), true),
                          0);
    operations->addButton(c.Bouton(QStringLiteral("SpeedButton2"), QStringLiteral("x"), Rouge,
                                   QRect(41, 6, 35, 32), QStringLiteral("Table de multiplication"), true),
                          1);
    jeux = new QButtonGroup(this);
    const char* const exercices[] = {"remplir", "trouver", "défi"};
    for (int k = 1; k <= 3; ++k)
        jeux->addButton(
            c.Bouton(QStringLiteral("BJeu%1").arg(k), QStringLiteral("Jeu n° %1").arg(k), Violet,
                     QRect(4, 16 + 30 * k, 72, 28),
                     QStringLiteral("Jeu n° %1 : %2").arg(k).arg(QString::fromUtf8(exercices[k - 1])), true),
            k);
    QPushButton* consigne = c.Bouton(QStringLiteral("BoutonConsigne"), QStringLiteral("&Consigne"), Marron,
                                     QRect(4, 142, 72, 30));
    c.Etiquette(QStringLiteral("Label1"), QStringLiteral("Nombre d'exercices sur la feuille"),
                QRect(4, 176, 72, 52));
    dispositions = new QButtonGroup(this);
    for (int n = 1; n <= 4; ++n)
        dispositions->addButton(c.Bouton(QStringLiteral("NbEx_A_Imprimer%1").arg(n), QString::number(n),
                                         BleuMarine, QRect(n % 2 ? 4 : 41, 232 + 30 * ((n - 1) / 2), 35, 28),
                                         n == 1 ? QStringLiteral("Un tableau sur la feuille")
                                                : QStringLiteral("%1 fois le même tableau").arg(n),
                                         true),
                                n);
    dispositions->addButton(c.Bouton(QStringLiteral("NbEx_A_Imprimer3D"), QStringLiteral("3 diff."),
                                     BleuMarine, QRect(4, 292, 72, 28),
                                     QStringLiteral("3 tableaux différents"), true),
                            ReglagesFeuille::TroisDifferents);
    QPushButton* changer =
        c.Bouton(QStringLiteral("BoutonChanger"), QStringLiteral("C&hanger"), Noir, QRect(4, 334, 72, 30));
    changer->setAccessibleName(QStringLiteral("Changer la taille"));
    QPushButton* nouveau =
        c.Bouton(QStringLiteral("BoutonNouveau"), QStringLiteral("&Nouveau"), Noir, QRect(4, 368, 72, 30));
    boutonImprimer =
        c.Bouton(QStringLiteral("BoutonImprimer"), QStringLiteral("&Imprimer"), Noir, QRect(4, 412, 72, 32));
    QPushButton* serie = c.Bouton(QStringLiteral("BoutonSerie"), QStringLiteral("Corrigé\net &série"), Noir,
                                  QRect(4, 450, 72, 46));
    QPushButton* quitter =
        c.Bouton(QStringLiteral("BoutonQuitter"), QStringLiteral("&Quitter"), Marron, QRect(4, 546, 72, 40));
    quitter->setFont(Apparence::Arial(18, false));

    GroupeExclusif::SurChoix(*operations, [this](int bouton) { ChoisirOperation(bouton); });
    GroupeExclusif::SurChoix(*jeux, [this](int numJeu) { ChoisirExercice(numJeu); });
    GroupeExclusif::SurChoix(*dispositions, [this](int disposition) { ChoisirDisposition(disposition); });
    connect(consigne, &QPushButton::clicked, this, &TF_Image::ChangerConsigne);
    connect(changer, &QPushButton::clicked, this, &TF_Image::ChangerTaille);
    connect(nouveau, &QPushButton::clicked, this, &TF_Image::NouvelleFeuille);
    connect(boutonImprimer, &QPushButton::clicked, this, &TF_Image::Imprimer);
    connect(serie, &QPushButton::clicked, this, &TF_Image::PreparerSerie);
    connect(quitter, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_Image::resizeEvent(QResizeEvent* evenement) {
    QDialog::resizeEvent(evenement);
    panel1->Placer(size());
    image1->setGeometry(0, 0, std::max(1, width() - panel1->width()), height());
}

void TF_Image::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous()) return;
    FormActivate();
}

// Each showing from the menu: addition, exercise 1, one table of the smallest size, no
// instruction, a new table; "Imprimer" waits for the teacher's first action.
void TF_Image::FormActivate() {
    preparation.Reinitialiser();
    prog.Consigne = preparation.Reglages().Consigne;
    boutonImprimer->setEnabled(false);
    MontrerReglages();
    AfficherApercu();
    operations->button(0)->setFocus(Qt::OtherFocusReason);
}

void TF_Image::MontrerReglages() {
    const FeuilleTableaux& f = preparation.Feuille();
    GroupeExclusif::Montrer(*operations, f.Op == Operation::Addition ? 0 : 1);
    GroupeExclusif::Montrer(*jeux, f.Reglages.JeuImprime);
    GroupeExclusif::Montrer(*dispositions, f.Reglages.NbExAImprimer);
    for (QAbstractButton* bouton : jeux->buttons())
        bouton->setVisible(!f.TroisDifferents());
}

void TF_Image::AfficherApercu() {
    image1->Redessiner();
    image1->setAccessibleDescription(DescriptionFeuille(preparation.Feuille()));
    prog.Plate().Annoncer(*image1, QAccessible::DescriptionChanged);
}

// Whatever the teacher did, "Imprimer" is offered; the preview is drawn again only if the
// sheet changed.
void TF_Image::Agir(bool change) {
    MontrerReglages();
    if (change) AfficherApercu();
    boutonImprimer->setEnabled(true);
}

void TF_Image::ChoisirOperation(int bouton) {
    Agir(preparation.ChoisirOperation(bouton == 0 ? Operation::Addition : Operation::Multiplication));
}

// The kind already chosen changes nothing, not even "Imprimer".
void TF_Image::ChoisirExercice(int numJeu) {
    if (preparation.ChoisirJeu(numJeu)) Agir(true);
}

void TF_Image::ChoisirDisposition(int disposition) {
    Agir(preparation.ChoisirDisposition(disposition));
}

void TF_Image::ChangerTaille() {
    bool change = false;
    if (preparation.Feuille().TroisDifferents()) {
        std::array<quint8, 3> tailles = preparation.Tailles3D();
        change = dialogues.ChoisirTailles3D(tailles) && preparation.ChangerTailles3D(tailles);
    } else {
        quint8 taille = preparation.Reglages().TailleImp;
        change = dialogues.ChoisirTailleImp(taille) && preparation.ChangerTaille(taille);
    }
    Agir(change);
}

void TF_Image::ChangerConsigne() {
    bool change = false;
    if (preparation.Feuille().TroisDifferents()) {
        std::array<QString, 3> consignes = preparation.Consignes3D();
        change = dialogues.ChoisirConsignes3D(consignes) && preparation.ChangerConsignes3D(consignes);
    } else {
        QString consigne = preparation.Reglages().Consigne;
        change = dialogues.ChoisirConsigne(consigne) && preparation.ChangerConsigne(consigne);
        // The results window prints a game's table under the instruction of the last sheet.
        prog.Consigne = preparation.Reglages().Consigne;
    }
    Agir(change);
}

void TF_Image::NouvelleFeuille() {
    preparation.Nouveau();
    Agir(true);
}

void TF_Image::Imprimer() {
    const FeuilleTableaux& feuille = preparation.Feuille();
    ImprimerDepuisFenetre(prog.Plate(), QStringLiteral("Feuille d'exercices"),
                          ReglagesFeuille::Orientation(feuille.Reglages.NbExAImprimer), 1,
                          [&](const Destination& vers) { return ImprimerFeuille(vers, feuille); });
}

void TF_Image::PreparerSerie() {
    const std::optional<ChoixSerie> choix = dialogues.ChoisirSerie();
    if (!choix) return;
    const FeuilleTableaux& feuille = preparation.Feuille();
    const QPageLayout::Orientation orientation = ReglagesFeuille::Orientation(feuille.Reglages.NbExAImprimer);
    if (choix->Quoi == ChoixSerie::Genre::Corrige) {
        ImprimerDepuisFenetre(prog.Plate(), QStringLiteral("Corrigé"), orientation, 1,
                              [&](const Destination& vers) { return ImprimerCorrige(vers, feuille); });
        return;
    }
    ImprimerAvecProgression(prog.Plate(), *this, QStringLiteral("Série de feuilles"), orientation,
                            choix->NombrePages(),
                            [&](const Destination& vers, const Progression& progression) {
                                return ImprimerSerie(vers, feuille, *choix, prog.Aleatoire(), progression);
                            });
}
