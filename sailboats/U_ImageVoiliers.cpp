// SPDX-License-Identifier: GPL-3.0-or-later
#include "sailboats/U_ImageVoiliers.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/GroupeExclusif.h"
#include "core/ImpressionDepuisFenetre.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "core/Programme.h"
#include "sailboats/DessinFeuilleVoiliers.h"
#include "sailboats/ImpressionVoiliers.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/ColonneFeuille.h"
#include "sheets/DialoguesFeuille.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>

namespace {

constexpr int ContexteFeuilles = 5;
const QColor Violet(128, 0, 128), BleuMarine(0, 0, 128), Marron(128, 0, 0), Noir(0, 0, 0);

} // namespace

TF_ImageVoiliers::TF_ImageVoiliers(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
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
        DessinFeuilleVoiliers(peintre, surface).DessinerApercu(preparation.Feuille());
    });
    ConstruireColonne();
    mobilier->MettreAEchelle();
}

void TF_ImageVoiliers::ConstruireColonne() {
    panel1 = new ColonneFeuille(this);
    ColonneFeuille& c = *panel1;
    jeux = new QButtonGroup(this);
    const char* const exercices[] = {"remplir", "colorier", "trouver"};
    for (int k = 1; k <= 3; ++k)
        jeux->addButton(
            c.Bouton(QStringLiteral("BJeu%1").arg(k), QStringLiteral("Jeu n° %1").arg(k), Violet,
                     QRect(4, 30 * k - 22, 72, 28),
                     QStringLiteral("Jeu n° %1 : %2").arg(k).arg(QString::fromUtf8(exercices[k - 1])), true),
            k);
    QPushButton* consigne = c.Bouton(QStringLiteral("BoutonConsigne"), QStringLiteral("&Consigne"), Marron,
                                     QRect(4, 108, 72, 30));
    modes = new QButtonGroup(this);
    modes->addButton(c.Bouton(QStringLiteral("BCouleur"), QStringLiteral("Couleur"), BleuMarine,
                              QRect(4, 150, 72, 28), QStringLiteral("En couleurs"), true),
                     0);
    modes->addButton(c.Bouton(QStringLiteral("BNB"), QStringLiteral("N et B"), BleuMarine,
                              QRect(4, 180, 72, 28), QStringLiteral("En noir et blanc"), true),
                     1);
    QPushButton* changer =
        c.Bouton(QStringLiteral("BoutonChanger"), QStringLiteral("C&hanger"), Noir, QRect(4, 222, 72, 30));
    changer->setAccessibleName(QStringLiteral("Changer la taille"));
    QPushButton* nouveau =
        c.Bouton(QStringLiteral("BoutonNouveau"), QStringLiteral("&Nouveau"), Noir, QRect(4, 256, 72, 30));
    nouveau->setAccessibleName(QStringLiteral("Nouvelles couleurs"));
    // Hidden: it only draws the sheet again.
    QPushButton* afficher =
        c.Bouton(QStringLiteral("BoutonAfficher"), QStringLiteral("Afficher"), Noir, QRect(4, 290, 72, 30));
    afficher->hide();
    boutonImprimer =
        c.Bouton(QStringLiteral("BoutonImprimer"), QStringLiteral("&Imprimer"), Noir, QRect(4, 300, 72, 32));
    QPushButton* serie = c.Bouton(QStringLiteral("BoutonSerie"), QStringLiteral("Corrigé\net &série"), Noir,
                                  QRect(4, 338, 72, 46));
    QPushButton* quitter =
        c.Bouton(QStringLiteral("BoutonQuitter"), QStringLiteral("&Quitter"), Marron, QRect(4, 546, 72, 40));
    quitter->setFont(Apparence::Arial(18, false));

    GroupeExclusif::SurChoix(*jeux, [this](int numJeu) { ChoisirExercice(numJeu); });
    GroupeExclusif::SurChoix(*modes, [this](int noirEtBlanc) { ChoisirCouleurs(noirEtBlanc); });
    connect(consigne, &QPushButton::clicked, this, &TF_ImageVoiliers::ChangerConsigne);
    connect(changer, &QPushButton::clicked, this, &TF_ImageVoiliers::ChangerTaille);
    connect(nouveau, &QPushButton::clicked, this, &TF_ImageVoiliers::NouvelleFeuille);
    connect(afficher, &QPushButton::clicked, this, &TF_ImageVoiliers::AfficherCorrige);
    connect(boutonImprimer, &QPushButton::clicked, this, &TF_ImageVoiliers::Imprimer);
    connect(serie, &QPushButton::clicked, this, &TF_ImageVoiliers::PreparerSerie);
    connect(quitter, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_ImageVoiliers::resizeEvent(QResizeEvent* evenement) {
    QDialog::resizeEvent(evenement);
    panel1->Placer(size());
    image1->setGeometry(0, 0, std::max(1, width() - panel1->width()), height());
}

void TF_ImageVoiliers::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous()) return;
    FormActivate();
}

