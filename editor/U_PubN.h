// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class MobilierPleinEcran;
class Programme;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The about window of both programs: title, version and years over the tiled title picture, a
// few words for the teacher, and a word whose letters keep changing colour.
class TF_PubN : public QDialog {
    Q_OBJECT
  public:
    explicit TF_PubN(Programme& programme, QWidget* parent = nullptr);

    // One step of the animation: a letter drawn at random takes a colour drawn at random.
    void Timer1Timer();

  protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

  private:
    void CreerCadreHaut();
    void CreerLettres(QWidget& fond);
    void CreerCadreTexte();
    void CreerBoutonQuitter();
    void FormCreate();
    void FormActivate();
    void FormClose();

    Programme& prog;
    QFrame* ShapeHaut = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelDate = nullptr;
    QLabel* LabelTexte = nullptr;
    std::array<QLabel*, 4> lettres{};
    QPushButton* bouton_quitter = nullptr;
    QTimer* animation = nullptr;            // Timer1
    MobilierPleinEcran* mobilier = nullptr; // the hold is Timer2, navirelle only
};
