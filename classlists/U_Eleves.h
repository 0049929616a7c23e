// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DialogueListe.h"

#include <QStringList>

class Programme;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The teacher's class list editor: a class name, pupils typed one by one into a list kept in
// alphabetical order, saved as the class's ".elv" file in the program folder. At most 50 pupils;
// a name that cannot be a file of the folder is refused with the reason.
class TF_Listes : public DialogueListe {
    Q_OBJECT
  public:
    explicit TF_Listes(Programme& programme, QWidget* parent = nullptr);

    // The pupils as the list shows them, in the order of the file.
    const QStringList& Eleves() const { return eleves; }

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void ConstruireMenu();
    void ConstruireChamps();
    void ConstruireBoutons();
    QPushButton* NouveauBouton(const char* nom, const QString& libelle, int haut);

    void NouvelleListe();
    void OuvrirListe();
    void Enregistrer();
    void Rayer();
    void Edit2Entree();
    void ChoisirEleve();

    void OuvrirFichier(const QString& chemin);
    QListWidgetItem* InsererElement(int rang, const QString& nom);
    void ActiverSaisie();
    void FormActivate() override;
    // Every way out empties the list and the fields: each showing starts afresh.
    void Vider() override;
    void AfficherNombre(const QString& fait = {});
    static QString NomDit(const QListWidgetItem& element);

    Programme& prog;
    QStringList eleves;
    QString fichierOuvert; // the file the list came from or was last saved to; empty for a new class
    QLineEdit* champClasse = nullptr;   // Edit1
    QLineEdit* champEleve = nullptr;    // Edit2
    QListWidget* listeEleves = nullptr; // ListBox1
    QLabel* rappelNomClasse = nullptr;  // Label4
    QLabel* nombreEleves = nullptr;     // Label5
    QPushButton* boutonNouveau = nullptr;
    QPushButton* boutonOuvrir = nullptr;
    QPushButton* boutonEnregistrer = nullptr;
    QPushButton* boutonRayer = nullptr;
    QPushButton* boutonQuitter = nullptr;
    QAction* enregistrer1 = nullptr;
};
