// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProfilMenu.h"

#include <QMainWindow>

class Fenetres;
class MaintienGeometrie;
class Programme;
class QAction;
class QLabel;
class QPushButton;
class MobilierPleinEcran;

// The main window of both programs: the exercise buttons over a picture mosaic, and the
// teacher's functions in the menu bar. Exercise windows open over it without blocking it;
// every other window is modal.
class TF_Menu : public QMainWindow {
    Q_OBJECT
  public:
    TF_Menu(Programme& programme, Fenetres& fenetres, QWidget* parent = nullptr);

    // Entries and buttons whose window is not part of the program are disabled.
    void ActualiserDisponibilite();
    MaintienGeometrie& Timer1() const;

    void OuvrirJeu(int bouton);
    void Executer(ActionMenu action);
    void OuvrirModal(IdFenetre id);
    // The registry, which opens the windows that answer or take values.
    Fenetres& Registre() const { return fenetres; }
    // Puts the window back at its place at once (Left and Top), without waiting for the hold.
    void Replacer();

  signals:
    // The menu is on the screen: what the start has left for later may follow.
    void Peint();

  protected:
    void showEvent(QShowEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void ConstruireCentre();
    void ConstruireBlocBoutons(QWidget* bloc);
    QPushButton* NouveauBouton(QWidget* parent, const QString& nom, const QString& libelle,
                               const QRect& position);
    void ConstruireBarre();
    void AjouterEntrees(QWidget* menuParent, const QList<EntreeMenu>& entrees);
    QAction* NouvelleAction(const EntreeMenu& entree);
    void ConstruireBarreDEtat();
    bool Disponible(ActionMenu action, int bouton) const;
    void CentrerBloc();
    QFont PoliceDuMenu(const QFont& police) const;
    QFont ArialAEchelle(int pixels, bool gras) const;

    Programme& prog;
    Fenetres& fenetres;
    double rapport = 1.0;
    bool dejaMontre = false;
    bool dejaPeint = false;
    MobilierPleinEcran* mobilier = nullptr;
    QWidget* menu = nullptr;
    QWidget* blocBoutons = nullptr;
    QList<QPushButton*> boutonsJeu;
    QList<std::pair<QAction*, EntreeMenu>> actions;
};