// Each showing from the menu: exercise 1 in black and white at the smallest size, new colours,
// the program's instruction; "Imprimer" waits for the teacher's first action.
void TF_ImageVoiliers::FormActivate() {
    preparation.Reinitialiser(prog.Consigne);
    boutonImprimer->setEnabled(false);
    MontrerReglages();
    AfficherFeuille();
    jeux->button(1)->setFocus(Qt::OtherFocusReason);
}

void TF_ImageVoiliers::MontrerReglages() {
    GroupeExclusif::Montrer(*jeux, preparation.Feuille().NumJeu);
    GroupeExclusif::Montrer(*modes, preparation.Feuille().NoirEtBlanc ? 1 : 0);
}

void TF_ImageVoiliers::AfficherFeuille() {
    image1->Redessiner();
    image1->setAccessibleDescription(DescriptionFeuilleVoiliers(preparation.Feuille()));
    prog.Plate().Annoncer(*image1, QAccessible::DescriptionChanged);
}

void TF_ImageVoiliers::Agir(bool change) {
    MontrerReglages();
    if (change) AfficherFeuille();
    boutonImprimer->setEnabled(true);
}

void TF_ImageVoiliers::ChoisirExercice(int numJeu) {
    Agir(preparation.ChoisirJeu(numJeu));
}

void TF_ImageVoiliers::ChoisirCouleurs(int noirEtBlanc) {
    Agir(preparation.ChoisirNoirEtBlanc(noirEtBlanc == 1));
}

void TF_ImageVoiliers::ChangerTaille() {
    quint8 taille = preparation.TailleImp();
    Agir(dialogues.ChoisirTailleImp(taille) && preparation.ChangerTaille(taille));
}

// The instruction is the program's: the results window prints a game under it too.
void TF_ImageVoiliers::ChangerConsigne() {
    QString consigne = prog.Consigne;
    if (dialogues.ChoisirConsigne(consigne)) prog.Consigne = consigne;
    Agir(preparation.ChangerConsigne(prog.Consigne));
}

void TF_ImageVoiliers::NouvelleFeuille() {
    preparation.Nouveau();
    Agir(true);
}

void TF_ImageVoiliers::AfficherCorrige() {
    boutonImprimer->setEnabled(true);
    AfficherFeuille();
}

void TF_ImageVoiliers::Imprimer() {
    const FeuilleVoiliers& feuille = preparation.Feuille();
    ImprimerDepuisFenetre(prog.Plate(), QStringLiteral("Feuille d'exercices"), QPageLayout::Landscape, 1,
                          [&](const Destination& vers) { return ImprimerFeuilleVoiliers(vers, feuille); });
}

void TF_ImageVoiliers::PreparerSerie() {
    const std::optional<ChoixSerie> choix = dialogues.ChoisirSerie();
    if (!choix) return;
    const FeuilleVoiliers& feuille = preparation.Feuille();
    if (choix->Quoi == ChoixSerie::Genre::Corrige) {
        ImprimerDepuisFenetre(
            prog.Plate(), QStringLiteral("Corrigé"), QPageLayout::Landscape, 1,
            [&](const Destination& vers) { return ImprimerCorrigeVoiliers(vers, feuille); });
        return;
    }
    ImprimerAvecProgression(
        prog.Plate(), *this, QStringLiteral("Série de feuilles"), QPageLayout::Landscape,
        choix->NombrePages(), [&](const Destination& vers, const Progression& progression) {
            return ImprimerSerieVoiliers(vers, feuille, *choix, prog.Aleatoire(), progression);
        });
}
