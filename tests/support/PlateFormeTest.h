// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlateForme.h"
#include "core/SortieImpression.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A platform that never waits for a person: message boxes are recorded, the screen and the
// clock are whatever the test sets.
class PlateFormeTest final : public PlateForme {
  public:
    void Avertir(const QString& texte) override { avertissements.append(texte); }
    bool Demander(const QString& texte) override {
        questions.append(texte);
        return !reponsesQuestions.isEmpty() && reponsesQuestions.takeFirst();
    }
    Reponse Confirmer(const QString& titre, const QString& texte) override {
        confirmations.append(titre + QStringLiteral(" : ") + texte);
        return reponsesConfirmer.isEmpty() ? Reponse::Abandon : reponsesConfirmer.takeFirst();
    }
    QRect GeometrieEcran() const override { return ecran; }
    int PixelsParPouce() const override { return ppp; }
    QDateTime Maintenant() const override { return maintenant; }
    QString ChoisirFichierAOuvrir(const QString& titre, const QString& filtre, const QString& dossier,
                                  const QString& fichierPropose) override {
        dialoguesOuverts.append({titre, filtre, dossier, fichierPropose});
        return reponsesOuvrir.isEmpty() ? QString() : reponsesOuvrir.takeFirst();
    }
    QString ChoisirFichierAEnregistrer(const QString& titre, const QStringList& types, int& type,
                                       const QString& dossier, const QString& fichierPropose) override {
        dialoguesEnregistrer.append({titre, types.join(QStringLiteral(";;")), type, dossier, fichierPropose});
        if (reponsesEnregistrer.isEmpty()) return {};
        const auto [chemin, choisi] = reponsesEnregistrer.takeFirst();
        if (choisi >= 0) type = choisi;
        return chemin;
    }
    bool ChoisirPolice(QFont& police) override {
        policesProposees.append(police);
        if (!policeChoisie) return false;
        police = *policeChoisie;
        return true;
    }
    void AfficherAide(const QString& fichierAide, const QString& ancre) override {
        aidesAffichees.append(fichierAide + QLatin1Char('#') + ancre);
    }
    void MasquerBarreDesTaches(QWidget&) override {
        barreMasquee = true;
        ++masquages;
    }
    void MontrerBarreDesTaches(QWidget&) override { barreMasquee = false; }
    // Windows keep the geometry they are given: the screen is whatever the test set.
    void PleinEcran(QWidget&) override { ++pleinsEcrans; }
    // Prints into the PDF file fichierPdf, as the program's own PDF output does, on the paper
    // chosen (A4 unless told) with the pages and copies of tirage; an empty name stands for a
    // user who gives up.
    std::unique_ptr<SortieImpression> ChoisirImpression(const QString& titre,
                                                        std::optional<QPageLayout::Orientation> orientation,
                                                        int nombrePages) override {
        impressions.append(titre);
        dialoguesImpression.append({orientation, nombrePages});
        if (fichierPdf.isEmpty()) return nullptr;
        auto sortie = std::make_unique<SortiePdf>(fichierPdf, titre);
        if (papier) sortie->Pdf().setPageSize(*papier);
        if (orientation) sortie->Pdf().setPageOrientation(*orientation);
        sortie->Demande = tirage;
        return sortie;
    }
    // Into the folder corbeille when set; without one the desktop has no trash.
    bool MettreALaCorbeille(const QString& chemin) override {
        misesALaCorbeille.append(QFileInfo(chemin).fileName());
        if (corbeille.isEmpty()) return false;
        return QFile::rename(chemin, QDir(corbeille).filePath(QFileInfo(chemin).fileName()));
    }
    void Annoncer(QObject& objet, QAccessible::Event evenement) override {
        annonces.append({&objet, evenement});
    }
    // The user's settings in a folder of the test's own, never the real user's.
    QString FichierReglagesUtilisateur(const QString& programme) const override {
        if (!fichierReglages.isEmpty()) return fichierReglages;
        if (!dossierReglages) dossierReglages = std::make_unique<QTemporaryDir>();
        return dossierReglages->filePath(programme + QStringLiteral(".ini"));
    }

    struct DialogueOuvrir {
        QString titre, filtre, dossier, fichierPropose;
    };
    struct DialogueEnregistrer {
        QString titre, types;
        int type;
        QString dossier, fichierPropose;
    };

    QStringList avertissements;
    QStringList questions;
    QList<bool> reponsesQuestions;    // what the next questions answer; none left = "Non"
    QStringList confirmations;        // "title : text" of every titled question
    QList<Reponse> reponsesConfirmer; // none left = Escape
    QList<DialogueEnregistrer> dialoguesEnregistrer;
    QList<std::pair<QString, int>> reponsesEnregistrer; // path and type chosen (-1: as proposed)
    QList<QFont> policesProposees;
    std::optional<QFont> policeChoisie; // none: the user gives up
    Tirage tirage;                      // the pages and copies the next print dialogs ask the program to draw
    std::optional<QPageSize> papier;    // the paper the next print dialogs choose; none: A4
    struct DialogueImpression {
        std::optional<QPageLayout::Orientation> orientation;
        int nombrePages;
    };
    QList<DialogueImpression> dialoguesImpression;
    QList<DialogueOuvrir> dialoguesOuverts;
    QStringList reponsesOuvrir; // what the next open dialogs answer; empty = the user gives up
    QStringList aidesAffichees; // "file#anchor"
    QRect ecran{0, 0, 800, 600};
    int ppp = 96;
    QDateTime maintenant{QDate(2026, 3, 9), QTime(14, 5, 7)};
    bool barreMasquee = false;
    int masquages = 0;
    int pleinsEcrans = 0;
    QString fichierPdf;      // where the next print jobs go; empty: the user gives up
    QStringList impressions; // the title of every print dialog opened
    QList<std::pair<QObject*, QAccessible::Event>> annonces;
    QString corbeille;             // the desktop's trash; empty: none
    QStringList misesALaCorbeille; // the name of every file offered to the trash
    QString fichierReglages;       // the user's settings file when a test chooses it

  private:
    mutable std::unique_ptr<QTemporaryDir> dossierReglages;
};
