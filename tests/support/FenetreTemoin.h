// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FenetreExercice.h"
#include "program/Fenetres.h"

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

// The registry with stand-ins put in place of windows (Enregistrer): where the real window would
// be given values and answer, the stand-in is shown modal instead, and what was asked is kept.
class FenetresTemoins : public Fenetres {
  public:
    using Fenetres::Fenetres;

    QList<TexteAOuvrir> textes;              // what the editor was asked to show
    std::optional<TexteAOuvrir> bilanChoisi; // the report chooser's stand-in answers this

    std::optional<quint8> ChoisirTaille(int numJeu, quint8 taille) override {
        if (!Montrer(IdFenetre::ModifCh1)) return Fenetres::ChoisirTaille(numJeu, taille);
        return std::nullopt;
    }
    void MontrerBilan(const ResultatPartie& resultat) override {
        if (!Montrer(IdFenetre::Bilan)) Fenetres::MontrerBilan(resultat);
    }
    std::optional<TexteAOuvrir> ChoisirBilanIndividuel() override {
        if (!Montrer(IdFenetre::ChoixImpInd)) return Fenetres::ChoisirBilanIndividuel();
        return bilanChoisi;
    }
    void GererBilans() override {
        if (!Montrer(IdFenetre::EffaceBilans)) Fenetres::GererBilans();
    }
    void EditerTexte(const TexteAOuvrir& texte) override {
        textes.append(texte);
        if (!Montrer(IdFenetre::Traitexte)) Fenetres::EditerTexte(texte);
    }
    void OuvrirSuivi(const QString& dossier) override {
        if (!Montrer(IdFenetre::Suivi)) Fenetres::OuvrirSuivi(dossier);
    }

  private:
    bool Montrer(IdFenetre id) {
        auto* temoin = dynamic_cast<FenetreTemoin*>(Fenetre(id));
        if (temoin) temoin->exec();
        return temoin;
    }
};
