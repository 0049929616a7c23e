// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FenetreExercice.h"

#include <QDialog>
#include <QTimer>

#include <functional>

// A stand-in for a window: counts its showings and, shown modal, does its work and closes at
// once, so that the window that opened it goes on.
class FenetreTemoin : public QDialog {
  public:
    explicit FenetreTemoin(std::function<void()> travail = {}) : travail(std::move(travail)) {}

    int ouvertures = 0;
    bool modale = false;

  protected:
    void showEvent(QShowEvent* evenement) override {
        QDialog::showEvent(evenement);
        ++ouvertures;
        modale = isModal();
        if (travail) travail();
        if (modale) QTimer::singleShot(0, this, &QDialog::reject);
    }

  private:
    std::function<void()> travail;
};

// A stand-in for an exercise window: keeps the exercises it was opened with.
class ExerciceTemoin : public FenetreExercice {
  public:
    ExerciceTemoin(Programme& prog, AutresFenetres& autres, std::function<void()> travail = {})
        : FenetreExercice(prog, autres, {}), travail(std::move(travail)) {
        Suivre(partie);
    }

    void Ouvrir(const ChoixExercice& choix) override {
        choix_.append(choix);
        show();
        if (travail) travail();
    }
    const QList<ChoixExercice>& Choix() const { return choix_; }

  protected:
    bool MettreEnPlace(int) override { return true; }
    QWidget* PlaceDuJeu() override { return this; }

  private:
    std::function<void()> travail;
    QList<ChoixExercice> choix_;
    DeroulementPartie partie{{}};
};
