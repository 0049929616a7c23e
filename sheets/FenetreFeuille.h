// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TravailImpression.h"

#include <QDialog>

#include <array>

class ApercuFeuille;
class ColonneFeuille;
class DialoguesFeuille;
class Hasard;
class MobilierPleinEcran;
class Programme;
class QButtonGroup;
class QPushButton;
struct ChoixSerie;

// What the sheet windows of both programs share: the preview at the left, drawn once per change
// of the sheet and described to screen readers; the column of buttons at the right; each showing
// from the menu starting afresh with "Imprimer" waiting for the teacher's first action, which
// then offers it; "Consigne", "Changer" and "Nouveau"; the sheet, its key or a class set printed
// through the print dialog, a failure said in French.
// A sheet window owns its sheet and says how it is drawn, described, changed and printed. It
// builds its column with the pieces below, from top to bottom, so that Tab follows the buttons,
// then calls Terminer.
class FenetreFeuille : public QDialog {
    Q_OBJECT
  public:
    ApercuFeuille* Apercu() const { return image1; }

  protected:
    FenetreFeuille(Programme& programme, DialoguesFeuille& dialogues, QWidget* parent);

    // The column's pieces, placed in the 800 x 600 design.
    ColonneFeuille& Colonne() const { return *panel1; }
    // "Jeu n° 1" to "Jeu n° 3", 30 pixels apart from `haut`, heard with the names of the
    // exercises; the window chooses what a click on them does.
    QButtonGroup* AjouterJeux(int haut, const std::array<const char*, 3>& exercices);
    void AjouterConsigne(int haut);
    // "Changer" at `haut` and "Nouveau" under it, heard as nomNouveau when there is one.
    void AjouterChangerEtNouveau(int haut, const QString& nomNouveau = {});
    // "Imprimer" at `haut`, "Corrigé et série" under it, "Quitter" at the foot.
    void AjouterImpression(int haut);
    // Once the column is built.
    void Terminer();

    // After an action of the teacher: the column shows the sheet, the preview is drawn again
    // only if the sheet changed, and "Imprimer" is offered.
    void Agir(bool change);

    // The window's own sheet.
    // Each showing from the menu: the sheet as it starts.
    virtual void Reinitialiser() = 0;
    // The column shows the sheet's settings, choosing nothing.
    virtual void MontrerReglages() = 0;
    virtual void Dessiner(QPainter& peintre, QSize surface) const = 0;
    virtual QString Description() const = 0;
    // Its dialogs, asked by "Consigne" and "Changer"; true when the sheet changed.
    virtual bool ChangerConsigne() = 0;
    virtual bool ChangerTaille() = 0;
    // "Nouveau": new tables, or new colours.
    virtual void Nouveau() = 0;
    // Its prints: how the pages are turned, the sheet or its key on one page, a class set.
    virtual QPageLayout::Orientation OrientationPages() const = 0;
    virtual bool ImprimerLaFeuille(const Destination& vers, bool corrige) const = 0;
    virtual bool ImprimerLaSerie(const Destination& vers, const ChoixSerie& choix, Hasard& hasard,
                                 const Progression& progression) const = 0;

    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

    Programme& prog;
    DialoguesFeuille& dialogues;

  private:
    void FormActivate();
    void AfficherApercu();
    void Imprimer();
    void PreparerSerie();

    MobilierPleinEcran* mobilier = nullptr;
    ApercuFeuille* image1 = nullptr;
    ColonneFeuille* panel1 = nullptr;
    QPushButton* boutonImprimer = nullptr;
};
