// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/FenetreFeuille.h"

#include "core/AideContextuelle.h"
#include "core/Apparence.h"
#include "core/ImpressionDepuisFenetre.h"
#include "core/MobilierPleinEcran.h"
#include "core/PlateForme.h"
#include "sheets/ApercuFeuille.h"
#include "sheets/ColonneFeuille.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int ContexteFeuilles = 5;
}

FenetreFeuille::FenetreFeuille(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent)
    : DialogueActive(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      prog(programme), dialogues(dialogues) {
    setObjectName(QStringLiteral("F_Image"));
    setWindowTitle(QStringLiteral("Préparation de l'impression d'exercices"));
    setAccessibleName(windowTitle());
    setModal(true);
    resize(800, 600);
    DefinirContexteAide(*this, ContexteFeuilles);
    mobilier = new MobilierPleinEcran(*this, prog, {});
    image1 = new ApercuFeuille(this);
    image1->DefinirDessin([this](QPainter& peintre, QSize surface) { Dessiner(peintre, surface); });
    panel1 = new ColonneFeuille(this);
}

QButtonGroup* FenetreFeuille::AjouterJeux(int haut, const std::array<const char*, 3>& exercices) {
    auto* jeux = new QButtonGroup(this);
    for (int k = 1; k <= 3; ++k)
        jeux->addButton(
            panel1->Bouton(
                QStringLiteral("BJeu%1").arg(k), QStringLiteral("Jeu n° %1").arg(k), ColonneFeuille::Violet,
                QRect(4, haut + 30 * (k - 1), 72, 28),
                QStringLiteral("Jeu n° %1 : %2").arg(k).arg(QString::fromUtf8(exercices[size_t(k - 1)])),
                true),
            k);
    return jeux;
}

void FenetreFeuille::AjouterConsigne(int haut) {
    QPushButton* consigne = panel1->Bouton(QStringLiteral("BoutonConsigne"), QStringLiteral("&Consigne"),
                                           Apparence::Marron, QRect(4, haut, 72, 30));
    connect(consigne, &QPushButton::clicked, this, [this] { Agir(ChangerConsigne()); });
}

void FenetreFeuille::AjouterChangerEtNouveau(int haut, const QString& nomNouveau) {
    QPushButton* changer = panel1->Bouton(QStringLiteral("BoutonChanger"), QStringLiteral("C&hanger"),
                                          ColonneFeuille::Noir, QRect(4, haut, 72, 30));
    changer->setAccessibleName(QStringLiteral("Changer la taille"));
    QPushButton* nouveau = panel1->Bouton(QStringLiteral("BoutonNouveau"), QStringLiteral("&Nouveau"),
                                          ColonneFeuille::Noir, QRect(4, haut + 34, 72, 30), nomNouveau);
    connect(changer, &QPushButton::clicked, this, [this] { Agir(ChangerTaille()); });
    connect(nouveau, &QPushButton::clicked, this, [this] {
        Nouveau();
        Agir(true);
    });
}

void FenetreFeuille::AjouterImpression(int haut) {
    boutonImprimer = panel1->Bouton(QStringLiteral("BoutonImprimer"), QStringLiteral("&Imprimer"),
                                    ColonneFeuille::Noir, QRect(4, haut, 72, 32));
    QPushButton* serie = panel1->Bouton(QStringLiteral("BoutonSerie"), QStringLiteral("Corrigé\net &série"),
                                        ColonneFeuille::Noir, QRect(4, haut + 38, 72, 46));
    QPushButton* quitter = panel1->Bouton(QStringLiteral("BoutonQuitter"), QStringLiteral("&Quitter"),
                                          Apparence::Marron, QRect(4, 546, 72, 40));
    quitter->setFont(Apparence::Arial(18, false));
    connect(boutonImprimer, &QPushButton::clicked, this, &FenetreFeuille::Imprimer);
    connect(serie, &QPushButton::clicked, this, &FenetreFeuille::PreparerSerie);
    connect(quitter, &QPushButton::clicked, this, &QDialog::reject);
}

void FenetreFeuille::Terminer() {
    mobilier->MettreAEchelle();
}

void FenetreFeuille::resizeEvent(QResizeEvent* evenement) {
    QDialog::resizeEvent(evenement);
    panel1->Placer(size());
    image1->setGeometry(0, 0, std::max(1, width() - panel1->width()), height());
}

// "Imprimer" waits for the teacher's first action; the keyboard starts at the top of the column.
void FenetreFeuille::FormActivate() {
    Reinitialiser();
    boutonImprimer->setEnabled(false);
    MontrerReglages();
    AfficherApercu();
    panel1->findChild<QPushButton*>()->setFocus(Qt::OtherFocusReason);
}

void FenetreFeuille::AfficherApercu() {
    image1->Redessiner();
    image1->setAccessibleDescription(Description());
    prog.Plate().Annoncer(*image1, QAccessible::DescriptionChanged);
}

void FenetreFeuille::Agir(bool change) {
    MontrerReglages();
    if (change) AfficherApercu();
    boutonImprimer->setEnabled(true);
}

void FenetreFeuille::Imprimer() {
    ImprimerDepuisFenetre(prog.Plate(), QStringLiteral("Feuille d'exercices"), Orientation(), 1,
                          [&](const Destination& vers) { return ImprimerLaFeuille(vers, false); });
}

void FenetreFeuille::PreparerSerie() {
    const std::optional<ChoixSerie> choix = dialogues.ChoisirSerie();
    if (!choix) return;
    if (choix->Quoi == ChoixSerie::Genre::Corrige) {
        ImprimerDepuisFenetre(prog.Plate(), QStringLiteral("Corrigé"), Orientation(), 1,
                              [&](const Destination& vers) { return ImprimerLaFeuille(vers, true); });
        return;
    }
    ImprimerAvecProgression(prog.Plate(), *this, QStringLiteral("Série de feuilles"), Orientation(),
                            choix->NombrePages(),
                            [&](const Destination& vers, const Progression& progression) {
                                return ImprimerLaSerie(vers, *choix, prog.Aleatoire(), progression);
                            });
}
